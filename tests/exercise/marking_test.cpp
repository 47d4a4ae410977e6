// Marking a class and its gradebook file: every hand-in gets its row (a
// broken, a foreign and a duplicate one say so and stop nothing), and the
// gradebook CSV passes the import rules of Moodle's gradebook, replayed here:
// one unknown user or a bad grade would abort the whole import there.
#include "exercise/Gradebook.h"
#include "exercise/Marking.h"
#include "exercise/Package.h"
#include "exercise/Reader.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

const std::string kAufgaben = FUZZY_SOURCE_DIR "/examples/aufgaben/";

struct Class {
    testfiles::TempDir dir;
    exercise::Exercise e = exercise::ReadExercise(kAufgaben + "03_lok_tabelle.fuzaufgabe");
    std::string bytes = exercise::ReadBoundedFile(kAufgaben + "03_lok_tabelle.fuzaufgabe");

    std::string HandIn(const std::string& file, const std::string& name, const std::string& id,
                       const std::string& project, const std::string& fingerprint = "") {
        return HandIn(file, name, id, fuzzy::LoadProject(kAufgaben + project), fingerprint);
    }
    std::string HandIn(const std::string& file, const std::string& name, const std::string& id,
                       const fuzzy::Project& project, const std::string& fingerprint = "") {
        exercise::HandIn h;
        h.Name = name;
        h.Class = "10b";
        h.Id = id;
        h.Date = "2025-03-14T09:30:00Z";
        h.Title = e.Title.De;
        h.Fingerprint = fingerprint.empty() ? exercise::ExerciseFingerprint(bytes) : fingerprint;
        h.Project = project;
        return dir.Write(file, exercise::HandInText(h));
    }
    // Six hand-ins, one of each kind a teacher meets.
    Class() {
        HandIn("anna.fuzabgabe", "Anna Berg", "1001", "03_lok_tabelle.loesung.fuz");
        HandIn("ben.fuzabgabe", "Ben Ulm", "ben@schule.example", "03_lok_tabelle.falsch.fuz");
        HandIn("cem.fuzabgabe", "Cem Oz", "", "03_lok_tabelle.loesung.fuz");
        HandIn("dora.fuzabgabe", "Dora Lind", "1004", "03_lok_tabelle.loesung.fuz",
               exercise::ExerciseFingerprint(exercise::ReadBoundedFile(kAufgaben + "06_schnelle_lok.fuzaufgabe")));
        HandIn("zweite.fuzabgabe", "anna  berg", "1005", "03_lok_tabelle.falsch.fuz");
        dir.Write("kaputt.fuzabgabe", "[abgabe]\nformat = 1\nname = Eve\n");
        dir.Write("notizen.txt", "not a hand-in: a folder's other files are left out");
    }
    exercise::ClassResult Mark() {
        return exercise::MarkClass(e, bytes, exercise::HandInFiles({dir.path().string()}), {2, nullptr, {}});
    }
};

const exercise::MarkedHandIn& Row(const exercise::ClassResult& c, const std::string& file) {
    for (const auto& r : c.Rows)
        if (r.File.size() >= file.size() && r.File.compare(r.File.size() - file.size(), file.size(), file) == 0)
            return r;
    throw std::runtime_error("no row " + file);
}

TEST(Marking, EveryHandInHasItsRow) {
    Class k;
    const exercise::ClassResult c = k.Mark();
    ASSERT_EQ(c.Rows.size(), 6u);  // the .txt is no hand-in of the folder
    EXPECT_EQ(exercise::RowState(Row(c, "anna.fuzabgabe")), "passed");
    EXPECT_EQ(Row(c, "anna.fuzabgabe").Points.Points, 3.0);
    EXPECT_EQ(exercise::RowState(Row(c, "ben.fuzabgabe")), "failed");
    EXPECT_EQ(exercise::RowState(Row(c, "kaputt.fuzabgabe")), "unreadable");
    EXPECT_NE(Row(c, "kaputt.fuzabgabe").Problem.find("Zeile"), std::string::npos);
    EXPECT_TRUE(Row(c, "dora.fuzabgabe").Foreign);
    EXPECT_EQ(exercise::RowState(Row(c, "dora.fuzabgabe")), "foreign");
    EXPECT_EQ(exercise::RowStateText(Row(c, "dora.fuzabgabe")).rfind("andere Aufgabe", 0), 0u);
    EXPECT_EQ(Row(c, "anna.fuzabgabe").DuplicateOf.size(), 1u);
    EXPECT_EQ(Row(c, "zweite.fuzabgabe").DuplicateOf.size(), 1u);
    EXPECT_TRUE(Row(c, "cem.fuzabgabe").Gradable());
    EXPECT_FALSE(Row(c, "anna.fuzabgabe").Gradable());
}

TEST(Marking, JsonAndCsvHoldTheTable) {
    Class k;
    const exercise::ClassResult c = k.Mark();
    const nlohmann::json j = nlohmann::json::parse(exercise::ClassJson(c));
    EXPECT_EQ(j["exercise"]["totalPoints"], 3);
    ASSERT_EQ(j["rows"].size(), 6u);
    for (const auto& row : j["rows"]) {
        ASSERT_TRUE(row.contains("state") && row.contains("notes") && row.contains("criteria")) << row.dump();
        if (row["state"] == "passed" || row["state"] == "failed") {
            EXPECT_EQ(row["criteria"].size(), j["exercise"]["criteria"].size());
        }
    }
    // A name a spreadsheet would run as a formula stays text.
    k.HandIn("formel.fuzabgabe", "=HYPERLINK(\"x\")", "", "03_lok_tabelle.loesung.fuz");
    const std::string csv = exercise::ClassCsv(k.Mark());
    EXPECT_NE(csv.find("\"'=HYPERLINK(\"\"x\"\")\""), std::string::npos) << csv;
}

// ---- Moodle's grade import, replayed --------------------------------------------

// The CSV reader of the import: fields split at commas, double quotes enclose
// a field, a doubled quote inside is one; a backslash before a quote does not
// end the field (PHP's escape character).
std::vector<std::vector<std::string>> ReadCsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '\\' && i + 1 < text.size()) {
                field += c;
                field += text[++i];
            } else if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                field += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            row.push_back(field);
            field.clear();
        } else if (c == '\n') {
            row.push_back(field);
            rows.push_back(row);
            row.clear();
            field.clear();
        } else {
            field += c;
        }
    }
    if (!field.empty() || !row.empty()) rows.push_back(row);
    return rows;
}

// The import's verdict: nothing, or why it aborts. `users` are the course's
// ID numbers or e-mail addresses; `idColumn`, `gradeColumn` and
// `feedbackColumn` are the teacher's mapping in the import form.
std::optional<std::string> MoodleImport(const std::string& csv, const std::set<std::string>& users,
                                        std::map<std::string, std::pair<std::optional<double>, std::string>>& grades) {
    const auto rows = ReadCsv(csv);
    if (rows.empty()) return "csvemptyfile";
    const std::size_t columns = rows.front().size();
    for (const auto& r : rows)
        if (r.size() != columns) return "csvweirdcolumns";
    std::optional<std::string> student;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const auto& r = rows[i];
        if (r.size() <= 1) continue;
        // An empty identifier keeps the student of the row before.
        if (!r[0].empty()) {
            if (!users.count(r[0])) return "usermappingerror " + r[0];
            student = r[0];
        }
        if (!student) return "usermappingerrorusernotfound";
        std::optional<double> grade;
        const std::string g = r[1];
        if (!g.empty() && g != "-") {
            // unformat_float, strict: a number with a point (the site's decimal sign may stand for it).
            char* end = nullptr;
            const double v = std::strtod(g.c_str(), &end);
            if (end != g.c_str() + g.size() || !std::isfinite(v)) return "badgrade " + g;
            if (v > 100.0) return "gradevaluetoobig";
            grade = v;
        }
        grades[*student] = {grade, r[2]};
    }
    return std::nullopt;
}

TEST(Gradebook, MoodleImportTakesItAsItIs) {
    Class k;
    const exercise::ClassResult c = k.Mark();
    const exercise::Gradebook g = exercise::GradebookFiles(c);
    // Ben's e-mail address is the one identifier of a row that may go in
    // (Cem has none, Anna handed in twice, Dora's is for another exercise).
    EXPECT_TRUE(g.Emails);
    EXPECT_EQ(g.Imported, 1);
    EXPECT_EQ(g.LeftOut.size(), 5u);
    // With the duplicate gone and an ID for Cem, Anna's and Cem's marks go in.
    k.dir.Write("zweite.fuzabgabe", "kein Abgabe mehr");
    k.HandIn("cem.fuzabgabe", "Cem Oz", "1003", "03_lok_tabelle.loesung.fuz");
    const exercise::Gradebook g2 = exercise::GradebookFiles(k.Mark());
    EXPECT_EQ(g2.Imported, 2);
    std::map<std::string, std::pair<std::optional<double>, std::string>> grades;
    EXPECT_EQ(MoodleImport(g2.Import, {"1001", "1003", "1004"}, grades), std::nullopt) << g2.Import;
    ASSERT_EQ(grades.size(), 2u);
    EXPECT_EQ(grades["1001"].first, 3.0);
    EXPECT_NE(grades["1001"].second.find("3 von 3 Punkten"), std::string::npos);
    // The replay catches what aborts the import: a user it does not know.
    EXPECT_NE(MoodleImport(g2.Import, {"1001"}, grades), std::nullopt);
    // The rows left out name who they are and why.
    const auto left = ReadCsv(g2.Left);
    EXPECT_EQ(left.size(), 1u + g2.LeftOut.size());
}

TEST(Gradebook, FeedbackIsNoMarkup) {
    Class k;
    exercise::ClassResult c = k.Mark();
    // The gradebook shows feedback as HTML: a title (or a term's name in a
    // reason) with markup characters is shown as text.
    c.Title = "<b>Probe</b> & mehr";
    const std::string f = exercise::Feedback(c, Row(c, "ben.fuzabgabe"));
    EXPECT_EQ(f.find('<'), std::string::npos) << f;
    EXPECT_NE(f.find("&lt;b&gt;Probe&lt;/b&gt; &amp; mehr"), std::string::npos) << f;
    EXPECT_EQ(exercise::GradeText(7.5), "7.5");
    EXPECT_EQ(exercise::GradeText(3.0), "3");
}

}  // namespace
