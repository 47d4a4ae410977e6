// Hand-ins, the students' copy and class lists: a hand-in reads back as it
// was written, every field of a hostile one is refused with its line, the
// students' copy has no teacher's text and the teacher's fingerprint, and a
// class list refuses what a name may not be.
#include "exercise/ClassList.h"
#include "exercise/HandIn.h"
#include "exercise/Package.h"
#include "exercise/Reader.h"
#include "fuzzy/Project.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

const std::string kAufgaben = FUZZY_SOURCE_DIR "/examples/aufgaben/";

exercise::HandIn Sample() {
    exercise::HandIn h;
    h.Name = "Anna Berg";
    h.Class = "10b";
    h.Id = "anna.berg@schule.example";
    h.Date = "2025-03-14T09:30:00Z";
    h.Title = "Die Lok soll an der Marke halten";
    h.Fingerprint = exercise::ExerciseFingerprint(exercise::ReadBoundedFile(kAufgaben + "03_lok_tabelle.fuzaufgabe"));
    h.Project = fuzzy::LoadProject(kAufgaben + "03_lok_tabelle.loesung.fuz");
    h.Given = exercise::ReadAnswers(kAufgaben + "01_regelschritt.loesung.fuzantwort");
    return h;
}

TEST(HandIn, ReadsBackAsWritten) {
    const exercise::HandIn h = Sample();
    const exercise::HandIn back = exercise::ParseHandIn(exercise::HandInText(h));
    EXPECT_EQ(back.Name, h.Name);
    EXPECT_EQ(back.Class, h.Class);
    EXPECT_EQ(back.Id, h.Id);
    EXPECT_EQ(back.Date, h.Date);
    EXPECT_EQ(back.Title, h.Title);
    EXPECT_EQ(back.Fingerprint, h.Fingerprint);
    ASSERT_TRUE(back.Project && back.Given);
    EXPECT_EQ(fuzzy::ProjectText(*back.Project), fuzzy::ProjectText(*h.Project));
    EXPECT_EQ(exercise::AnswersText(*back.Given), exercise::AnswersText(*h.Given));
    // An answer's line is the hand-in's, not the embedded file's.
    EXPECT_GT(back.Given->KeyLines.at({"P1", "ausgang"}), back.AnswersLine);
}

struct Hostile {
    const char* name;
    const char* from;  // replaced in a sample hand-in's text …
    const char* to;    // … by this
    const char* line;  // the line the refusal names: the one that starts with this ("" for the head)
};

class HostileHandIn : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileHandIn, RefusedWithItsLine) {
    std::string text = exercise::HandInText(Sample());
    const std::size_t at = text.find(GetParam().from);
    ASSERT_NE(at, std::string::npos) << GetParam().name;
    text.replace(at, std::string(GetParam().from).size(), GetParam().to);
    int expected = 2;  // [abgabe]
    if (*GetParam().line) {
        const std::size_t l = text.find(GetParam().line);
        ASSERT_NE(l, std::string::npos);
        expected = 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<long>(l), '\n'));
    }
    try {
        exercise::ParseHandIn(text);
        ADD_FAILURE() << GetParam().name << " was read";
    } catch (const exercise::FormatError& e) {
        EXPECT_EQ(e.Line(), expected) << GetParam().name << ": " << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reader, HostileHandIn,
    ::testing::Values(
        Hostile{"empty name", "name = Anna Berg", "name =", "name ="},
        Hostile{"name too long", "name = Anna Berg",
                "name = "
                "AnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaAnnaA",
                "name ="},
        Hostile{"tab in the class", "klasse = 10b", "klasse = 10\tb", "klasse"},
        Hostile{"identifier with a quote", "kennung = anna", "kennung = \"anna", "kennung"},
        Hostile{"no such day", "2025-03-14", "2025-02-30", "datum"},
        Hostile{"date of another form", "2025-03-14T09:30:00Z", "14.03.2025", "datum"},
        Hostile{"fingerprint too short", "fingerabdruck = ", "fingerabdruck = 0", "fingerabdruck"},
        Hostile{"unknown key", "klasse = 10b", "klasse = 10b\nnote = 1", "note"},
        Hostile{"name missing", "name = Anna Berg\n", "", ""},
        Hostile{"format of the future", "format = 1", "format = 2", "format"},
        Hostile{"unknown section", "[antworten]", "[nichts]", "[nichts]"},
        Hostile{"junk after the project", "\n\n[antworten]", "\n| 4711\n\n[antworten]", "| 4711"},
        Hostile{"project line without bar", "[projekt]\n| ", "[projekt]\nzzz\n| ", "zzz"},
        Hostile{"answer that is no number", "ausgang = 52", "ausgang = 5,2.1", "| ausgang"},
        Hostile{"answers twice", "[antworten]", "[antworten]\n| [antworten]\n| format = 1\n[antworten]",
                "[antworten]\n| [antworten]\n| format = 1\n|\n"}),
    [](const ::testing::TestParamInfo<Hostile>& i) {
        std::string n = i.param.name;
        for (char& c : n)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return n;
    });

TEST(HandIn, WriterRefusesWhatTheReaderWould) {
    exercise::HandIn h = Sample();
    h.Class = " 10b";
    EXPECT_THROW(exercise::HandInText(h), exercise::FormatError);
    h = Sample();
    h.Id = "a b";
    EXPECT_THROW(exercise::HandInText(h), exercise::FormatError);
}

TEST(StudentCopy, NoTeacherTextSameFingerprint) {
    const std::string teacher = exercise::ReadBoundedFile(kAufgaben + "03_lok_tabelle.fuzaufgabe");
    const std::string copy = exercise::StudentCopy(teacher);
    const exercise::Exercise e = exercise::ParseExercise(copy);
    EXPECT_TRUE(e.ForStudents());
    EXPECT_TRUE(e.TeacherNote.Empty());
    EXPECT_EQ(copy.find("[lehrkraft"), std::string::npos);
    EXPECT_EQ(exercise::ExerciseFingerprint(copy), exercise::ExerciseFingerprint(teacher));
    // The task is what the fingerprint is about; another teacher's text is not.
    std::string task = teacher, note = teacher;
    task.replace(task.find("Füllen Sie sie"), std::string("Füllen Sie sie").size(), "Füllen Sie SIE");
    note.replace(note.find("Musterlösung ist"), 16, "Die Lösung ist");
    EXPECT_NE(exercise::ExerciseFingerprint(task), exercise::ExerciseFingerprint(teacher));
    EXPECT_EQ(exercise::ExerciseFingerprint(note), exercise::ExerciseFingerprint(teacher));
    // A students' copy with a teacher's text is a contradiction.
    EXPECT_THROW(exercise::ParseExercise(copy + "[lehrkraft.de]\nLösung\n"), exercise::FormatError);
}

TEST(HandIn, DateFromTheFixedClock) {
    EXPECT_EQ(exercise::DateText(0), "1970-01-01T00:00:00Z");
    EXPECT_EQ(exercise::DateText(951782400), "2000-02-29T00:00:00Z");
    EXPECT_EQ(exercise::DateText(1741944600), "2025-03-14T09:30:00Z");
    ::setenv("SOURCE_DATE_EPOCH", "1741944600", 1);
    EXPECT_EQ(exercise::HandInClock(), 1741944600);
    ::unsetenv("SOURCE_DATE_EPOCH");
}

struct ListCase {
    const char* name;
    const char* text;
    std::size_t names;  // read; 0: refused
    int line;
};

class ClassLists : public ::testing::TestWithParam<ListCase> {};

TEST_P(ClassLists, ReadOrRefused) {
    if (GetParam().names) {
        EXPECT_EQ(exercise::ParseClassList(GetParam().text).size(), GetParam().names) << GetParam().name;
        return;
    }
    try {
        exercise::ParseClassList(GetParam().text);
        ADD_FAILURE() << GetParam().name;
    } catch (const exercise::FormatError& e) {
        EXPECT_EQ(e.Line(), GetParam().line) << GetParam().name << ": " << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Reader, ClassLists,
                         ::testing::Values(ListCase{"names, comments and blanks",
                                                    "\xEF\xBB\xBF# 10b\nAnna Berg\n\n  Ben Ulm \r\n", 2, 0},
                                           ListCase{"the same name twice", "Anna Berg\nanna  berg\n", 0, 2},
                                           ListCase{"a section", "Anna\n[x]\n", 0, 2},
                                           ListCase{"a control character", "Anna\nB\x01n\n", 0, 2},
                                           ListCase{"no name at all", "# leer\n", 0, 0}),
                         [](const ::testing::TestParamInfo<ListCase>& i) {
                             std::string n = i.param.name;
                             for (char& c : n)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return n;
                         });

}  // namespace
