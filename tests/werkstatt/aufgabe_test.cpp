// Exercises in the Werkstatt: "Aufgabe öffnen…" starts the exercise's
// project with what it does not allow locked, the panel judges every state
// in the background with the exercise's own check (the verdict and the
// figures of `fuzzysim aufgabe check`), a failing start or run opens in its
// lab, and the English edition offers the examples with English names.

#include "exercise/AnswerFields.h"
#include "exercise/Check.h"
#include "dialogs/RuleGrid.h"
#include "exercise/Reader.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/SichtbareTexte.h"
#include "werkstatt/aufgabe/AufgabenPanel.h"
#include "werkstatt/Main.h"
#include "werkstatt/seiten/RegelSeite.h"
#include "werkstatt/seiten/VariablenSeite.h"
#include "werkstatt/labor/LokLabor.h"
#include "werkstatt/labor/SchrittWahl.h"
#include "werkstatt/labor/TruckLabor.h"
#include "widgets/SingEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenuBar>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSet>
#include <QSettings>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include <cmath>
#include <deque>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using werkstatt::TMainForm;

QString Aufgabe(const char* name) {
    return QStringLiteral(FUZZY_SOURCE_DIR "/examples/aufgaben/%1.fuzaufgabe").arg(QLatin1String(name));
}
QString Datei(const char* name, const char* endung) {
    return QStringLiteral(FUZZY_SOURCE_DIR "/examples/aufgaben/%1.%2").arg(QLatin1String(name), QLatin1String(endung));
}

class Fenster : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, tmp_.path());
        form_ = std::make_unique<TMainForm>();
        form_->resize(1200, 800);
        form_->show();
        QCoreApplication::processEvents();
    }
    bool Geprueft() {
        return QTest::qWaitFor([&] { return !form_->Aufgabe()->rechnet() && form_->Aufgabe()->ergebnis().has_value(); },
                               60000);
    }

    QTemporaryDir tmp_;
    testsupport::MessageRecorder meldungen_;
    std::unique_ptr<TMainForm> form_;
};

// --- every shipped exercise: the reference passes, the wrong attempt fails -----------

struct Versuch {
    const char* aufgabe;
    const char* datei;  // "loesung.fuz", "falsch.fuzantwort", …
    bool besteht;
};

std::ostream& operator<<(std::ostream& o, const Versuch& v) { return o << v.aufgabe << '.' << v.datei; }

class Versuche : public Fenster, public testing::WithParamInterface<Versuch> {};

// The panel's verdict and every figure are those of the exercise's check
// (which `fuzzysim aufgabe check` prints) for the same project and answers.
TEST_P(Versuche, PanelGivesTheChecksVerdictAndFigures) {
    const Versuch& v = GetParam();
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe(v.aufgabe)));
    const QString datei = Datei(v.aufgabe, v.datei);
    const bool antworten = datei.endsWith(QLatin1String(".fuzantwort"));
    if (antworten)
        ASSERT_TRUE(form_->Aufgabe()->antwortenLaden(datei));
    else
        ASSERT_TRUE(form_->OeffnenDatei(datei));
    ASSERT_TRUE(Geprueft());
    form_->Aufgabe()->pruefenKnopf()->click();
    ASSERT_TRUE(form_->Aufgabe()->urteilSichtbar());
    const exercise::CheckResult& r = *form_->Aufgabe()->ergebnis();
    EXPECT_EQ(r.Passed(), v.besteht);

    const exercise::Exercise e = exercise::ReadExercise(Aufgabe(v.aufgabe).toStdString());
    const exercise::Answers a = antworten ? exercise::ReadAnswers(datei.toStdString()) : exercise::Answers{};
    const fuzzy::Project p = antworten ? e.StartProject() : fuzzy::LoadProject(datei.toStdString());
    const exercise::CheckResult soll = exercise::Check(e, p, a);
    EXPECT_EQ(r.Overall, soll.Overall);
    ASSERT_EQ(r.Criteria.size(), soll.Criteria.size());
    for (std::size_t i = 0; i < soll.Criteria.size(); ++i) {
        EXPECT_EQ(r.Criteria[i].Measured, soll.Criteria[i].Measured) << soll.Criteria[i].Id;
        EXPECT_EQ(r.Criteria[i].Passed, soll.Criteria[i].Passed) << soll.Criteria[i].Id;
        // The check's own line, not one of the panel's making.
        EXPECT_TRUE(form_->Aufgabe()->kriterien()->toPlainText().contains(
            QString::fromStdString(exercise::Summary(soll.Criteria[i]))));
        for (const std::string& grund : soll.Criteria[i].Reasons)
            EXPECT_TRUE(form_->Aufgabe()->kriterien()->toPlainText().contains(QString::fromStdString(grund))) << grund;
    }
    const QString urteil = form_->Aufgabe()->urteil()->text();
    EXPECT_TRUE(urteil.contains(QString::fromStdString(exercise::VerdictText(soll.Overall)).toHtmlEscaped()))
        << qPrintable(urteil);
    // After a failure the hints show, taken from the check.
    for (const std::string& h : soll.Hints)
        EXPECT_TRUE(urteil.contains(QString::fromStdString(h).toHtmlEscaped())) << h;
}

INSTANTIATE_TEST_SUITE_P(
    Mitgeliefert, Versuche,
    testing::Values(
        Versuch{"01_regelschritt", "loesung.fuzantwort", true}, Versuch{"01_regelschritt", "falsch.fuzantwort", false},
        Versuch{"02_termdiagramm", "loesung.fuzantwort", true}, Versuch{"02_termdiagramm", "falsch.fuzantwort", false},
        Versuch{"03_lok_tabelle", "loesung.fuz", true}, Versuch{"03_lok_tabelle", "falsch.fuz", false},
        Versuch{"04_luecke", "loesung.fuz", true}, Versuch{"04_luecke", "falsch.fuz", false},
        Versuch{"05_truck_12_regeln", "loesung.fuz", true}, Versuch{"05_truck_12_regeln", "falsch.fuz", false},
        Versuch{"06_schnelle_lok", "loesung.fuz", true}, Versuch{"06_schnelle_lok", "falsch.fuz", false},
        Versuch{"07_tuner_vergleich", "loesung.fuz", true}, Versuch{"07_tuner_vergleich", "falsch.fuz", false}),
    [](const auto& i) {
        std::string n = std::string(i.param.aufgabe) + "_" + i.param.datei;
        for (char& c : n)
            if (c == '.') c = '_';
        return n;
    });

TEST_F(Fenster, TheVerdictWaitsForPruefenAndGoesWithTheNextEdit) {
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("03_lok_tabelle")));
    ASSERT_TRUE(Geprueft());
    EXPECT_FALSE(form_->Aufgabe()->urteil()->isVisible()) << "the live status, no verdict before Prüfen";
    EXPECT_FALSE(form_->Aufgabe()->status()->text().isEmpty());
    form_->Aufgabe()->pruefenKnopf()->click();
    EXPECT_TRUE(form_->Aufgabe()->urteil()->isVisible());
    form_->Modell.setzeRegel(1, 1, 3);
    EXPECT_FALSE(form_->Aufgabe()->urteilSichtbar()) << "the verdict belonged to the project before the edit";
    EXPECT_FALSE(form_->Aufgabe()->urteil()->isVisible());
    ASSERT_TRUE(Geprueft());
    EXPECT_EQ(form_->Aufgabe()->ergebnis()->Criteria.size(), 3u) << "the live status follows the edit";
}

// `werkstatt AUFGABE.fuzaufgabe` (or a double click in the file manager).
TEST_F(Fenster, AnExerciseNamedOnTheCommandLineOpensAsAnExercise) {
    form_->FormCreate({Aufgabe("03_lok_tabelle")});
    EXPECT_EQ(meldungen_.Count(), 0);
    ASSERT_TRUE(form_->Aufgabe()->aufgabe().has_value());
    EXPECT_TRUE(form_->AufgabenDock()->isVisible());
}

TEST_F(Fenster, AnExerciseThatDoesNotReadIsNamedWithItsLineAndChangesNothing) {
    const QString kaputt = tmp_.filePath(QStringLiteral("kaputt.fuzaufgabe"));
    QFile f(kaputt);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[aufgabe]\nformat = 1\ntitel.de = x\naenderbar = alles\n");
    f.close();
    form_->OeffnenDatei(QStringLiteral(FUZZY_SOURCE_DIR "/examples/lok.fuz"));
    const fuzzy::Project vorher = form_->Modell.projekt();
    EXPECT_FALSE(form_->AufgabeOeffnen(kaputt));
    ASSERT_EQ(meldungen_.Count(), 1);
    EXPECT_TRUE(meldungen_.Last().text.contains(QStringLiteral("kaputt.fuzaufgabe")));
    EXPECT_TRUE(meldungen_.Last().text.contains(QStringLiteral("4"))) << qPrintable(meldungen_.Last().text);
    EXPECT_FALSE(form_->AufgabenDock()->isVisible());
    EXPECT_FALSE(form_->Modell.sperre().aktiv());
    EXPECT_EQ(form_->Modell.projekt().A.Name, vorher.A.Name);
}

// --- answers typed into the panel's boxes ---------------------------------------------

// One box's entry: the point, the key as in an answers file, what is typed
// and the number it must stand for (NaN: no number, never right).
struct Eintrag {
    const char* punkt;
    const char* schluessel;
    const char* text;
    float zahl;
};

const float KeineZahl = std::nanf("");

// Types into a box as a person does: all of it selected and typed over (an
// edit, not a setText; the true minus is no key of QTest's).
void Tippen(QLineEdit* feld, const QString& text) {
    feld->selectAll();
    feld->insert(text);
}

void Tippen(werkstatt::AufgabenPanel& panel, const std::vector<Eintrag>& eintraege) {
    for (const Eintrag& e : eintraege) {
        QLineEdit* feld = panel.antwortFeld(QString::fromLatin1(e.punkt), QString::fromLatin1(e.schluessel));
        ASSERT_NE(feld, nullptr) << e.punkt << ' ' << e.schluessel;
        Tippen(feld, QString::fromUtf8(e.text));
    }
}

// The answers the table means.
exercise::Answers Gemeint(const std::vector<Eintrag>& eintraege) {
    exercise::Answers a;
    for (const Eintrag& e : eintraege)
        if (QString::fromUtf8(e.text).trimmed().size() > 0)
            *exercise::AnswerSlot(a.Points[e.punkt], e.schluessel) = e.zahl;
    return a;
}

// 01_regelschritt's reference, in the decimal sign given.
std::vector<Eintrag> Regelschritt(bool komma) {
    std::vector<Eintrag> e{{"P1", "zugehoerigkeit.a.1", "0", 0.0f},
                           {"P1", "zugehoerigkeit.a.2", "0,6", 0.6f},
                           {"P1", "zugehoerigkeit.a.3", "0,4", 0.4f},
                           {"P1", "zugehoerigkeit.b.1", "0,5", 0.5f},
                           {"P1", "zugehoerigkeit.b.2", "0,5", 0.5f},
                           {"P1", "zugehoerigkeit.b.3", "0", 0.0f},
                           {"P1", "feuerstaerke.1.1", "0", 0.0f},
                           {"P1", "feuerstaerke.1.2", "0,5", 0.5f},
                           {"P1", "feuerstaerke.1.3", "0,4", 0.4f},
                           {"P1", "feuerstaerke.2.1", "0", 0.0f},
                           {"P1", "feuerstaerke.2.2", "0,5", 0.5f},
                           {"P1", "feuerstaerke.2.3", "0,4", 0.4f},
                           {"P1", "feuerstaerke.3.1", "0", 0.0f},
                           {"P1", "feuerstaerke.3.2", "0", 0.0f},
                           {"P1", "feuerstaerke.3.3", "0", 0.0f},
                           {"P1", "hoehe.1", "0,4", 0.4f},
                           {"P1", "hoehe.2", "0,5", 0.5f},
                           {"P1", "hoehe.3", "0,5", 0.5f},
                           {"P1", "ausgang", "52,1", 52.1f}};
    if (!komma)
        for (Eintrag& x : e) {
            static std::deque<std::string> punkte;  // the texts stay where they are
            punkte.push_back(QString::fromLatin1(x.text).replace(QLatin1Char(','), QLatin1Char('.')).toStdString());
            x.text = punkte.back().c_str();
        }
    return e;
}

// The reference with one entry changed.
std::vector<Eintrag> Regelschritt(const Eintrag& anders) {
    std::vector<Eintrag> e = Regelschritt(true);
    for (Eintrag& x : e)
        if (std::string(x.schluessel) == anders.schluessel) x = anders;
    return e;
}

struct Tippfall {
    const char* name;
    const char* aufgabe;
    std::vector<Eintrag> eintraege;
    bool besteht;
};

std::ostream& operator<<(std::ostream& o, const Tippfall& f) { return o << f.name; }

class Getippt : public Fenster, public testing::WithParamInterface<Tippfall> {};

// What is typed is checked a moment later by the exercise's own check, with
// the answers the entries stand for: the verdict and every figure are the
// check's (and so `fuzzysim aufgabe check`'s with the saved file).
TEST_P(Getippt, TheBoxesAreCheckedAsTheirAnswers) {
    const Tippfall& f = GetParam();
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe(f.aufgabe)));
    ASSERT_TRUE(Geprueft());
    werkstatt::AufgabenPanel& panel = *form_->Aufgabe();
    Tippen(panel, f.eintraege);
    if (!f.eintraege.empty()) {
        EXPECT_TRUE(panel.rechnet()) << "the result on show belongs to the boxes before the typing";
    }
    ASSERT_TRUE(Geprueft());
    const exercise::Exercise e = exercise::ReadExercise(Aufgabe(f.aufgabe).toStdString());
    const exercise::CheckResult soll = exercise::Check(e, e.StartProject(), Gemeint(f.eintraege));
    const exercise::CheckResult& r = *panel.ergebnis();
    EXPECT_EQ(r.Passed(), f.besteht);
    EXPECT_EQ(r.Overall, soll.Overall);
    ASSERT_EQ(r.Criteria.size(), soll.Criteria.size());
    for (std::size_t i = 0; i < soll.Criteria.size(); ++i) {
        EXPECT_EQ(r.Criteria[i].Passed, soll.Criteria[i].Passed)
            << soll.Criteria[i].Id << ' ' << soll.Criteria[i].Point;
        EXPECT_EQ(r.Criteria[i].Measured, soll.Criteria[i].Measured) << soll.Criteria[i].Id;
    }
    panel.pruefenKnopf()->click();
    EXPECT_TRUE(panel.urteil()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Antworten, Getippt,
    testing::Values(Tippfall{"AllRightWithDecimalCommas", "01_regelschritt", Regelschritt(true), true},
                    Tippfall{"AllRightWithDecimalPoints", "01_regelschritt", Regelschritt(false), true},
                    Tippfall{"TrueMinusAndBlanks",
                             "08_sv_kurve",
                             {{"P1", "ausgang", " 0 ", 0.0f}, {"P2", "ausgang", "\u22122,4", -2.4f}},
                             true},
                    Tippfall{"OneStrengthWrong", "01_regelschritt",
                             Regelschritt({"P1", "feuerstaerke.1.2", "0,4", 0.4f}), false},
                    // The engine's degree is 0 here: no number must not pass as 0.
                    Tippfall{"NoNumberIsNotZero", "01_regelschritt",
                             Regelschritt({"P1", "zugehoerigkeit.a.1", "0,o", KeineZahl}), false},
                    Tippfall{"NoNumberInTheOutputIsWrong", "01_regelschritt",
                             Regelschritt({"P1", "ausgang", "52,1.", KeineZahl}), false},
                    // As in an answers file: what is left out is not answered, also where it is 0.
                    Tippfall{"AnEmptyBoxIsNotAnsweredEvenWhereItIsZero", "01_regelschritt",
                             Regelschritt({"P1", "zugehoerigkeit.a.1", "", 0.0f}), false},
                    Tippfall{"OnePointOfThreeWrong",
                             "02_termdiagramm",
                             {{"P1", "zugehoerigkeit.a.1", "1", 1.0f},
                              {"P2", "zugehoerigkeit.a.2", "0,8", 0.8f},
                              {"P2", "zugehoerigkeit.a.3", "0.2", 0.2f},
                              {"P3", "zugehoerigkeit.a.2", "0,7", 0.7f},
                              {"P3", "zugehoerigkeit.a.3", "0,3", 0.3f}},
                             false},
                    Tippfall{"NothingTyped", "01_regelschritt", {}, false}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(Fenster, ABoxWithNoNumberIsMarkedUntilItHoldsOne) {
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("01_regelschritt")));
    werkstatt::AufgabenPanel& panel = *form_->Aufgabe();
    QLineEdit* feld = panel.antwortFeld(QStringLiteral("P1"), QStringLiteral("hoehe.2"));
    ASSERT_NE(feld, nullptr);
    const QString erklaerung = feld->toolTip();
    for (const char* falsch : {"0,5x", "1.000,5", "nan", "2e9"}) {
        Tippen(feld, QString::fromLatin1(falsch));
        EXPECT_TRUE(feld->property("unlesbar").toBool()) << falsch;
        EXPECT_EQ(panel.unlesbareFelder(), 1);
        EXPECT_NE(feld->toolTip(), erklaerung) << "the tool tip says what is wrong";
        EXPECT_TRUE(feld->toolTip().contains(QString::fromLatin1(falsch).toHtmlEscaped())) << falsch;
        EXPECT_TRUE(std::isnan(*panel.antworten().Points.at("P1").Heights[1])) << "never 0";
    }
    Tippen(feld, QStringLiteral("0,5"));
    EXPECT_FALSE(feld->property("unlesbar").toBool());
    EXPECT_EQ(panel.unlesbareFelder(), 0);
    EXPECT_EQ(feld->toolTip(), erklaerung);
    EXPECT_EQ(panel.antworten().Points.at("P1").Heights[1], 0.5f);
}

// --- saving and opening the boxes ---------------------------------------------------------

TEST_F(Fenster, SavedAnswersReadBackAsTheSameNumbers) {
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("01_regelschritt")));
    werkstatt::AufgabenPanel& panel = *form_->Aufgabe();
    const std::vector<Eintrag> eintraege{{"P1", "zugehoerigkeit.a.1", "0,1", 0.1f},
                                         {"P1", "zugehoerigkeit.a.2", "\u22120,5", -0.5f},
                                         {"P1", "zugehoerigkeit.b.3", "0.125", 0.125f},
                                         {"P1", "feuerstaerke.2.3", "1e-5", 1e-5f},
                                         {"P1", "hoehe.1", "1000000", 1e6f},
                                         {"P1", "ausgang", "52,06", 52.06f}};
    Tippen(panel, eintraege);
    const QString datei = tmp_.filePath(QStringLiteral("meine.fuzantwort"));
    panel.SpeichernDialog = [&] { return datei; };
    panel.speichernKnopf()->click();
    ASSERT_TRUE(QFileInfo::exists(datei));
    EXPECT_EQ(meldungen_.Count(), 0);
    const exercise::Answers gelesen = exercise::ReadAnswers(datei.toStdString());
    const exercise::Answers gemeint = Gemeint(eintraege);
    EXPECT_EQ(exercise::AnswersText(gelesen), exercise::AnswersText(gemeint));
    for (const Eintrag& e : eintraege)
        EXPECT_EQ(**exercise::AnswerSlot(gelesen.Points.at("P1"), e.schluessel), e.zahl) << e.schluessel;

    // Another exercise and back: empty boxes; the file fills them with the same numbers.
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("02_termdiagramm")));
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("01_regelschritt")));
    Tippen(panel, {{"P1", "hoehe.2", "7", 7.0f}});
    panel.AntwortenDialog = [&] { return datei; };
    meldungen_.Answer(widgets::MessageAnswer::No);  // the typed 7 is given up
    panel.antwortenKnopf()->click();
    EXPECT_EQ(exercise::AnswersText(panel.antworten()), exercise::AnswersText(gemeint));
    for (const Eintrag& e : eintraege) {
        const auto zahl = exercise::AnswerNumber(
            panel.antwortFeld(QStringLiteral("P1"), QString::fromLatin1(e.schluessel))->text().toStdString());
        ASSERT_TRUE(zahl.has_value()) << e.schluessel;
        EXPECT_EQ(*zahl, e.zahl) << e.schluessel;
    }
    EXPECT_TRUE(panel.antwortFeld(QStringLiteral("P1"), QStringLiteral("hoehe.2"))->text().isEmpty())
        << "what the file leaves out is emptied";
}

struct Speicherfall {
    const char* name;
    const char* eintrag;  // typed into hoehe.1
    bool aufDieAufgabe;   // onto the exercise's own file
};

std::ostream& operator<<(std::ostream& o, const Speicherfall& f) { return o << f.name; }

class NichtGespeichert : public Fenster, public testing::WithParamInterface<Speicherfall> {};

// Refused with a message; nothing is written and nothing replaced.
TEST_P(NichtGespeichert, RefusedWithAMessageAndNothingWritten) {
    const Speicherfall& f = GetParam();
    const QString aufgabe = tmp_.filePath(QStringLiteral("aufgabe.fuzaufgabe"));
    ASSERT_TRUE(QFile::copy(Aufgabe("01_regelschritt"), aufgabe));
    ASSERT_TRUE(form_->AufgabeOeffnen(aufgabe));
    werkstatt::AufgabenPanel& panel = *form_->Aufgabe();
    Tippen(panel, {{"P1", "hoehe.1", f.eintrag, 0.0f}});
    const QString ziel = f.aufDieAufgabe ? aufgabe : tmp_.filePath(QStringLiteral("neu.fuzantwort"));
    QFile vorher(aufgabe);
    ASSERT_TRUE(vorher.open(QIODevice::ReadOnly));
    const QByteArray inhalt = vorher.readAll();
    EXPECT_FALSE(panel.antwortenSpeichern(ziel));
    EXPECT_EQ(meldungen_.Count(), 1);
    QFile nachher(aufgabe);
    ASSERT_TRUE(nachher.open(QIODevice::ReadOnly));
    EXPECT_EQ(nachher.readAll(), inhalt);
    if (!f.aufDieAufgabe) {
        EXPECT_FALSE(QFileInfo::exists(ziel));
    }
}

// "Antworten speichern…" with an entry that is no number refuses at once,
// before the student picks a file name for nothing.
TEST_F(Fenster, SavingAnEntryThatIsNoNumberRefusesBeforeAskingForTheFile) {
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("01_regelschritt")));
    werkstatt::AufgabenPanel& panel = *form_->Aufgabe();
    int gefragt = 0;
    panel.SpeichernDialog = [&] {
        ++gefragt;
        return QString();
    };
    Tippen(panel, {{"P1", "hoehe.1", "abc", 0.0f}});
    panel.speichernKnopf()->click();
    EXPECT_EQ(gefragt, 0) << "the file dialog came first";
    EXPECT_EQ(meldungen_.Count(), 1) << "the refusal says why";
}

INSTANTIATE_TEST_SUITE_P(Antworten, NichtGespeichert,
                         testing::Values(Speicherfall{"WhileABoxHoldsNoNumber", "0,4 0,5", false},
                                         Speicherfall{"OntoTheExerciseItself", "0,4", true}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(Fenster, AnotherExerciseStartsWithEmptyBoxes) {
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("02_termdiagramm")));
    werkstatt::AufgabenPanel& panel = *form_->Aufgabe();
    Tippen(panel, {{"P1", "zugehoerigkeit.a.1", "1", 1.0f}, {"P2", "zugehoerigkeit.a.2", "x", KeineZahl}});
    ASSERT_TRUE(panel.antwortenLaden(Datei("02_termdiagramm", "falsch.fuzantwort")));
    Tippen(panel, {{"P3", "zugehoerigkeit.a.2", "0,5", 0.5f}});
    // 01 asks for the same keys at P1: none of 02's numbers carries over.
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("01_regelschritt")));
    EXPECT_TRUE(panel.antworten().Points.empty());
    EXPECT_EQ(panel.unlesbareFelder(), 0);
    for (QLineEdit* feld : panel.antwortenBereich()->findChildren<QLineEdit*>())
        EXPECT_TRUE(feld->text().isEmpty()) << qPrintable(feld->objectName());
    EXPECT_EQ(panel.antwortenBereich()->findChildren<QLineEdit*>().size(), 19);
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("02_termdiagramm")));
    EXPECT_TRUE(panel.antworten().Points.empty()) << "nor do they come back";
    // An exercise without hand steps has no boxes at all.
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("03_lok_tabelle")));
    EXPECT_TRUE(panel.antwortenBereich()->findChildren<QLineEdit*>().isEmpty());
    EXPECT_FALSE(panel.antwortenBereich()->isVisible());
    EXPECT_FALSE(panel.speichernKnopf()->isVisible());
}

// Typed answers are not lost unasked: before another exercise or the end of
// this one the panel offers to save them.
struct Sicherfall {
    const char* name;
    bool tippen;                                    // a number typed into a box
    bool gespeichert;                               // and saved before
    bool beenden;                                   // "Aufgabe beenden" instead of "Aufgabe öffnen…"
    std::optional<widgets::MessageAnswer> antwort;  // to the question, if one is asked
    bool weiter;                                    // the other exercise opened, or this one ended
    bool datei;                                     // the answers file written on the way
    bool antwortenOeffnen = false;                  // "Antworten öffnen…" instead: weiter = the file's numbers in
};

std::ostream& operator<<(std::ostream& o, const Sicherfall& f) { return o << f.name; }

class Sichern : public Fenster, public testing::WithParamInterface<Sicherfall> {};

TEST_P(Sichern, TypedAnswersAreOfferedForSavingBeforeTheyAreForgotten) {
    const Sicherfall& f = GetParam();
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("01_regelschritt")));
    werkstatt::AufgabenPanel& panel = *form_->Aufgabe();
    const QString datei = tmp_.filePath(QStringLiteral("abgabe.fuzantwort"));
    panel.SpeichernDialog = [&] { return datei; };
    if (f.tippen) Tippen(panel, {{"P1", "hoehe.2", "0,5", 0.5f}});
    if (f.gespeichert) {
        ASSERT_TRUE(panel.antwortenSpeichern(datei));
        ASSERT_TRUE(QFile::remove(datei));
    }
    if (f.antwort) meldungen_.Answer(*f.antwort);
    form_->AufgabeDialog = [] { return Aufgabe("02_termdiagramm"); };
    panel.AntwortenDialog = [] { return Datei("01_regelschritt", "falsch.fuzantwort"); };
    if (f.antwortenOeffnen)
        panel.antwortenKnopf()->click();
    else if (f.beenden)
        panel.beendenKnopf()->click();
    else
        form_->AufgabeOeffnen1Click();
    EXPECT_EQ(meldungen_.Count(), f.antwort ? 1 : 0) << "a question exactly where numbers would be lost";
    EXPECT_EQ(meldungen_.PendingAnswers(), 0);
    const bool weiter =
        f.antwortenOeffnen
            ? panel.antwortFeld(QStringLiteral("P1"), QStringLiteral("hoehe.2"))->text() != QStringLiteral("0,5")
        : f.beenden ? !panel.aufgabe().has_value()
                    : panel.aufgabe() && panel.aufgabe()->Title.De != "Ein Regelschritt von Hand";
    EXPECT_EQ(weiter, f.weiter);
    if (!f.weiter) {
        EXPECT_EQ(panel.antwortFeld(QStringLiteral("P1"), QStringLiteral("hoehe.2"))->text(), QStringLiteral("0,5"));
    }
    EXPECT_EQ(QFileInfo::exists(datei), f.datei);
}

INSTANTIATE_TEST_SUITE_P(
    Antworten, Sichern,
    testing::Values(Sicherfall{"NothingTypedNothingAsked", false, false, false, std::nullopt, true, false},
                    Sicherfall{"SavedNothingAsked", true, true, false, std::nullopt, true, false},
                    Sicherfall{"CancelKeepsTheExerciseAndItsNumbers", true, false, false,
                               widgets::MessageAnswer::Cancel, false, false},
                    Sicherfall{"NoGivesThemUp", true, false, false, widgets::MessageAnswer::No, true, false},
                    Sicherfall{"YesSavesThemFirst", true, false, false, widgets::MessageAnswer::Yes, true, true},
                    Sicherfall{"EndingTheExerciseAsksToo", true, false, true, widgets::MessageAnswer::Cancel, false,
                               false},
                    Sicherfall{"OpeningAnswersKeepsTypedOnesOnCancel", true, false, false,
                               widgets::MessageAnswer::Cancel, false, false, true},
                    Sicherfall{"OpeningAnswersReplacesThemOnNo", true, false, false, widgets::MessageAnswer::No, true,
                               false, true}),
    [](const auto& i) { return std::string(i.param.name); });

// --- locked parts of the editor ------------------------------------------------------

struct Sperrfall {
    const char* name;
    const char* aufgabe;
    // Tries one edit through the editor or the model; true when it would
    // have changed the project.
    bool (*versuchen)(TMainForm&);
    bool gesperrt;
};

std::ostream& operator<<(std::ostream& o, const Sperrfall& f) { return o << f.name; }

bool BereichImFeld(TMainForm& f) {
    werkstatt::TVariablenSeite* s = f.SeiteA;
    if (!s->MinEdit->isEnabled()) return false;
    s->MinEdit->setText(QStringLiteral("-250"));
    emit s->MinEdit->editingFinished();
    return true;
}
bool BereichImModell(TMainForm& f) {
    f.Modell.setzeBereich(werkstatt::Rolle::A, -250.0f, f.Modell.projekt().A.RangeMax);
    return true;
}
bool EckeInDerTabelle(TMainForm& f) {
    QTableWidgetItem* item = f.SeiteA->TermTabelle->item(0, werkstatt::TVariablenSeite::SpalteA + 1);
    if (!item || !(item->flags() & Qt::ItemIsEditable)) return false;
    item->setText(QStringLiteral("-77"));
    return true;
}
bool TermHinzu(TMainForm& f) {
    if (!f.SeiteA->HinzuBtn->isEnabled()) return false;
    f.SeiteA->HinzuBtn->click();
    return true;
}
bool RegelImGitter(TMainForm& f) {
    f.SeiteRegeln->WaehleRegel(1, 1);
    const int jetzt = f.Modell.projekt().Rules.Get(1, 1);
    f.SeiteRegeln->SetzeAusgangsterm(jetzt == 1 ? 2 : 1);
    return true;
}
bool EingangBAus(TMainForm& f) {
    if (!f.SeiteB->BVerwenden->isEnabled()) return false;
    f.SeiteB->BVerwenden->click();
    return true;
}
bool TermnameImModell(TMainForm& f) {
    f.Modell.setzeTermName(werkstatt::Rolle::A, 1, QStringLiteral("anders"));
    return true;
}

class Sperren : public Fenster, public testing::WithParamInterface<Sperrfall> {};

TEST_P(Sperren, ALockedPartRefusesTheEditAndSaysWhy) {
    const Sperrfall& f = GetParam();
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe(f.aufgabe)));
    const fuzzy::Project vorher = form_->Modell.projekt();
    f.versuchen(*form_);
    QCoreApplication::processEvents();
    const bool geaendert = !werkstatt::GleichesProjekt(form_->Modell.projekt(), vorher) ||
                           form_->Modell.projekt().A.GetTermName(1) != vorher.A.GetTermName(1);
    EXPECT_EQ(geaendert, !f.gesperrt);
    if (f.gesperrt) {
        // Wherever the edit came from, the page shows the project as it is.
        EXPECT_NE(form_->SeiteA->MinEdit->text(), QStringLiteral("-250"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Aufgaben, Sperren,
    testing::Values(Sperrfall{"RangeFieldIsOff", "03_lok_tabelle", BereichImFeld, true},
                    Sperrfall{"RangeRefusedByTheModel", "03_lok_tabelle", BereichImModell, true},
                    Sperrfall{"CornerCellIsNotEditable", "03_lok_tabelle", EckeInDerTabelle, true},
                    Sperrfall{"NoTermToAdd", "03_lok_tabelle", TermHinzu, true},
                    Sperrfall{"InputBStays", "04_luecke", EingangBAus, true},
                    Sperrfall{"RulesOfAnInferenceByHandStay", "01_regelschritt", RegelImGitter, true},
                    Sperrfall{"RulesMayChangeWhereAllowed", "03_lok_tabelle", RegelImGitter, false},
                    Sperrfall{"TermsMayChangeWhereAllowed", "04_luecke", EckeInDerTabelle, false},
                    Sperrfall{"NamesAreNeverLocked", "01_regelschritt", TermnameImModell, false}),
    [](const auto& i) { return std::string(i.param.name); });

TEST_F(Fenster, LockedControlsSayWhyAndEndingTheExerciseUnlocksThem) {
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("03_lok_tabelle")));
    const QString titel = QString::fromStdString(form_->Aufgabe()->aufgabe()->Title.Active());
    for (QWidget* w :
         std::initializer_list<QWidget*>{form_->SeiteA->MinEdit, form_->SeiteA->HinzuBtn, form_->SeiteB->BVerwenden})
        EXPECT_TRUE(w->toolTip().contains(titel)) << qPrintable(w->objectName());
    EXPECT_FALSE(form_->SeiteA->HinzuBtn->isEnabled());
    form_->Modell.setzeBereich(werkstatt::Rolle::A, -250.0f, 250.0f);
    ASSERT_EQ(meldungen_.Count(), 1) << "a refused edit says why";
    EXPECT_TRUE(meldungen_.Last().text.contains(titel));
    form_->Aufgabe()->beendenKnopf()->click();
    EXPECT_FALSE(form_->Modell.sperre().aktiv());
    EXPECT_TRUE(form_->SeiteA->MinEdit->isEnabled());
    EXPECT_TRUE(form_->SeiteA->TermTabelle->item(0, werkstatt::TVariablenSeite::SpalteA)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(form_->SeiteB->BVerwenden->isEnabled());
    EXPECT_FALSE(form_->SeiteA->MinEdit->toolTip().contains(titel));
    form_->Modell.setzeBereich(werkstatt::Rolle::A, -250.0f, 250.0f);
    EXPECT_EQ(form_->Modell.projekt().A.RangeMin, -250.0f);
}

// --- texts from an exercise file are shown as they are -------------------------------------

// Where the exercise's title shows: in the panel's labels or in a tooltip.
struct Anzeige {
    const char* name;
    QString (*text)(TMainForm&);  // empty: look at the panel's labels
};

std::ostream& operator<<(std::ostream& o, const Anzeige& a) { return o << a.name; }

class Markup : public Fenster, public testing::WithParamInterface<Anzeige> {};

// A title with markup shows its angle brackets: no italics, no live link, no
// picture loaded from the disk.
TEST_P(Markup, ATitleIsShownAsPlainText) {
    const QString datei = tmp_.filePath(QStringLiteral("markup.fuzaufgabe"));
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "[aufgabe]\nformat = 1\ntitel.de = <i>kursiv</i> <a href=\"x\">Link</a> <img src=\"/x.png\">\n"
        "aenderbar = nichts\n[text.de]\n<b>fett</b>\n[projekt]\nvorlage = lok\n[abdeckung]\n"
        "hinweis.de = <i>Hinweis</i>\n");
    f.close();
    ASSERT_TRUE(form_->AufgabeOeffnen(datei));
    if (GetParam().text) {
        const QString tipp = GetParam().text(*form_);
        EXPECT_TRUE(tipp.contains(QStringLiteral("&lt;i&gt;kursiv"))) << qPrintable(tipp);
        EXPECT_FALSE(tipp.contains(QStringLiteral("<i>"))) << qPrintable(tipp);
        return;
    }
    int gesehen = 0;
    for (const QLabel* l : form_->Aufgabe()->findChildren<QLabel*>()) {
        if (!l->text().contains(QStringLiteral("<i>"))) continue;
        ++gesehen;
        EXPECT_EQ(l->textFormat(), Qt::PlainText) << qPrintable(l->objectName());
    }
    EXPECT_GE(gesehen, 1) << "the title is shown";
}

INSTANTIATE_TEST_SUITE_P(
    Aufgabe, Markup,
    testing::Values(Anzeige{"panel labels", nullptr},
                    Anzeige{"locked range", [](TMainForm& w) { return w.SeiteA->MinEdit->toolTip(); }},
                    Anzeige{"locked terms", [](TMainForm& w) { return w.SeiteA->HinzuBtn->toolTip(); }},
                    Anzeige{"locked rules", [](TMainForm& w) { return w.SeiteRegeln->RegelGitter->toolTip(); }}),
    [](const testing::TestParamInfo<Anzeige>& i) {
        std::string n = i.param.name;
        for (char& c : n)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return n;
    });

// --- hints the student can act on ------------------------------------------------------

bool HinweisMit(const TMainForm& w, const QString& teil) {
    for (int i = 0; i < w.HinweisListe->count(); ++i)
        if (w.HinweisListe->item(i)->text().contains(teil)) return true;
    return false;
}

// The locomotive's start beyond a locked range is nothing the student can
// change: not named while the exercise is open, named again after it.
TEST_F(Fenster, AStartBeyondALockedRangeIsNotPushedAtTheStudent) {
    const QString ausserhalb = QStringLiteral("außerhalb des Bereichs");
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("03_lok_tabelle")));
    EXPECT_FALSE(HinweisMit(*form_, ausserhalb));
    form_->Aufgabe()->beendenKnopf()->click();
    EXPECT_TRUE(HinweisMit(*form_, ausserhalb));
}

// --- a failing place, one click from its lab --------------------------------------------

// The first link of the exercise panel's list that begins so.
QString ErsterVerweis(const werkstatt::AufgabenPanel& panel, const char* art) {
    for (const QString& v : panel.verweise())
        if (v.startsWith(QLatin1String(art))) return v;
    return {};
}

TEST_F(Fenster, AClickOnAFailingStartShowsItInTheTruckLab) {
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("05_truck_12_regeln")));
    form_->OeffnenDatei(Datei("05_truck_12_regeln", "loesung.fuz"));
    // Every rule steers the same way: starts leave the road.
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            if (form_->Modell.projekt().Rules.Get(r, c) != 0) form_->Modell.setzeRegel(r, c, 1);
    ASSERT_TRUE(Geprueft());
    const QString start = ErsterVerweis(*form_->Aufgabe(), "start:");
    ASSERT_FALSE(start.isEmpty());
    std::optional<exercise::StartRef> ziel;
    QObject::connect(form_->Aufgabe(), &werkstatt::AufgabenPanel::startGewaehlt,
                     [&](const exercise::StartRef& s) { ziel = s; });
    emit form_->Aufgabe()->kriterien()->anchorClicked(QUrl(start));
    ASSERT_TRUE(ziel.has_value());
    bool genannt = false;
    for (const auto& c : form_->Aufgabe()->ergebnis()->Criteria)
        for (const auto& s : c.Starts) genannt = genannt || (s.Index == ziel->Index && s.Speed == ziel->Speed);
    EXPECT_TRUE(genannt) << "a start the check named";
    EXPECT_EQ(form_->Seiten->currentWidget(), form_->TruckLabor());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form_->TruckLabor()->rechnet(); }, 60000));
    QCoreApplication::processEvents();
    EXPECT_EQ(form_->TruckLabor()->geschwindigkeit(), ziel->Speed);
    EXPECT_EQ(form_->TruckLabor()->ausgewaehlterStart(), ziel->Index);
    const auto& lauf = form_->TruckLabor()->ergebnis()->Raster.Runs[static_cast<std::size_t>(ziel->Index)];
    EXPECT_EQ(lauf.Result.Start.CabX, ziel->Start.CabX) << "the start the check named";
    EXPECT_EQ(lauf.Result.Start.Attitude, ziel->Start.Attitude);
}

TEST_F(Fenster, AClickOnAFailingRunShowsItInTheLocomotiveLab) {
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("06_schnelle_lok")));
    form_->OeffnenDatei(Datei("06_schnelle_lok", "falsch.fuz"));
    ASSERT_TRUE(Geprueft());
    const QString lauf = ErsterVerweis(*form_->Aufgabe(), "lauf:");
    ASSERT_FALSE(lauf.isEmpty());
    // The first failing run of the first criterion with runs.
    pemrak::RunOptions ziel;
    for (const auto& c : form_->Aufgabe()->ergebnis()->Criteria)
        if (!c.Runs.empty()) {
            ziel = c.Runs.front();
            break;
        }
    emit form_->Aufgabe()->kriterien()->anchorClicked(QUrl(lauf));
    EXPECT_EQ(form_->Seiten->currentWidget(), form_->LokLabor());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form_->LokLabor()->rechnet(); }, 60000));
    QCoreApplication::processEvents();
    EXPECT_EQ(form_->LokLabor()->einstellung().Dt, ziel.Dt);
    EXPECT_EQ(form_->LokLabor()->einstellung().Reibung, ziel.Start.Reibung);
    EXPECT_EQ(pemrak::LabMasses()[static_cast<std::size_t>(form_->LokLabor()->gewaehlterLauf())], ziel.Start.Masse);
}

// The run opens at the step its reason names, not at the start: for each
// kind of locomotive criterion the point the lab shows is the one the
// figure comes from in the lab's own track.
struct LaufStelle {
    const char* name;
    const char* aufgabe;
    const char* datei;
    const char* kriterium;  // the criterion's id
};

std::ostream& operator<<(std::ostream& o, const LaufStelle& l) { return o << l.name; }

class LaufStellen : public Fenster, public testing::WithParamInterface<LaufStelle> {};

// The point of the track the reason names, found independently of the check.
int SollPunkt(const std::string& id, const pemrak::JudgedRun& j) {
    const auto& t = j.Run.Track;
    int bei = 0;
    if (id == "loco.overshoot") {
        for (std::size_t k = 1; k < t.size(); ++k)
            if (t[k].sCm < t[static_cast<std::size_t>(bei)].sCm) bei = static_cast<int>(k);
    } else if (id == "loco.rest") {
        bei = static_cast<int>(t.size()) - 1;
        if (j.AtRestFrom)
            while (bei > 0 && t[static_cast<std::size_t>(bei) - 1].t >= *j.AtRestFrom) --bei;
    }
    return bei;
}

TEST_P(LaufStellen, TheRunOpensAtTheStepItsReasonNames) {
    const LaufStelle& l = GetParam();
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe(l.aufgabe)));
    ASSERT_TRUE(form_->OeffnenDatei(Datei(l.aufgabe, l.datei)));
    ASSERT_TRUE(Geprueft());
    const auto& k = form_->Aufgabe()->ergebnis()->Criteria;
    std::size_t i = 0;
    while (i < k.size() && (k[i].Id != l.kriterium || k[i].Runs.empty())) ++i;
    ASSERT_LT(i, k.size()) << "a failing run of " << l.kriterium;
    ASSERT_TRUE(form_->Aufgabe()->oeffneVerweis(QStringLiteral("lauf:%1:0").arg(i)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form_->LokLabor()->rechnet(); }, 60000));
    QCoreApplication::processEvents();
    const int lauf = form_->LokLabor()->gewaehlterLauf();
    ASSERT_GE(lauf, 0);
    const pemrak::JudgedRun& j = form_->LokLabor()->ergebnis()->Laeufe[static_cast<std::size_t>(lauf)];
    const int soll = SollPunkt(l.kriterium, j);
    EXPECT_GT(soll, 0) << "the case must name a step after the start";
    EXPECT_EQ(form_->LokLabor()->schrittAuswahl()->punkt(), soll);
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, LaufStellen,
                         testing::Values(LaufStelle{"Overshoot", "06_schnelle_lok", "falsch.fuz", "loco.overshoot"},
                                         LaufStelle{"Rest", "06_schnelle_lok", "falsch.fuz", "loco.rest"}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(Fenster, ALinkThatNamesNothingOpensNothing) {
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("06_schnelle_lok")));
    form_->OeffnenDatei(Datei("06_schnelle_lok", "falsch.fuz"));
    ASSERT_TRUE(Geprueft());
    QWidget* vorher = form_->Seiten->currentWidget();
    for (const char* v : {"lauf:99:0", "lauf:0:99", "start:0:0", "lauf:-1:0", "lauf:x:0", "lauf:0", ""})
        EXPECT_FALSE(form_->Aufgabe()->oeffneVerweis(QString::fromLatin1(v))) << v;
    EXPECT_EQ(form_->Seiten->currentWidget(), vorher);
}

// The panel's mnemonics are its own: none is a tab's or a menu's as well.
TEST_F(Fenster, PanelMnemonicsClashWithNoTabOrMenu) {
    for (const fuzzy::Language sprache : {fuzzy::Language::German, fuzzy::Language::English}) {
        testsupport::SpracheFuer s(sprache, {QStringLiteral("werkstatt")});
        TMainForm f;
        QMap<QChar, QString> belegt;
        auto buchstabe = [](const QString& text) {
            const auto i = text.indexOf(QLatin1Char('&'));
            return i >= 0 && i + 1 < text.size() ? text[i + 1].toLower() : QChar();
        };
        for (int i = 0; i < f.Seiten->count(); ++i)
            belegt.insert(buchstabe(f.Seiten->tabText(i)), f.Seiten->tabText(i));
        for (QAction* a : f.menuBar()->actions()) belegt.insert(buchstabe(a->text()), a->text());
        for (QPushButton* b : f.Aufgabe()->findChildren<QPushButton*>()) {
            const QChar c = buchstabe(b->text());
            if (c.isNull()) continue;
            EXPECT_FALSE(belegt.contains(c)) << qPrintable(b->text()) << " and " << qPrintable(belegt.value(c));
            belegt.insert(c, b->text());
        }
    }
}

// --- the sheets of the exercise on show ------------------------------------------------

struct BlattFall {
    const char* name;
    const char* aufgabe;
    bool loesung;
    bool mitMuster;  // the teacher's sheet of a project exercise has the reference beside it
};

std::ostream& operator<<(std::ostream& o, const BlattFall& f) { return o << f.name; }

class Blaetter : public Fenster, public testing::WithParamInterface<BlattFall> {};

TEST_P(Blaetter, ThePanelPrintsTheSheetOfTheExerciseOnShow) {
    const BlattFall& f = GetParam();
    ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe(f.aufgabe)));
    std::optional<werkstatt::AufgabenblattDaten> gezeigt;
    form_->BlattVorschau = [&](const werkstatt::AufgabenblattDaten& d) { gezeigt = d; };
    (f.loesung ? form_->Aufgabe()->loesungsblattKnopf() : form_->Aufgabe()->schuelerblattKnopf())->click();
    ASSERT_TRUE(gezeigt.has_value());
    EXPECT_EQ(gezeigt->loesung, f.loesung);
    EXPECT_EQ(QFileInfo(gezeigt->datei).fileName(), QFileInfo(Aufgabe(f.aufgabe)).fileName());
    EXPECT_EQ(gezeigt->aufgabe.Title.De, form_->Aufgabe()->aufgabe()->Title.De);
    EXPECT_EQ(gezeigt->muster.has_value(), f.mitMuster);
}

INSTANTIATE_TEST_SUITE_P(Aufgaben, Blaetter,
                         testing::Values(BlattFall{"StudentsSheet", "05_truck_12_regeln", false, false},
                                         BlattFall{"TeachersSheetWithTheReference", "05_truck_12_regeln", true, true},
                                         BlattFall{"TeachersSheetOfAStepByHand", "01_regelschritt", true, false}),
                         [](const auto& i) { return std::string(i.param.name); });

// --- on a school projector's 1366 x 768 ------------------------------------------------

struct Projektor {
    const char* name;
    QSize fenster;  // the main window: maximised, or a window of its own
    bool englisch;
};

std::ostream& operator<<(std::ostream& o, const Projektor& p) { return o << p.name; }

class AufProjektor : public testing::TestWithParam<Projektor> {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, tmp_.path());
        if (GetParam().englisch)
            sprache_ = std::make_unique<testsupport::SpracheFuer>(fuzzy::Language::English,
                                                                  QStringList{QStringLiteral("werkstatt")});
        form_ = std::make_unique<TMainForm>();
        form_->resize(GetParam().fenster);
        form_->show();
        QCoreApplication::processEvents();
        // Exercise 01 with the typical mistake, judged: the verdict with both hints.
        ASSERT_TRUE(form_->AufgabeOeffnen(Aufgabe("01_regelschritt")));
        ASSERT_TRUE(form_->Aufgabe()->antwortenLaden(Datei("01_regelschritt", "falsch.fuzantwort")));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !form_->Aufgabe()->rechnet() && form_->Aufgabe()->ergebnis().has_value(); }, 60000));
        form_->Aufgabe()->pruefenKnopf()->click();
        QTest::qWait(50);
    }
    QRect Im(const QWidget* w, const QWidget* in) const { return {w->mapTo(in, QPoint(0, 0)), w->size()}; }

    QTemporaryDir tmp_;
    testsupport::MessageRecorder meldungen_;
    std::unique_ptr<testsupport::SpracheFuer> sprache_;
    std::unique_ptr<TMainForm> form_;
};

// Every line of the verdict is drawn: its box scrolls instead of cutting off
// the hints below the first.
TEST_P(AufProjektor, EveryHintOfTheVerdictCanBeRead) {
    werkstatt::AufgabenPanel& panel = *form_->Aufgabe();
    ASSERT_TRUE(panel.urteil()->isVisible());
    ASSERT_GE(panel.ergebnis()->Hints.size(), 1u);
    const QLabel& u = *panel.urteil();
    EXPECT_GE(u.height(), u.heightForWidth(u.width())) << "lines of the verdict cut off";
    EXPECT_GE(panel.urteilBereich()->height(), 3 * u.fontMetrics().height()) << "room for the verdict";
}

// "Prüfen" brings the whole verdict into view: its part grows from the
// boxes until nothing scrolls, or until the boxes have no more to give.
TEST_P(AufProjektor, TheCheckBringsTheWholeVerdictIntoView) {
    werkstatt::AufgabenPanel& panel = *form_->Aufgabe();
    const auto* teile = panel.findChild<QSplitter*>(QStringLiteral("teile"));
    ASSERT_NE(teile, nullptr);
    const int rest = panel.urteilBereich()->verticalScrollBar()->maximum();
    const int felder = teile->sizes()[1], felderMindestens = teile->widget(1)->minimumSizeHint().height();
    EXPECT_TRUE(rest == 0 || felder <= felderMindestens)
        << "the verdict scrolls by " << rest << " px while the boxes keep " << felder - felderMindestens << " px";
}

// Nothing of the panel lies below the window's edge or is squeezed under
// its neighbour.
TEST_P(AufProjektor, EveryButtonOfThePanelIsInsideTheWindow) {
    werkstatt::AufgabenPanel& panel = *form_->Aufgabe();
    EXPECT_GE(panel.height(), panel.minimumSizeHint().height()) << "the panel is squeezed";
    const QRect fenster = form_->rect();
    for (QPushButton* b : panel.findChildren<QPushButton*>()) {
        if (!b->isVisible()) continue;
        EXPECT_TRUE(fenster.contains(Im(b, form_.get()))) << b->objectName().toStdString();
        EXPECT_GE(b->height(), b->minimumSizeHint().height()) << b->objectName().toStdString();
    }
}

// Neither the note on an entry that is no number nor the stale verdict
// going away moves the buttons.
TEST_P(AufProjektor, TheButtonsStayWhereTheyAreWhenTheNoteGrows) {
    werkstatt::AufgabenPanel& panel = *form_->Aufgabe();
    const std::vector<QPushButton*> knoepfe{panel.antwortenKnopf(), panel.speichernKnopf(), panel.pruefenKnopf(),
                                            panel.beendenKnopf()};
    std::vector<QRect> vorher;
    for (QPushButton* b : knoepfe) vorher.push_back(Im(b, &panel));
    QLineEdit* feld = panel.antwortFeld(QStringLiteral("P1"), QStringLiteral("feuerstaerke.1.2"));
    ASSERT_NE(feld, nullptr);
    feld->selectAll();
    QTest::keyClicks(feld, QStringLiteral("0,5x"));
    QTest::qWait(50);
    ASSERT_EQ(panel.unlesbareFelder(), 1);
    for (std::size_t i = 0; i < knoepfe.size(); ++i)
        EXPECT_EQ(Im(knoepfe[i], &panel), vorher[i]) << knoepfe[i]->objectName().toStdString();
}

// A 1024 px screen holds the window with the exercise panel beside it, in
// either language, whichever exercise is open (the inspector page asked for
// 753 px, and the window grew to 1111 px once its layout was recomputed).
TEST_F(Fenster, TheWindowWithAnExerciseFitsA1024PxScreen) {
    for (const bool englisch : {false, true}) {
        testsupport::SpracheFuer sprache(englisch ? fuzzy::Language::English : fuzzy::Language::German,
                                         {QStringLiteral("werkstatt"), QStringLiteral("labor")});
        TMainForm f;
        for (const char* a : {"01_regelschritt", "03_lok_tabelle", "05_truck_12_regeln", "08_sv_kurve"}) {
            ASSERT_TRUE(f.AufgabeOeffnen(Aufgabe(a)));
            f.show();
            QTest::qWait(20);
            EXPECT_LE(f.minimumSizeHint().width(), 1024) << a << (englisch ? " (en)" : " (de)");
        }
    }
}

// "Warum?" beside a lab and the exercise beside both still fit a 1280 px
// laptop (the German window needed up to 1362 px: the step picker's slider, the
// inspector's names on one line).
TEST_F(Fenster, WarumBesideALabAndAnExerciseFitA1280PxScreen) {
    for (const bool englisch : {false, true}) {
        testsupport::SpracheFuer sprache(englisch ? fuzzy::Language::English : fuzzy::Language::German,
                                         {QStringLiteral("werkstatt"), QStringLiteral("labor")});
        TMainForm f;
        f.show();
        for (const auto& [a, lok] : {std::pair{"03_lok_tabelle", true}, std::pair{"05_truck_12_regeln", false}}) {
            ASSERT_TRUE(f.AufgabeOeffnen(Aufgabe(a)));
            labor::LaborSeite* seite = lok ? static_cast<labor::LaborSeite*>(f.LokLabor()) : f.TruckLabor();
            f.Seiten->setCurrentWidget(seite);
            if (!seite->schrittAuswahl()->warumKnopf()->isChecked()) seite->schrittAuswahl()->warumKnopf()->click();
            QTest::qWait(20);
            EXPECT_LE(f.minimumSizeHint().width(), 1280) << a << (englisch ? " (en)" : " (de)");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, AufProjektor,
                         testing::Values(Projektor{"GermanMaximised", QSize(1366, 705), false},
                                         Projektor{"GermanWindow", QSize(1180, 640), false},
                                         Projektor{"EnglishMaximised", QSize(1366, 705), true},
                                         Projektor{"EnglishWindow", QSize(1180, 640), true}),
                         [](const auto& i) { return std::string(i.param.name); });

// --- the English edition's examples -----------------------------------------------------

TEST_F(Fenster, TheEnglishEditionOffersTheEnglishExamples) {
    testsupport::SpracheFuer englisch(fuzzy::Language::English, {QStringLiteral("werkstatt")});
    TMainForm en;
    auto* menue = en.findChild<QMenu*>(QStringLiteral("Beispiele1"));
    ASSERT_NE(menue, nullptr);
    int n = 0;
    for (QAction* a : menue->actions()) {
        const QString pfad = a->data().toString();
        EXPECT_EQ(QFileInfo(pfad).absolutePath(),
                  QFileInfo(QStringLiteral(FUZZY_SOURCE_DIR "/examples/en")).absoluteFilePath());
        ++n;
    }
    EXPECT_GE(n, 5);
    ASSERT_TRUE(en.BeispielOeffnen(QStringLiteral(FUZZY_SOURCE_DIR "/examples/en/truck.fuz")));
    EXPECT_EQ(en.Modell.projekt().A.Name, "Distance");
    // And an exercise starts from its English project.
    ASSERT_TRUE(en.AufgabeOeffnen(Aufgabe("04_luecke")));
    const exercise::Exercise e = exercise::ReadExercise(Aufgabe("04_luecke").toStdString());
    ASSERT_TRUE(e.StartEn.has_value());
    EXPECT_EQ(en.Modell.projekt().A.Name, e.StartEn->A.Name);
}

TEST_F(Fenster, TheGermanEditionOffersTheGermanExamples) {
    auto* menue = form_->findChild<QMenu*>(QStringLiteral("Beispiele1"));
    ASSERT_NE(menue, nullptr);
    ASSERT_FALSE(menue->actions().isEmpty());
    for (QAction* a : menue->actions())
        EXPECT_EQ(QFileInfo(a->data().toString()).absolutePath(),
                  QFileInfo(QStringLiteral(FUZZY_SOURCE_DIR "/examples")).absoluteFilePath());
}

}  // namespace

// --- by keyboard alone ----------------------------------------------------------------

// Exercise 01 done with the keyboard only: the menu opens it (Alt+D, G), Tab
// goes from box to box in the panel, the reference answers are typed, and
// Space on "Prüfen" gives the verdict. Nothing is clicked.
TEST_F(Fenster, ExerciseOneCanBeDoneByKeyboardAlone) {
    QApplication::setActiveWindow(form_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
    form_->AufgabeDialog = [] { return Aufgabe("01_regelschritt"); };
    // The reference answers as they stand in their file: box name -> text.
    QMap<QString, QString> soll;
    QFile datei(Datei("01_regelschritt", "loesung.fuzantwort"));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    QString punkt;
    for (const QString& zeile : QString::fromUtf8(datei.readAll()).split(QLatin1Char('\n'))) {
        const QString z = zeile.trimmed();
        if (z.startsWith(QLatin1Char('['))) punkt = z.mid(1, z.size() - 2);
        const int gleich = z.indexOf(QLatin1Char('='));
        if (punkt.startsWith(QLatin1Char('P')) && gleich > 0)
            soll[QStringLiteral("antwort:%1:%2").arg(punkt, z.left(gleich).trimmed())] = z.mid(gleich + 1).trimmed();
    }
    // Every box holds an answer, each 0 too: an empty box is not answered.
    ASSERT_EQ(soll.size(), 19);

    int tasten = 0;
    const auto taste = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QWidget* ziel = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                        : QApplication::focusWidget()     ? QApplication::focusWidget()
                                                          : form_.get();
        QTest::keyClick(ziel, k, m);
        ++tasten;
        QCoreApplication::processEvents();
    };
    taste(Qt::Key_D, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr) << "Alt+D opens the file menu";
    taste(Qt::Key_G);
    ASSERT_TRUE(form_->Aufgabe()->isVisible());

    // The keyboard starts in the panel; each box takes its answer, Tab goes on.
    QSet<QString> getippt;
    for (int i = 0; i < 40 && QApplication::focusWidget() != form_->Aufgabe()->pruefenKnopf(); ++i) {
        const QWidget* f = QApplication::focusWidget();
        ASSERT_NE(f, nullptr);
        const QString name = f->objectName();
        if (soll.contains(name) && !getippt.contains(name)) {
            for (const QChar c : soll[name]) {
                QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
                ++tasten;
            }
            getippt.insert(name);
        }
        taste(Qt::Key_Tab);
    }
    EXPECT_EQ(getippt.size(), soll.size()) << "Tab reaches every answer box";
    ASSERT_EQ(QApplication::focusWidget(), form_->Aufgabe()->pruefenKnopf()) << "Tab reaches Prüfen";
    taste(Qt::Key_Space);
    ASSERT_TRUE(Geprueft());
    ASSERT_TRUE(form_->Aufgabe()->ergebnis().has_value());
    EXPECT_TRUE(form_->Aufgabe()->ergebnis()->Passed());
    EXPECT_TRUE(form_->Aufgabe()->urteilSichtbar());
    RecordProperty("Tasten", tasten);

    // F6 goes round the window's parts: page, hints, panel, and on.
    const auto teilMitFokus = [&]() -> const QWidget* {
        for (const QWidget* teil : {form_->Seiten->currentWidget(), static_cast<QWidget*>(form_->HinweisListe),
                                    static_cast<QWidget*>(form_->Aufgabe())})
            if (teil->isAncestorOf(QApplication::focusWidget()) || teil == QApplication::focusWidget()) return teil;
        return nullptr;
    };
    taste(Qt::Key_F6);
    EXPECT_EQ(teilMitFokus(), form_->Seiten->currentWidget());
    taste(Qt::Key_F6);
    EXPECT_EQ(teilMitFokus(), form_->HinweisListe);
    taste(Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(),
              form_->Aufgabe()->antwortFeld(QStringLiteral("P1"), QStringLiteral("zugehoerigkeit.a.1")));
    taste(Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(teilMitFokus(), form_->HinweisListe);
}
