// The worksheet: `werkstatt --blatt` as a teacher's script calls it, checked
// with poppler's pdfinfo and pdftotext (skipped with a note where they are
// missing), and "Als PDF speichern…" in the real window.
#include "werkstatt/blatt/Arbeitsblatt.h"
#include "werkstatt/ansichten/Bildexport.h"
#include "werkstatt/Main.h"
#include "tests/support/MessageRecorder.h"
#include "werkstatt/seiten/VariablenSeite.h"
#include "tests/werkstatt/BlattLauf.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVariantMap>

#include <string>

#include <unistd.h>

using namespace werkstatt;

namespace {

struct BlattFall {
    const char* name;
    const char* datei;
    const char* fahrzeug;   // the value of --fahrzeug
    const char* labor;      // the lab's heading the sheet must show
    const char* laborWort;  // a word of the lab's results
};

class BlattAusBeispiel : public testing::TestWithParam<BlattFall> {};

TEST_P(BlattAusBeispiel, A4PagesNamesTermsAndGermanDecimals) {
    POPPLER_ODER_SKIP();
    const BlattFall f = GetParam();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("blatt.pdf"));
    const Lauf l = Werkstatt({QStringLiteral("--blatt"), Beispiel(f.datei), QStringLiteral("-o"), pdf,
                              QStringLiteral("--fahrzeug"), QString::fromLatin1(f.fahrzeug)});
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();

    const QString info = Poppler(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
    const int seiten = Seitenzahl(info);
    // Variables; rules and surface; the lab.
    EXPECT_GE(seiten, 3) << info.toStdString();

    const QString text = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    fuzzy::Project p = fuzzy::LoadProject(QFile::encodeName(Beispiel(f.datei)).toStdString());
    // pdftotext may break a long name across lines; compare without spaces.
    QString dicht = text;
    dicht.remove(QRegularExpression(QStringLiteral("\\s+")));
    for (const fuzzy::TFuzzy* v : {&p.A, &p.B, &p.Out}) {
        if (!v->Defined) continue;
        EXPECT_TRUE(dicht.contains(QString::fromStdString(v->Name).remove(QLatin1Char(' '))))
            << "Variable fehlt: " << v->Name;
        for (int i = 1; i <= v->UsedTerms(); ++i)
            EXPECT_TRUE(dicht.contains(QString::fromStdString(v->GetTermName(i)).remove(QLatin1Char(' '))))
                << "Term fehlt: " << v->GetTermName(i);
    }
    EXPECT_TRUE(text.contains(QString::fromUtf8(f.labor))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(f.laborWort))) << text.toStdString();
    // Numbers with a decimal comma, none with a point.
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\d,\\d"))));
    const auto punkt = QRegularExpression(QStringLiteral("\\d\\.\\d")).match(text);
    EXPECT_FALSE(punkt.hasMatch()) << "Dezimalpunkt: …"
                                   << text.mid(std::max(0, int(punkt.capturedStart()) - 40), 80).toStdString();
    // Every page says which it is and how many there are.
    for (int s = 1; s <= seiten; ++s) {
        const QString seite =
            Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(s), QStringLiteral("-l"),
                                                  QString::number(s), pdf, QStringLiteral("-")});
        EXPECT_TRUE(seite.contains(QStringLiteral("Seite %1 von %2").arg(s).arg(seiten))) << "Seite " << s;
    }
}

INSTANTIATE_TEST_SUITE_P(Beispiele, BlattAusBeispiel,
                         testing::Values(BlattFall{"Lok", "lok.fuz", "lok", "Lok-Labor", "Kraft über der Zeit"},
                                         BlattFall{"Truck", "truck.fuz", "truck", "Truck-Labor", "angedockt:"}),
                         [](const testing::TestParamInfo<BlattFall>& i) { return std::string(i.param.name); });

// Calls that must fail, write nothing and say why, with their exit code.
struct Fehlerfall {
    const char* name;
    int code;
    const char* meldung;  // part of the message on standard error
};

class BlattVerweigert : public testing::TestWithParam<Fehlerfall> {};

TEST_P(BlattVerweigert, WritesNothingAndSaysWhy) {
    const Fehlerfall f = GetParam();
    QTemporaryDir dir;
    const QString projekt = dir.filePath(QStringLiteral("lok.fuz"));
    ASSERT_TRUE(QFile::copy(Beispiel("lok.fuz"), projekt));
    const QByteArray vorher = Inhalt(projekt);
    const QString pdf = dir.filePath(QStringLiteral("blatt.pdf"));
    const QString name = QString::fromLatin1(f.name);
    QStringList args{QStringLiteral("--blatt")};
    if (name == QLatin1String("OntoTheProject")) {
        // A PDF name that is the project itself, by a link.
        const QString link = dir.filePath(QStringLiteral("link.pdf"));
        ASSERT_TRUE(QFile::link(projekt, link));
        args << projekt << QStringLiteral("-o") << link;
    } else if (name == QLatin1String("OntoAHardLinkOfTheProject")) {
        // fuzzysim refused this; the worksheet wrote over the link.
        const QString link = dir.filePath(QStringLiteral("zweiter.pdf"));
        ASSERT_EQ(::link(QFile::encodeName(projekt).constData(), QFile::encodeName(link).constData()), 0);
        args << projekt << QStringLiteral("-o") << link;
    } else if (name == QLatin1String("MissingProject")) {
        args << dir.filePath(QStringLiteral("fehlt.fuz")) << QStringLiteral("-o") << pdf;
    } else if (name == QLatin1String("ProjectIsAFolder")) {
        args << dir.path() << QStringLiteral("-o") << pdf;
    } else if (name == QLatin1String("BrokenProject")) {
        QFile kaputt(dir.filePath(QStringLiteral("kaputt.fuz")));
        ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
        kaputt.write("Abstand\n5\nkeine Zahl\n");
        kaputt.close();
        args << kaputt.fileName() << QStringLiteral("-o") << pdf;
    } else if (name == QLatin1String("TargetIsAFolder")) {
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ordner.pdf")));
        args << projekt << QStringLiteral("-o") << dir.filePath(QStringLiteral("ordner.pdf"));
    } else if (name == QLatin1String("NoTarget")) {
        args << projekt;
    } else if (name == QLatin1String("NotAPdfName")) {
        args << projekt << QStringLiteral("-o") << dir.filePath(QStringLiteral("blatt.fuz"));
    } else if (name == QLatin1String("UnknownVehicle")) {
        args << projekt << QStringLiteral("-o") << pdf << QStringLiteral("--fahrzeug") << QStringLiteral("Kraft");
    } else if (name == QLatin1String("VehicleWithoutValue")) {
        args << projekt << QStringLiteral("-o") << pdf << QStringLiteral("--fahrzeug");
    } else if (name == QLatin1String("VehicleTwice")) {
        args << projekt << QStringLiteral("-o") << pdf << QStringLiteral("--fahrzeug") << QStringLiteral("lok")
             << QStringLiteral("--fahrzeug") << QStringLiteral("truck");
    }
    const Lauf l = Werkstatt(args);
    EXPECT_EQ(l.code, f.code) << l.fehler.toStdString();
    EXPECT_TRUE(l.fehler.contains(QString::fromUtf8(f.meldung))) << l.fehler.toStdString();
    EXPECT_EQ(Inhalt(projekt), vorher);
    EXPECT_FALSE(QFileInfo::exists(pdf));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("blatt.fuz"))));
}

INSTANTIATE_TEST_SUITE_P(Aufrufe, BlattVerweigert,
                         testing::Values(Fehlerfall{"OntoTheProject", 1, "Projektdatei"},
                                         Fehlerfall{"OntoAHardLinkOfTheProject", 1, "Projektdatei"},
                                         Fehlerfall{"MissingProject", 1, "nichts geschrieben"},
                                         Fehlerfall{"ProjectIsAFolder", 1, "nichts geschrieben"},
                                         Fehlerfall{"BrokenProject", 1, "nichts geschrieben"},
                                         Fehlerfall{"TargetIsAFolder", 1, "keine gewöhnliche Datei"},
                                         Fehlerfall{"NoTarget", 2, "Aufruf"}, Fehlerfall{"NotAPdfName", 2, ".pdf"},
                                         Fehlerfall{"UnknownVehicle", 2, "Unbekanntes Fahrzeug: Kraft"},
                                         Fehlerfall{"VehicleWithoutValue", 2, "Aufruf"},
                                         Fehlerfall{"VehicleTwice", 2, "doppeltes Argument"}),
                         [](const testing::TestParamInfo<Fehlerfall>& i) { return std::string(i.param.name); });

// A link to a file still to be made was replaced by the sheet; now the
// sheet is the file the link names, as for every other output.
TEST(BlattBefehl, DanglingLinkStaysAndItsFileIsWritten) {
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("blatt.pdf"));
    ASSERT_TRUE(QFile::link(QStringLiteral("neu.pdf"), link));
    const Lauf l = Werkstatt({QStringLiteral("--blatt"), Beispiel("truck.fuz"), QStringLiteral("-o"), link});
    EXPECT_EQ(l.code, 0) << l.fehler.toStdString();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(Inhalt(dir.filePath(QStringLiteral("neu.pdf"))).startsWith("%PDF-"));
}

// The print dialog's "print to file" wrote its PDF itself, following a link
// onto the project.
TEST(BlattImFenster, PrintingToAFileNeverWritesOverTheProject) {
    QTemporaryDir dir;
    const QString projekt = dir.filePath(QStringLiteral("truck.fuz"));
    ASSERT_TRUE(QFile::copy(Beispiel("truck.fuz"), projekt));
    const QByteArray vorher = Inhalt(projekt);
    const QString link = dir.filePath(QStringLiteral("druck.pdf"));
    ASSERT_TRUE(QFile::link(projekt, link));
    BlattDaten d;
    d.projekt = fuzzy::LoadProject(QFile::encodeName(projekt).toStdString());
    d.datei = projekt;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFileName(link);
    EXPECT_TRUE(ArbeitsblattDrucken(drucker, d).contains(QStringLiteral("Projektdatei")));
    EXPECT_EQ(Inhalt(projekt), vorher);
    drucker.setOutputFileName(dir.filePath(QStringLiteral("blatt.pdf")));
    EXPECT_TRUE(ArbeitsblattDrucken(drucker, d).isEmpty() && Inhalt(drucker.outputFileName()).startsWith("%PDF-"));
}

// The window's "Als PDF speichern…": the sheet of the project being edited,
// beside an older file of that name that is replaced whole.
TEST(BlattImFenster, SavesThePdfOfTheProjectAsEdited) {
    testsupport::MessageRecorder meldungen;
    QTemporaryDir dir;
    TMainForm form;
    ASSERT_TRUE(form.OeffnenDatei(Beispiel("truck.fuz")));
    const QString pdf = dir.filePath(QStringLiteral("truck.pdf"));
    {
        QFile alt(pdf);
        ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
        alt.write("alt");
    }
    form.PdfDialog = [&](const QString& vorschlag) {
        EXPECT_TRUE(vorschlag.endsWith(QStringLiteral("truck-arbeitsblatt.pdf"))) << vorschlag.toStdString();
        return pdf;
    };
    // Through the menu entry, as a click on it.
    QAction* aktion = form.Aktion("AlsPdf1");
    ASSERT_TRUE(aktion);
    EXPECT_TRUE(form.DateiMenue()->actions().contains(aktion));
    aktion->trigger();
    EXPECT_EQ(meldungen.Count(), 0) << meldungen.Last().text.toStdString();
    EXPECT_TRUE(Inhalt(pdf).startsWith("%PDF-"));
}

TEST(BlattImFenster, RefusesToWriteOverTheProjectFile) {
    testsupport::MessageRecorder meldungen;
    QTemporaryDir dir;
    const QString projekt = dir.filePath(QStringLiteral("truck.fuz"));
    ASSERT_TRUE(QFile::copy(Beispiel("truck.fuz"), projekt));
    const QByteArray vorher = Inhalt(projekt);
    TMainForm form;
    ASSERT_TRUE(form.OeffnenDatei(projekt));
    EXPECT_FALSE(form.PdfSpeichernNach(projekt));
    EXPECT_EQ(meldungen.Count(), 1);
    EXPECT_TRUE(meldungen.Last().text.contains(QStringLiteral("Projektdatei")));
    EXPECT_EQ(Inhalt(projekt), vorher);
}

// The printer (and so the print preview) gets the pages of the PDF: the
// same count and text, at the printer's own resolution; pixel-sized fonts
// that followed the device's resolution would not fit their pages.
TEST(BlattImFenster, PrinterGetsTheSamePagesAsThePdf) {
    POPPLER_ODER_SKIP();
    QTemporaryDir dir;
    BlattDaten d;
    fuzzy::LoadProject(QFile::encodeName(Beispiel("lok.fuz")).toStdString(), d.projekt.A, d.projekt.B, d.projekt.Out,
                       d.projekt.Rules);
    d.datei = Beispiel("lok.fuz");
    d.datum = QDate(2026, 12, 8);
    const QString ueberDrucker = dir.filePath(QStringLiteral("drucker.pdf"));
    int seiten = 0;
    {
        QPrinter drucker(QPrinter::HighResolution);
        drucker.setOutputFormat(QPrinter::PdfFormat);
        drucker.setOutputFileName(ueberDrucker);
        drucker.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 12),
                                          QPageLayout::Millimeter));
        seiten = MaleArbeitsblatt(drucker, d);
    }
    const QString direkt = dir.filePath(QStringLiteral("direkt.pdf"));
    ASSERT_EQ(ArbeitsblattSchreiben(d, direkt), QString());
    EXPECT_EQ(Seitenzahl(Poppler(QStringLiteral("pdfinfo"), {ueberDrucker})), seiten);
    EXPECT_EQ(Seitenzahl(Poppler(QStringLiteral("pdfinfo"), {direkt})), seiten);
    // The same words in the same order; blank lines may differ with the
    // resolution.
    const QStringList args{QStringLiteral("-layout")};
    EXPECT_EQ(Poppler(QStringLiteral("pdftotext"), args + QStringList{ueberDrucker, QStringLiteral("-")}).simplified(),
              Poppler(QStringLiteral("pdftotext"), args + QStringList{direkt, QStringLiteral("-")}).simplified());
}

// "Bild speichern…" suggests the picture beside the project, not in the
// folder the program was started from.
TEST(BlattImFenster, PicturesAreSuggestedInTheProjectsFolder) {
    testsupport::MessageRecorder meldungen;
    QTemporaryDir dir;
    const QString projekt = dir.filePath(QStringLiteral("lok.fuz"));
    ASSERT_TRUE(QFile::copy(Beispiel("lok.fuz"), projekt));
    TMainForm form;
    ASSERT_TRUE(form.OeffnenDatei(projekt));
    QString vorgeschlagen;
    const auto vorher = ansichten::SetDateiWahl([&](QWidget*, const QString& v) {
        vorgeschlagen = v;
        return QString();
    });
    form.SeiteB->BildBtn->click();
    ansichten::SetDateiWahl(vorher);
    EXPECT_EQ(QFileInfo(vorgeschlagen).absolutePath(), QFileInfo(projekt).absolutePath())
        << vorgeschlagen.toStdString();
}

// Which lab's results the sheet shows: the vehicle given on the command
// line, else the one remembered for the file, else the truck; never what a
// variable happens to be called.
struct FahrzeugFall {
    const char* name;
    const char* datei;
    const char* gemerkt;  // remembered for the file; "" none
    const char* option;   // --fahrzeug; "" none
    const char* labor;
};

class BlattFahrzeug : public testing::TestWithParam<FahrzeugFall> {};

TEST_P(BlattFahrzeug, ShowsTheLabOfTheChosenVehicle) {
    POPPLER_ODER_SKIP();
    const FahrzeugFall f = GetParam();
    QTemporaryDir dir, einstellungen;
    const QString projekt = dir.filePath(QString::fromLatin1(f.datei));
    ASSERT_TRUE(QFile::copy(Beispiel(f.datei), projekt));
    if (*f.gemerkt) {
        QSettings s(einstellungen.filePath(QStringLiteral("FuzzyLehre/Fuzzy-Werkstatt.conf")), QSettings::IniFormat);
        s.setValue(QStringLiteral("Fahrzeug/Inhalte"),
                   QStringList{Inhaltsschluessel(fuzzy::LoadProject(projekt.toStdString())) + QLatin1Char(' ') +
                               QString::fromLatin1(f.gemerkt)});
    }
    const QString pdf = dir.filePath(QStringLiteral("blatt.pdf"));
    QStringList args{QStringLiteral("--blatt"), projekt, QStringLiteral("-o"), pdf};
    if (*f.option) args << QStringLiteral("--fahrzeug") << QString::fromLatin1(f.option);
    const Lauf l = Werkstatt(args, einstellungen.path());
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    const QString text = Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QString::fromLatin1(f.labor))) << text.left(400).toStdString();
    const QString anderes = QString::fromLatin1(f.labor) == QLatin1String("Lok-Labor") ? QStringLiteral("Truck-Labor")
                                                                                       : QStringLiteral("Lok-Labor");
    EXPECT_FALSE(text.contains(anderes));
}

INSTANTIATE_TEST_SUITE_P(
    Wahl, BlattFahrzeug,
    testing::Values(FahrzeugFall{"OptionLok", "truck.fuz", "", "lok", "Lok-Labor"},
                    FahrzeugFall{"ForceOutputAloneIsNoLocomotive", "lok.fuz", "", "", "Truck-Labor"},
                    FahrzeugFall{"RememberedLok", "truck.fuz", "lok", "", "Lok-Labor"},
                    FahrzeugFall{"RememberedTruck", "lok.fuz", "truck", "", "Truck-Labor"},
                    FahrzeugFall{"OptionWinsOverRemembered", "lok.fuz", "truck", "lok", "Lok-Labor"},
                    FahrzeugFall{"OptionTruckWinsOverRememberedLok", "truck.fuz", "lok", "truck", "Truck-Labor"}),
    [](const testing::TestParamInfo<FahrzeugFall>& i) { return std::string(i.param.name); });

// The lab's warnings beside its figures are on the sheet too: where no rule
// fires, and a project that only the other vehicle drives well.
struct BlattWarnFall {
    const char* name;
    const char* datei;
    const char* option;  // --fahrzeug; "" none
    const char* wort;    // words of the warning
};

class BlattWarnung : public testing::TestWithParam<BlattWarnFall> {};

TEST_P(BlattWarnung, SheetSaysWhatTheLabSays) {
    POPPLER_ODER_SKIP();
    const BlattWarnFall f = GetParam();
    QTemporaryDir dir, einstellungen;
    const QString pdf = dir.filePath(QStringLiteral("blatt.pdf"));
    QStringList args{QStringLiteral("--blatt"), Beispiel(f.datei), QStringLiteral("-o"), pdf};
    if (*f.option) args << QStringLiteral("--fahrzeug") << QString::fromLatin1(f.option);
    const Lauf l = Werkstatt(args, einstellungen.path());
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    const QString text = Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).simplified();
    EXPECT_TRUE(text.contains(QString::fromUtf8(f.wort))) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Wahl, BlattWarnung,
    testing::Values(BlattWarnFall{"TruckProjectOnTheLokSheet", "truck.fuz", "lok", "Am Start (s = 100 cm"},
                    BlattWarnFall{"LokProjectOnTheDefaultTruckSheet", "lok.fuz", "", "wohl für die Lok"}),
    [](const testing::TestParamInfo<BlattWarnFall>& i) { return std::string(i.param.name); });

// --- the English worksheet ------------------------------------------------------

// `werkstatt --lang en --blatt …`: English headings and sentences, decimal
// points, the page numbers in English; also without a display, as the
// German one.
struct EnglischFall {
    const char* name;
    const char* datei;
    const char* fahrzeug;
    const char* labor;      // the lab's heading
    const char* laborWort;  // a word of the lab's results
    bool bildschirm;
};

class BlattEnglisch : public testing::TestWithParam<EnglischFall> {};

TEST_P(BlattEnglisch, EnglishHeadingsAndDecimalPoints) {
    POPPLER_ODER_SKIP();
    const EnglischFall f = GetParam();
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    const Lauf l =
        Werkstatt({QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--blatt"), Beispiel(f.datei),
                   QStringLiteral("-o"), pdf, QStringLiteral("--fahrzeug"), QString::fromLatin1(f.fahrzeug)},
                  QString(), f.bildschirm);
    ASSERT_EQ(l.code, 0) << l.fehler.toStdString();
    const int seiten = Seitenzahl(Poppler(QStringLiteral("pdfinfo"), {pdf}));
    ASSERT_GE(seiten, 3);
    const QString text = Poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    for (const char* wort : {"Worksheet: ", "Input A: ", "Range: ", "Abbrev.", "Rules", "IF ", "Control surface",
                             "Fuzzy-Werkstatt \xE2\x80\x93 worksheet"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(wort))) << wort;
    EXPECT_TRUE(text.contains(QString::fromUtf8(f.labor))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(f.laborWort))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %1").arg(seiten)));
    for (const char* wort : {"Seite ", "Eingang A", "Bereich:", "Regeln", "Arbeitsblatt", "Reibung", "meiste Schritte",
                             "angedockt", "Kennfeld", "über der Zeit"})
        EXPECT_FALSE(text.contains(QString::fromUtf8(wort))) << wort;
    // Numbers with a decimal point, none with a comma: the sheet's own
    // figures and those of the pictures in it.
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\d\\.\\d"))));
    const auto komma = QRegularExpression(QStringLiteral("\\d,\\d")).match(text);
    EXPECT_FALSE(komma.hasMatch()) << "decimal comma: …"
                                   << text.mid(std::max(0, int(komma.capturedStart()) - 40), 80).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Beispiele, BlattEnglisch,
    testing::Values(EnglischFall{"Loco", "lok.fuz", "lok", "Locomotive lab", "Force over time", true},
                    EnglischFall{"Truck", "truck.fuz", "truck", "Truck lab", "docked:", true},
                    EnglischFall{"WithoutADisplay", "truck.fuz", "truck", "Truck lab", "docked:", false}),
    [](const testing::TestParamInfo<EnglischFall>& i) { return std::string(i.param.name); });

// Wrong calls say why in English, with the same exit codes.
class BlattEnglischVerweigert : public testing::TestWithParam<Fehlerfall> {};

TEST_P(BlattEnglischVerweigert, SaysWhyInEnglish) {
    const Fehlerfall f = GetParam();
    QTemporaryDir dir;
    const QString name = QString::fromLatin1(f.name);
    QStringList args{QStringLiteral("--lang"), QStringLiteral("en"), QStringLiteral("--blatt"), Beispiel("lok.fuz")};
    if (name == QLatin1String("NotAPdfName"))
        args << QStringLiteral("-o") << dir.filePath(QStringLiteral("sheet.fuz"));
    else if (name == QLatin1String("UnknownVehicle"))
        args << QStringLiteral("-o") << dir.filePath(QStringLiteral("sheet.pdf")) << QStringLiteral("--fahrzeug")
             << QStringLiteral("Kraft");
    else if (name == QLatin1String("MissingProject"))
        args = QStringList{QStringLiteral("--lang"),  QStringLiteral("en"),
                           QStringLiteral("--blatt"), dir.filePath(QStringLiteral("none.fuz")),
                           QStringLiteral("-o"),      dir.filePath(QStringLiteral("sheet.pdf"))};
    const Lauf l = Werkstatt(args);
    EXPECT_EQ(l.code, f.code) << l.fehler.toStdString();
    EXPECT_TRUE(l.fehler.contains(QString::fromUtf8(f.meldung))) << l.fehler.toStdString();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Aufrufe, BlattEnglischVerweigert,
                         testing::Values(Fehlerfall{"NoTarget", 2, "Usage: werkstatt --sheet"},
                                         Fehlerfall{"NotAPdfName", 2, "must end in .pdf"},
                                         Fehlerfall{"UnknownVehicle", 2, "Unknown vehicle: Kraft"},
                                         Fehlerfall{"MissingProject", 1, "nothing was written"}),
                         [](const testing::TestParamInfo<Fehlerfall>& i) { return std::string(i.param.name); });

// --- the English spellings of the options ----------------------------------

// Each English spelling does what its German one does: the same exit code,
// the same messages, a sheet of the same pages. In the arguments PROJEKT is
// a copy of truck.fuz, AUFGABE exercise 03, PDF the target, LISTE a class list.
struct SchreibweiseFall {
    const char* name;
    const char* englisch;
    const char* deutsch;
    int code;
    const char* wort;     // on the sheet; "" when none is written
    bool gleicheMeldung;  // false where the message quotes the option as typed
};

class EnglischeSchreibweise : public testing::TestWithParam<SchreibweiseFall> {};

TEST_P(EnglischeSchreibweise, DoesWhatTheGermanOneDoes) {
    const SchreibweiseFall f = GetParam();
    if (*f.wort) POPPLER_ODER_SKIP();
    QTemporaryDir dir;
    const QString projekt = dir.filePath(QStringLiteral("truck.fuz"));
    ASSERT_TRUE(QFile::copy(Beispiel("truck.fuz"), projekt));
    QFile liste(dir.filePath(QStringLiteral("klasse.txt")));
    ASSERT_TRUE(liste.open(QIODevice::WriteOnly));
    liste.write("Ada\nBo\n");
    liste.close();
    struct Ergebnis {
        Lauf lauf;
        int seiten = 0;
        QString text;
    };
    const auto laufen = [&](const char* aufruf, const QString& pdf) {
        QStringList args;
        for (const QString& w : QString::fromLatin1(aufruf).split(QLatin1Char(' '))) {
            if (w == QLatin1String("PROJEKT"))
                args << projekt;
            else if (w == QLatin1String("AUFGABE"))
                args << Beispiel("aufgaben/03_lok_tabelle.fuzaufgabe");
            else if (w == QLatin1String("PDF"))
                args << pdf;
            else if (w == QLatin1String("LISTE"))
                args << liste.fileName();
            else
                args << w;
        }
        Ergebnis e{Werkstatt(args), 0, {}};
        if (*f.wort && e.lauf.code == 0) {
            e.seiten = Seitenzahl(Poppler(QStringLiteral("pdfinfo"), {pdf}));
            e.text = Poppler(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        }
        return e;
    };
    const Ergebnis en = laufen(f.englisch, dir.filePath(QStringLiteral("en.pdf")));
    const Ergebnis de = laufen(f.deutsch, dir.filePath(QStringLiteral("de.pdf")));
    EXPECT_EQ(en.lauf.code, f.code) << en.lauf.fehler.toStdString();
    EXPECT_EQ(de.lauf.code, f.code) << de.lauf.fehler.toStdString();
    if (f.gleicheMeldung) {
        EXPECT_EQ(en.lauf.fehler, de.lauf.fehler);
    }
    EXPECT_EQ(QFileInfo::exists(dir.filePath(QStringLiteral("en.pdf"))), *f.wort != 0);
    if (*f.wort) {
        EXPECT_EQ(en.seiten, de.seiten);
        EXPECT_GT(en.seiten, 0);
        EXPECT_TRUE(en.text.contains(QString::fromUtf8(f.wort))) << en.text.left(400).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Optionen, EnglischeSchreibweise,
    testing::Values(
        SchreibweiseFall{"Sheet", "--sheet PROJEKT -o PDF", "--blatt PROJEKT -o PDF", 0, "Truck-Labor", true},
        SchreibweiseFall{"VehicleLoco", "--sheet PROJEKT -o PDF --vehicle loco",
                         "--blatt PROJEKT -o PDF --fahrzeug lok", 0, "Lok-Labor", true},
        SchreibweiseFall{"Solution", "--sheet AUFGABE -o PDF --solution", "--blatt AUFGABE -o PDF --loesung", 0,
                         "Lösungsblatt", true},
        SchreibweiseFall{"VehicleOnAnExercise", "--sheet AUFGABE -o PDF --vehicle loco",
                         "--blatt AUFGABE -o PDF --fahrzeug lok", 2, "", true},
        SchreibweiseFall{"UnknownVehicle", "--sheet PROJEKT -o PDF --vehicle Kraft",
                         "--blatt PROJEKT -o PDF --fahrzeug Kraft", 2, "", true},
        SchreibweiseFall{"VehicleTwiceInBothSpellings", "--sheet PROJEKT -o PDF --vehicle loco --fahrzeug truck",
                         "--blatt PROJEKT -o PDF --fahrzeug lok --fahrzeug truck", 2, "", true},
        SchreibweiseFall{"ClassListOnAProject", "--sheet PROJEKT -o PDF --class-list LISTE",
                         "--blatt PROJEKT -o PDF --klassenliste LISTE", 2, "", true},
        SchreibweiseFall{"ClassListWithoutSolution", "--sheet AUFGABE -o PDF --class-list LISTE",
                         "--blatt AUFGABE -o PDF --klassenliste LISTE", 2, "", true},
        SchreibweiseFall{"SolutionWithoutSheet", "PROJEKT -o PDF --solution", "PROJEKT -o PDF --loesung", 2, "", false},
        SchreibweiseFall{"VehicleWithEqualsWithoutSheet", "PROJEKT --vehicle=loco", "PROJEKT --fahrzeug=lok", 2, "",
                         false}),
    [](const testing::TestParamInfo<SchreibweiseFall>& i) { return std::string(i.param.name); });

// `werkstatt --help` names the spellings of its language first.
struct HilfeFall {
    const char* name;
    const char* sprache;
    std::vector<const char*> worte;
};

class HilfeSchreibweise : public testing::TestWithParam<HilfeFall> {};

TEST_P(HilfeSchreibweise, NamesTheSpellingsOfItsLanguage) {
    QProcess p;
    p.start(QStringLiteral(WERKSTATT_EXE),
            {QStringLiteral("--lang"), QString::fromLatin1(GetParam().sprache), QStringLiteral("--help")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    const QString hilfe = QString::fromUtf8(p.readAllStandardOutput());
    for (const char* wort : GetParam().worte) EXPECT_TRUE(hilfe.contains(QString::fromUtf8(wort))) << wort;
}

INSTANTIATE_TEST_SUITE_P(
    Sprachen, HilfeSchreibweise,
    testing::Values(HilfeFall{"English",
                              "en",
                              {"--sheet, --blatt", "--solution, --loesung", "--vehicle, --fahrzeug <truck|loco>",
                               "--class-list, --klassenliste", "werkstatt --sheet PROJECT.fuz"}},
                    HilfeFall{"German",
                              "de",
                              {"--blatt, --sheet", "--loesung, --solution", "--fahrzeug, --vehicle <truck|lok>",
                               "--klassenliste, --class-list", "werkstatt --blatt PROJEKT.fuz"}}),
    [](const testing::TestParamInfo<HilfeFall>& i) { return std::string(i.param.name); });

}  // namespace
