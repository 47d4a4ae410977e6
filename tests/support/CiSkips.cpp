#include "tests/support/CiSkips.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <iostream>

namespace testsupport {

int FailSkipsInCi(int result) {
    const char* ci = std::getenv("CI");
    if (ci == nullptr || std::strcmp(ci, "true") != 0) return result;
    const testing::UnitTest& unit = *testing::UnitTest::GetInstance();
    if (unit.skipped_test_count() == 0) return result;
    std::cerr << "CI=true: " << unit.skipped_test_count() << " test(s) skipped, which CI counts as failed:\n";
    for (int s = 0; s < unit.total_test_suite_count(); ++s) {
        const testing::TestSuite& suite = *unit.GetTestSuite(s);
        for (int t = 0; t < suite.total_test_count(); ++t) {
            const testing::TestInfo& info = *suite.GetTestInfo(t);
            const testing::TestResult& r = *info.result();
            if (!r.Skipped()) continue;
            std::cerr << "  " << suite.name() << '.' << info.name() << ':';
            for (int i = 0; i < r.total_part_count(); ++i) std::cerr << ' ' << r.GetTestPartResult(i).message();
            std::cerr << '\n';
        }
    }
    return 1;
}

}  // namespace testsupport
