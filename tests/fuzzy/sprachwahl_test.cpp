// Which language a process speaks, and how a text is put together in it.
#include "fuzzy/Katalog.h"
#include "fuzzy/Sprache.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>

namespace {

using fuzzy::Sprache;

struct Umgebung {
    const char* name;
    std::map<std::string, std::string> variablen;
    Sprache erwartet;
};

// gettext's order: LC_ALL over LC_MESSAGES over LANG for the locale; a C
// locale keeps today's German whatever LANGUAGE says; LANGUAGE's list picks
// the first language the programs have.
const Umgebung kUmgebungen[] = {
    {"nichts gesetzt", {}, Sprache::Deutsch},
    {"LANG englisch", {{"LANG", "en_US.UTF-8"}}, Sprache::Englisch},
    {"LANG deutsch", {{"LANG", "de_DE.UTF-8"}}, Sprache::Deutsch},
    {"LANG C", {{"LANG", "C"}}, Sprache::Deutsch},
    {"LANG C.UTF-8", {{"LANG", "C.UTF-8"}}, Sprache::Deutsch},
    {"LANG POSIX", {{"LANG", "POSIX"}}, Sprache::Deutsch},
    {"LANG französisch", {{"LANG", "fr_FR.UTF-8"}}, Sprache::Deutsch},
    {"LANG nur Sprache", {{"LANG", "en"}}, Sprache::Englisch},
    {"LANG mit Modifikator", {{"LANG", "en_GB@euro"}}, Sprache::Englisch},
    {"LC_MESSAGES vor LANG", {{"LANG", "de_DE.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, Sprache::Englisch},
    {"LC_ALL vor LC_MESSAGES",
     {{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}, {"LC_ALL", "de_DE.UTF-8"}},
     Sprache::Deutsch},
    {"leeres LC_ALL zählt nicht", {{"LC_ALL", ""}, {"LANG", "en_US.UTF-8"}}, Sprache::Englisch},
    {"LC_ALL=C schlägt LANGUAGE", {{"LC_ALL", "C"}, {"LANGUAGE", "en"}}, Sprache::Deutsch},
    {"LANGUAGE ohne Locale", {{"LANGUAGE", "en"}}, Sprache::Deutsch},
    {"LANGUAGE vor LANG", {{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en_GB:de"}}, Sprache::Englisch},
    {"LANGUAGE: erste bekannte Sprache", {{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "fr:es:en:de"}}, Sprache::Englisch},
    {"LANGUAGE: Deutsch zuerst", {{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:de:en"}}, Sprache::Deutsch},
    {"LANGUAGE ohne bekannte Sprache", {{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:es"}}, Sprache::Deutsch},
    {"LANGUAGE mit leeren Einträgen", {{"LANG", "fr_FR"}, {"LANGUAGE", "::en:"}}, Sprache::Englisch},
    {"Englisch ohne Unterstrich", {{"LANG", "eng"}}, Sprache::Deutsch},
};

class UmgebungTest : public testing::TestWithParam<Umgebung> {};

TEST_P(UmgebungTest, WaehltDieErwarteteSprache) {
    const Umgebung& u = GetParam();
    const Sprache s = fuzzy::SpracheAusUmgebung([&](const char* name) -> const char* {
        const auto it = u.variablen.find(name);
        return it == u.variablen.end() ? nullptr : it->second.c_str();
    });
    EXPECT_EQ(s, u.erwartet) << u.name;
}

INSTANTIATE_TEST_SUITE_P(Sprache, UmgebungTest, testing::ValuesIn(kUmgebungen));

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

TEST(SpracheAusName, KenntDeutschUndEnglischInJederSchreibweise) {
    EXPECT_EQ(fuzzy::SpracheAusName("de"), Sprache::Deutsch);
    EXPECT_EQ(fuzzy::SpracheAusName("de_AT.UTF-8"), Sprache::Deutsch);
    EXPECT_EQ(fuzzy::SpracheAusName("en"), Sprache::Englisch);
    EXPECT_EQ(fuzzy::SpracheAusName("en-GB"), Sprache::Englisch);
    EXPECT_EQ(fuzzy::SpracheAusName("fr"), std::nullopt);
    EXPECT_EQ(fuzzy::SpracheAusName(""), std::nullopt);
    EXPECT_EQ(fuzzy::SpracheAusName("english"), std::nullopt);
}

class KatalogTest : public testing::Test {
protected:
    void TearDown() override { fuzzy::SetzeSprache(Sprache::Deutsch); }
};

// The lookup is a binary search: it finds every entry only if the generator
// sorted them as strcmp does. German returns the very source text.
TEST_F(KatalogTest, FindetJedenEintragUndGibtImDeutschenDieQuelle) {
    for (std::size_t i = 0; i < fuzzy::katalog::kEnglischAnzahl; ++i) {
        const auto& e = fuzzy::katalog::kEnglisch[i];
        fuzzy::SetzeSprache(Sprache::Englisch);
        EXPECT_STREQ(fuzzy::Tr(e.kontext, e.quelle), e.englisch) << e.kontext << ": " << e.quelle;
        fuzzy::SetzeSprache(Sprache::Deutsch);
        EXPECT_STREQ(fuzzy::Tr(e.kontext, e.quelle), e.quelle);
    }
}

TEST_F(KatalogTest, UnbekannterTextBleibtDeutsch) {
    fuzzy::SetzeSprache(Sprache::Englisch);
    const char* quelle = "Diesen Text gibt es in keinem Katalog.";
    EXPECT_EQ(fuzzy::Tr("Nirgends", quelle), quelle);
    EXPECT_EQ(fuzzy::Dezimalzeichen(), '.');
    fuzzy::SetzeSprache(Sprache::Deutsch);
    EXPECT_EQ(fuzzy::Dezimalzeichen(), ',');
}

}  // namespace
