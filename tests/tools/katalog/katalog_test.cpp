// The generator that turns the .ts catalogues into the Qt-free table.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

const std::string kDaten = FUZZY_TEST_DATA;

struct Ergebnis {
    int status;
    std::string ausgabe;
};

Ergebnis Erzeugen(const std::vector<std::string>& ts) {
    const std::string out = testing::TempDir() + "katalog_test.cpp.out";
    std::remove(out.c_str());
    std::string befehl = std::string(KATALOG_PROGRAMM) + " " + out;
    for (const std::string& t : ts) befehl += " " + kDaten + "/" + t;
    befehl += " 2>/dev/null";
    const int status = std::system(befehl.c_str());
    std::ifstream in(out, std::ios::binary);
    std::stringstream b;
    b << in.rdbuf();
    return {status, b.str()};
}

// The C string literals of the generated table, decoded back to bytes.
std::vector<std::string> Literale(const std::string& cpp) {
    std::vector<std::string> out;
    const std::size_t tabelle = cpp.find("kEnglisch[] = {");
    for (std::size_t i = tabelle; i < cpp.size(); ++i) {
        if (cpp.compare(i, 2, "};") == 0) break;
        if (cpp[i] != '"') continue;
        std::string s;
        for (++i; cpp[i] != '"'; ++i) {
            if (cpp[i] != '\\') {
                s += cpp[i];
            } else if (cpp[i + 1] >= '0' && cpp[i + 1] <= '7') {
                s += char(std::stoi(cpp.substr(i + 1, 3), nullptr, 8));
                i += 3;
            } else {
                s += cpp[++i];
            }
        }
        out.push_back(s);
    }
    return out;
}

TEST(Katalog, NimmtNurFertigeUebersetzungenSortiertUndEntschluesselt) {
    const Ergebnis e = Erzeugen({"gut_en.ts"});
    ASSERT_EQ(e.status, 0);
    const std::vector<std::string> l = Literale(e.ausgabe);
    // Sorted by context, then source, bytewise (Ä after J); unfinished,
    // vanished and empty translations are left out.
    const std::vector<std::string> erwartet = {
        "Erster",
        "Ja",
        "Yes",
        "Erster",
        "\xC3\x84rger",
        "Trouble",
        "Zweiter",
        "Zeile %1: \xE2\x80\x9E%2\xE2\x80\x9C & <b>",
        "Line %1: \xE2\x80\x9C%2\xE2\x80\x9D & <b> \xE2\x88\x92\xC3\xA9",
        "Zweiter",
        "Zwei\nZeilen",
        "Two\nlines",
    };
    EXPECT_EQ(l, erwartet);
    EXPECT_NE(e.ausgabe.find("kEnglischAnzahl = 4;"), std::string::npos);
}

TEST(Katalog, VerweigertWasTrNichtKann) {
    // Two translations of one source, or plural forms: the build stops
    // rather than pick one at random or lose the count.
    EXPECT_NE(Erzeugen({"gut_en.ts", "widerspruch_en.ts"}).status, 0);
    EXPECT_NE(Erzeugen({"mehrzahl_en.ts"}).status, 0);
    EXPECT_NE(Erzeugen({"fehlt_en.ts"}).status, 0);
    // The same translation in two files is one entry.
    const Ergebnis doppelt = Erzeugen({"gut_en.ts", "gut_en.ts"});
    EXPECT_EQ(doppelt.status, 0);
    EXPECT_NE(doppelt.ausgabe.find("kEnglischAnzahl = 4;"), std::string::npos);
}

}  // namespace
