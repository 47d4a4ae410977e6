// The classroom in the Werkstatt: "Abgeben…" writes a hand-in that marks as
// the panel checked it, the class overview shows the very table `fuzzysim
// aufgabe auswerten --json` prints, a row opens its hand-in with its failing
// run, the table prints with every name as text, and the students' package
// holds nothing of the teacher's.
#include "exercise/HandIn.h"
#include "exercise/Marking.h"
#include "exercise/Package.h"
#include "exercise/Reader.h"
#include "exercise/Variants.h"
#include "tests/support/MessageRecorder.h"
#include "werkstatt/Main.h"
#include "werkstatt/aufgabe/AbgabeDialog.h"
#include "werkstatt/aufgabe/AufgabenPanel.h"
#include "werkstatt/klasse/KlassenUebersicht.h"
#include "werkstatt/klasse/Schuelerpaket.h"
#include "werkstatt/labor/LokLabor.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <string>

namespace {

const QString kAufgaben = QStringLiteral(FUZZY_SOURCE_DIR "/examples/aufgaben/");

std::string Pfad(const QString& s) { return QFile::encodeName(s).toStdString(); }

// A class of 03 in a folder: two good, one wrong, a student twice, one for
// exercise 05, one that is no hand-in, one with markup for a name.
class Klasse : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, tmp_.path());
        ordner_ = tmp_.filePath(QStringLiteral("abgaben"));
        ASSERT_TRUE(QDir().mkpath(ordner_));
        Abgabe("anna", "Anna Berg", "4711", "03_lok_tabelle", "03_lok_tabelle.loesung.fuz");
        Abgabe("ben", "Ben Ulm", "4712", "03_lok_tabelle", "03_lok_tabelle.falsch.fuz");
        Abgabe("ben2", "Ben Ulm", "4712", "03_lok_tabelle", "03_lok_tabelle.loesung.fuz");
        Abgabe("cem", "Cem <b>Yıldız</b> & Co", "", "03_lok_tabelle", "03_lok_tabelle.loesung.fuz");
        Abgabe("fremd", "Dora Fremd", "4714", "05_truck_12_regeln", "05_truck_12_regeln.loesung.fuz");
        QFile kaputt(QDir(ordner_).filePath(QStringLiteral("kaputt.fuzabgabe")));
        ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
        kaputt.write("[abgabe]\nformat = 1\nname = \n");
    }
    void Abgabe(const char* datei, const char* name, const char* id, const char* aufgabe, const char* projekt) {
        exercise::HandIn h;
        h.Name = name;
        h.Class = "10b";
        h.Id = id;
        h.Date = "2025-03-14T09:30:00Z";
        const QString ex = kAufgaben + QLatin1String(aufgabe) + QStringLiteral(".fuzaufgabe");
        h.Title = exercise::ReadExercise(Pfad(ex)).Title.Active();
        h.Fingerprint = exercise::ExerciseFingerprint(exercise::ReadBoundedFile(Pfad(ex)));
        h.Project = fuzzy::LoadProject(Pfad(kAufgaben + QLatin1String(projekt)));
        QFile f(QDir(ordner_).filePath(QLatin1String(datei) + QStringLiteral(".fuzabgabe")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray::fromStdString(exercise::HandInText(h)));
    }
    // The overview of 03 with the folder, marked.
    std::unique_ptr<werkstatt::KlassenUebersicht> Uebersicht() {
        auto k = std::make_unique<werkstatt::KlassenUebersicht>();
        EXPECT_TRUE(k->setAufgabe(kAufgaben + QStringLiteral("03_lok_tabelle.fuzaufgabe")));
        k->hinzufuegen({ordner_});
        EXPECT_TRUE(QTest::qWaitFor([&] { return !k->rechnet() && k->ergebnis().has_value(); }, 120000));
        return k;
    }
    int Zeile(const werkstatt::KlassenUebersicht& k, const std::string& datei) const {
        for (std::size_t i = 0; i < k.ergebnis()->Rows.size(); ++i)
            if (QFileInfo(QString::fromStdString(k.ergebnis()->Rows[i].File)).completeBaseName() ==
                QString::fromStdString(datei))
                return k.zeileVon(i);
        return -1;
    }

    QTemporaryDir tmp_;
    QString ordner_;
    testsupport::MessageRecorder meldungen_;
};

TEST_F(Klasse, TheOverviewShowsTheTableFuzzysimPrints) {
    const auto k = Uebersicht();
    QProcess p;
    p.start(QStringLiteral(FUZZYSIM_BIN),
            {QStringLiteral("aufgabe"), QStringLiteral("auswerten"),
             kAufgaben + QStringLiteral("03_lok_tabelle.fuzaufgabe"), ordner_, QStringLiteral("--json")});
    ASSERT_TRUE(p.waitForFinished(120000));
    EXPECT_EQ(p.exitCode(), 1) << "a hand-in needs the teacher";
    const nlohmann::json werkzeug = nlohmann::json::parse(p.readAllStandardOutput().toStdString());
    const nlohmann::json fenster = nlohmann::json::parse(exercise::ClassJson(*k->ergebnis()));
    EXPECT_EQ(fenster, werkzeug);
    // What the table shows is that document's: each row's points and state.
    ASSERT_EQ(k->tabelle()->rowCount(), static_cast<int>(werkzeug["rows"].size()));
    for (std::size_t i = 0; i < werkzeug["rows"].size(); ++i) {
        const nlohmann::json& r = werkzeug["rows"][i];
        const int z = k->zeileVon(i);
        ASSERT_GE(z, 0);
        EXPECT_EQ(k->tabelle()->item(z, 4)->text().toStdString(), r["stateText"].get<std::string>());
        if (r["graded"].get<bool>()) {
            EXPECT_TRUE(k->tabelle()->item(z, 5)->text().startsWith(QString::fromStdString(r["pointsText"])));
        }
    }
}

// Each row a teacher must look at says why, and the good one does not.
struct Zeilenfall {
    const char* datei;
    bool fett;
    const char* anmerkung;  // a word of the row's notes, or "" for none
};

class Zeilen : public Klasse, public testing::WithParamInterface<Zeilenfall> {};

TEST_P(Zeilen, ARowToLookAtIsBoldAndSaysWhy) {
    const auto k = Uebersicht();
    const int z = Zeile(*k, GetParam().datei);
    ASSERT_GE(z, 0);
    EXPECT_EQ(k->tabelle()->item(z, 0)->font().bold(), GetParam().fett);
    const QString notiz = k->tabelle()->item(z, k->tabelle()->columnCount() - 1)->text();
    if (*GetParam().anmerkung)
        EXPECT_TRUE(notiz.contains(QLatin1String(GetParam().anmerkung), Qt::CaseInsensitive)) << qPrintable(notiz);
    else
        EXPECT_TRUE(notiz.isEmpty()) << qPrintable(notiz);
}

INSTANTIATE_TEST_SUITE_P(Klasse, Zeilen,
                         testing::Values(Zeilenfall{"anna", false, ""}, Zeilenfall{"ben2", true, "ben.fuzabgabe"},
                                         Zeilenfall{"fremd", true, "Aufgabe"}, Zeilenfall{"kaputt", true, "Zeile"}),
                         [](const auto& i) { return std::string(i.param.datei); });

TEST_F(Klasse, SortingByPointsKeepsEachRowTogether) {
    const auto k = Uebersicht();
    k->tabelle()->sortItems(5, Qt::DescendingOrder);
    // Sorted, every row still shows its own hand-in's name and points.
    for (std::size_t i = 0; i < k->ergebnis()->Rows.size(); ++i) {
        const exercise::MarkedHandIn& a = k->ergebnis()->Rows[i];
        const int z = k->zeileVon(i);
        if (a.Read) {
            EXPECT_EQ(k->tabelle()->item(z, 0)->text().toStdString(), a.In.Name);
        }
        if (a.Points.Graded) {
            EXPECT_TRUE(k->tabelle()->item(z, 5)->text().startsWith(
                QString::fromStdString(exercise::PointsText(a.Points.Points))));
        }
    }
    double vorher = 1e300;
    for (int z = 0; z < k->tabelle()->rowCount(); ++z) {
        const int i = k->tabelle()->item(z, 0)->data(Qt::UserRole + 1).toInt();
        const exercise::MarkedHandIn& a = k->ergebnis()->Rows[static_cast<std::size_t>(i)];
        const double punkte = a.Points.Graded ? a.Points.Points : -1.0;
        EXPECT_LE(punkte, vorher) << "row " << z;
        vorher = punkte;
    }
}

TEST_F(Klasse, ADoubleClickOpensTheHandInWithItsFailingRun) {
    werkstatt::TMainForm form;
    form.resize(1200, 800);
    form.show();
    werkstatt::KlassenUebersicht* k = form.Klassenuebersicht();
    ASSERT_TRUE(k->setAufgabe(kAufgaben + QStringLiteral("03_lok_tabelle.fuzaufgabe")));
    k->hinzufuegen({ordner_});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !k->rechnet() && k->ergebnis().has_value(); }, 120000));
    const int z = Zeile(*k, "ben");
    ASSERT_GE(z, 0);
    emit k->tabelle()->cellDoubleClicked(z, 0);
    EXPECT_EQ(form.Aufgabe()->schuelername(), QStringLiteral("Ben Ulm"));
    const fuzzy::Project falsch = fuzzy::LoadProject(Pfad(kAufgaben + QStringLiteral("03_lok_tabelle.falsch.fuz")));
    EXPECT_EQ(fuzzy::ProjectText(form.Modell.projekt()), fuzzy::ProjectText(falsch));
    EXPECT_EQ(form.Seiten->currentWidget(), form.LokLabor()) << "the failing run in its lab";
    EXPECT_EQ(meldungen_.Count(), 0);
}

TEST_F(Klasse, TheTablePrintsEveryNameAsText) {
    const auto k = Uebersicht();
    const QString pdf = tmp_.filePath(QStringLiteral("klasse.pdf"));
    ASSERT_EQ(k->pdfSchreiben(pdf), QString());
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(p.waitForFinished(30000)) << "pdftotext (poppler-utils)";
    // Wherever a cell breaks its line.
    const QString text = QString::fromUtf8(p.readAllStandardOutput()).remove(QRegularExpression(QStringLiteral("\\s")));
    for (const char* name : {"Anna Berg", "Ben Ulm", "Cem <b>Yıldız</b> & Co", "kaputt.fuzabgabe"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(name).remove(QLatin1Char(' ')))) << name;
}

// --- the hand-in dialog --------------------------------------------------------------------

struct Angabenfall {
    const char* name;
    const char* schueler;
    const char* klasse;
    const char* kennung;
    bool geht;
};

class Angaben : public Klasse, public testing::WithParamInterface<Angabenfall> {};

TEST_P(Angaben, HandingInWaitsForFieldsTheReaderTakes) {
    const Angabenfall& f = GetParam();
    werkstatt::AbgabeDialog d({}, QStringLiteral("Titel"), QStringLiteral("03_lok_tabelle.fuzaufgabe"));
    d.nameFeld()->setText(QString::fromUtf8(f.schueler));
    d.klasseFeld()->setText(QString::fromUtf8(f.klasse));
    d.kennungFeld()->setText(QString::fromUtf8(f.kennung));
    EXPECT_EQ(d.abgebenKnopf()->isEnabled(), f.geht);
    EXPECT_EQ(d.fehler()->text().isEmpty(), f.geht);
}

INSTANTIATE_TEST_SUITE_P(Klasse, Angaben,
                         testing::Values(Angabenfall{"AllThere", "Anna Berg", "10b", "", true},
                                         Angabenfall{"WithAnEmail", "Anna Berg", "10b", "anna@schule.de", true},
                                         Angabenfall{"NoName", "", "10b", "", false},
                                         Angabenfall{"NoClass", "Anna Berg", "", "", false},
                                         Angabenfall{"TabInTheName", "Anna\tBerg", "10b", "", false},
                                         Angabenfall{"BlankInTheId", "Anna Berg", "10b", "47 11", false}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST_F(Klasse, TheFileFollowsTheNameUntilChosenByHand) {
    werkstatt::AbgabeDialog d({QString(), QString(), QString(), QDir(ordner_).filePath(QStringLiteral("x"))},
                              QStringLiteral("Titel"), QStringLiteral("03_lok_tabelle.fuzaufgabe"));
    d.nameFeld()->setText(QStringLiteral("Jörg Maß"));
    EXPECT_EQ(d.dateiFeld()->text(), QDir(ordner_).filePath(QStringLiteral("Joerg_Mass-03_lok_tabelle.fuzabgabe")));
    d.DateiDialog = [](const QString&) { return QStringLiteral("/tmp/eigene"); };
    d.findChild<QPushButton*>(QStringLiteral("abgabeDateiAendern"))->click();
    d.nameFeld()->setText(QStringLiteral("Anna"));
    EXPECT_EQ(d.dateiFeld()->text(), QStringLiteral("/tmp/eigene.fuzabgabe"));
}

TEST_F(Klasse, AHandInMarksAsThePanelCheckedIt) {
    werkstatt::TMainForm form;
    form.resize(1200, 800);
    form.show();
    const QString aufgabe = kAufgaben + QStringLiteral("01_regelschritt.fuzaufgabe");
    ASSERT_TRUE(form.AufgabeOeffnen(aufgabe));
    werkstatt::AufgabenPanel& panel = *form.Aufgabe();
    const exercise::Answers richtig =
        exercise::ReadAnswers(Pfad(kAufgaben + QStringLiteral("01_regelschritt.loesung.fuzantwort")));
    panel.setAntworten(richtig, QStringLiteral("richtig"));
    const QString datei = tmp_.filePath(QStringLiteral("anna.fuzabgabe"));
    ASSERT_TRUE(panel.abgebenNach({QStringLiteral("Anna Berg"), QStringLiteral("10b"), QStringLiteral("4711"), datei}));
    const exercise::HandIn h = exercise::ReadHandIn(Pfad(datei));
    EXPECT_EQ(h.Name, "Anna Berg");
    EXPECT_EQ(h.Fingerprint, exercise::ExerciseFingerprint(exercise::ReadBoundedFile(Pfad(aufgabe))));
    ASSERT_TRUE(h.Given.has_value());
    const exercise::Exercise e = exercise::ReadExercise(Pfad(aufgabe));
    const exercise::ClassResult c = exercise::MarkClass(e, exercise::ReadBoundedFile(Pfad(aufgabe)), {Pfad(datei)});
    ASSERT_EQ(c.Rows.size(), 1u);
    EXPECT_EQ(exercise::RowState(c.Rows[0]), "passed");
    EXPECT_EQ(meldungen_.Count(), 0);
}

TEST_F(Klasse, NumbersByNameFollowTheNameInThePanelAndInTheHandIn) {
    QFile quelle(kAufgaben + QStringLiteral("01_regelschritt.fuzaufgabe"));
    ASSERT_TRUE(quelle.open(QIODevice::ReadOnly));
    QByteArray text = quelle.readAll();
    ASSERT_TRUE(text.contains("a = 2\nb = -0.5\n"));
    text.replace("a = 2\nb = -0.5\n", "a = 1, 2, 3, 4\nb = -1, -0.5, 0.5\nvariante = name\n");
    const QString aufgabe = tmp_.filePath(QStringLiteral("01_nach_name.fuzaufgabe"));
    QFile ziel(aufgabe);
    ASSERT_TRUE(ziel.open(QIODevice::WriteOnly));
    ziel.write(text);
    ziel.close();
    const exercise::Exercise e = exercise::ReadExercise(Pfad(aufgabe));
    werkstatt::TMainForm form;
    form.resize(1200, 800);
    form.show();
    ASSERT_TRUE(form.AufgabeOeffnen(aufgabe));
    werkstatt::AufgabenPanel& panel = *form.Aufgabe();
    EXPECT_TRUE(panel.schuelernameFeld()->isVisible());
    panel.setSchuelername(QStringLiteral("Anna Berg"));
    const exercise::Exercise anna = exercise::ForStudent(e, "Anna Berg");
    ASSERT_TRUE(anna.Hand[0].FromName);
    EXPECT_EQ(panel.aufgabe()->Hand[0].A, anna.Hand[0].A);
    EXPECT_EQ(panel.aufgabe()->Hand[0].B, anna.Hand[0].B);
    // One box answered: the hand-in is judged with Anna's numbers, as the panel judged it.
    QLineEdit* feld = panel.antwortFeld(QStringLiteral("P1"), QStringLiteral("ausgang"));
    ASSERT_NE(feld, nullptr);
    feld->setText(QStringLiteral("50"));
    emit feld->textEdited(feld->text());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !panel.rechnet() && panel.ergebnis().has_value(); }, 60000));
    const QString datei = tmp_.filePath(QStringLiteral("anna.fuzabgabe"));
    ASSERT_TRUE(panel.abgebenNach({QStringLiteral("Anna Berg"), QStringLiteral("10b"), QString(), datei}));
    const exercise::ClassResult c = exercise::MarkClass(e, exercise::ReadBoundedFile(Pfad(aufgabe)), {Pfad(datei)});
    ASSERT_EQ(c.Rows.size(), 1u);
    ASSERT_TRUE(c.Rows[0].Result.has_value());
    ASSERT_EQ(c.Rows[0].Result->Criteria.size(), panel.ergebnis()->Criteria.size());
    for (std::size_t i = 0; i < c.Rows[0].Result->Criteria.size(); ++i) {
        EXPECT_EQ(c.Rows[0].Result->Criteria[i].Passed, panel.ergebnis()->Criteria[i].Passed) << i;
        EXPECT_EQ(c.Rows[0].Result->Criteria[i].Measured, panel.ergebnis()->Criteria[i].Measured) << i;
    }
}

// --- teacher and student apart ---------------------------------------------------------------

TEST_F(Klasse, ThePackageHoldsNothingOfTheTeachers) {
    const QString paket = tmp_.filePath(QStringLiteral("paket"));
    ASSERT_TRUE(QDir().mkpath(paket));
    const werkstatt::Paket p =
        werkstatt::SchuelerpaketSchreiben({kAufgaben + QStringLiteral("03_lok_tabelle.fuzaufgabe"),
                                           kAufgaben + QStringLiteral("01_regelschritt.fuzaufgabe")},
                                          paket);
    EXPECT_TRUE(p.fehler.isEmpty()) << qPrintable(p.fehler.join(QLatin1Char('\n')));
    const QStringList dateien = QDir(paket).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(dateien,
              (QStringList{QStringLiteral("01_regelschritt.fuzaufgabe"), QStringLiteral("01_regelschritt.pdf"),
                           QStringLiteral("03_lok_tabelle.fuzaufgabe"), QStringLiteral("03_lok_tabelle.pdf")}));
    for (const QString& d : dateien) {
        if (!d.endsWith(QLatin1String(".fuzaufgabe"))) continue;
        const exercise::Exercise e = exercise::ReadExercise(Pfad(QDir(paket).filePath(d)));
        EXPECT_TRUE(e.ForStudents()) << qPrintable(d);
        EXPECT_TRUE(e.TeacherNote.De.empty() && e.TeacherNote.En.empty()) << qPrintable(d);
    }
}

TEST_F(Klasse, AStudentsCopyHasNoSolutionSheetAndATeachersCopyItsCheck) {
    const QString paket = tmp_.filePath(QStringLiteral("paket"));
    ASSERT_TRUE(QDir().mkpath(paket));
    werkstatt::SchuelerpaketSchreiben({kAufgaben + QStringLiteral("03_lok_tabelle.fuzaufgabe")}, paket);
    werkstatt::TMainForm form;
    form.resize(1200, 800);
    form.show();
    QPushButton* loesung = form.Aufgabe()->findChild<QPushButton*>(QStringLiteral("loesungsblatt"));
    ASSERT_NE(loesung, nullptr);
    ASSERT_TRUE(form.AufgabeOeffnen(QDir(paket).filePath(QStringLiteral("03_lok_tabelle.fuzaufgabe"))));
    EXPECT_FALSE(loesung->isVisible());
    EXPECT_FALSE(form.Aufgabe()->gegenprobe()->isVisible());
    // The shipped teacher's copy is fair: nothing to say.
    ASSERT_TRUE(form.AufgabeOeffnen(kAufgaben + QStringLiteral("03_lok_tabelle.fuzaufgabe")));
    EXPECT_TRUE(loesung->isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Aufgabe()->gegenprobeRechnet(); }, 120000));
    EXPECT_TRUE(form.Aufgabe()->befunde().empty());
    EXPECT_FALSE(form.Aufgabe()->gegenprobe()->isVisible());
    // The same file without its reference solution beside it: the check says so.
    const QString allein = tmp_.filePath(QStringLiteral("03_lok_tabelle.fuzaufgabe"));
    ASSERT_TRUE(QFile::copy(kAufgaben + QStringLiteral("03_lok_tabelle.fuzaufgabe"), allein));
    ASSERT_TRUE(form.AufgabeOeffnen(allein));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !form.Aufgabe()->gegenprobeRechnet(); }, 120000));
    ASSERT_EQ(form.Aufgabe()->befunde().size(), 1u);
    EXPECT_EQ(form.Aufgabe()->befunde()[0].Kind, "no_reference");
    EXPECT_TRUE(form.Aufgabe()->gegenprobe()->isVisible());
}

}  // namespace
