// The shared parts in English: the message boxes' titles and buttons, the
// default error handling's text, the language option on the command line,
// and the numbers of the edit fields and the plot, which keep their decimal
// point in both languages.
#include "widgets/Application.h"
#include "widgets/Ks.h"
#include "widgets/MessageBoxes.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/SichtbareTexte.h"
#include "widgets/SingEdit.h"
#include "widgets/SprachWahl.h"

#include <gtest/gtest.h>

#include <QMessageBox>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using testsupport::SichtbareTexte;
using testsupport::SpracheFuer;
using testsupport::Unuebersetzt;
using widgets::MessageKind;

const QStringList Kataloge{QStringLiteral("gemeinsam")};

// --- message boxes -----------------------------------------------------------------

struct Box {
    const char* name;
    MessageKind art;
    int knoepfe;
};

class MessageBoxSprache : public testing::TestWithParam<Box> {};

std::vector<testsupport::SichtbarerText> BoxTexte(MessageKind art) {
    const std::unique_ptr<QMessageBox> box =
        widgets::BuildMessageBox(art, widgets::DefaultTitle(art), QStringLiteral("Eingang A"));
    return SichtbareTexte(box.get());
}

TEST_P(MessageBoxSprache, TitleAndButtonsAreTranslated) {
    const Box& b = GetParam();
    const auto de = BoxTexte(b.art);
    std::vector<testsupport::SichtbarerText> en;
    QString titel;
    {
        SpracheFuer englisch(fuzzy::Language::English, Kataloge);
        en = BoxTexte(b.art);
        titel = widgets::DefaultTitle(b.art);
    }
    // The message itself is the caller's; everything else is the box's own.
    QStringList fehler = Unuebersetzt(de, en, {QStringLiteral("OK"), QStringLiteral("Eingang A")});
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
    EXPECT_NE(titel, widgets::DefaultTitle(b.art));
    const std::unique_ptr<QMessageBox> box = widgets::BuildMessageBox(b.art, QString(), QString());
    EXPECT_EQ(box->buttons().size(), b.knoepfe);
}

INSTANTIATE_TEST_SUITE_P(Arten, MessageBoxSprache,
                         testing::Values(Box{"Warning", MessageKind::Warning, 1}, Box{"Error", MessageKind::Error, 1},
                                         Box{"Confirmation", MessageKind::Confirmation, 2},
                                         Box{"Question", MessageKind::Question, 3}),
                         [](const testing::TestParamInfo<Box>& i) { return std::string(i.param.name); });

TEST(ApplicationSprache, AnUnknownErrorIsReportedInEnglish) {
    SpracheFuer englisch(fuzzy::Language::English, Kataloge);
    testsupport::MessageRecorder rec;
    widgets::TApplication::ReportUnknownException();
    ASSERT_EQ(rec.Count(), 1);
    EXPECT_EQ(rec.Last().text, QStringLiteral("Unknown error."));
}

// --- the language option -------------------------------------------------------------

struct Aufruf {
    const char* name;
    std::vector<std::string> argumente;  // after the program's name
    std::vector<std::string> bleiben;    // what the program gets to see
    std::optional<fuzzy::Language> sprache;
    bool fehler;
};

class LangOption : public testing::TestWithParam<Aufruf> {};

TEST_P(LangOption, TakesTheLanguageOutOfTheArguments) {
    const Aufruf& a = GetParam();
    std::vector<std::string> speicher{"dorvane"};
    speicher.insert(speicher.end(), a.argumente.begin(), a.argumente.end());
    std::vector<char*> argv;
    for (std::string& s : speicher) argv.push_back(s.data());
    argv.push_back(nullptr);
    int argc = static_cast<int>(speicher.size());
    std::string fehler;
    const std::optional<fuzzy::Language> s = widgets::SpracheAusArgumenten(argc, argv.data(), fehler);
    EXPECT_EQ(s, a.sprache);
    EXPECT_EQ(!fehler.empty(), a.fehler) << fehler;
    if (a.fehler) return;
    std::vector<std::string> rest;
    for (int i = 1; i < argc; ++i) rest.emplace_back(argv[static_cast<std::size_t>(i)]);
    EXPECT_EQ(rest, a.bleiben);
}

INSTANTIATE_TEST_SUITE_P(
    Aufrufe, LangOption,
    testing::Values(
        Aufruf{"English", {"--lang", "en", "truck.fuz"}, {"truck.fuz"}, fuzzy::Language::English, false},
        Aufruf{"German", {"truck.fuz", "--lang", "de"}, {"truck.fuz"}, fuzzy::Language::German, false},
        Aufruf{"WithEquals", {"--lang=en"}, {}, fuzzy::Language::English, false},
        Aufruf{"LastOneCounts", {"--lang", "en", "--lang=de", "a.fuz"}, {"a.fuz"}, fuzzy::Language::German, false},
        Aufruf{"NoOption", {"truck.fuz"}, {"truck.fuz"}, std::nullopt, false},
        Aufruf{"AfterTheEndOfOptions", {"--", "--lang", "en"}, {"--", "--lang", "en"}, std::nullopt, false},
        Aufruf{"UnknownLanguage", {"--lang", "fr"}, {}, std::nullopt, true},
        Aufruf{"RegionIsNoLanguage", {"--lang=en_US"}, {}, std::nullopt, true},
        Aufruf{"EmptyValue", {"--lang="}, {}, std::nullopt, true},
        Aufruf{"MissingValue", {"truck.fuz", "--lang"}, {}, std::nullopt, true}),
    [](const testing::TestParamInfo<Aufruf>& i) { return std::string(i.param.name); });

// --- numbers ---------------------------------------------------------------------------

struct Zahl {
    const char* name;
    float wert;
};

class ZahlSprache : public testing::TestWithParam<Zahl> {};

TEST_P(ZahlSprache, AnEnglishFieldShowsADecimalPointAsTheGermanOne) {
    const float v = GetParam().wert;
    TSingEdit de;
    de.setNumber(v);
    SpracheFuer englisch(fuzzy::Language::English, Kataloge);
    TSingEdit en;
    en.setNumber(v);
    EXPECT_TRUE(en.text().contains(QLatin1Char('.'))) << en.text().toStdString();
    EXPECT_FALSE(en.text().contains(QLatin1Char(','))) << en.text().toStdString();
    EXPECT_EQ(en.text(), de.text());
    // What it shows reads back, typed with a point or a comma.
    EXPECT_EQ(en.Number(), de.Number());
    en.setText(en.text().replace(QLatin1Char('.'), QLatin1Char(',')));
    EXPECT_EQ(en.Number(), de.Number());
}

INSTANTIATE_TEST_SUITE_P(Werte, ZahlSprache,
                         testing::Values(Zahl{"Small", 2.5f}, Zahl{"Negative", -3.2635f}, Zahl{"Large", -25000.0f},
                                         Zahl{"Tiny", 0.0001f}),
                         [](const testing::TestParamInfo<Zahl>& i) { return std::string(i.param.name); });

// The scale labels are numbers only: the English plot is the German one.
QImage Achsen() {
    TKoordinatensystem k;
    k.resize(277, 141);
    k.setSkalenart(TKoordinatensystem::ganz);
    k.setX1(-2.5f);
    k.setX2(7.5f);
    k.UpdateScale();
    k.Refresh();
    k.DrawAxes();
    return k.Image().copy();
}

TEST(KsSprache, ScaleLabelsAreTheSameInBothLanguages) {
    const QImage de = Achsen();
    QImage en;
    {
        SpracheFuer englisch(fuzzy::Language::English, Kataloge);
        en = Achsen();
    }
    ASSERT_FALSE(de.isNull());
    EXPECT_EQ(en, de);
}

}  // namespace
