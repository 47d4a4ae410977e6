// An exercise's sheets as a teacher makes them: `werkstatt --blatt
// AUFGABE.fuzaufgabe [--loesung]`, read back with pdftotext in both
// languages. Pinned is what a teacher hands out and relies on: the fields
// for name, class and date, the boxes and headings a task needs, the
// engine's numbers on the solution sheet and never on the students', the
// reference solution's figures, the language's decimal sign, no folder.
#include "exercise/Check.h"
#include "exercise/Reader.h"
#include "fuzzy/LanguageScope.h"
#include "fuzzy/Surface.h"
#include "lab/Wording.h"
#include "tests/werkstatt/BlattLauf.h"
#include "werkstatt/blatt/Aufgabenblatt.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

QString Aufgabe(const char* stamm) {
    return QStringLiteral(FUZZY_SOURCE_DIR "/examples/aufgaben/") + QString::fromLatin1(stamm) +
           QStringLiteral(".fuzaufgabe");
}

// A number as the sheet prints it: rounded to `stellen` decimals, without
// trailing zeros, with the language's decimal sign and a true minus.
QString Gedruckt(double v, int stellen, bool englisch) {
    const double f = std::pow(10.0, stellen);
    v = std::round(v * f) / f;
    if (v == 0.0) v = 0.0;
    QString s = QString::number(v, 'f', stellen);
    if (s.contains(QLatin1Char('.'))) {
        while (s.endsWith(QLatin1Char('0'))) s.chop(1);
        if (s.endsWith(QLatin1Char('.'))) s.chop(1);
    }
    if (!englisch) s.replace(QLatin1Char('.'), QLatin1Char(','));
    if (s.startsWith(QLatin1Char('-'))) s.replace(0, 1, QChar(0x2212));
    return s;
}

struct BlattText {
    QString text;   // pdftotext -layout, all pages
    QString dicht;  // the same without white space (pdftotext may break a line anywhere)
};

BlattText Lies(const QString& pdf) {
    BlattText b;
    b.text = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    b.dicht = b.text;
    b.dicht.remove(QRegularExpression(QStringLiteral("\\s+")));
    return b;
}

QString Dicht(QString s) { return s.remove(QRegularExpression(QStringLiteral("\\s+"))); }

struct SheetCase {
    const char* name;
    const char* aufgabe;  // the stem in examples/aufgaben
    bool englisch;
    bool loesung;
    std::vector<const char*> da;     // must be on the sheet
    std::vector<const char*> fehlt;  // must not be
};

class ExerciseSheet : public testing::TestWithParam<SheetCase> {};

TEST_P(ExerciseSheet, ShowsWhatTheTaskNeedsAndTheEnginesNumbersOnlyToTheTeacher) {
    POPPLER_ODER_SKIP();
    const SheetCase f = GetParam();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("blatt.pdf"));
    QStringList args;
    if (f.englisch) args << QStringLiteral("--lang") << QStringLiteral("en");
    args << QStringLiteral("--blatt") << Aufgabe(f.aufgabe) << QStringLiteral("-o") << pdf;
    if (f.loesung) args << QStringLiteral("--loesung");
    const Lauf l = Werkstatt(args);
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    EXPECT_TRUE(Poppler(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("(A4)")));
    const BlattText b = Lies(pdf);

    for (const char* w : f.da) EXPECT_TRUE(b.dicht.contains(Dicht(QString::fromUtf8(w)))) << "fehlt: " << w;
    for (const char* w : f.fehlt) EXPECT_FALSE(b.dicht.contains(Dicht(QString::fromUtf8(w)))) << "steht da: " << w;

    // The fields a student fills in, on the students' sheet.
    if (!f.loesung) {
        for (const char* feld : f.englisch ? std::vector<const char*>{"Name:", "Class:", "Date:"}
                                           : std::vector<const char*>{"Name:", "Klasse:", "Datum:"}) {
            EXPECT_TRUE(b.text.contains(QString::fromUtf8(feld))) << feld;
        }
    }

    // Every hand step: the engine's crisp output and degrees, on the
    // teacher's sheet; on the students' the output never.
    const fuzzy::LanguageScope sprache(f.englisch ? fuzzy::Language::English : fuzzy::Language::German);
    const exercise::Exercise e = exercise::ReadExercise(QFile::encodeName(Aufgabe(f.aufgabe)).toStdString());
    const fuzzy::Project start = e.StartProject();
    for (const exercise::HandCheck& h : e.Hand) {
        const fuzzy::StepBreakdown s = fuzzy::BreakDownStep(start, h.A, h.B.value_or(0.0f));
        const QString ausgang = Gedruckt(s.Output, 2, f.englisch);
        if (h.Asks(exercise::Quantity::Output)) {
            if (f.loesung) {
                EXPECT_TRUE(b.text.contains(ausgang)) << h.Point << ": Ausgang " << ausgang.toStdString();
            } else if (ausgang.size() >= 3) {
                EXPECT_FALSE(b.text.contains(ausgang)) << h.Point << ": Lösung auf dem Schülerblatt";
            }
        }
        if (f.loesung && h.Asks(exercise::Quantity::Membership)) {
            for (int i = 0; i < start.A.UsedTerms(); ++i) {
                EXPECT_TRUE(b.text.contains(Gedruckt(s.DegreeA[static_cast<std::size_t>(i)], 3, f.englisch)))
                    << h.Point << ": Grad von Term " << i + 1;
            }
        }
    }

    // The reference solution's figures against the exercise's limits.
    if (f.loesung && e.NeedsProject()) {
        const QString muster = QStringLiteral(FUZZY_SOURCE_DIR "/examples/aufgaben/") + QString::fromLatin1(f.aufgabe) +
                               QStringLiteral(".loesung.fuz");
        const exercise::CheckResult r =
            exercise::Check(e, fuzzy::LoadProject(QFile::encodeName(muster).toStdString()), {});
        ASSERT_TRUE(r.Passed());
        for (const exercise::CriterionResult& c : r.Criteria) {
            if (c.Id.rfind("hand.", 0) == 0) continue;
            // As the exercise panel and fuzzysim write it: "3,50 s".
            const QString wert = QString::fromStdString(exercise::MeasuredText(c));
            EXPECT_TRUE(
                b.text.contains(wert + (f.englisch ? QStringLiteral(" – passed") : QStringLiteral(" – bestanden"))))
                << c.Id << ": " << wert.toStdString();
        }
    }

    // Numbers at the sheet's precision: no power of ten, no signed zero (a
    // centroid that is zero up to rounding prints as 0).
    const auto roh = QRegularExpression(QStringLiteral("\\de[−+-]?\\d|·10|[−-]0(?:[,.]0+)?(?![\\d,.])")).match(b.text);
    EXPECT_FALSE(roh.hasMatch()) << b.text.mid(std::max(0, int(roh.capturedStart()) - 40), 80).toStdString();

    // A sheet is handed out: it names files, never the folder they lie in.
    EXPECT_FALSE(b.dicht.contains(Dicht(QStringLiteral(FUZZY_SOURCE_DIR))));
    const auto pfad = QRegularExpression(QStringLiteral("(^|\\s)/[^\\s/]+/")).match(b.text);
    EXPECT_FALSE(pfad.hasMatch()) << pfad.captured(0).toStdString();

    // One decimal sign, the language's.
    const auto fremd =
        QRegularExpression(f.englisch ? QStringLiteral("\\d,\\d") : QStringLiteral("\\d\\.\\d")).match(b.text);
    EXPECT_FALSE(fremd.hasMatch()) << b.text.mid(std::max(0, int(fremd.capturedStart()) - 40), 80).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Aufgaben, ExerciseSheet,
    testing::Values(SheetCase{"HandStepStudent",
                              "01_regelschritt",
                              false,
                              false,
                              {"Ein Regelschritt von Hand", "Zugehörigkeitsgrade von Temperaturabweichung",
                               "Feuerstärken der Regeln (Spalte: Temperaturabweichung, Zeile: Änderung)",
                               "Höhen der Ausgangsterme von Heizleistung",
                               "Ausgang Heizleistung =", "Eingang B: Änderung", "Regeln", "So rechnet die Prüfung"},
                              {"Lösung", "Für die Lehrkraft", "im Inspektor"}},
                    SheetCase{"HandStepTeacher",
                              "01_regelschritt",
                              false,
                              true,
                              {"Lösung: Ein Regelschritt von Hand", "Für die Lehrkraft",
                               "Bewertung: durch die Prüfung.", "P1 im Inspektor:", "01_regelschritt.fuzaufgabe"},
                              {"Name:", "Klasse:"}},
                    SheetCase{"HandStepStudentEnglish",
                              "01_regelschritt",
                              true,
                              false,
                              {"One inference step by hand", "Membership degrees of Temperature deviation",
                               "Firing strengths of the rules", "Heights of the output terms of", "Page 1 of"},
                              {"Klasse", "Zugehörigkeit", "Seite", "zu kalt"}},
                    SheetCase{"HandStepTeacherEnglish",
                              "01_regelschritt",
                              true,
                              true,
                              {"Solution: One inference step by hand", "For the teacher",
                               "P1 in the inspector:", "Marked by the automatic check."},
                              {"Lösung", "Lehrkraft", "zu kalt"}},
                    SheetCase{"DegreesOnlyShowInputA",
                              "02_termdiagramm",
                              false,
                              false,
                              {"Eingang A: Temperaturabweichung", "P3: Temperaturabweichung = 3,5"},
                              {"Eingang B", "Ausgang: Heizleistung", "Feuerstärken", "So rechnet"}},
                    SheetCase{"RulesToFillStudent",
                              "03_lok_tabelle",
                              false,
                              false,
                              {"Ändern dürfen Sie: Regeln. Alles andere ist gesperrt.", "Was geprüft wird",
                               "Ihr Ergebnis", "In Ruhe nach", "höchstens 10 s", "höchstens 2 cm"},
                              {"Musterlösung", "Reibung 3 N·s/m"}},
                    SheetCase{"RulesToFillTeacher",
                              "03_lok_tabelle",
                              false,
                              true,
                              {"Musterlösung: 03_lok_tabelle.loesung.fuz", "Lok-Labor", "s-v-Diagramm"},
                              {"Ihr Ergebnis"}},
                    SheetCase{"RulesToFillTeacherEnglishNames",
                              "03_lok_tabelle",
                              true,
                              true,
                              {"Reference solution: 03_lok_tabelle.loesung.fuz", "Locomotive lab", "negative large"},
                              {"negativ groß", "Abstand in cm"}},
                    SheetCase{"TruckTeacherEnglish",
                              "05_truck_12_regeln",
                              true,
                              true,
                              {"Reference solution: 05_truck_12_regeln.loesung.fuz", "Truck lab: all starts at",
                               "at least 150"},
                              {"Truck-Labor", "mindestens"}},
                    SheetCase{"DrawingStudent",
                              "08_sv_kurve",
                              false,
                              false,
                              {"Zeichnung: Geschwindigkeit in cm/s über Abstand in cm", "Ihre Antwort",
                               "P2: Abstand in cm = 5, Geschwindigkeit in cm/s = −40", "Ausgang Kraft in N ="},
                              {"s-v-Diagramm", "Lok-Labor"}},
                    SheetCase{"DrawingStudentEnglish",
                              "08_sv_kurve",
                              true,
                              false,
                              {"Drawing:", "Your answer", "Output"},
                              {"Zeichnung", "Ihre Antwort"}},
                    SheetCase{"DrawingTeacherHasTheLabsCurve",
                              "08_sv_kurve",
                              false,
                              true,
                              {"Lösung: Die s-v-Kurve vorhersagen", "s-v-Diagramm", "Lok-Labor",
                               "Bewertung: was die Prüfung misst", "Bremsbeginns"},
                              {"Ihre Antwort", "Zeichnung:"}}),
    [](const testing::TestParamInfo<SheetCase>& i) { return std::string(i.param.name); });

// The blank s-v diagram holds the run it asks for: from the lab's start at
// 100 cm to the mark, though the distance's range ends at 30 cm.
TEST(ExerciseSheetDrawing, FrameHoldsTheLabsRunFromItsStartToTheMark) {
    const exercise::Exercise e = exercise::ReadExercise(QFile::encodeName(Aufgabe("08_sv_kurve")).toStdString());
    const fuzzy::Project p = e.StartProject();
    const werkstatt::Zeichenachsen z = werkstatt::ZeichenAchsen(e, p);
    EXPECT_LE(z.a0, 0.0);
    EXPECT_GE(z.a1, 100.0);
    EXPECT_EQ(z.b0, p.B.RangeMin);
    EXPECT_EQ(z.b1, p.B.RangeMax);
}

// The project's own worksheet names the project by its file, not its folder.
TEST(ProjectSheet, NamesTheProjectWithoutItsFolder) {
    POPPLER_ODER_SKIP();
    QTemporaryDir dir;
    const QString projekt = dir.filePath(QStringLiteral("mein_truck.fuz"));
    ASSERT_TRUE(QFile::copy(Beispiel("truck.fuz"), projekt));
    const QString pdf = dir.filePath(QStringLiteral("blatt.pdf"));
    const Lauf l = Werkstatt({QStringLiteral("--blatt"), projekt, QStringLiteral("-o"), pdf});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    const BlattText b = Lies(pdf);
    EXPECT_TRUE(b.dicht.contains(QStringLiteral("Datei:mein_truck.fuz"))) << b.text.toStdString();
    EXPECT_FALSE(b.dicht.contains(Dicht(dir.path())));
}

// Calls of an exercise's sheet that must fail, write nothing, leave the
// exercise as it was and say why.
struct AufgabeFehler {
    const char* name;
    int code;
    const char* meldung;
};

class ExerciseSheetRefused : public testing::TestWithParam<AufgabeFehler> {};

TEST_P(ExerciseSheetRefused, WritesNothingAndSaysWhy) {
    const AufgabeFehler f = GetParam();
    QTemporaryDir dir;
    const QString aufgabe = dir.filePath(QStringLiteral("a.fuzaufgabe"));
    ASSERT_TRUE(QFile::copy(Aufgabe("01_regelschritt"), aufgabe));
    const QByteArray vorher = Inhalt(aufgabe);
    const QString pdf = dir.filePath(QStringLiteral("blatt.pdf"));
    const QString name = QString::fromLatin1(f.name);
    QStringList args{QStringLiteral("--blatt")};
    if (name == QLatin1String("SolutionOfAProject")) {
        args << Beispiel("lok.fuz") << QStringLiteral("-o") << pdf << QStringLiteral("--loesung");
    } else if (name == QLatin1String("VehicleOfAnExercise")) {
        args << aufgabe << QStringLiteral("-o") << pdf << QStringLiteral("--fahrzeug") << QStringLiteral("lok");
    } else if (name == QLatin1String("SolutionTwice")) {
        args << aufgabe << QStringLiteral("-o") << pdf << QStringLiteral("--loesung") << QStringLiteral("--loesung");
    } else if (name == QLatin1String("BrokenExercise")) {
        QFile kaputt(aufgabe);
        ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly | QIODevice::Truncate));
        kaputt.write("[aufgabe]\nformat = 2\n");
        kaputt.close();
        args << aufgabe << QStringLiteral("-o") << pdf;
    } else if (name == QLatin1String("MissingExercise")) {
        args << dir.filePath(QStringLiteral("fehlt.fuzaufgabe")) << QStringLiteral("-o") << pdf;
    } else if (name == QLatin1String("OntoTheExercise")) {
        const QString link = dir.filePath(QStringLiteral("link.pdf"));
        ASSERT_TRUE(QFile::link(aufgabe, link));
        args << aufgabe << QStringLiteral("-o") << link << QStringLiteral("--loesung");
    } else if (name == QLatin1String("SolutionWithoutBlatt")) {
        // Forgotten --blatt, run from a script on a machine without a display.
        args = QStringList{QStringLiteral("--loesung"), QStringLiteral("-o"), pdf, aufgabe};
    } else if (name == QLatin1String("OntoTheSolution") || name == QLatin1String("OntoTheSolutionHardLink")) {
        // The teacher's sheet reads the reference solution beside the exercise.
        ASSERT_TRUE(QFile::remove(aufgabe) && QFile::copy(Aufgabe("03_lok_tabelle"), aufgabe));
        const QString muster =
            Aufgabe("03_lok_tabelle").replace(QStringLiteral(".fuzaufgabe"), QStringLiteral(".loesung.fuz"));
        ASSERT_TRUE(QFile::copy(muster, dir.filePath(QStringLiteral("a.loesung.fuz"))));
        const QString ziel = dir.filePath(QStringLiteral("ziel.pdf"));
        ASSERT_TRUE(name == QLatin1String("OntoTheSolution")
                        ? QFile::link(dir.filePath(QStringLiteral("a.loesung.fuz")), ziel)
                        : ::link(QFile::encodeName(dir.filePath(QStringLiteral("a.loesung.fuz"))).constData(),
                                 QFile::encodeName(ziel).constData()) == 0);
        args << aufgabe << QStringLiteral("-o") << ziel << QStringLiteral("--loesung");
    }
    const bool neueAufgabe =
        name == QLatin1String("BrokenExercise") || name.startsWith(QLatin1String("OntoTheSolution"));
    const QByteArray nachher = neueAufgabe ? Inhalt(aufgabe) : vorher;
    const QString musterKopie = dir.filePath(QStringLiteral("a.loesung.fuz"));
    const QByteArray musterVorher = Inhalt(musterKopie);
    const Lauf l = Werkstatt(args, QString(), name != QLatin1String("SolutionWithoutBlatt"));
    EXPECT_EQ(l.code, f.code) << l.fehler.toStdString();
    EXPECT_TRUE(l.fehler.contains(QString::fromUtf8(f.meldung))) << l.fehler.toStdString();
    EXPECT_EQ(Inhalt(aufgabe), nachher);
    EXPECT_EQ(Inhalt(musterKopie), musterVorher);
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

INSTANTIATE_TEST_SUITE_P(Aufrufe, ExerciseSheetRefused,
                         testing::Values(AufgabeFehler{"SolutionOfAProject", 2, "--loesung gilt nur"},
                                         AufgabeFehler{"VehicleOfAnExercise", 2, "--fahrzeug gilt nur"},
                                         AufgabeFehler{"SolutionTwice", 2, "doppeltes Argument"},
                                         AufgabeFehler{"BrokenExercise", 1, "Zeile 2"},
                                         AufgabeFehler{"MissingExercise", 1, "nichts geschrieben"},
                                         AufgabeFehler{"OntoTheExercise", 1, "Eingabedatei selbst"},
                                         AufgabeFehler{"SolutionWithoutBlatt", 2, "gilt nur mit --blatt"},
                                         AufgabeFehler{"OntoTheSolution", 1, "Eingabedatei selbst"},
                                         AufgabeFehler{"OntoTheSolutionHardLink", 1, "Eingabedatei selbst"}),
                         [](const testing::TestParamInfo<AufgabeFehler>& i) { return std::string(i.param.name); });

// The print preview of "Datei ▸ Aufgabenblatt…" gets the pages of the PDF:
// the same count and words at the printer's own resolution.
struct DruckFall {
    const char* name;
    const char* aufgabe;
    bool loesung;
};

class ExerciseSheetPrinted : public testing::TestWithParam<DruckFall> {};

TEST_P(ExerciseSheetPrinted, PrinterGetsTheSamePagesAsThePdf) {
    POPPLER_ODER_SKIP();
    QTemporaryDir dir;
    const werkstatt::AufgabenblattDaten d =
        werkstatt::LadeAufgabenblatt(Aufgabe(GetParam().aufgabe), GetParam().loesung);
    const QString ueberDrucker = dir.filePath(QStringLiteral("drucker.pdf"));
    int seiten = 0;
    {
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(ueberDrucker);
        drucker.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 12),
                                          QPageLayout::Millimeter));
        seiten = werkstatt::MaleAufgabenblatt(drucker, d);
    }
    ASSERT_GE(seiten, 1);
    const QString direkt = dir.filePath(QStringLiteral("direkt.pdf"));
    ASSERT_EQ(werkstatt::AufgabenblattSchreiben(d, direkt), QString());
    EXPECT_EQ(Seitenzahl(Poppler(QStringLiteral("pdfinfo"), {ueberDrucker})), seiten);
    EXPECT_EQ(Seitenzahl(Poppler(QStringLiteral("pdfinfo"), {direkt})), seiten);
    const QStringList args{QStringLiteral("-layout")};
    EXPECT_EQ(Dicht(Poppler(QStringLiteral("pdftotext"), args + QStringList{ueberDrucker, QStringLiteral("-")})),
              Dicht(Poppler(QStringLiteral("pdftotext"), args + QStringList{direkt, QStringLiteral("-")})));
}

INSTANTIATE_TEST_SUITE_P(Aufgaben, ExerciseSheetPrinted,
                         testing::Values(DruckFall{"HandStepTeacher", "01_regelschritt", true},
                                         DruckFall{"DrawingStudent", "08_sv_kurve", false},
                                         DruckFall{"TruckTeacher", "05_truck_12_regeln", true}),
                         [](const testing::TestParamInfo<DruckFall>& i) { return std::string(i.param.name); });

// "Print to file" in the print dialog: the PDF goes through the writer,
// which never writes over the exercise the sheet is made from.
TEST(ExerciseSheetPrinted, PrintingIntoTheExerciseItselfIsRefused) {
    QTemporaryDir dir;
    const QString aufgabe = dir.filePath(QStringLiteral("a.fuzaufgabe"));
    ASSERT_TRUE(QFile::copy(Aufgabe("01_regelschritt"), aufgabe));
    const QByteArray vorher = Inhalt(aufgabe);
    const werkstatt::AufgabenblattDaten d = werkstatt::LadeAufgabenblatt(aufgabe, true);
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(aufgabe);
    EXPECT_FALSE(werkstatt::AufgabenblattDrucken(drucker, d).isEmpty());
    EXPECT_EQ(Inhalt(aufgabe), vorher);
}

// --- the locomotive on the teacher's sheet --------------------------------------------

// The teacher's sheet of exercise 03, optionally with its [lok] section's
// masses replaced, beside its reference solution.
BlattText LokLoesung(QTemporaryDir& dir, const char* massen) {
    const QString stamm = dir.filePath(QStringLiteral("lok"));
    QFile quelle(Aufgabe("03_lok_tabelle"));
    if (!quelle.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(quelle.readAll());
    if (massen) text.replace(QStringLiteral("massen = 1, 2, 4"), QStringLiteral("massen = ") + QLatin1String(massen));
    QFile ziel(stamm + QStringLiteral(".fuzaufgabe"));
    if (!ziel.open(QIODevice::WriteOnly) || ziel.write(text.toUtf8()) < 0) return {};
    ziel.close();
    QFile::copy(QStringLiteral(FUZZY_SOURCE_DIR "/examples/aufgaben/03_lok_tabelle.loesung.fuz"),
                stamm + QStringLiteral(".loesung.fuz"));
    const QString pdf = dir.filePath(QStringLiteral("blatt.pdf"));
    const Lauf l = Werkstatt({QStringLiteral("--blatt"), stamm + QStringLiteral(".fuzaufgabe"), QStringLiteral("-o"),
                              pdf, QStringLiteral("--loesung")});
    EXPECT_EQ(l.code, 0) << l.fehler.toStdString();
    return Lies(pdf);
}

// The lab table runs the masses the exercise names, not every mass of the lab.
struct MassenFall {
    const char* name;
    const char* massen;
    std::vector<const char*> da, fehlt;  // the table's rows: "2kgt=" …
};

class ExerciseSheetMasses : public testing::TestWithParam<MassenFall> {};

TEST_P(ExerciseSheetMasses, TheLabTableHasARowForEachMassOfTheExercise) {
    POPPLER_ODER_SKIP();
    QTemporaryDir dir;
    const BlattText b = LokLoesung(dir, GetParam().massen);
    for (const char* w : GetParam().da) EXPECT_TRUE(b.dicht.contains(QString::fromUtf8(w))) << "fehlt: " << w;
    for (const char* w : GetParam().fehlt) EXPECT_FALSE(b.dicht.contains(QString::fromUtf8(w))) << "steht da: " << w;
}

INSTANTIATE_TEST_SUITE_P(Aufgaben, ExerciseSheetMasses,
                         testing::Values(MassenFall{"OneMass", "2", {"2kgt="}, {"1kgt=", "4kgt="}},
                                         MassenFall{"TwoMasses", "1, 4", {"1kgt=", "4kgt="}, {"2kgt="}}),
                         [](const auto& i) { return std::string(i.param.name); });

// Exercise 03 checks at 0.055 s and 0.1 s; its verdict's rest time (3,50 s,
// the 4 kg run at 0.1 s) stands in the table of the step it comes from.
TEST(ExerciseSheetMasses, EveryStepTheCheckRunsHasItsTable) {
    POPPLER_ODER_SKIP();
    QTemporaryDir dir;
    const BlattText b = LokLoesung(dir, nullptr);
    for (const char* w : {"Zeitschritt0,055s", "Zeitschritt0,1s", "4kgt=3,500s"})
        EXPECT_TRUE(b.dicht.contains(QString::fromUtf8(w))) << "fehlt: " << w;
}

// The print dialog proposes a file of the exercise's own: the next sheet
// does not replace the last one.
TEST(ExerciseSheetPrinted, TheProposedFileNameIsTheExercisesOwn) {
    const auto name = [](const char* aufgabe, bool loesung) {
        return werkstatt::BlattDateiname(werkstatt::LadeAufgabenblatt(Aufgabe(aufgabe), loesung));
    };
    EXPECT_TRUE(name("01_regelschritt", false).startsWith(QStringLiteral("01_regelschritt")));
    EXPECT_NE(name("01_regelschritt", false), name("02_termdiagramm", false)) << "two exercises, one file";
    EXPECT_NE(name("01_regelschritt", false), name("01_regelschritt", true)) << "the teacher's over the students'";
    werkstatt::AufgabenblattDaten d = werkstatt::LadeAufgabenblatt(Aufgabe("01_regelschritt"), false);
    d.name = QStringLiteral("../Ada Lovelace");
    EXPECT_FALSE(werkstatt::BlattDateiname(d).contains(QLatin1Char('/'))) << "a name never makes a folder";
}

}  // namespace
