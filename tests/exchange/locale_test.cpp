// The exports under a locale with a decimal comma, set as QApplication sets it
// (setlocale(LC_ALL, "") from the environment): every number is written as in
// the C locale, so the files are byte for byte those of fuzzysim.
#include "Examples.h"
#include "Exchange.h"
#include "ExportC.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// The text of one export: FLL, FIS, FCL, or the C source with its header.
using Writer = std::string (*)(const fuzzy::Project&);

std::string CSource(const fuzzy::Project& p) {
    exchange::CExportOptions o;
    o.quelle = "p.fuz";
    o.headerName = "p.h";
    o.date = "2024-01-01";
    const exchange::CExport e = exchange::ExportC(p, o);
    return e.header + e.source;
}

struct Case {
    const char* name;
    Writer write;
};

class CommaLocale : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        const char* old = std::getenv("LC_ALL");
        savedEnv_ = old ? std::optional<std::string>(old) : std::nullopt;
        ::setenv("LC_ALL", "de_DE.UTF-8", 1);
        if (std::setlocale(LC_ALL, "") == nullptr) {
            Restore();
            GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed (scripts/test.sh generates it as root: "
                            "localedef -i de_DE -f UTF-8 de_DE.UTF-8)";
        }
        active_ = true;
    }
    void TearDown() override {
        if (active_) Restore();
    }
    void Restore() {
        if (savedEnv_) {
            ::setenv("LC_ALL", savedEnv_->c_str(), 1);
        } else {
            ::unsetenv("LC_ALL");
        }
        std::setlocale(LC_ALL, "C");
        active_ = false;
    }
    // Runs the writer in the C locale, the test's own locale left in place after.
    static std::string InCLocale(Writer w, const fuzzy::Project& p) {
        std::setlocale(LC_ALL, "C");
        const std::string s = w(p);
        std::setlocale(LC_ALL, "");
        return s;
    }

private:
    std::optional<std::string> savedEnv_;
    bool active_ = false;
};

TEST_P(CommaLocale, WritesTheSameBytesAsTheCLocale) {
    ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
    for (const char* example : {"truck", "truck_einachsig", "lok", "heizung", "beispiel"}) {
        const fuzzy::Project p = LoadExample(example);
        const std::string here = GetParam().write(p);
        EXPECT_EQ(here, InCLocale(GetParam().write, p)) << example;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Exports, CommaLocale,
    ::testing::Values(
        Case{"fll", [](const fuzzy::Project& p) { return exchange::Export(exchange::Format::Fll, p, "p.fuz"); }},
        Case{"fis", [](const fuzzy::Project& p) { return exchange::Export(exchange::Format::Fis, p, "p.fuz"); }},
        Case{"fcl", [](const fuzzy::Project& p) { return exchange::Export(exchange::Format::Fcl, p, "p.fuz"); }},
        Case{"c", CSource}),
    [](const auto& param) { return std::string(param.param.name); });

}  // namespace
