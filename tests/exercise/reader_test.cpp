// The exercise and answers readers: every hostile file is refused with the
// line it concerns, nothing out of range gets through, and what is valid
// reads as written.
#include "exercise/Reader.h"
#include "fuzzy/LanguageScope.h"
#include "fuzzy/Templates.h"
#include "fuzzy/Text.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>

namespace {

// A valid exercise; the cases change one part of it.
std::string Head(const std::string& extra = "") {
    return "[aufgabe]\nformat = 1\ntitel.de = Probe\naenderbar = regeln\n" + extra +
           "\n[text.de]\nTu etwas.\n\n[projekt]\nvorlage = lok\n";
}
const std::string kLoco = "\n[lok]\nmassen = 1, 2\nruhe_bis = 10\n";

// A project as the lines of a [projekt] section.
std::string Embed(const fuzzy::Project& p) {
    std::string text = fuzzy::text::Cp1252ToUtf8(fuzzy::ProjectText(p)), out;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = text.find("\r\n", pos);
        out += "| " + text.substr(pos, end - pos) + "\n";
        pos = end + 2;
    }
    return out;
}

int LineOfLast(const std::string& text, const std::string& marker) {
    const std::size_t at = text.rfind(marker);
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
}

// [projekt.en] with a range that differs from [projekt]'s.
std::string EnglishDiffers() {
    fuzzy::Project de = fuzzy::TemplateEmpty(), en = de;
    en.Out.RangeMax = 11.0f;
    return "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = nichts\n[text.de]\nx\n[projekt]\n" + Embed(de) +
           "[projekt.en]\n" + Embed(en) + "[abdeckung]\n";
}

// Output corners so large that the step's centroid is no number.
std::string NoFiniteStep() {
    fuzzy::Project p = fuzzy::LoadProject(FUZZY_SOURCE_DIR "/examples/heizung.fuz");
    p.Out.RangeMin = -3.4e38f;
    p.Out.RangeMax = 3.4e38f;
    const float corners[3][4] = {
        {-3.4e38f, -3.4e38f, -1e38f, 0.0f}, {-1e38f, 0.0f, 0.0f, 1e38f}, {0.0f, 1e38f, 3.4e38f, 3.4e38f}};
    for (int i = 1; i <= 3; ++i)
        for (int j = fuzzy::ParamA; j <= fuzzy::ParamD; ++j) p.Out.SetParam(i, j, corners[i - 1][j - fuzzy::ParamA]);
    return "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = nichts\n[text.de]\nx\n[projekt]\n" + Embed(p) +
           "[handrechnung]\npunkt = P1\na = 2\nb = -0.5\nfragen = ausgang\ntoleranz = 0.01\n";
}

// The heating's project embedded with its line n (from 1) replaced by `extra`.
std::string Broken(int n, const std::string& extra) {
    fuzzy::Project p = fuzzy::LoadProject(FUZZY_SOURCE_DIR "/examples/heizung.fuz");
    std::string lines = Embed(p), out;
    int k = 0;
    for (std::size_t pos = 0; pos < lines.size();) {
        const std::size_t end = lines.find('\n', pos);
        out += ++k == n ? extra + "\n" : lines.substr(pos, end - pos + 1);
        pos = end + 1;
    }
    return "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = regeln\n[text.de]\nx\n[projekt]\n" + out + "[abdeckung]\n";
}

// The heating's project embedded, with `after` behind its last line.
std::string Followed(const std::string& after) {
    return "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = regeln\n[text.de]\nx\n[projekt]\n" +
           Embed(fuzzy::LoadProject(FUZZY_SOURCE_DIR "/examples/heizung.fuz")) + after + "[abdeckung]\n";
}

std::string TruckHead() {
    return "[aufgabe]\nformat = 1\ntitel.de = Probe\naenderbar = regeln\n[text.de]\nx\n[projekt]\nvorlage = truck\n";
}

struct Hostile {
    const char* name;  // the fault the reader would let through
    std::string text;
    const char* at;    // the message names the line where this stands last ("": line 1; nullptr: no line)
    const char* word;  // a word the message must contain (a key, a section)
};

class HostileExercise : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileExercise, RefusedWithItsLine) {
    const Hostile& h = GetParam();
    try {
        (void)exercise::ParseExercise(h.text);
        FAIL() << h.name << ": accepted";
    } catch (const exercise::FormatError& e) {
        const int line = !h.at ? 0 : *h.at == '\0' ? 1 : LineOfLast(h.text, h.at);
        EXPECT_EQ(e.Line(), line) << h.name << ": " << e.what();
        EXPECT_NE(std::string(e.what()).find(h.word), std::string::npos) << h.name << ": " << e.what();
    }
}

TEST(Reader, BlankLinesAfterAnEmbeddedProjectDoNoHarm) {
    EXPECT_NO_THROW((void)exercise::ParseExercise(Followed("|\n|   \n")));
}

const std::string kLong(2001, 'x');

INSTANTIATE_TEST_SUITE_P(
    Reader, HostileExercise,
    ::testing::Values(
        Hostile{"empty file", "", "", "[aufgabe]"},
        Hostile{"other first section", "[text.de]\nx\n", "[text.de]", "[aufgabe]"},
        Hostile{"text before the first section", "hallo\n[aufgabe]\n", "hallo", "Kommentar"},
        Hostile{"invalid UTF-8", Head() + kLoco + "hinweis.de = \xC3(\n", "hinweis.de = \xC3(", "UTF-8"},
        Hostile{"overlong UTF-8", Head() + kLoco + "hinweis.de = \xC0\xAF\n", "hinweis.de = \xC0", "UTF-8"},
        Hostile{"control character",
                Head("hinweis = a\x01"
                     "b\n"),
                "hinweis = a", "Steuerzeichen"},
        Hostile{"line too long", Head() + kLoco + "# " + kLong + "\n", "# xx", "2000"},
        Hostile{"file too large", std::string(300 * 1024, '#'), nullptr, "256"},
        Hostile{"unknown section", Head() + kLoco + "[lokomotive]\n", "[lokomotive]", "[lokomotive]"},
        Hostile{"unknown key", Head() + kLoco + "masse = 3\n", "masse = 3", "masse"},
        Hostile{"key given twice", Head() + kLoco + "ruhe_bis = 5\n", "ruhe_bis = 5", "ruhe_bis"},
        Hostile{"section given twice", Head() + kLoco + "[aufgabe]\n", "[aufgabe]", "[aufgabe]"},
        Hostile{"unknown format", "[aufgabe]\nformat = 2\n", "format = 2", "2"},
        Hostile{"count beyond the grid", Head() + "\n[truck]\ngeschwindigkeiten = -1\nangedockt_min = 165\n",
                "angedockt_min", "angedockt_min"},
        Hostile{"word in a number list", Head() + "\n[truck]\ngeschwindigkeiten = -1, abc\nregeln_max = 3\n",
                "geschwindigkeiten", "geschwindigkeiten"},
        Hostile{"forward speed", Head() + "\n[truck]\ngeschwindigkeiten = 1\nregeln_max = 3\n", "geschwindigkeiten",
                "geschwindigkeiten"},
        Hostile{"infinite time", Head() + "\n[lok]\nmassen = 1\nruhe_bis = inf\n", "ruhe_bis", "ruhe_bis"},
        Hostile{"NaN mass", Head() + "\n[lok]\nmassen = nan\nruhe_bis = 1\n", "massen", "massen"},
        Hostile{"hexadecimal number", Head() + "\n[lok]\nmassen = 0x10\nruhe_bis = 1\n", "massen", "massen"},
        Hostile{"huge exponent", Head() + "\n[lok]\nmassen = 1e999\nruhe_bis = 1\n", "massen", "massen"},
        Hostile{"decimal comma in an exercise", Head() + "\n[lok]\nmassen = 1\nruhe_bis = 2,5\n", "ruhe_bis",
                "ruhe_bis"},
        Hostile{"integer with a point", Head() + "\n[lok]\nmassen = 1\nvorzeichenwechsel_max = 8.5\n",
                "vorzeichenwechsel_max", "vorzeichenwechsel_max"},
        Hostile{"hand step nobody can answer", NoFiniteStep(), "[handrechnung]", "P1"},
        Hostile{"locomotive runs beyond the work a check may do",
                Head() + "\n[lok]\nmassen = 1, 2, 3, 4, 5, 6, 7, 8\nschritte = 0.001\nzeit = 600\nruhe_bis = 10\n",
                "[lok]", "2000000"},
        Hostile{"more truck speeds than a check runs",
                TruckHead() + "\n[truck]\ngeschwindigkeiten = -1, -2, -3\nregeln_max = 25\n"
                              "[truck]\ngeschwindigkeiten = -4, -5\nregeln_max = 25\n",
                "[truck]", "[truck]"},
        Hostile{"unknown key without the keys there are", Head() + kLoco + "masse = 3\n", "masse = 3",
                "vorzeichenwechsel_max"},
        Hostile{"number that reads as 0 in an embedded project", Broken(3, "| abc"), "| abc", "abc"},
        Hostile{"anything after an embedded project", Followed("|\n| 17\n|\n"), "| 17", "Ende"},
        Hostile{"too many masses", Head() + "\n[lok]\nmassen = 1,2,3,4,5,6,7,8,9\nruhe_bis = 1\n", "massen", "massen"},
        Hostile{"zero distance", Head() + "\n[lok]\nmassen = 1\nabstand = 0\nruhe_bis = 1\n", "abstand", "abstand"},
        Hostile{"rest after the end of the runs", Head() + "\n[lok]\nmassen = 1\nzeit = 5\nruhe_bis = 10\n", "[lok]",
                "ruhe_bis"},
        Hostile{"loco section that checks nothing", Head() + "\n[lok]\nmassen = 1\n", "[lok]", "[lok]"},
        Hostile{"truck section that checks nothing", Head() + "\n[truck]\ngeschwindigkeiten = -1\n", "[truck]",
                "[truck]"},
        Hostile{"locomotive check without input B",
                "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = regeln\n[text.de]\nx\n[projekt]\nvorlage = leer\n" +
                    kLoco,
                "[lok]", "Lok"},
        Hostile{"no check at all", Head(), "", "[truck]"},
        Hostile{"no task text",
                "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = regeln\n[projekt]\nvorlage = lok\n" + kLoco, "",
                "[text.de]"},
        Hostile{"no project", "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = regeln\n[text.de]\nx\n" + kLoco, "",
                "[projekt]"},
        Hostile{"no permissions",
                "[aufgabe]\nformat = 1\ntitel.de = x\n[text.de]\nx\n[projekt]\nvorlage = lok\n" + kLoco, "",
                "aenderbar"},
        Hostile{"unknown vehicle", Head("fahrzeug = bus\n") + kLoco, "fahrzeug = bus", "fahrzeug"},
        Hostile{"two vehicles", Head("fahrzeug = truck, lok\n") + kLoco, "fahrzeug = truck", "fahrzeug"},
        Hostile{"vehicle other than the checks", Head("fahrzeug = truck\n") + kLoco, "", "fahrzeug"},
        Hostile{"drawing neither yes nor no", Head("zeichnen = vielleicht\n") + kLoco, "zeichnen", "zeichnen"},
        Hostile{"nothing together with rules", Head("aenderbar = nichts, regeln\n"), "aenderbar = nichts", "aenderbar"},
        Hostile{"unknown permission", "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = alles\n", "aenderbar = alles",
                "alles"},
        Hostile{"unknown template",
                "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = regeln\n[text.de]\nx\n"
                "[projekt]\nvorlage = zug\n" +
                    kLoco,
                "vorlage = zug", "zug"},
        Hostile{"template and embedded project",
                "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = regeln\n[text.de]\nx\n"
                "[projekt]\nvorlage = lok\n| A\n" +
                    kLoco,
                "vorlage = lok", "Vorlage"},
        Hostile{
            "embedded project that breaks off",
            "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = regeln\n[text.de]\nx\n[projekt]\n| A\n| 1\n| 0\n" + kLoco,
            "| 0", "[projekt]"},
        Hostile{"word read as 0 in the project",
                "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = regeln\n[text.de]\nx\n[projekt]\n| A\n| 1\n| 0\n| "
                "zehn\n" +
                    kLoco,
                "| zehn", "[projekt]"},
        Hostile{"character a project cannot hold",
                "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = regeln\n[text.de]\nx\n[projekt]\n| A \xE2\x88\x9E\n" +
                    kLoco,
                "| A \xE2", "Windows-1252"},
        Hostile{"English project with other numbers", EnglishDiffers(), "[projekt.en]", "[projekt.en]"},
        Hostile{"hand step without b on two inputs",
                Head() + "\n[handrechnung]\na = 1\nfragen = ausgang\ntoleranz = 0.1\n", "[handrechnung]", "b"},
        Hostile{"hand step with b on one input",
                "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = nichts\n[text.de]\nx\n[projekt]\nvorlage = leer\n"
                "[handrechnung]\na = 1\nb = 2\nfragen = ausgang\ntoleranz = 0.1\n",
                "[handrechnung]", "b"},
        Hostile{"hand step asking something unknown",
                Head() + "\n[handrechnung]\na = 1\nb = 1\nfragen = ausgang, schwerpunkt\ntoleranz = 0.1\n", "fragen",
                "schwerpunkt"},
        Hostile{"hand step without tolerance", Head() + "\n[handrechnung]\na = 1\nb = 1\nfragen = ausgang\n",
                "[handrechnung]", "toleranz"},
        Hostile{"two hand steps at one point",
                Head() +
                    "\n[handrechnung]\na = 1\nb = 1\nfragen = ausgang\ntoleranz = 0.1\n[handrechnung]\npunkt = P1\n"
                    "a = 2\nb = 1\nfragen = ausgang\ntoleranz = 0.1\n",
                "[handrechnung]", "P1"},
        Hostile{"input beyond a million",
                Head() + "\n[handrechnung]\na = 2e6\nb = 1\nfragen = ausgang\ntoleranz = 0.1\n", "a = 2e6", "a"},
        Hostile{"key in capitals", Head("Titel.en = x\n"), "Titel.en", "Titel.en"},
        Hostile{"line without equals sign", Head("nur text\n"), "nur text", "[aufgabe]"},
        Hostile{"too many locomotive sections",
                Head() + kLoco +
                    [] {
                        std::string s;
                        for (int i = 0; i < 4; ++i) s += "[lok]\nmassen = 1\nruhe_bis = 5\n";
                        return s;
                    }(),
                "[lok]", "[lok]"}),
    [](const ::testing::TestParamInfo<Hostile>& i) {
        std::string n = i.param.name;
        for (char& c : n)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return n;
    });

// What a valid file says arrives as it was written.
TEST(ExerciseReader, ReadsWhatIsWritten) {
    const std::string text =
        "\xEF\xBB\xBF# Probe\r\n[aufgabe]\r\nformat = 1\r\ntitel.de = Probe\r\ntitel.en = Test\r\n"
        "aenderbar = regeln, terme\r\nbewertung = beides\r\n[text.de]\r\n\r\n  Zeile 1\r\n\r\nZeile 3\r\n\r\n"
        "[projekt]\r\nvorlage = lok\r\n[lok]\r\nmassen = 1, 4\r\nschritte = 0.1\r\nruhe_bis = 5\r\n"
        "ueberschwingen_max = 0.5\r\nkraft_im_bereich = ja\r\nvorzeichenwechsel_max = 8\r\n"
        "hinweis.de = Bremsen!\r\n";
    const exercise::Exercise e = exercise::ParseExercise(text);
    EXPECT_EQ(e.Title.En, "Test");
    EXPECT_EQ(e.Task.De, "  Zeile 1\n\nZeile 3");
    EXPECT_TRUE(e.MayChange.Rules && e.MayChange.Terms && !e.MayChange.Ranges);
    EXPECT_EQ(e.MarkedBy, exercise::Marking::Both);
    EXPECT_EQ(e.Template, "lok");
    ASSERT_EQ(e.Loco.size(), 1u);
    const exercise::LocoCheck& l = e.Loco[0];
    EXPECT_EQ(l.Line, 16);
    EXPECT_EQ(l.Masses, (std::vector<float>{1.0f, 4.0f}));
    EXPECT_EQ(l.Steps, (std::vector<float>{0.1f}));
    EXPECT_EQ(*l.RestWithin, 5.0f);
    EXPECT_EQ(*l.MaxOvershootCm, 0.5f);
    EXPECT_TRUE(l.ForceInRange);
    EXPECT_EQ(*l.MaxSignChanges, 8);
    EXPECT_EQ(l.Hint.De, "Bremsen!");
    EXPECT_EQ(l.Runs().size(), 2u);
    EXPECT_EQ(l.Runs()[1].Start.Masse, 4.0f);
}

// Which vehicle's lab the solution sheet shows and whether the students'
// sheet has room to draw: as the file says, else by the template or checks.
struct PlantCase {
    const char* name;
    std::string text;
    exercise::Plant plant;
    bool drawing;
};

class ExercisePlant : public ::testing::TestWithParam<PlantCase> {};

TEST_P(ExercisePlant, AsWrittenElseByTemplateOrChecks) {
    const exercise::Exercise e = exercise::ParseExercise(GetParam().text);
    EXPECT_EQ(e.OnPlant(), GetParam().plant);
    EXPECT_EQ(e.Drawing, GetParam().drawing);
}

INSTANTIATE_TEST_SUITE_P(
    Reader, ExercisePlant,
    ::testing::Values(
        PlantCase{"LocoTemplate", Head() + kLoco, exercise::Plant::Loco, false},
        PlantCase{"TruckCheck",
                  "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = regeln\n[text.de]\nx\n[projekt]\nvorlage = "
                  "truck\n[truck]\ngeschwindigkeiten = -1\nregeln_max = 9\n",
                  exercise::Plant::Truck, false},
        PlantCase{"NamedOnAnEmptyProject",
                  "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = nichts\nfahrzeug = lok\nzeichnen = ja\n"
                  "[text.de]\nx\n[projekt]\nvorlage = leer\n[abdeckung]\n",
                  exercise::Plant::Loco, true},
        PlantCase{"NeitherVehicle",
                  "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = nichts\nzeichnen = nein\n[text.de]\nx\n"
                  "[projekt]\nvorlage = leer\n[abdeckung]\n",
                  exercise::Plant::Unknown, false}),
    [](const ::testing::TestParamInfo<PlantCase>& i) { return std::string(i.param.name); });

// An English title or text may be missing: the German one stands in.
TEST(ExerciseReader, GermanStandsInForMissingEnglish) {
    fuzzy::LanguageScope en(fuzzy::Language::English);
    const exercise::Exercise e = exercise::ParseExercise(Head() + kLoco);
    EXPECT_EQ(e.Title.Active(), "Probe");
    EXPECT_EQ(e.Task.Active(), "Tu etwas.");
}

// The answers: keys by term and cell, a decimal comma taken, and written
// back they read as the same numbers.
TEST(AnswersReader, ReadsAndWritesBack) {
    const exercise::Answers a = exercise::ParseAnswers(
        "[antworten]\nformat = 1\n[P1]\nzugehoerigkeit.a.2 = 0,6\nzugehoerigkeit.b.5 = 1\nfeuerstaerke.3.4 = 0.25\n"
        "hoehe.1 = 0.1\nausgang = -12.5\n[Q]\nausgang = 1e-7\n");
    const exercise::PointAnswers& p = a.Points.at("P1");
    EXPECT_EQ(*p.MembershipA[1], 0.6f);
    EXPECT_EQ(*p.MembershipB[4], 1.0f);
    EXPECT_EQ(*p.Firing[2 * 5 + 3], 0.25f);
    EXPECT_EQ(*p.Heights[0], 0.1f);
    EXPECT_EQ(*p.Output, -12.5f);
    EXPECT_FALSE(p.MembershipA[0].has_value());
    const exercise::Answers back = exercise::ParseAnswers(exercise::AnswersText(a));
    EXPECT_EQ(back.Points.at("P1").Firing, p.Firing);
    EXPECT_EQ(back.Points.at("Q").Output, a.Points.at("Q").Output);
    EXPECT_TRUE(exercise::LooksLikeAnswers(exercise::AnswersText(a)));
    EXPECT_FALSE(exercise::LooksLikeAnswers(Head()));
}

struct HostileAnswers {
    const char* name;
    std::string text;
    int line;
};

class HostileAnswer : public ::testing::TestWithParam<HostileAnswers> {};

TEST_P(HostileAnswer, RefusedWithItsLine) {
    try {
        (void)exercise::ParseAnswers(GetParam().text);
        FAIL() << GetParam().name << ": accepted";
    } catch (const exercise::FormatError& e) {
        EXPECT_EQ(e.Line(), GetParam().line) << GetParam().name << ": " << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reader, HostileAnswer,
    ::testing::Values(HostileAnswers{"no answers header", "[P1]\nausgang = 1\n", 1},
                      HostileAnswers{"no format", "[antworten]\n[P1]\n", 1},
                      HostileAnswers{"term six", "[antworten]\nformat = 1\n[P1]\nhoehe.6 = 1\n", 4},
                      HostileAnswers{"term zero", "[antworten]\nformat = 1\n[P1]\nzugehoerigkeit.a.0 = 1\n", 4},
                      HostileAnswers{"cell without column", "[antworten]\nformat = 1\n[P1]\nfeuerstaerke.3 = 1\n", 4},
                      HostileAnswers{"point twice", "[antworten]\nformat = 1\n[P1]\nausgang = 1\n[P1]\n", 5},
                      HostileAnswers{"value not finite", "[antworten]\nformat = 1\n[P1]\nausgang = inf\n", 4},
                      HostileAnswers{"comma and point", "[antworten]\nformat = 1\n[P1]\nausgang = 1,000.5\n", 4}));

// The range an answer must lie in reads as numbers a person writes.
TEST(AnswersReader, RangeOfAnAnswerReadsInFull) {
    try {
        (void)exercise::ParseAnswers("[antworten]\nformat = 1\n[P1]\nausgang = 2e6\n");
        FAIL() << "accepted";
    } catch (const exercise::FormatError& e) {
        const std::string m = e.what();
        EXPECT_NE(m.find("1000000"), std::string::npos) << m;
        EXPECT_EQ(m.find("e+"), std::string::npos) << m;
    }
}

// Only regular files are read: a directory, a FIFO and a missing file are
// refused without reading; a link to a regular file is read.
TEST(ExerciseReader, OnlyRegularFiles) {
    testfiles::TempDir dir;
    const std::string fifo = (dir.path() / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& p : {dir.path().string(), fifo, (dir.path() / "fehlt").string()})
        EXPECT_THROW((void)exercise::ReadExercise(p), exercise::FormatError) << p;
    const std::string real = dir.Write("a.fuzaufgabe", Head() + kLoco);
    std::filesystem::create_symlink(real, dir.path() / "link.fuzaufgabe");
    EXPECT_EQ(exercise::ReadExercise((dir.path() / "link.fuzaufgabe").string()).Title.De, "Probe");
    // A large file is refused by its size before anything is read.
    const std::string big = (dir.path() / "big.fuzaufgabe").string();
    std::filesystem::resize_file(dir.Write("big.fuzaufgabe", ""), 1u << 30);
    EXPECT_THROW((void)exercise::ReadExercise(big), exercise::FormatError);
}

}  // namespace
