// Pemrak in English: every window and dialog translated, every English text
// fits the fixed layout, the refusal to start in English, and the numbers of
// the fields and of the s-v plot with a decimal point, as in German.
#include "dialogs/Graph.h"
#include "loco/app/Info.h"
#include "widgets/Ks.h"
#include "loco/app/Main.h"
#include "tests/support/Kuerzel.h"
#include "tests/support/Zugaenglich.h"
#include "tests/support/MessageRecorder.h"
#include "loco/app/PlotForm.h"
#include "loco/app/Programm.h"
#include "dialogs/RegEdit.h"
#include "tests/support/SichtbareTexte.h"
#include "widgets/SingEdit.h"
#include "tests/support/TextePassen.h"
#include "loco/app/Typ.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>

#include <algorithm>
#include <functional>

using pemrak::Programm;
using testsupport::SichtbareTexte;
using testsupport::SpracheFuer;
using testsupport::Unuebersetzt;

namespace {

const QStringList Kataloge{QStringLiteral("gemeinsam"), QStringLiteral("pemrak")};
// Names, symbols with their units, and words that English spells the same.
const QStringList Gleich{QStringLiteral("Pemrak 2.0"), QStringLiteral("OK"),        QStringLiteral("Start"),
                         QStringLiteral("Stop"),       QStringLiteral("Fuzzy"),     QStringLiteral("Plot"),
                         QStringLiteral("s in cm"),    QStringLiteral("v in cm/s"), QStringLiteral("t in s")};

struct Fenster {
    const char* name;
    std::function<QWidget*(Programm&)> holen;
};

QWidget* Haupt(Programm& p) { return p.MainForm.get(); }

const Fenster AlleFenster[] = {
    {"main window, hand control", Haupt},
    {"main window, fuzzy control",
     [](Programm& p) {
         p.MainForm->Handbetrieb = false;
         p.MainForm->Einstellen();
         return Haupt(p);
     }},
    {"control type", [](Programm& p) -> QWidget* { return p.TypForm.get(); }},
    {"plot", [](Programm& p) -> QWidget* { return p.PlotForm.get(); }},
    {"about box", [](Programm& p) -> QWidget* { return p.Infoform.get(); }},
    {"rule editor", [](Programm& p) -> QWidget* { return p.RegEditForm.get(); }},
    {"diagram dialog", [](Programm& p) -> QWidget* { return p.Graphform.get(); }},
};

class PemrakSprache : public testing::TestWithParam<Fenster> {
protected:
    testsupport::MessageRecorder meldungen;
};

TEST_P(PemrakSprache, EveryTextIsTranslated) {
    const QStringList fehler = testsupport::UnuebersetztImProgramm<Programm>(GetParam().holen, Kataloge, Gleich);
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
}

TEST_P(PemrakSprache, EveryEnglishTextFitsItsBox) {
    const QStringList fehler = textepassen::NichtPassendAufEnglisch<Programm>(GetParam().holen, Kataloge);
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
}

// Alt+letter reaches one entry only: no two of one menu or of the window share it.
TEST_P(PemrakSprache, NoTwoEntriesShareAMnemonic) {
    const QStringList fehler = testsupport::DoppelteKuerzelBeiderSprachen(
        [] { return std::make_unique<Programm>(QStringList{}); },
        [this](std::unique_ptr<Programm>& p) { return GetParam().holen(*p); }, Kataloge);
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
}

// A screen reader names every control.
TEST_P(PemrakSprache, EveryControlHasAnAccessibleName) {
    const QStringList fehler = testsupport::OhneNamenBeiderSprachen(
        [] { return std::make_unique<Programm>(QStringList{}); },
        [this](std::unique_ptr<Programm>& p) { return GetParam().holen(*p); }, Kataloge);
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Fenster, PemrakSprache, testing::ValuesIn(AlleFenster),
                         [](const testing::TestParamInfo<Fenster>& i) {
                             return QString::fromLatin1(i.param.name)
                                 .replace(QRegularExpression(QStringLiteral("[^A-Za-z]")), QString())
                                 .toStdString();
                         });

TEST(PemrakEnglisch, FuzzyStartWithoutAProjectIsRefusedInEnglish) {
    SpracheFuer englisch(fuzzy::Language::English, Kataloge);
    testsupport::MessageRecorder meldungen;
    Programm p({});
    pemrak::TMainForm& m = *p.MainForm;
    m.Handbetrieb = false;
    m.StartClick();
    ASSERT_EQ(meldungen.Count(), 1);
    EXPECT_EQ(meldungen.Last().title, QStringLiteral("Error"));
    EXPECT_EQ(meldungen.Last().text, QStringLiteral("No (suitable) fuzzy project loaded"));
    EXPECT_EQ(m.Start->text(), QStringLiteral("Start"));
    EXPECT_EQ(m.Label9->text(), QStringLiteral("Fuzzy control"));
}

// The start values and the force after the track bar moved, as shown.
QStringList Felder() {
    Programm p({});
    pemrak::TMainForm& m = *p.MainForm;
    m.TrackBar1->setValue(6);
    return {m.MasseEdit->text(), m.Abstand->text(), m.ReibungEdit->text(), m.KraftEdit->text()};
}

TEST(PemrakEnglisch, FieldsShowADecimalPointAsInGerman) {
    const QStringList de = Felder();
    QStringList en;
    {
        SpracheFuer englisch(fuzzy::Language::English, Kataloge);
        en = Felder();
    }
    static const QRegularExpression mitPunkt(QStringLiteral("^ *-?\\d+\\.\\d{4}$"));
    for (const QString& t : en) EXPECT_TRUE(mitPunkt.match(t).hasMatch()) << t.toStdString();
    EXPECT_EQ(en, de);
}

// The plot's scale labels are numbers only: the English plot is the German one.
QImage Plot() {
    Programm p({});
    pemrak::TPlotForm& d = *p.PlotForm;
    d.show();
    d.FormActivate();
    QImage bild = d.Koordinatensystem1->Image().copy();
    d.hide();
    return bild;
}

TEST(PemrakEnglisch, PlotLabelsAreTheSameInBothLanguages) {
    const QImage de = Plot();
    QImage en;
    {
        SpracheFuer englisch(fuzzy::Language::English, Kataloge);
        en = Plot();
    }
    ASSERT_FALSE(de.isNull());
    EXPECT_EQ(en, de);
}

// A wrong language ends the program before any window opens, with exit code 2.
TEST(PemrakAufruf, ABadLanguageEndsTheProgramWithAMessage) {
    QProcess p;
    p.start(QStringLiteral(PEMRAK_PROGRAMM), {QStringLiteral("--lang"), QStringLiteral("EN")});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("found: EN")));
}

}  // namespace
