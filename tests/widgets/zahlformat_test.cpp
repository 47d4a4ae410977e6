// The workshop's one number style: decimal comma, true minus, fixed decimals
// per quantity, and typed numbers in either style read back.
#include "fuzzy/Language.h"
#include "widgets/Zahlformat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct FestFall {
    const char* name;
    double wert;
    int nachkomma;
    const char* text;
};

class ZahlFest : public testing::TestWithParam<FestFall> {};

TEST_P(ZahlFest, ShowsCommaTrueMinusAndFixedDecimals) {
    EXPECT_EQ(zahl::Fest(GetParam().wert, GetParam().nachkomma), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Zahl, ZahlFest,
                         testing::Values(FestFall{"DecimalComma", 3.84, 3, "3,840"},
                                         FestFall{"TrueMinus", -1.1026, 2,
                                                  "\xE2\x88\x92"
                                                  "1,10"},
                                         FestFall{"NoSignOnRoundedZero", -0.0004, 3, "0,000"},
                                         FestFall{"NoGroupSeparator", 12345.5, 1, "12345,5"},
                                         FestFall{"NoDecimals", 2.6, 0, "3"},
                                         FestFall{"NotANumberIsNotShownAsZero", std::nan(""), 2, "NaN"}),
                         [](const testing::TestParamInfo<FestFall>& i) { return std::string(i.param.name); });

// The same quantity shows the same decimals wherever it appears.
struct ArtFall {
    const char* name;
    zahl::Art art;
    double wert;
    const char* text;
};

class ZahlArt : public testing::TestWithParam<ArtFall> {};

TEST_P(ZahlArt, EachQuantityHasItsDecimals) {
    EXPECT_EQ(zahl::Text(GetParam().wert, GetParam().art), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Zahl, ZahlArt,
                         testing::Values(ArtFall{"SimulatedTimeKeepsTheLocoStep", zahl::Art::Sekunden, 5.985, "5,985"},
                                         ArtFall{"DockingNeedsMillimetres", zahl::Art::Meter, 0.0951, "0,095"},
                                         ArtFall{"AnglesTwoDecimals", zahl::Art::Winkel, -10.01,
                                                 "\xE2\x88\x92"
                                                 "10,01"},
                                         ArtFall{"MembershipTwoDecimals", zahl::Art::Zugehoerigkeit, 0.5, "0,50"},
                                         ArtFall{"ComputingTimeOneDecimal", zahl::Art::Rechenzeit, 12.34, "12,3"}),
                         [](const testing::TestParamInfo<ArtFall>& i) { return std::string(i.param.name); });

struct KurzFall {
    const char* name;
    float wert;
    const char* text;
};

class ZahlKurz : public testing::TestWithParam<KurzFall> {};

TEST_P(ZahlKurz, ShortestTextReadsBackAsTheSameFloat) {
    const QString text = zahl::Kurz(GetParam().wert);
    EXPECT_EQ(text, QString::fromUtf8(GetParam().text));
    float zurueck = 0.0f;
    ASSERT_TRUE(zahl::Lesen(text, zurueck));
    EXPECT_EQ(zurueck, GetParam().wert);
}

INSTANTIATE_TEST_SUITE_P(Zahl, ZahlKurz,
                         testing::Values(KurzFall{"StepGridValue", 0.85f, "0,85"},
                                         KurzFall{"Negative", -13.75f,
                                                  "\xE2\x88\x92"
                                                  "13,75"},
                                         KurzFall{"NegativeZeroHasNoSign", -0.0f, "0"},
                                         KurzFall{"LargeWithoutExponent", -100000.0f,
                                                  "\xE2\x88\x92"
                                                  "100000"},
                                         KurzFall{"HugeWithExponent", 3e38f, "3e+38"},
                                         KurzFall{"TinyWithExponentsTrueMinus", -1e-20f,
                                                  "\xE2\x88\x92"
                                                  "1e\xE2\x88\x92"
                                                  "20"}),
                         [](const testing::TestParamInfo<KurzFall>& i) { return std::string(i.param.name); });

struct LeseFall {
    const char* name;
    const char* text;
    bool ok;
    float wert;
};

class ZahlLesen : public testing::TestWithParam<LeseFall> {};

TEST_P(ZahlLesen, TypedNumbersTakeCommaPointAndEitherMinus) {
    float wert = 42.0f;
    EXPECT_EQ(zahl::Lesen(QString::fromUtf8(GetParam().text), wert), GetParam().ok);
    EXPECT_EQ(wert, GetParam().ok ? GetParam().wert : 42.0f);
}

INSTANTIATE_TEST_SUITE_P(Zahl, ZahlLesen,
                         testing::Values(LeseFall{"Comma", "0,85", true, 0.85f}, LeseFall{"Point", "0.85", true, 0.85f},
                                         LeseFall{"TrueMinus",
                                                  "\xE2\x88\x92"
                                                  "2,5",
                                                  true, -2.5f},
                                         LeseFall{"HyphenMinus", "-2.5", true, -2.5f},
                                         LeseFall{"Blanks", "  7 ", true, 7.0f}, LeseFall{"Word", "zwei", false, 0.0f},
                                         LeseFall{"TwoNumbers", "1,5 2", false, 0.0f},
                                         LeseFall{"BeyondSingle", "1e39", false, 0.0f}),
                         [](const testing::TestParamInfo<LeseFall>& i) { return std::string(i.param.name); });

struct TextFall {
    const char* name;
    const char* ein;
    const char* aus;
};

class ZahlImText : public testing::TestWithParam<TextFall> {};

TEST_P(ZahlImText, CommandLineFiguresTakeTheWorkshopStyle) {
    EXPECT_EQ(zahl::ImText(QString::fromUtf8(GetParam().ein)), QString::fromUtf8(GetParam().aus));
}

INSTANTIATE_TEST_SUITE_P(Zahl, ZahlImText,
                         testing::Values(TextFall{"Decimal", "ab t = 5.985 s", "ab t = 5,985 s"},
                                         TextFall{"SignedDecimal", "x (-3.5)",
                                                  "x (\xE2\x88\x92"
                                                  "3,5)"},
                                         TextFall{"SentencePointStays", "Ende. 3 Starts", "Ende. 3 Starts"},
                                         TextFall{"DashBetweenWordsStays", "Eingang A - Ausgang",
                                                  "Eingang A - Ausgang"},
                                         TextFall{"ComparisonStays", "x <= 0 beim Start", "x <= 0 beim Start"}),
                         [](const testing::TestParamInfo<TextFall>& i) { return std::string(i.param.name); });

// The English edition: a decimal point, the same true minus and decimals;
// what a person types reads back in either style, whatever the language.
class Englisch {
public:
    Englisch() { fuzzy::SetLanguage(fuzzy::Language::English); }
    ~Englisch() { fuzzy::SetLanguage(fuzzy::Language::German); }
    Englisch(const Englisch&) = delete;
    Englisch& operator=(const Englisch&) = delete;
};

enum class Weg { Fest, Kurz, ImText, Lesen };

struct EnglischFall {
    const char* name;
    Weg weg;
    const char* ein;  // the number (Fest: with 3 decimals; Kurz: as a float) or the text
    const char* aus;
};

class ZahlEnglisch : public testing::TestWithParam<EnglischFall> {};

TEST_P(ZahlEnglisch, DecimalPointTrueMinusAndBothStylesRead) {
    const EnglischFall& f = GetParam();
    Englisch sprache;
    const QString ein = QString::fromUtf8(f.ein);
    switch (f.weg) {
    case Weg::Fest: EXPECT_EQ(zahl::Fest(ein.toDouble(), 3), QString::fromUtf8(f.aus)); break;
    case Weg::Kurz: {
        const QString text = zahl::Kurz(ein.toFloat());
        EXPECT_EQ(text, QString::fromUtf8(f.aus));
        float zurueck = 0.0f;
        ASSERT_TRUE(zahl::Lesen(text, zurueck));
        EXPECT_EQ(zurueck, ein.toFloat());
        break;
    }
    case Weg::ImText: EXPECT_EQ(zahl::ImText(ein), QString::fromUtf8(f.aus)); break;
    case Weg::Lesen: {
        float wert = 42.0f;
        ASSERT_TRUE(zahl::Lesen(ein, wert));
        EXPECT_EQ(wert, QString::fromUtf8(f.aus).toFloat());
        break;
    }
    }
}

INSTANTIATE_TEST_SUITE_P(Zahl, ZahlEnglisch,
                         testing::Values(EnglischFall{"FixedDecimalPoint", Weg::Fest, "3.84", "3.840"},
                                         EnglischFall{"FixedTrueMinus", Weg::Fest, "-1.1026",
                                                      "\xE2\x88\x92"
                                                      "1.103"},
                                         EnglischFall{"FixedNoGroupSeparator", Weg::Fest, "12345.5", "12345.500"},
                                         EnglischFall{"ShortDecimalPoint", Weg::Kurz, "0.85", "0.85"},
                                         EnglischFall{"ShortNegative", Weg::Kurz, "-13.75",
                                                      "\xE2\x88\x92"
                                                      "13.75"},
                                         EnglischFall{"CommandLineKeepsThePoint", Weg::ImText, "from t = 5.985 s",
                                                      "from t = 5.985 s"},
                                         EnglischFall{"CommandLineTrueMinus", Weg::ImText, "x (-3.5)",
                                                      "x (\xE2\x88\x92"
                                                      "3.5)"},
                                         EnglischFall{"TypedCommaStillReads", Weg::Lesen, "0,85", "0.85"},
                                         EnglischFall{"TypedTrueMinusReads", Weg::Lesen,
                                                      "\xE2\x88\x92"
                                                      "2.5",
                                                      "-2.5"}),
                         [](const testing::TestParamInfo<EnglischFall>& i) { return std::string(i.param.name); });

}  // namespace
