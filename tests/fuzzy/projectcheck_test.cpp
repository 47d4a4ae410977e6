// The diagnosing pass agrees with the reader on every text and names the
// reader's line.
#include "tests/fuzzy/EngineTest.h"
#include "fuzzy/Project.h"
#include "fuzzy/ProjectCheck.h"
#include "tests/support/TestFiles.h"

#include <string>
#include <vector>

namespace {

class ProjectCheckTest : public EngineTest {
protected:
    // Does LoadProjectBytes report a format error on these bytes?
    bool LoaderFails(const std::string& bytes) {
        messages.log.clear();
        fuzzy::LoadProjectBytes(bytes);
        return !messages.log.empty();
    }
};

// Every line of the worked example replaced by texts of each kind, and the
// file cut after every line: the diagnosis says "error" exactly when the
// reader does.
TEST_F(ProjectCheckTest, AgreesWithTheReaderOnEveryMutation) {
    const testfiles::ProjectText base = testfiles::WorkedExample();
    const std::vector<std::string> replacements = {"", " ", "x", "2 ", "7", "-1", "1e39", "1,5", "$10", "0"};
    int errors = 0;
    for (std::size_t n = 0; n < base.lines.size(); ++n) {
        for (const std::string& r : replacements) {
            testfiles::ProjectText t = base;
            t.lines[n] = r;
            const std::string bytes = t.Join();
            const fuzzy::ProjectDiagnosis d = fuzzy::DiagnoseProject(bytes);
            ASSERT_EQ(d.ok, !LoaderFails(bytes)) << "line " << n + 1 << " = '" << r << "': " << d.Describe();
            errors += d.ok ? 0 : 1;
        }
        testfiles::ProjectText cut = base;
        cut.lines.resize(n);
        ASSERT_EQ(fuzzy::DiagnoseProject(cut.Join()).ok, !LoaderFails(cut.Join())) << "cut after " << n;
    }
    EXPECT_GT(errors, 100);  // the table does reach the error paths
}

struct Position {
    const char* name;
    std::string bytes;
    int line;
    const char* found;
};

class DiagnosisPosition : public ProjectCheckTest, public ::testing::WithParamInterface<Position> {};

// Line ends and the end of the text count as the reader counts them.
TEST_P(DiagnosisPosition, CountsLinesLikeTheReader) {
    const fuzzy::ProjectDiagnosis d = fuzzy::DiagnoseProject(GetParam().bytes);
    ASSERT_FALSE(d.ok);
    EXPECT_EQ(d.line, GetParam().line) << d.Describe();
    EXPECT_EQ(d.found, GetParam().found) << d.Describe();
}

INSTANTIATE_TEST_SUITE_P(Texts, DiagnosisPosition,
                         ::testing::Values(Position{"LfLineEnds", "A\nx\n", 2, "\xE2\x80\x9Ex\xE2\x80\x9C"},
                                           Position{"LoneCrIsNoLineEnd", "A\r2\nx\n", 2, "\xE2\x80\x9Ex\xE2\x80\x9C"},
                                           Position{"CtrlZEndsTheText", "A\n1\n0\n1\n\x1Aname\n", 5, "das Dateiende"},
                                           Position{"LastLineWithoutLineEnd", "A\n1\n0\n1\n", 5, "das Dateiende"},
                                           Position{"UnterminatedLastLineCounts", "A\nzwei", 2,
                                                    "\xE2\x80\x9Ezwei\xE2\x80\x9C"},
                                           Position{"EmptyText", "", 4, "das Dateiende"}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(ProjectCheckTest, RealLinesThatReadAsZeroAreListedWithTheirLine) {
    testfiles::ProjectText t = testfiles::WorkedExample();
    t.lines[2] = "-10,0";
    const fuzzy::ProjectDiagnosis d = fuzzy::DiagnoseProject(t.Join());
    EXPECT_TRUE(d.ok);
    ASSERT_EQ(d.zeroReads.size(), 1u);
    EXPECT_EQ(d.zeroReads[0].rfind("Zeile 3: ", 0), 0u) << d.zeroReads[0];
    EXPECT_TRUE(d.Describe().empty());
}

}  // namespace
