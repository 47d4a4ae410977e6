// The check's sentences under a locale with a decimal comma, as QApplication
// sets it from LANG=de_DE.UTF-8: the numbers follow the program's language,
// never the C library's locale ("7.74 s" in English, not "7,74 s").
#include "exercise/Check.h"
#include "exercise/Reader.h"
#include "fuzzy/LanguageScope.h"
#include "fuzzy/Project.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

const std::string kAufgaben = FUZZY_SOURCE_DIR "/examples/aufgaben/";

// Every text of a check of the wrong attempt: the summaries, the reasons, the hints.
std::string Sentences(const std::string& name) {
    const exercise::Exercise e = exercise::ReadExercise(kAufgaben + name + ".fuzaufgabe");
    const fuzzy::Project p = fuzzy::LoadProject(kAufgaben + name + ".falsch.fuz");
    const exercise::CheckResult r = exercise::Check(e, p, {});
    std::string out;
    for (const exercise::CriterionResult& c : r.Criteria) {
        out += exercise::Summary(c) + "\n";
        for (const std::string& reason : c.Reasons) out += reason + "\n";
    }
    return out;
}

// The refusal of a number out of its range names the range.
std::string Refusal() {
    try {
        exercise::ParseExercise(
            "[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = regeln\n[text.de]\nx\n[projekt]\n"
            "vorlage = lok\n[lok]\nmassen = 0.001\n");
    } catch (const fuzzy::Error& e) {
        return e.Describe();
    }
    return "accepted";
}

struct Case {
    const char* what;
    fuzzy::Language language;
    std::string (*texts)();
};

class CommaLocale : public ::testing::TestWithParam<Case> {};

TEST_P(CommaLocale, WritesTheNumbersOfTheProgramsLanguage) {
    const fuzzy::LanguageScope language(GetParam().language);
    const std::string inC = GetParam().texts();
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    const std::string inGerman = german ? GetParam().texts() : inC;
    std::setlocale(LC_ALL, "C");
    if (!german)
        GTEST_SKIP() << "de_DE.UTF-8 fehlt (scripts/test.sh erzeugt es: localedef -i de_DE -f UTF-8 de_DE.UTF-8)";
    EXPECT_EQ(inGerman, inC);
    EXPECT_NE(inC, "accepted");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CommaLocale,
    ::testing::Values(Case{"loco_en", fuzzy::Language::English, [] { return Sentences("06_schnelle_lok"); }},
                      Case{"coverage_en", fuzzy::Language::English, [] { return Sentences("04_luecke"); }},
                      Case{"refusal_en", fuzzy::Language::English, Refusal}),
    [](const ::testing::TestParamInfo<Case>& i) { return std::string(i.param.what); });

}  // namespace
