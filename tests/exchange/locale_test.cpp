// The exports under a locale with a decimal comma, as QApplication sets it from
// LANG=de_DE.UTF-8: every number is written as in the C locale, so the files
// are byte for byte those of fuzzysim.
#include "exchange/Exchange.h"
#include "exchange/ExportC.h"
#include "tests/exchange/Examples.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

// FLL, FIS, FCL (0 to 2) or the C source with its header (3).
std::string Exported(int format, const fuzzy::Project& p) {
    if (format < 3) return exchange::Export(static_cast<exchange::Format>(format), p, "p.fuz");
    exchange::CExportOptions o;
    o.headerName = "p.h";
    o.date = "2024-01-01";
    const exchange::CExport e = exchange::ExportC(p, o);
    return e.header + e.source;
}

class CommaLocale : public ::testing::TestWithParam<int> {};

TEST_P(CommaLocale, WritesTheBytesOfTheCLocale) {
    for (const char* example : {"truck", "truck_einachsig", "lok", "heizung", "beispiel"}) {
        const fuzzy::Project p = LoadExample(example);
        const std::string inC = Exported(GetParam(), p);
        const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
        const std::string inGerman = german ? Exported(GetParam(), p) : inC;
        const bool comma = std::localeconv()->decimal_point[0] == ',';
        std::setlocale(LC_ALL, "C");
        if (!german)
            GTEST_SKIP() << "de_DE.UTF-8 fehlt (scripts/test.sh erzeugt es: localedef -i de_DE -f UTF-8 de_DE.UTF-8)";
        ASSERT_TRUE(comma);
        EXPECT_EQ(inGerman, inC) << example;
    }
}

INSTANTIATE_TEST_SUITE_P(Exports, CommaLocale, ::testing::Values(0, 1, 2, 3));

}  // namespace
