// Which language a process speaks, and how a text is put together in it.
#include "fuzzy/Katalog.h"
#include "fuzzy/Language.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace {

using fuzzy::Language;

struct Umgebung {
    const char* name;
    std::map<std::string, std::string> variablen;
    Language erwartet;
};

// gettext's order: LC_ALL over LC_MESSAGES over LANG for the locale; a C
// locale keeps today's German whatever LANGUAGE says; LANGUAGE's list picks
// the first language the programs have.
const Umgebung kUmgebungen[] = {
    {"nichts gesetzt", {}, Language::German},
    {"LANG englisch", {{"LANG", "en_US.UTF-8"}}, Language::English},
    {"LANG deutsch", {{"LANG", "de_DE.UTF-8"}}, Language::German},
    {"LANG C", {{"LANG", "C"}}, Language::German},
    {"LANG C.UTF-8", {{"LANG", "C.UTF-8"}}, Language::German},
    {"LANG POSIX", {{"LANG", "POSIX"}}, Language::German},
    {"LANG französisch", {{"LANG", "fr_FR.UTF-8"}}, Language::German},
    {"LANG nur Sprache", {{"LANG", "en"}}, Language::English},
    {"LANG mit Modifikator", {{"LANG", "en_GB@euro"}}, Language::English},
    {"LC_MESSAGES vor LANG", {{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, Language::English},
    {"LC_ALL vor LC_MESSAGES",
     {{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}, {"LC_ALL", "de_DE.UTF-8"}},
     Language::German},
    {"leeres LC_ALL zählt nicht", {{"LC_ALL", ""}, {"LANG", "en_US.UTF-8"}}, Language::English},
    {"LC_ALL=C schlägt LANGUAGE", {{"LC_ALL", "C"}, {"LANGUAGE", "en"}}, Language::German},
    {"LANGUAGE ohne Locale", {{"LANGUAGE", "en"}}, Language::German},
    {"LANGUAGE vor LANG", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}, Language::English},
    {"LANGUAGE: erste bekannte Sprache", {{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "fr:es:en:de"}}, Language::English},
    {"LANGUAGE: Deutsch zuerst", {{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:de:en"}}, Language::German},
    {"LANGUAGE ohne bekannte Sprache", {{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:es"}}, Language::German},
    {"LANGUAGE mit leeren Einträgen", {{"LANG", "fr_FR"}, {"LANGUAGE", "::en:"}}, Language::English},
    {"Englisch ohne Unterstrich", {{"LANG", "eng"}}, Language::German},
};

class UmgebungTest : public testing::TestWithParam<Umgebung> {};

TEST_P(UmgebungTest, WaehltDieErwarteteSprache) {
    const Umgebung& u = GetParam();
    const Language s = fuzzy::LanguageFromEnvironment([&](const char* name) -> const char* {
        const auto it = u.variablen.find(name);
        return it == u.variablen.end() ? nullptr : it->second.c_str();
    });
    EXPECT_EQ(s, u.erwartet) << u.name;
}

INSTANTIATE_TEST_SUITE_P(Language, UmgebungTest, testing::ValuesIn(kUmgebungen));

TEST(Fmt, SetztPlatzhalterInEinemDurchgangEin) {
    struct Fall {
        const char* muster;
        std::initializer_list<std::string_view> args;
        const char* erwartet;
    };
    const Fall faelle[] = {
        {"Zeile %1: %2", {"7", "kaputt"}, "Zeile 7: kaputt"},
        {"%2 vor %1", {"a", "b"}, "b vor a"},
        {"%1%1", {"x"}, "xx"},
        // An argument that looks like a placeholder stays as it is.
        {"%1 und %2", {"%2", "y"}, "%2 und y"},
        // No argument of that number, or no number: the text stays.
        {"100 % von %3", {"a"}, "100 % von %3"},
        {"am Ende %", {}, "am Ende %"},
        {"%0 bleibt", {"a"}, "%0 bleibt"},
        {"Umlaute „%1“ bleiben", {"ä"}, "Umlaute „ä“ bleiben"},
    };
    for (const Fall& f : faelle) EXPECT_EQ(fuzzy::Fmt(f.muster, f.args), f.erwartet) << f.muster;
}

TEST(LanguageFromName, KenntDeutschUndEnglischInJederSchreibweise) {
    EXPECT_EQ(fuzzy::LanguageFromName("de"), Language::German);
    EXPECT_EQ(fuzzy::LanguageFromName("de_AT.UTF-8"), Language::German);
    EXPECT_EQ(fuzzy::LanguageFromName("en"), Language::English);
    EXPECT_EQ(fuzzy::LanguageFromName("en-GB"), Language::English);
    EXPECT_EQ(fuzzy::LanguageFromName("fr"), std::nullopt);
    EXPECT_EQ(fuzzy::LanguageFromName(""), std::nullopt);
    EXPECT_EQ(fuzzy::LanguageFromName("english"), std::nullopt);
}

class KatalogTest : public testing::Test {
protected:
    void TearDown() override { fuzzy::SetLanguage(Language::German); }
};

// The lookup is a binary search: it finds every entry only if the generator
// sorted them as strcmp does. German returns the very source text.
TEST_F(KatalogTest, FindetJedenEintragUndGibtImDeutschenDieQuelle) {
    for (std::size_t i = 0; i < fuzzy::katalog::kEnglischAnzahl; ++i) {
        const auto& e = fuzzy::katalog::kEnglisch[i];
        fuzzy::SetLanguage(Language::English);
        EXPECT_STREQ(fuzzy::Tr(e.kontext, e.quelle), e.englisch) << e.kontext << ": " << e.quelle;
        fuzzy::SetLanguage(Language::German);
        EXPECT_STREQ(fuzzy::Tr(e.kontext, e.quelle), e.quelle);
    }
}

TEST_F(KatalogTest, UnbekannterTextBleibtDeutsch) {
    fuzzy::SetLanguage(Language::English);
    const char* quelle = "Diesen Text gibt es in keinem Katalog.";
    EXPECT_EQ(fuzzy::Tr("Nirgends", quelle), quelle);
    EXPECT_EQ(fuzzy::DecimalSign(), '.');
    fuzzy::SetLanguage(Language::German);
    EXPECT_EQ(fuzzy::DecimalSign(), ',');
}

}  // namespace
