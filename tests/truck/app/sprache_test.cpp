// Dorvane in English: every window and dialog translated, every English text
// fits the fixed layout, the help pages in English with the German pages'
// links, the messages and the open dialog in English, and the numbers with a
// decimal point as in German.
#include "dialogs/Graph.h"
#include "truck/app/Help.h"
#include "truck/app/Info.h"
#include "truck/app/Main.h"
#include "tests/support/Kuerzel.h"
#include "tests/support/MessageRecorder.h"
#include "truck/app/Programm.h"
#include "dialogs/RegEdit.h"
#include "tests/support/SichtbareTexte.h"
#include "widgets/SingEdit.h"
#include "tests/support/TextePassen.h"
#include "tests/support/Zugaenglich.h"
#include "truck/app/Werte.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

using dorvane::Programm;
using testsupport::SichtbareTexte;
using testsupport::SpracheFuer;
using testsupport::Unuebersetzt;

namespace {

const QStringList Kataloge{QStringLiteral("gemeinsam"), QStringLiteral("dorvane")};
// Names, and words that English spells the same.
const QStringList Gleich{QStringLiteral("Dorvane"), QStringLiteral("Dorvane 1.3"), QStringLiteral("Version 1.3"),
                         QStringLiteral("OK"),      QStringLiteral("Start"),       QStringLiteral("Stop")};
const QString TruckFuz = QStringLiteral(FUZZY_SOURCE_DIR "/examples/truck.fuz");

// One window of the program in the state in which a text of it shows.
struct Fenster {
    const char* name;
    std::function<QWidget*(Programm&)> holen;
};

QWidget* Haupt(Programm& p) { return p.MainForm.get(); }

const Fenster AlleFenster[] = {
    {"main window, hand steering", Haupt},
    {"main window, fuzzy control",
     [](Programm& p) {
         p.MainForm->Betriebsart1Click();
         return Haupt(p);
     }},
    {"start values", [](Programm& p) -> QWidget* { return p.WerteForm.get(); }},
    {"about box", [](Programm& p) -> QWidget* { return p.InfoForm.get(); }},
    {"help window", [](Programm& p) -> QWidget* { return p.HelpForm.get(); }},
    {"rule editor", [](Programm& p) -> QWidget* { return p.RegEditForm.get(); }},
    {"diagram dialog", [](Programm& p) -> QWidget* { return p.Graphform.get(); }},
};

class DorvaneSprache : public testing::TestWithParam<Fenster> {
protected:
    testsupport::MessageRecorder messages;
};

TEST_P(DorvaneSprache, EveryTextIsTranslated) {
    const QStringList fehler = testsupport::UnuebersetztImProgramm<Programm>(GetParam().holen, Kataloge, Gleich);
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
}

TEST_P(DorvaneSprache, EveryEnglishTextFitsItsBox) {
    const QStringList fehler = textepassen::NichtPassendAufEnglisch<Programm>(GetParam().holen, Kataloge);
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
}

// Alt+letter reaches one entry only: no two of one menu or of the window share it.
TEST_P(DorvaneSprache, NoTwoEntriesShareAMnemonic) {
    const QStringList fehler = testsupport::DoppelteKuerzelBeiderSprachen(
        [] { return std::make_unique<Programm>(QStringList{}); },
        [this](std::unique_ptr<Programm>& p) { return GetParam().holen(*p); }, Kataloge);
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
}

// A screen reader names every control.
TEST_P(DorvaneSprache, EveryControlHasAnAccessibleName) {
    const QStringList fehler = testsupport::OhneNamenBeiderSprachen(
        [] { return std::make_unique<Programm>(QStringList{}); },
        [this](std::unique_ptr<Programm>& p) { return GetParam().holen(*p); }, Kataloge);
    EXPECT_TRUE(fehler.isEmpty()) << fehler.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Fenster, DorvaneSprache, testing::ValuesIn(AlleFenster),
                         [](const testing::TestParamInfo<Fenster>& i) {
                             return QString::fromLatin1(i.param.name)
                                 .replace(QRegularExpression(QStringLiteral("[^A-Za-z]")), QString())
                                 .toStdString();
                         });

// --- help pages ---------------------------------------------------------------

QString Seite(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return QString();
    return QString::fromUtf8(f.readAll());
}

// The targets a page links to and the anchors it offers.
QStringList Verweise(const QString& html) {
    QStringList v;
    static const QRegularExpression muster(QStringLiteral("<a (href|name)=\"([^\"]*)\""));
    for (auto it = muster.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        v << m.captured(1) + QLatin1Char('=') + m.captured(2);
    }
    return v;
}

QStringList DeutscheSeiten() {
    QStringList seiten;
    QDirIterator it(QStringLiteral(":/dorvane/help"), {QStringLiteral("*.html")}, QDir::Files);
    while (it.hasNext()) seiten << it.next().section(QLatin1Char('/'), -1);
    seiten.sort();
    return seiten;
}

TEST(DorvaneHilfe, EveryGermanPageHasAnEnglishOneWithTheSameLinks) {
    const QStringList seiten = DeutscheSeiten();
    ASSERT_GE(seiten.size(), 8);
    for (const QString& name : seiten) {
        const QString de = Seite(QStringLiteral(":/dorvane/help/") + name);
        const QString en = Seite(QStringLiteral(":/dorvane/help/en/") + name);
        ASSERT_FALSE(en.isEmpty()) << name.toStdString() << " has no English page";
        EXPECT_EQ(Verweise(en), Verweise(de)) << name.toStdString();
        QTextDocument d, e;
        d.setHtml(de);
        e.setHtml(en);
        EXPECT_NE(e.metaInformation(QTextDocument::DocumentTitle), d.metaInformation(QTextDocument::DocumentTitle))
            << name.toStdString();
    }
}

TEST(DorvaneHilfe, EveryLinkOfAnEnglishPageLeadsToAnEnglishPageAndAnchor) {
    for (const QString& name : DeutscheSeiten()) {
        for (const QString& v : Verweise(Seite(QStringLiteral(":/dorvane/help/en/") + name))) {
            if (!v.startsWith(QStringLiteral("href="))) continue;
            const QString ziel = v.mid(5);
            const QString datei = ziel.section(QLatin1Char('#'), 0, 0);
            const QString anker = ziel.section(QLatin1Char('#'), 1);
            const QString inhalt = Seite(QStringLiteral(":/dorvane/help/en/") + datei);
            EXPECT_FALSE(inhalt.isEmpty()) << name.toStdString() << " → " << ziel.toStdString();
            if (!anker.isEmpty()) {
                EXPECT_TRUE(Verweise(inhalt).contains(QStringLiteral("name=") + anker))
                    << name.toStdString() << " → " << ziel.toStdString();
            }
        }
    }
}

struct HilfeFall {
    const char* name;
    fuzzy::Language sprache;
    int kontext;
    const char* zeigt;  // a word of the page shown
};

class DorvaneHilfeSprache : public testing::TestWithParam<HilfeFall> {};

TEST_P(DorvaneHilfeSprache, HelpOpensInTheProgramsLanguage) {
    const HilfeFall& f = GetParam();
    SpracheFuer sprache(f.sprache, Kataloge);
    dorvane::THelpForm help;
    help.ShowContext(f.kontext);
    EXPECT_TRUE(help.Browser->toPlainText().contains(QString::fromUtf8(f.zeigt)))
        << help.Browser->source().toString().toStdString();
    help.close();
}

INSTANTIATE_TEST_SUITE_P(Kontexte, DorvaneHilfeSprache,
                         testing::Values(HilfeFall{"GermanContents", fuzzy::Language::German, 0, "Themen"},
                                         HilfeFall{"GermanEditor", fuzzy::Language::German, 2, "Regeleditor"},
                                         HilfeFall{"EnglishContents", fuzzy::Language::English, 0, "Topics"},
                                         HilfeFall{"EnglishEditor", fuzzy::Language::English, 2, "rule editor"}),
                         [](const testing::TestParamInfo<HilfeFall>& i) { return std::string(i.param.name); });

// --- messages, the open dialog, numbers ------------------------------------------

struct Meldung {
    const char* name;
    QStringList argumente;
    std::function<void(dorvane::TMainForm&)> aktion;
    const char* titel;
    const char* text;
};

class DorvaneMeldung : public testing::TestWithParam<Meldung> {};

// The last message the action shows; the reader's own message before it is
// the engine's.
TEST_P(DorvaneMeldung, IsEnglish) {
    const Meldung& m = GetParam();
    SpracheFuer englisch(fuzzy::Language::English, Kataloge);
    testsupport::MessageRecorder messages;
    Programm p(m.argumente);
    messages.Clear();
    m.aktion(*p.MainForm);
    ASSERT_GE(messages.Count(), 1);
    EXPECT_EQ(messages.Last().title, QString::fromUtf8(m.titel));
    EXPECT_EQ(messages.Last().text, QString::fromUtf8(m.text));
}

INSTANTIATE_TEST_SUITE_P(Meldungen, DorvaneMeldung,
                         testing::Values(Meldung{"RulesWithoutProject",
                                                 {},
                                                 [](dorvane::TMainForm& m) { m.Regelneditieren1Click(); },
                                                 "Warning",
                                                 "Input A and/or output not defined (yet)!"},
                                         Meldung{"UnreadableParameterFile",
                                                 {QStringLiteral(FUZZY_SOURCE_DIR "/examples/gibt-es-nicht.fuz")},
                                                 [](dorvane::TMainForm& m) { m.FormActivate(); },
                                                 "Error",
                                                 "The file given as parameter could not be loaded!"}),
                         [](const testing::TestParamInfo<Meldung>& i) { return std::string(i.param.name); });

TEST(DorvaneEnglisch, OpenDialogSpeaksEnglish) {
    SpracheFuer englisch(fuzzy::Language::English, Kataloge);
    Programm p({});
    QStringList texte;
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        texte << d->windowTitle() << d->labelText(QFileDialog::Accept) << d->labelText(QFileDialog::Reject)
              << d->labelText(QFileDialog::FileName) << d->labelText(QFileDialog::LookIn)
              << d->labelText(QFileDialog::FileType) << d->nameFilters();
        d->reject();
    });
    p.MainForm->ffnen1->trigger();
    EXPECT_EQ(texte, (QStringList{QStringLiteral("Open"), QStringLiteral("&Open"), QStringLiteral("Cancel"),
                                  QStringLiteral("File &name:"), QStringLiteral("Look in:"),
                                  QStringLiteral("Files of type:"), QStringLiteral("All files (*)")}));
}

// The three values after "Truck setzen" with the start values confirmed (the
// distance is the rear point's, -5 - 10 cos 100°).
QStringList WerteNachTruckSetzen() {
    testsupport::MessageRecorder messages;
    Programm p({});
    dorvane::TWerteForm& w = *p.WerteForm;
    QTimer::singleShot(0, [&w] {
        w.AbstandEdit->setText(QStringLiteral("-5"));
        w.LageEdit->setText(QStringLiteral("10,5"));
        w.CheckBox1->setChecked(false);
        w.OKBtn->click();
    });
    p.MainForm->Startwerte1Click();
    p.MainForm->TruckBtn1Click();
    return {p.MainForm->SingEdit1->text(), p.MainForm->SingEdit2->text(), p.MainForm->SingEdit3->text()};
}

TEST(DorvaneEnglisch, ValuesShowADecimalPointAsInGerman) {
    const QStringList de = WerteNachTruckSetzen();
    QStringList en;
    {
        SpracheFuer englisch(fuzzy::Language::English, Kataloge);
        en = WerteNachTruckSetzen();
    }
    static const QRegularExpression mitPunkt(QStringLiteral("^ *-?\\d+\\.\\d{4}$"));
    for (const QString& t : en) EXPECT_TRUE(mitPunkt.match(t).hasMatch()) << t.toStdString();
    EXPECT_EQ(en, de);
}

// --- the language option on the command line -------------------------------------

struct Aufruf {
    const char* name;
    QStringList argumente;
    int rueckgabe;
    const char* meldung;  // part of the message on stderr
};

class DorvaneAufruf : public testing::TestWithParam<Aufruf> {};

// A wrong language ends the program before any window opens, with exit code 2.
TEST_P(DorvaneAufruf, ABadLanguageEndsTheProgramWithAMessage) {
    const Aufruf& a = GetParam();
    QProcess p;
    p.start(QStringLiteral(DORVANE_PROGRAMM), a.argumente);
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), a.rueckgabe);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(QString::fromUtf8(a.meldung)));
}

INSTANTIATE_TEST_SUITE_P(
    Sprachen, DorvaneAufruf,
    testing::Values(Aufruf{"UnknownLanguage",
                           {QStringLiteral("--lang"), QStringLiteral("fr")},
                           2,
                           "--lang expects de or en, found: fr"},
                    Aufruf{"UnknownLanguageWithEquals",
                           {QStringLiteral("--lang=english"), TruckFuz},
                           2,
                           "--lang erwartet de oder en, gefunden: english"},
                    Aufruf{"MissingLanguage", {TruckFuz, QStringLiteral("--lang")}, 2, "--lang expects de or en."}),
    [](const testing::TestParamInfo<Aufruf>& i) { return std::string(i.param.name); });

}  // namespace
