// Fuzzy-Werkstatt's real main window on the offscreen platform: handles
// dragged by mouse and keys, undo and redo, saving and opening, the
// unsaved-changes question, failed saves and loads, hints, the rule grid.
#include "werkstatt/aufgabe/AbgabeDialog.h"
#include "werkstatt/aufgabe/AufgabenPanel.h"
#include "werkstatt/klasse/KlassenUebersicht.h"
#include "werkstatt/Main.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TestFiles.h"
#include "werkstatt/kern/Bearbeitung.h"
#include "werkstatt/seiten/RegelSeite.h"
#include "dialogs/RuleGrid.h"
#include "widgets/SingEdit.h"
#include "werkstatt/seiten/TermDiagramm.h"
#include "werkstatt/seiten/VariablenSeite.h"
#include "werkstatt/Hilfe.h"
#include "werkstatt/Info.h"
#include "tests/support/Kuerzel.h"
#include "tests/support/Zugaenglich.h"
#include "werkstatt/labor/RegelnVerbessern.h"
#include "tests/support/SichtbareTexte.h"
#include "werkstatt/labor/LokLabor.h"
#include "werkstatt/labor/TruckLabor.h"

#include <gtest/gtest.h>

#include "werkstatt/ansichten/Bildexport.h"
#include "werkstatt/ansichten/Inspektor.h"
#include "werkstatt/ansichten/KennfeldAnsicht.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTextDocument>
#include <QListWidget>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>
#include <unistd.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

using namespace werkstatt;
using widgets::MessageAnswer;
using widgets::MessageKind;

namespace {

QString Beispiel(const char* name) { return QStringLiteral(FUZZY_SOURCE_DIR "/examples/") + QString::fromLatin1(name); }

QByteArray Inhalt(const QString& datei) {
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

fuzzy::Project Gelesen(const QString& datei) { return fuzzy::LoadProjectBytes(Inhalt(datei).toStdString()); }

void Ziehe(QWidget* w, QPointF von, QPointF nach) {
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, von.toPoint());
    for (int i = 1; i <= 4; ++i) {
        const QPointF p = von + (nach - von) * (i / 4.0);
        QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, nach.toPoint());
}

class WerkstattGui : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp_.isValid());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, tmp_.path());
        form_ = std::make_unique<TMainForm>();
        form_->resize(900, 720);
        form_->show();
        form_->OeffnenDialog = [this] { return oeffnen_; };
        form_->SpeichernDialog = [this](const QString&) { return speichern_; };
        form_->Starte = [this](const QString& p, const QStringList& a) {
            gestartet_.push_back(p);
            gestartet_ += a;
            return true;
        };
        QCoreApplication::processEvents();
    }

    // A copy of an example in the temporary folder, opened.
    QString Oeffne(const char* beispiel) {
        const QString ziel = tmp_.filePath(QString::fromLatin1(beispiel));
        QFile::remove(ziel);
        QFile::copy(Beispiel(beispiel), ziel);
        QFile::setPermissions(ziel, QFile::ReadOwner | QFile::WriteOwner);
        EXPECT_TRUE(form_->OeffnenDatei(ziel));
        return ziel;
    }

    const fuzzy::Project& P() const { return form_->Modell.projekt(); }

    QTemporaryDir tmp_;
    testsupport::MessageRecorder meldungen_;
    std::unique_ptr<TMainForm> form_;
    QString oeffnen_, speichern_;
    QStringList gestartet_;
};

// --- numbers in the term table ---------------------------------------------------

struct ZahlFall {
    const char* name;
    float wert;
    const char* text;
};

class Zahlen : public testing::TestWithParam<ZahlFall> {};

TEST_P(Zahlen, TableNumberIsShortReadableAndReadsBackExactly) {
    const QString text = ZahlText(GetParam().wert);
    EXPECT_EQ(text, QString::fromLatin1(GetParam().text));
    float zurueck = 0.0f;
    ASSERT_TRUE(TSingEdit::ParseNumber(text, zurueck));
    EXPECT_EQ(zurueck, GetParam().wert);
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, Zahlen,
                         testing::Values(ZahlFall{"LargeWithoutExponent", -100000.0f, "-100000"},
                                         ZahlFall{"Tenth", 0.1f, "0.1"}, ZahlFall{"Half", -4.5f, "-4.5"},
                                         ZahlFall{"Small", 1.5e-7f, "0.00000015"},
                                         ZahlFall{"HugeWithExponent", 3e38f, "3e+38"}),
                         [](const testing::TestParamInfo<ZahlFall>& i) { return std::string(i.param.name); });

// --- the model: every kind of edit is one exact step ---------------------------

struct EditFall {
    const char* name;
    void (*bearbeiten)(TProjektModell&);
};

class Bearbeiten : public testing::TestWithParam<EditFall> {};

TEST_P(Bearbeiten, EveryEditIsOneStepThatUndoesAndRedoesExactly) {
    TProjektModell m;
    fuzzy::Project p = fuzzy::TemplateTruck();
    TermEntfernen(p, Rolle::Aus, 5);  // room for one more
    p.Rules.Set(2, 3, 4);
    m.laden(p, QStringLiteral("/x/truck.fuz"));
    GetParam().bearbeiten(m);
    ASSERT_EQ(m.undoStack().count(), 1);
    EXPECT_TRUE(m.geaendert());
    EXPECT_FALSE(GleichesProjekt(m.projekt(), p));
    const fuzzy::Project nachher = m.projekt();
    const QString datei = m.datei();
    m.undoStack().undo();
    EXPECT_TRUE(GleichesProjekt(m.projekt(), p));
    EXPECT_EQ(m.datei(), QStringLiteral("/x/truck.fuz"));
    EXPECT_FALSE(m.geaendert());
    m.undoStack().redo();
    EXPECT_TRUE(GleichesProjekt(m.projekt(), nachher));
    EXPECT_EQ(m.datei(), datei);
}

INSTANTIATE_TEST_SUITE_P(
    Werkstatt, Bearbeiten,
    testing::Values(
        EditFall{"Name",
                 [](TProjektModell& m) { EXPECT_TRUE(m.setzeName(Rolle::B, QStringLiteral("Winkel")).isEmpty()); }},
        EditFall{"Range", [](TProjektModell& m) { m.setzeBereich(Rolle::A, -25.0f, 5.0f); }},
        EditFall{
            "TermName",
            [](TProjektModell& m) { EXPECT_TRUE(m.setzeTermName(Rolle::Aus, 3, QStringLiteral("gerade")).isEmpty()); }},
        EditFall{"Parameter", [](TProjektModell& m) { m.setzeParameter(Rolle::A, 2, fuzzy::ParamC, -7.0f); }},
        EditFall{"DragOfManyMoves",
                 [](TProjektModell& m) {
                     const int zug = m.neuerZug();
                     for (float x = 1.0f; x < 9.0f; x += 1.0f) m.zieheGriff(Rolle::A, 2, fuzzy::ParamD, x, zug);
                 }},
        EditFall{"AddTerm", [](TProjektModell& m) { EXPECT_TRUE(m.termHinzufuegen(Rolle::Aus)); }},
        EditFall{"RemoveTerm", [](TProjektModell& m) { m.termEntfernen(Rolle::A, 3); }},
        EditFall{"MoveTerm", [](TProjektModell& m) { m.termVerschieben(Rolle::Aus, 4, 3); }},
        EditFall{"Rule", [](TProjektModell& m) { m.setzeRegel(5, 5, 1); }},
        EditFall{"InputBOff", [](TProjektModell& m) { m.setzeEingangB(false); }},
        EditFall{"Template", [](TProjektModell& m) { m.neu(fuzzy::TemplateLoco(), QStringLiteral("Lok")); }}),
    [](const testing::TestParamInfo<EditFall>& i) { return std::string(i.param.name); });

TEST(Bearbeiten, EditsThatChangeNothingOrAreRefusedAddNoStep) {
    TProjektModell m;
    m.laden(fuzzy::TemplateTruck(), QString());
    m.setzeRegel(1, 1, 0);                                                           // already 0
    m.setzeBereich(Rolle::A, -20.0f, 20.0f);                                         // already so
    EXPECT_FALSE(m.setzeName(Rolle::A, QString()).isEmpty());                        // empty
    EXPECT_FALSE(m.setzeTermName(Rolle::A, 1, QStringLiteral("\u03A9")).isEmpty());  // not in the code page
    const int zug = m.neuerZug();
    m.zieheGriff(Rolle::A, 3, fuzzy::ParamH, 0.5f, zug);
    m.zieheGriff(Rolle::A, 3, fuzzy::ParamH, 1.0f, zug);  // back where it began
    EXPECT_EQ(m.undoStack().count(), 0);
    EXPECT_FALSE(m.geaendert());
}

TEST(Bearbeiten, TwoDragsAreTwoSteps) {
    TProjektModell m;
    m.laden(fuzzy::TemplateTruck(), QString());
    for (int n = 0; n < 2; ++n) {
        const int zug = m.neuerZug();
        for (float x = 0.5f; x < 5.0f; x += 0.5f) m.zieheGriff(Rolle::A, 3, fuzzy::ParamD, x + 4.0f * n, zug);
    }
    EXPECT_EQ(m.undoStack().count(), 2);
}

// --- dragging handles --------------------------------------------------------

struct ZugFall {
    const char* name;
    int term, param;
    double dx, dy;   // pixels
    int bisNachbar;  // 0 = free, otherwise the parameter it must stop at
    float grenze;    // for h: the bound it must stop at
};

class Ziehen : public WerkstattGui, public testing::WithParamInterface<ZugFall> {};

TEST_P(Ziehen, DragChangesTheParameterKeepsTheOrderAndUndoesAsOneStep) {
    const ZugFall& f = GetParam();
    Oeffne("beispiel.fuz");
    TTermDiagramm* d = form_->SeiteA->Diagramm;
    form_->SeiteA->WaehleTerm(f.term);
    const fuzzy::Project vorher = P();
    const QPointF von = d->griffPosition(f.term, f.param);
    const QPointF nach = von + QPointF(f.dx, f.dy);
    Ziehe(d, von, nach);

    const fuzzy::TFuzzy& a = P().A;
    const float wert = a.GetParam(f.term, f.param);
    if (f.param == fuzzy::ParamH) {
        if (f.bisNachbar)
            EXPECT_EQ(wert, f.grenze);
        else  // on the grid of the keyboard's step
            EXPECT_EQ(wert, AufRaster(d->FracToWorldY(d->PixelToFracY(static_cast<int>(std::lround(nach.y() - 14)))),
                                      GriffSchritt(vorher.A, f.param)));
    } else if (f.bisNachbar) {
        EXPECT_EQ(wert, a.GetParam(f.term, f.bisNachbar));
    } else {
        EXPECT_EQ(wert, AufRaster(d->FracToWorldX(d->PixelToFracX(static_cast<int>(std::lround(nach.x())))),
                                  GriffSchritt(vorher.A, f.param)));
    }
    EXPECT_NE(wert, vorher.A.GetParam(f.term, f.param));
    for (int i = 1; i <= a.UsedTerms(); ++i) {
        EXPECT_LE(a.GetParam(i, 1), a.GetParam(i, 2));
        EXPECT_LE(a.GetParam(i, 2), a.GetParam(i, 3));
        EXPECT_LE(a.GetParam(i, 3), a.GetParam(i, 4));
        EXPECT_TRUE(a.GetParam(i, 5) >= 0.0f && a.GetParam(i, 5) <= 1.0f);
    }
    EXPECT_TRUE(form_->windowTitle().endsWith(QLatin1Char('*')));

    const fuzzy::Project nachher = P();
    QUndoStack& stack = form_->Modell.undoStack();
    ASSERT_EQ(stack.count(), 1) << "one drag, one step";
    form_->Aktion("Rueckgaengig1")->trigger();
    EXPECT_TRUE(GleichesProjekt(P(), vorher));
    EXPECT_FALSE(form_->windowTitle().endsWith(QLatin1Char('*')));
    form_->Aktion("Wiederholen1")->trigger();
    EXPECT_TRUE(GleichesProjekt(P(), nachher));
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, Ziehen,
                         testing::Values(ZugFall{"BFreeToTheRight", 2, fuzzy::ParamB, 40, 0, 0, 0},
                                         ZugFall{"BStopsAtC", 2, fuzzy::ParamB, 900, 0, fuzzy::ParamC, 0},
                                         ZugFall{"AStopsAtB", 2, fuzzy::ParamA, 900, 0, fuzzy::ParamB, 0},
                                         ZugFall{"CStopsAtB", 1, fuzzy::ParamC, -900, 0, fuzzy::ParamB, 0},
                                         ZugFall{"DStopsAtC", 1, fuzzy::ParamD, -900, 0, fuzzy::ParamC, 0},
                                         ZugFall{"DFreeToTheLeft", 1, fuzzy::ParamD, -30, 0, 0, 0},
                                         ZugFall{"HFreeDownwards", 1, fuzzy::ParamH, 0, 60, 0, 0},
                                         ZugFall{"HNotBelowZero", 2, fuzzy::ParamH, 0, 2000, fuzzy::ParamH, 0.0f}),
                         [](const testing::TestParamInfo<ZugFall>& i) { return std::string(i.param.name); });

// --- moving handles by keyboard --------------------------------------------------

struct TastenFall {
    const char* name;
    std::vector<std::pair<int, Qt::KeyboardModifiers>> tasten;
    int param;
    float erwartet;
};

class Tasten : public WerkstattGui, public testing::WithParamInterface<TastenFall> {};

TEST_P(Tasten, KeysChooseAndMoveTheHandle) {
    Oeffne("beispiel.fuz");  // A term 2: 0, 5, 10, 10, 1 over -10 .. 10
    TTermDiagramm* d = form_->SeiteA->Diagramm;
    form_->SeiteA->WaehleTerm(2);
    d->setFocus();
    d->setAktiverGriff(fuzzy::ParamA);
    const fuzzy::Project vorher = P();
    for (const auto& [taste, mod] : GetParam().tasten) QTest::keyClick(d, static_cast<Qt::Key>(taste), mod);
    EXPECT_EQ(d->aktiverGriff(), GetParam().param);
    EXPECT_FLOAT_EQ(P().A.GetParam(2, GetParam().param), GetParam().erwartet);
    while (form_->Modell.undoStack().canUndo()) form_->Modell.undoStack().undo();
    EXPECT_TRUE(GleichesProjekt(P(), vorher));
}

const auto Tab = std::make_pair(int(Qt::Key_Tab), Qt::KeyboardModifiers(Qt::NoModifier));
const auto Backtab = std::make_pair(int(Qt::Key_Backtab), Qt::KeyboardModifiers(Qt::ShiftModifier));
const auto Rechts = std::make_pair(int(Qt::Key_Right), Qt::KeyboardModifiers(Qt::NoModifier));
const auto Links = std::make_pair(int(Qt::Key_Left), Qt::KeyboardModifiers(Qt::NoModifier));
const auto Runter = std::make_pair(int(Qt::Key_Down), Qt::KeyboardModifiers(Qt::NoModifier));
const auto UmschaltRechts = std::make_pair(int(Qt::Key_Right), Qt::KeyboardModifiers(Qt::ShiftModifier));

INSTANTIATE_TEST_SUITE_P(
    Werkstatt, Tasten,
    testing::Values(TastenFall{"RightMovesByAHundredthOfTheRange", {Tab, Rechts}, fuzzy::ParamB, 5.2f},
                    TastenFall{"ShiftMovesTenTimesAsFar", {Tab, UmschaltRechts}, fuzzy::ParamB, 7.0f},
                    TastenFall{"LeftStopsAtA",
                               {Tab, UmschaltRechts, Links, Links, Links, UmschaltRechts, UmschaltRechts,
                                UmschaltRechts, UmschaltRechts},
                               fuzzy::ParamB,
                               10.0f},
                    TastenFall{"DownLowersH", {Tab, Tab, Tab, Tab, Runter}, fuzzy::ParamH, 0.95f},
                    TastenFall{"BacktabChoosesTheHandleBefore", {Tab, Tab, Backtab, Links}, fuzzy::ParamB, 4.8f}),
    [](const testing::TestParamInfo<TastenFall>& i) { return std::string(i.param.name); });

// --- saving and opening ------------------------------------------------------------

class Beispiele : public WerkstattGui, public testing::WithParamInterface<const char*> {};

TEST_P(Beispiele, SaveThenOpenGivesTheSameProject) {
    Oeffne(GetParam());
    const fuzzy::Project geladen = P();
    const QString ziel = tmp_.filePath(QStringLiteral("kopie.fuz"));
    ASSERT_TRUE(form_->SpeichernNach(ziel));
    form_->NeuClick(Vorlage::Leer);
    ASSERT_TRUE(form_->OeffnenDatei(ziel));
    EXPECT_TRUE(GleichesProjekt(P(), geladen));
    EXPECT_EQ(meldungen_.Count(), 0) << meldungen_.Last().text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, Beispiele,
                         testing::Values("beispiel.fuz", "heizung.fuz", "truck.fuz", "lok.fuz", "truck_einachsig.fuz"),
                         [](const testing::TestParamInfo<const char*>& i) {
                             std::string s = i.param;
                             return s.substr(0, s.find('.'));
                         });

TEST_F(WerkstattGui, EditedTemplateSavesOpensAndClearsTheStar) {
    form_->NeuClick(Vorlage::Truck);
    form_->Modell.setzeRegel(3, 3, 3);
    form_->SeiteA->WaehleTerm(1);
    Ziehe(form_->SeiteA->Diagramm, form_->SeiteA->Diagramm->griffPosition(1, fuzzy::ParamD),
          form_->SeiteA->Diagramm->griffPosition(1, fuzzy::ParamD) + QPointF(25, 0));
    EXPECT_TRUE(form_->windowTitle().endsWith(QLatin1Char('*')));
    speichern_ = tmp_.filePath(QStringLiteral("truck neu.fuz"));
    ASSERT_TRUE(form_->Speichern1Click());  // no file yet: asks for a name
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("Fuzzy-Werkstatt \u2013 truck neu.fuz"));
    const fuzzy::Project gespeichert = P();
    EXPECT_TRUE(GleichesProjekt(Gelesen(speichern_), gespeichert));
    EXPECT_EQ(QSettings().value(QStringLiteral("Zuletzt")).toStringList().value(0), speichern_);
}

// --- the vehicle of a project ----------------------------------------------------------

const char* Wort(Fahrzeug f) { return f == Fahrzeug::Unbestimmt ? "unbestimmt" : FahrzeugWort(f); }

// The menu shows the model's vehicle; unknown checks neither entry.
void ErwarteFahrzeug(const TMainForm& form, Fahrzeug f) {
    EXPECT_STREQ(Wort(form.Modell.fahrzeug()), Wort(f));
    EXPECT_EQ(form.Aktion("FahrzeugTruck1")->isChecked(), f == Fahrzeug::Truck);
    EXPECT_EQ(form.Aktion("FahrzeugLok1")->isChecked(), f == Fahrzeug::Lok);
    EXPECT_STREQ(Wort(form.Blatt().fahrzeug), Wort(f));
}

struct VorlageFall {
    const char* name;
    const char* aktion;
    Fahrzeug fahrzeug;
};

class VorlageFahrzeug : public WerkstattGui, public testing::WithParamInterface<VorlageFall> {};

TEST_P(VorlageFahrzeug, TemplateSetsTheVehicle) {
    // Another vehicle before, so a template that keeps the old one fails.
    form_->Modell.setzeFahrzeug(GetParam().fahrzeug == Fahrzeug::Lok ? Fahrzeug::Truck : Fahrzeug::Lok);
    form_->Aktion(GetParam().aktion)->trigger();
    ErwarteFahrzeug(*form_, GetParam().fahrzeug);
}

INSTANTIATE_TEST_SUITE_P(Neu, VorlageFahrzeug,
                         testing::Values(VorlageFall{"Truck", "NeuTruck1", Fahrzeug::Truck},
                                         VorlageFall{"Lok", "NeuLok1", Fahrzeug::Lok},
                                         VorlageFall{"Leer", "NeuLeer1", Fahrzeug::Unbestimmt}),
                         [](const testing::TestParamInfo<VorlageFall>& i) { return std::string(i.param.name); });

// A file's variable names never decide: the locomotive example, whose output
// is a force, is as unknown as the truck's until the user chooses.
class DateiFahrzeug : public WerkstattGui, public testing::WithParamInterface<const char*> {};

TEST_P(DateiFahrzeug, OpenedFileIsUnknownUntilChosenThenRemembered) {
    form_->NeuClick(Vorlage::Lok);
    const QString datei = Oeffne(GetParam());
    ErwarteFahrzeug(*form_, Fahrzeug::Unbestimmt);
    for (const Fahrzeug f : {Fahrzeug::Lok, Fahrzeug::Truck}) {
        form_->Aktion(f == Fahrzeug::Lok ? "FahrzeugLok1" : "FahrzeugTruck1")->trigger();
        ErwarteFahrzeug(*form_, f);
        // Another file knows nothing of it; the chosen one, opened again
        // (in a new window, too), does.
        Oeffne(std::string(GetParam()) == "lok.fuz" ? "truck.fuz" : "lok.fuz");
        ErwarteFahrzeug(*form_, Fahrzeug::Unbestimmt);
        ASSERT_TRUE(form_->OeffnenDatei(datei));
        ErwarteFahrzeug(*form_, f);
        // By another spelling of the same path.
        TMainForm neu;
        ASSERT_TRUE(neu.OeffnenDatei(tmp_.path() + QStringLiteral("/./") + QString::fromLatin1(GetParam())));
        ErwarteFahrzeug(neu, f);
    }
}

INSTANTIATE_TEST_SUITE_P(Beispiele, DateiFahrzeug, testing::Values("lok.fuz", "truck.fuz"),
                         [](const testing::TestParamInfo<const char*>& i) {
                             std::string s = i.param;
                             return s.substr(0, s.find('.'));
                         });

TEST_F(WerkstattGui, SavedTemplateRemembersItsVehicleForTheNewFile) {
    form_->NeuClick(Vorlage::Lok);
    speichern_ = tmp_.filePath(QStringLiteral("meine lok.fuz"));
    ASSERT_TRUE(form_->SpeichernUnter1Click());
    EXPECT_STREQ(Wort(GemerktesFahrzeug(Inhaltsschluessel(Gelesen(speichern_)))), "lok");
    Oeffne("truck.fuz");
    ASSERT_TRUE(form_->OeffnenDatei(speichern_));
    ErwarteFahrzeug(*form_, Fahrzeug::Lok);
}

// The choice follows what the file holds: a renamed file keeps it, a file
// whose project was replaced by another one has none (and its worksheet is
// the truck's).
struct InhaltFall {
    const char* name;
    const char* danach;  // what the file holds when opened again; "" the same
    bool umbenennen;     // opened again under another name
    Fahrzeug erwartet;
};

class FahrzeugNachInhalt : public WerkstattGui, public testing::WithParamInterface<InhaltFall> {};

TEST_P(FahrzeugNachInhalt, ChoiceFollowsTheContentNotThePath) {
    const InhaltFall f = GetParam();
    QString datei = Oeffne("lok.fuz");
    form_->Aktion("FahrzeugLok1")->trigger();
    Oeffne("heizung.fuz");
    if (*f.danach) {
        ASSERT_TRUE(QFile::remove(datei));
        ASSERT_TRUE(QFile::copy(Beispiel(f.danach), datei));
    }
    if (f.umbenennen) {
        const QString neu = tmp_.filePath(QStringLiteral("umbenannt.fuz"));
        ASSERT_TRUE(QFile::rename(datei, neu));
        datei = neu;
    }
    ASSERT_TRUE(form_->OeffnenDatei(datei));
    ErwarteFahrzeug(*form_, f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, FahrzeugNachInhalt,
                         testing::Values(InhaltFall{"RenamedFileKeepsIt", "", true, Fahrzeug::Lok},
                                         InhaltFall{"ReplacedProjectHasNone", "truck.fuz", false, Fahrzeug::Unbestimmt},
                                         InhaltFall{"ReplacedAndRenamedHasNone", "truck.fuz", true,
                                                    Fahrzeug::Unbestimmt}),
                         [](const testing::TestParamInfo<InhaltFall>& i) { return std::string(i.param.name); });

TEST_F(WerkstattGui, UndoOfANewProjectBringsBackTheVehicle) {
    Oeffne("lok.fuz");
    form_->Aktion("FahrzeugLok1")->trigger();
    form_->NeuClick(Vorlage::Truck);
    ErwarteFahrzeug(*form_, Fahrzeug::Truck);
    form_->Modell.undoStack().undo();
    ErwarteFahrzeug(*form_, Fahrzeug::Lok);
    form_->Modell.undoStack().redo();
    ErwarteFahrzeug(*form_, Fahrzeug::Truck);
}

// --- the unsaved-changes question -----------------------------------------------------

enum class Aktion { Neu, Oeffnen, Schliessen };

struct FrageFall {
    const char* name;
    Aktion aktion;
    MessageAnswer antwort;
};

class Frage : public WerkstattGui, public testing::WithParamInterface<FrageFall> {};

TEST_P(Frage, AnswerDecidesWhetherToSaveAndGoOn) {
    const FrageFall& f = GetParam();
    const QString datei = Oeffne("beispiel.fuz");
    const QByteArray alt = Inhalt(datei);
    form_->Modell.setzeRegel(1, 1, 1);  // was 2
    const fuzzy::Project bearbeitet = P();
    meldungen_.Answer(f.antwort);
    oeffnen_ = Beispiel("heizung.fuz");
    switch (f.aktion) {
    case Aktion::Neu: form_->NeuClick(Vorlage::Lok); break;
    case Aktion::Oeffnen: form_->Oeffnen1Click(); break;
    case Aktion::Schliessen: form_->close(); break;
    }
    ASSERT_EQ(meldungen_.Count(), 1);
    EXPECT_EQ(meldungen_.Last().kind, MessageKind::Question);
    EXPECT_EQ(meldungen_.Last().text, QStringLiteral("\u00C4nderungen speichern?"));

    const bool weiter = f.antwort != MessageAnswer::Cancel;
    if (f.antwort == MessageAnswer::Yes) {
        EXPECT_EQ(Gelesen(datei).Rules.Get(1, 1), 1);
    } else {
        EXPECT_EQ(Inhalt(datei), alt);
    }
    switch (f.aktion) {
    case Aktion::Neu: EXPECT_EQ(GleichesProjekt(P(), fuzzy::TemplateLoco()), weiter); break;
    case Aktion::Oeffnen: EXPECT_EQ(form_->Modell.datei() == oeffnen_, weiter); break;
    case Aktion::Schliessen: EXPECT_EQ(form_->isVisible(), !weiter); break;
    }
    if (!weiter) {
        EXPECT_TRUE(GleichesProjekt(P(), bearbeitet));
        EXPECT_TRUE(form_->Modell.geaendert());
    }
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, Frage,
                         testing::Values(FrageFall{"NeuJa", Aktion::Neu, MessageAnswer::Yes},
                                         FrageFall{"NeuNein", Aktion::Neu, MessageAnswer::No},
                                         FrageFall{"NeuAbbrechen", Aktion::Neu, MessageAnswer::Cancel},
                                         FrageFall{"OeffnenJa", Aktion::Oeffnen, MessageAnswer::Yes},
                                         FrageFall{"OeffnenNein", Aktion::Oeffnen, MessageAnswer::No},
                                         FrageFall{"OeffnenAbbrechen", Aktion::Oeffnen, MessageAnswer::Cancel},
                                         FrageFall{"SchliessenJa", Aktion::Schliessen, MessageAnswer::Yes},
                                         FrageFall{"SchliessenNein", Aktion::Schliessen, MessageAnswer::No},
                                         FrageFall{"SchliessenAbbrechen", Aktion::Schliessen, MessageAnswer::Cancel}),
                         [](const testing::TestParamInfo<FrageFall>& i) { return std::string(i.param.name); });

TEST_F(WerkstattGui, NoQuestionWithoutChanges) {
    Oeffne("beispiel.fuz");
    form_->NeuClick(Vorlage::Truck);
    form_->SpeichernNach(tmp_.filePath(QStringLiteral("t.fuz")));
    form_->close();
    EXPECT_EQ(meldungen_.Count(), 0);
    EXPECT_FALSE(form_->isVisible());
}

// --- failures keep the work ------------------------------------------------------------

TEST_F(WerkstattGui, FailedSaveIntoReadOnlyFolderKeepsOldFileAndChanges) {
    const QString datei = Oeffne("beispiel.fuz");
    const QByteArray alt = Inhalt(datei);
    form_->Modell.setzeRegel(1, 1, 1);
    const fuzzy::Project bearbeitet = P();
    ::chmod(QFile::encodeName(tmp_.path()).constData(), 0555);
    bool ok = true;
    {
        const testfiles::AsOrdinaryUser user;
        ok = form_->Speichern1Click();
    }
    ::chmod(QFile::encodeName(tmp_.path()).constData(), 0755);
    EXPECT_FALSE(ok);
    ASSERT_EQ(meldungen_.Count(), 1);
    EXPECT_EQ(meldungen_.Last().kind, MessageKind::Error);
    EXPECT_EQ(Inhalt(datei), alt);
    EXPECT_TRUE(GleichesProjekt(P(), bearbeitet));
    EXPECT_TRUE(form_->windowTitle().endsWith(QLatin1Char('*')));
}

TEST_F(WerkstattGui, FailedSaveOntoAFolderKeepsTheChangesAndTheFileName) {
    const QString datei = Oeffne("beispiel.fuz");
    form_->Modell.setzeRegel(1, 1, 1);
    const fuzzy::Project bearbeitet = P();
    const QString ordner = tmp_.filePath(QStringLiteral("ordner.fuz"));
    QDir().mkpath(ordner);
    speichern_ = ordner;
    EXPECT_FALSE(form_->SpeichernUnter1Click());
    ASSERT_EQ(meldungen_.Count(), 1);
    EXPECT_EQ(meldungen_.Last().kind, MessageKind::Error);
    EXPECT_FALSE(meldungen_.Last().text.isEmpty());
    EXPECT_TRUE(QFileInfo(ordner).isDir());
    EXPECT_EQ(form_->Modell.datei(), datei);
    EXPECT_TRUE(GleichesProjekt(P(), bearbeitet));
    EXPECT_TRUE(form_->Modell.geaendert());
}

struct LadeFall {
    const char* name;
    const char* inhalt;  // nullptr: the file does not exist
    MessageKind meldung;
};

class Laden : public WerkstattGui, public testing::WithParamInterface<LadeFall> {};

TEST_P(Laden, FileThatDoesNotLoadLeavesTheProjectAsItWas) {
    const QString datei = Oeffne("truck.fuz");
    form_->Modell.setzeRegel(1, 1, P().Rules.Get(1, 1) == 3 ? 2 : 3);
    const fuzzy::Project vorher = P();
    const QString kaputt = tmp_.filePath(QStringLiteral("kaputt.fuz"));
    if (GetParam().inhalt) {
        QFile f(kaputt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(GetParam().inhalt);
    }
    EXPECT_FALSE(form_->OeffnenDatei(kaputt));
    ASSERT_GE(meldungen_.Count(), 1);
    EXPECT_EQ(meldungen_.Last().kind, GetParam().meldung);
    EXPECT_TRUE(GleichesProjekt(P(), vorher));
    EXPECT_EQ(form_->Modell.datei(), datei);
    EXPECT_TRUE(form_->Modell.geaendert());
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, Laden,
                         testing::Values(LadeFall{"FormatError", "Name\r\nzwei\r\n", MessageKind::Error},
                                         LadeFall{"Missing", nullptr, MessageKind::Warning}),
                         [](const testing::TestParamInfo<LadeFall>& i) { return std::string(i.param.name); });

// --- hints -----------------------------------------------------------------------------

TEST_F(WerkstattGui, HintClickSelectsItsPlace) {
    Oeffne("beispiel.fuz");
    form_->Modell.setzeRegel(1, 2, 4);                                 // names no output term
    form_->Modell.setzeParameter(Rolle::Aus, 2, fuzzy::ParamB, 2.0f);  // b > c
    const std::vector<std::pair<QString, QWidget*>> faelle{{QStringLiteral("keinen Term 4"), form_->SeiteRegeln},
                                                           {QStringLiteral("Ecken"), form_->SeiteAus}};
    for (const auto& [text, seite] : faelle) {
        form_->Seiten->setCurrentIndex(0);
        const auto items = form_->HinweisListe->findItems(text, Qt::MatchContains);
        ASSERT_EQ(items.size(), 1) << text.toStdString();
        const QRect r = form_->HinweisListe->visualItemRect(items.first());
        QTest::mouseClick(form_->HinweisListe->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
        EXPECT_EQ(form_->Seiten->currentWidget(), seite) << text.toStdString();
    }
    EXPECT_EQ(form_->SeiteAus->GewaehlterTerm(), 2);
    form_->Seiten->setCurrentWidget(form_->SeiteRegeln);
    EXPECT_EQ(form_->SeiteRegeln->GewaehlteRegel(), std::make_pair(1, 2));
}

// The hint of a region without a rule, of the given page, with at least two
// cells or terms to show; none when the project has no such hint.
int Bits(std::uint32_t x) {
    int n = 0;
    for (; x != 0; x &= x - 1) ++n;
    return n;
}

std::optional<fuzzy::Hint> RegionsHinweis(const fuzzy::Project& p, fuzzy::HintPage seite) {
    for (const fuzzy::Hint& h : fuzzy::ProjectHints(p))
        if (h.Kind == fuzzy::HintKind::NoRuleFires && h.Place.Page == seite &&
            Bits(seite == fuzzy::HintPage::Rules ? h.Place.Cells : h.Place.Terms) >= 2)
            return h;
    return std::nullopt;
}

void KlickeHinweis(QListWidget* liste, const std::string& text) {
    const auto items = liste->findItems(QString::fromStdString(text), Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << text;
    liste->scrollToItem(items.first());
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::NoModifier, liste->visualItemRect(items.first()).center());
}

TEST_F(WerkstattGui, RegionHintSelectsEveryCellConcernedAndOneKeyFillsThemAsOneStep) {
    Oeffne("heizung.fuz");
    // Two neighbouring cells emptied: where only they decide, no rule fires.
    form_->Modell.setzeRegel(1, 1, 0);
    form_->Modell.setzeRegel(1, 2, 0);
    const auto h = RegionsHinweis(P(), fuzzy::HintPage::Rules);
    ASSERT_TRUE(h.has_value());
    KlickeHinweis(form_->HinweisListe, h->Text);
    EXPECT_EQ(form_->Seiten->currentWidget(), form_->SeiteRegeln);
    EXPECT_EQ(form_->SeiteRegeln->GewaehlteRegeln(), h->Place.Cells);
    const fuzzy::Project vorher = P();
    QTest::keyClick(form_->SeiteRegeln->RegelGitter, Qt::Key_2);
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c)
            EXPECT_EQ(P().Rules.Get(r, c), h->Place.HasCell(r, c) ? 2 : vorher.Rules.Get(r, c)) << r << ", " << c;
    EXPECT_FALSE(RegionsHinweis(P(), fuzzy::HintPage::Rules).has_value());
    // The same key again changes nothing and leaves no empty step behind.
    const int schritte = form_->Modell.undoStack().count();
    QTest::keyClick(form_->SeiteRegeln->RegelGitter, Qt::Key_2);
    EXPECT_EQ(form_->Modell.undoStack().count(), schritte);
    form_->Modell.undoStack().undo();
    EXPECT_TRUE(GleichesProjekt(P(), vorher));
}

TEST_F(WerkstattGui, GapHintSelectsTheTermsBesideItAndNoSingleTermButton) {
    Oeffne("heizung.fuz");
    // "zu kalt" ends at -5 where "richtig" begins: at -5 itself neither is
    // above 0 (an open right foot, a rising flank's foot), so no rule fires
    // there whatever the table says.
    form_->Modell.setzeParameter(Rolle::A, 1, fuzzy::ParamD, -5.0f);
    const auto h = RegionsHinweis(P(), fuzzy::HintPage::InputA);
    ASSERT_TRUE(h.has_value());
    KlickeHinweis(form_->HinweisListe, h->Text);
    EXPECT_EQ(form_->Seiten->currentWidget(), form_->SeiteA);
    EXPECT_EQ(form_->SeiteA->GewaehlteTerme(), h->Place.Terms);
    EXPECT_EQ(form_->SeiteA->GewaehlterTerm(), h->Place.FirstTerm());
    EXPECT_FALSE(form_->SeiteA->EntfernenBtn->isEnabled());
    EXPECT_FALSE(form_->SeiteA->RunterBtn->isEnabled());
    // The first of them chosen again, as a click into the diagram does: it
    // alone is selected and its buttons are back.
    form_->SeiteA->WaehleTerm(h->Place.FirstTerm());
    EXPECT_EQ(form_->SeiteA->GewaehlteTerme(), 1u << (h->Place.FirstTerm() - 1));
    EXPECT_TRUE(form_->SeiteA->EntfernenBtn->isEnabled());
}

TEST_F(WerkstattGui, RuleGridHasATermsAcrossAndBTermsDownNamedAfterTheirVariables) {
    Oeffne("heizung.fuz");
    form_->SeiteB->WaehleTerm(3);
    form_->SeiteB->EntfernenBtn->click();  // B: 2 terms, A: 3
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 3; ++c) form_->Modell.setzeRegel(r, c, (r + c) % 3 + 1);
    TRegelSeite* s = form_->SeiteRegeln;
    TRuleGrid* g = s->RegelGitter;
    for (int c = 1; c <= 3; ++c) EXPECT_EQ(g->item(0, c)->text(), QString::fromStdString(P().A.GetTermAbbrev(c))) << c;
    for (int r = 1; r <= 2; ++r) EXPECT_EQ(g->item(r, 0)->text(), QString::fromStdString(P().B.GetTermAbbrev(r))) << r;
    EXPECT_TRUE(g->isColumnHidden(4));
    EXPECT_TRUE(g->isRowHidden(3));
    EXPECT_FALSE(g->isColumnHidden(3));
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 3; ++c)
            EXPECT_EQ(g->item(r, c)->text(), QString::fromStdString(P().Out.GetTermAbbrev(P().Rules.Get(r, c))))
                << r << ", " << c;
    EXPECT_TRUE(s->SpaltenLbl->text().contains(QString::fromStdString(P().A.Name)));
    EXPECT_TRUE(s->ZeilenLbl->text().contains(QString::fromStdString(P().B.Name)));
    // A click on grid row 2, column 3 is the rule for B's term 2 and A's term 3.
    const QRect z = g->visualItemRect(g->item(2, 3));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::NoModifier, z.center());
    EXPECT_EQ(s->GewaehlteRegel(), std::make_pair(2, 3));
}

TEST_F(WerkstattGui, HintsFollowEveryEdit) {
    Oeffne("beispiel.fuz");
    // Its two terms meet at their feet, at 0, and the second ends at 10: there no rule fires.
    EXPECT_EQ(form_->HinweisListe->findItems(QStringLiteral("feuert keine Regel"), Qt::MatchContains).size(), 2);
    form_->Modell.setzeParameter(Rolle::A, 1, fuzzy::ParamD, 5.0f);
    form_->Modell.setzeParameter(Rolle::A, 2, fuzzy::ParamA, -5.0f);
    form_->Modell.setzeParameter(Rolle::A, 2, fuzzy::ParamD, 20.0f);
    form_->Modell.setzeParameter(Rolle::A, 2, fuzzy::ParamC, 20.0f);
    EXPECT_EQ(form_->HinweisListe->count(), 1);  // "Keine Hinweise"
    EXPECT_EQ(form_->HinweisListe->item(0)->flags() & Qt::ItemIsSelectable, Qt::NoItemFlags);
    form_->Modell.setzeRegel(1, 1, 0);
    EXPECT_FALSE(form_->HinweisListe->findItems(QStringLiteral("Keine Regel verwendet"), Qt::MatchContains).isEmpty());
    form_->Modell.undoStack().undo();
    EXPECT_TRUE(form_->HinweisListe->findItems(QStringLiteral("Keine Regel verwendet"), Qt::MatchContains).isEmpty());
}

// The labs' starts beyond an input's range are named in the hints: for the
// chosen vehicle all of them; without a choice those where no rule fires, of
// the labs the user has opened.
struct StartHinweisFall {
    const char* name;
    const char* datei;  // an example, or "" for the Lok template with every rule, its distance shrunk to -10..10
    Fahrzeug wahl;
    bool lokOffen;  // the Lok-Labor was looked at
    float abstand;  // the Lok-Labor's distance
    bool hinweis;   // a hint names the Lok-Labor's start
};

class StartHinweis : public WerkstattGui, public testing::WithParamInterface<StartHinweisFall> {};

TEST_P(StartHinweis, HintsNameTheLabsStartsOutsideAnInputsRange) {
    const StartHinweisFall f = GetParam();
    if (*f.datei) {
        Oeffne(f.datei);
    } else {
        form_->NeuClick(Vorlage::Lok);
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 5; ++c) form_->Modell.setzeRegel(r, c, std::clamp(6 - (r + c) / 2, 1, 5));
        form_->Modell.setzeBereich(Rolle::A, -10.0f, 10.0f, true);
    }
    form_->Modell.setzeFahrzeug(f.wahl);
    if (f.lokOffen) form_->Seiten->setCurrentWidget(form_->LokLabor());
    labor::LokEinstellung e = form_->LokLabor()->einstellung();
    e.AbstandCm = f.abstand;
    form_->LokLabor()->setEinstellung(e);
    const auto labore = form_->HinweisListe->findItems(QStringLiteral("-Labor"), Qt::MatchContains);
    ASSERT_EQ(labore.size(), f.hinweis ? 1 : 0);
    if (!f.hinweis) return;
    EXPECT_TRUE(labore[0]->text().startsWith(QStringLiteral("Lok-Labor"))) << qPrintable(labore[0]->text());
    EXPECT_TRUE(labore[0]->text().contains(QStringLiteral("= 100 "))) << qPrintable(labore[0]->text());
    form_->HinweisClick(labore[0]);
    EXPECT_EQ(form_->Seiten->currentWidget(), form_->SeiteA);
}

INSTANTIATE_TEST_SUITE_P(
    Werkstatt, StartHinweis,
    testing::Values(
        StartHinweisFall{"ShrunkNotChosenLabOpened", "", Fahrzeug::Unbestimmt, true, 100.0f, true},
        StartHinweisFall{"ShrunkNotChosenLabNeverOpened", "", Fahrzeug::Unbestimmt, false, 100.0f, false},
        StartHinweisFall{"LokChosenStartBeyondItsRange", "lok.fuz", Fahrzeug::Lok, false, 100.0f, true},
        StartHinweisFall{"LokNotChosenRulesFireThere", "lok.fuz", Fahrzeug::Unbestimmt, true, 100.0f, false},
        StartHinweisFall{"LokStartMovedIntoTheRange", "lok.fuz", Fahrzeug::Lok, false, 20.0f, false},
        StartHinweisFall{"TruckProjectNotChosenLokLabOpened", "truck.fuz", Fahrzeug::Unbestimmt, true, 100.0f, true},
        StartHinweisFall{"TruckProjectChosen", "truck.fuz", Fahrzeug::Truck, true, 100.0f, false}),
    [](const testing::TestParamInfo<StartHinweisFall>& i) { return std::string(i.param.name); });

// --- the rule page, input B, terms ------------------------------------------------------

TEST_F(WerkstattGui, RuleGridKeysSetAndClearTheOutputTerm) {
    Oeffne("heizung.fuz");
    TRegelSeite* s = form_->SeiteRegeln;
    form_->Seiten->setCurrentWidget(s);
    s->WaehleRegel(2, 3);
    const int vorher = P().Rules.Get(2, 3);
    QTest::keyClick(s->RegelGitter, Qt::Key_1);
    EXPECT_EQ(P().Rules.Get(2, 3), 1);
    EXPECT_EQ(s->RegelGitter->item(2, 3)->text(), QString::fromStdString(P().Out.GetTermAbbrev(1)));
    QTest::keyClick(s->RegelGitter, Qt::Key_Delete);
    EXPECT_EQ(P().Rules.Get(2, 3), 0);
    EXPECT_TRUE(s->RegelGitter->item(2, 3)->text().isEmpty());
    QTest::keyClick(s->RegelGitter, Qt::Key_9);  // names no term: ignored
    EXPECT_EQ(P().Rules.Get(2, 3), 0);
    // A list click sets the chosen cell.
    const QRect r = s->AusgangListe->visualItemRect(s->AusgangListe->item(2));
    QTest::mouseClick(s->AusgangListe->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    EXPECT_EQ(P().Rules.Get(2, 3), 2);
    form_->Modell.undoStack().undo();
    form_->Modell.undoStack().undo();
    form_->Modell.undoStack().undo();
    EXPECT_EQ(P().Rules.Get(2, 3), vorher);
}

TEST_F(WerkstattGui, GridRowsAndColumnsFollowTheTermCounts) {
    Oeffne("heizung.fuz");
    TRuleGrid* g = form_->SeiteRegeln->RegelGitter;
    auto sichtbar = [g](bool zeilen) {
        int n = 0;
        for (int i = 1; i <= 5; ++i) n += zeilen ? !g->isRowHidden(i) : !g->isColumnHidden(i);
        return n;
    };
    // A column per term of A, a row per term of B.
    EXPECT_EQ(sichtbar(false), P().A.TermCount);
    EXPECT_EQ(sichtbar(true), P().B.TermCount);
    form_->SeiteB->BVerwenden->click();  // B off
    EXPECT_FALSE(P().B.Defined);
    EXPECT_TRUE(form_->SeiteB->NichtVerwendet->isVisibleTo(form_->SeiteB));
    EXPECT_EQ(sichtbar(true), 1);
    form_->SeiteA->WaehleTerm(1);
    form_->SeiteA->EntfernenBtn->click();
    EXPECT_EQ(sichtbar(false), P().A.TermCount);
    form_->Modell.undoStack().undo();
    form_->Modell.undoStack().undo();
    EXPECT_TRUE(P().B.Defined);
    EXPECT_EQ(sichtbar(true), P().B.TermCount);
}

TEST_F(WerkstattGui, TermButtonsAddRemoveAndMoveWithUndo) {
    Oeffne("beispiel.fuz");
    TVariablenSeite* s = form_->SeiteAus;
    const fuzzy::Project vorher = P();
    s->HinzuBtn->click();
    EXPECT_EQ(P().Out.TermCount, 3);
    EXPECT_EQ(s->TermTabelle->rowCount(), 3);
    s->WaehleTerm(1);
    s->RunterBtn->click();
    EXPECT_EQ(P().Out.GetTermName(2), "links");
    EXPECT_EQ(P().Rules.Get(1, 2), 2);  // "positiv -> links" follows links
    EXPECT_EQ(s->GewaehlterTerm(), 2);
    for (int i = 0; i < 2; ++i) form_->Aktion("Rueckgaengig1")->trigger();
    EXPECT_TRUE(GleichesProjekt(P(), vorher));
}

TEST_F(WerkstattGui, TableEditsTakeCommaAndRefuseBadInput) {
    Oeffne("beispiel.fuz");
    QTableWidget* t = form_->SeiteA->TermTabelle;
    t->item(0, TVariablenSeite::SpalteA + 2)->setText(QStringLiteral("-4,5"));  // c
    EXPECT_EQ(P().A.GetParam(1, 3), -4.5f);
    t->item(0, TVariablenSeite::SpalteA + 2)->setText(QStringLiteral("x"));
    EXPECT_EQ(P().A.GetParam(1, 3), -4.5f);
    EXPECT_EQ(meldungen_.Last().kind, MessageKind::Warning);
    EXPECT_EQ(t->item(0, TVariablenSeite::SpalteA + 2)->text(), QStringLiteral("\u22124,5"));
    t->item(0, TVariablenSeite::SpalteName)->setText(QStringLiteral("sehr negativ"));
    EXPECT_EQ(P().A.GetTermAbbrev(1), "SN");
    EXPECT_EQ(t->item(0, TVariablenSeite::SpalteKuerzel)->text(), QStringLiteral("SN"));
    t->item(0, TVariablenSeite::SpalteName)->setText(QString());
    EXPECT_EQ(P().A.GetTermName(1), "sehr negativ");
}

// --- handing the project to Dorvane and Pemrak ----------------------------------------------

TEST_F(WerkstattGui, OpensTheSavedProjectInTheProgramBesideIt) {
    const QString datei = Oeffne("truck.fuz");
    QDir().mkpath(tmp_.filePath(QStringLiteral("bin")));
    const QString dorvane = tmp_.filePath(QStringLiteral("bin/dorvane"));
    QFile f(dorvane);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    QFile::setPermissions(dorvane, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    form_->WerkstattOrdner = tmp_.filePath(QStringLiteral("bin"));

    form_->ImProgrammOeffnen(Fahrzeugprogramm::Dorvane);
    EXPECT_EQ(gestartet_, QStringList({dorvane, datei}));
    EXPECT_EQ(meldungen_.Count(), 0);

    gestartet_.clear();
    form_->ImProgrammOeffnen(Fahrzeugprogramm::Pemrak);
    EXPECT_TRUE(gestartet_.isEmpty());
    ASSERT_EQ(meldungen_.Count(), 1);
    EXPECT_TRUE(meldungen_.Last().text.contains(QStringLiteral("Pemrak wurde nicht gefunden")));
}

TEST_F(WerkstattGui, UnsavedProjectIsSavedBeforeTheStartOrNotStarted) {
    const QString datei = Oeffne("lok.fuz");
    form_->WerkstattOrdner = QStringLiteral(FUZZY_SOURCE_DIR "/scripts");  // no Pemrak there
    const int neu = P().Rules.Get(1, 1) == 5 ? 4 : 5;
    form_->Modell.setzeRegel(1, 1, neu);
    meldungen_.Answer(MessageAnswer::No);
    form_->ImProgrammOeffnen(Fahrzeugprogramm::Pemrak);
    EXPECT_EQ(meldungen_.Count(), 1);
    EXPECT_EQ(meldungen_.Last().kind, MessageKind::Confirmation);
    EXPECT_TRUE(form_->Modell.geaendert());
    EXPECT_TRUE(gestartet_.isEmpty());

    meldungen_.Answer(MessageAnswer::Yes);
    form_->ImProgrammOeffnen(Fahrzeugprogramm::Pemrak);
    EXPECT_FALSE(form_->Modell.geaendert());
    EXPECT_EQ(Gelesen(datei).Rules.Get(1, 1), neu);
    EXPECT_TRUE(meldungen_.Last().text.contains(QStringLiteral("nicht gefunden")));
}

// --- the inspector and the control surface in the window -------------------------

TEST_F(WerkstattGui, InspectorStepShowsAsLinesInTheDiagramsAndFollowsEdits) {
    Oeffne("beispiel.fuz");
    auto* inspektor = qobject_cast<ansichten::Inspektor*>(form_->Inspektor());
    auto* kennfeld = qobject_cast<ansichten::Kennfeld*>(form_->Kennfeld());
    ASSERT_TRUE(inspektor && kennfeld);
    EXPECT_NE(form_->Seiten->indexOf(inspektor), -1);
    EXPECT_NE(form_->Seiten->indexOf(kennfeld), -1);
    inspektor->setEingaben(-2.5f, 0.0f);
    EXPECT_EQ(form_->SeiteA->Diagramm->marke(), std::optional<float>(-2.5f));
    EXPECT_EQ(form_->SeiteB->Diagramm->marke(), std::nullopt);  // no input B
    ASSERT_TRUE(form_->SeiteAus->Diagramm->marke());
    EXPECT_EQ(QString::number(double(*form_->SeiteAus->Diagramm->marke()), 'g', 9), QStringLiteral("0.611111104"));
    // An edit reaches the inspector: without the rule for "negativ" nothing fires.
    form_->Modell.setzeRegel(1, 1, 0);
    EXPECT_EQ(*form_->SeiteAus->Diagramm->marke(), P().Out.RangeMin);
    form_->Modell.undoStack().undo();
    EXPECT_FLOAT_EQ(*form_->SeiteAus->Diagramm->marke(), 0.611111104f);
    // A click on the surface moves the inspector, and the lines with it.
    emit kennfeld->punktGewaehlt(4.0f, 0.0f);
    EXPECT_EQ(inspektor->eingabeA(), 4.0f);
    EXPECT_EQ(form_->SeiteA->Diagramm->marke(), std::optional<float>(4.0f));
}

// With lok.fuz open, a picture saved as proj.png, a link to lok.fuz, made
// lok.fuz a PNG, with no message and no star in the title.
TEST_F(WerkstattGui, PictureOntoALinkToTheProjectIsRefused) {
    const QString datei = Oeffne("lok.fuz");
    const QByteArray vorher = Inhalt(datei);
    const QString verweis = tmp_.filePath(QStringLiteral("proj.png"));
    ASSERT_TRUE(QFile::link(datei, verweis));
    const auto wahl = ansichten::SetDateiWahl([&verweis](QWidget*, const QString&) { return verweis; });
    form_->SeiteA->BildBtn->click();
    ansichten::SetDateiWahl(wahl);
    ASSERT_EQ(meldungen_.Count(), 1);
    EXPECT_TRUE(meldungen_.Last().text.contains(QStringLiteral("Eingabedatei selbst")))
        << qPrintable(meldungen_.Last().text);
    EXPECT_EQ(Inhalt(datei), vorher);
    EXPECT_TRUE(QFileInfo(verweis).isSymLink());
}

TEST_F(WerkstattGui, VariablePageSavesItsDiagramAsPngAndSvg) {
    Oeffne("heizung.fuz");
    QString gewaehlt;
    const auto vorher = ansichten::SetDateiWahl([&gewaehlt](QWidget*, const QString&) { return gewaehlt; });
    for (const char* name : {"terme.png", "terme.svg"}) {
        gewaehlt = tmp_.filePath(QString::fromLatin1(name));
        form_->SeiteB->BildBtn->click();
        const QByteArray bild = Inhalt(gewaehlt);
        EXPECT_GT(bild.size(), 500) << name;
        EXPECT_TRUE(bild.startsWith("\x89PNG") || bild.contains("<svg")) << name;
    }
    ansichten::SetDateiWahl(vorher);
    EXPECT_EQ(meldungen_.Count(), 0);
}

}  // namespace

// --- exchange with other fuzzy tools and the tuner's result -------------------------------

class Austausch : public WerkstattGui, public testing::WithParamInterface<const char*> {};

TEST_P(Austausch, ExportThenImportGivesTheSameControllerAsANewUnsavedProject) {
    Oeffne("heizung.fuz");
    const fuzzy::Project vorher = P();
    const QString ziel = tmp_.filePath(QStringLiteral("heizung.") + QLatin1String(GetParam()));
    ASSERT_TRUE(form_->ExportierenNach(ziel));
    form_->NeuClick(Vorlage::Leer);
    ASSERT_TRUE(form_->ImportierenDatei(ziel));
    EXPECT_EQ(meldungen_.Count(), 0);
    EXPECT_TRUE(GleichesProjekt(P(), vorher));
    // An import is a new project: saving asks for a .fuz name, and undo goes back.
    EXPECT_TRUE(form_->Modell.datei().isEmpty());
    EXPECT_TRUE(form_->Modell.geaendert());
    form_->Modell.undoStack().undo();
    EXPECT_FALSE(GleichesProjekt(P(), vorher));
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, Austausch, testing::Values("fll", "fis", "fcl"));

TEST_F(WerkstattGui, ImportThatDoesNotFitNamesItsLineAndChangesNothing) {
    const QString datei = Oeffne("heizung.fuz");
    const fuzzy::Project vorher = P();
    const QString fremd = tmp_.filePath(QStringLiteral("glocke.fll"));
    QFile f(fremd);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "Engine: glocke\nInputVariable: x\n  range: 0 1\n  term: mitte Gaussian 0.5 0.1\n"
        "OutputVariable: y\n  range: 0 1\n  term: t Triangle 0 0.5 1\n");
    f.close();
    EXPECT_FALSE(form_->ImportierenDatei(fremd));
    ASSERT_EQ(meldungen_.Count(), 1);
    EXPECT_EQ(meldungen_.Last().kind, MessageKind::Error);
    EXPECT_TRUE(meldungen_.Last().text.contains(QStringLiteral("Zeile 4"))) << meldungen_.Last().text.toStdString();
    EXPECT_TRUE(GleichesProjekt(P(), vorher));
    EXPECT_EQ(form_->Modell.datei(), datei);
    EXPECT_FALSE(form_->Modell.geaendert());
}

TEST_F(WerkstattGui, ExportWithoutAFormatOrOntoAFolderWritesNothing) {
    Oeffne("heizung.fuz");
    const QString ordner = tmp_.filePath(QStringLiteral("ordner.fll"));
    QDir().mkpath(ordner);
    const QString ohneEndung = tmp_.filePath(QStringLiteral("heizung.txt"));
    EXPECT_FALSE(form_->ExportierenNach(ohneEndung));
    EXPECT_FALSE(form_->ExportierenNach(ordner));
    ASSERT_EQ(meldungen_.Count(), 2);
    EXPECT_EQ(meldungen_.Messages()[0].kind, MessageKind::Error);
    EXPECT_EQ(meldungen_.Messages()[1].kind, MessageKind::Error);
    EXPECT_FALSE(QFileInfo::exists(ohneEndung));
    EXPECT_TRUE(QFileInfo(ordner).isDir());
}

// A pipe held the window in QFile::open for ever; a link to the project as
// the export's target replaced the project by its export.
TEST_F(WerkstattGui, ImportOfAPipeOrFolderAndExportOntoTheProjectChangeNothing) {
    const QString datei = Oeffne("heizung.fuz");
    const fuzzy::Project vorher = P();
    const QString pipe = tmp_.filePath(QStringLiteral("pipe.fll"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString ordner = tmp_.filePath(QStringLiteral("ordner.fcl"));
    QDir().mkpath(ordner);
    const QString verweis = tmp_.filePath(QStringLiteral("verweis.fll"));
    ASSERT_TRUE(QFile::link(datei, verweis));
    QFile projekt(datei);
    ASSERT_TRUE(projekt.open(QIODevice::ReadOnly));
    const QByteArray bytes = projekt.readAll();
    projekt.close();

    EXPECT_FALSE(form_->ImportierenDatei(pipe));
    EXPECT_FALSE(form_->ImportierenDatei(ordner));
    EXPECT_FALSE(form_->ExportierenNach(verweis));
    ASSERT_EQ(meldungen_.Count(), 3);
    EXPECT_TRUE(meldungen_.Messages()[0].text.contains(QStringLiteral("keine gewöhnliche Datei")))
        << meldungen_.Messages()[0].text.toStdString();
    EXPECT_TRUE(meldungen_.Messages()[1].text.contains(QStringLiteral("Ordner")))
        << meldungen_.Messages()[1].text.toStdString();
    EXPECT_TRUE(meldungen_.Messages()[2].text.contains(QStringLiteral("Eingabedatei selbst")))
        << meldungen_.Messages()[2].text.toStdString();
    for (const auto& m : meldungen_.Messages()) EXPECT_EQ(m.kind, MessageKind::Error);
    EXPECT_TRUE(GleichesProjekt(P(), vorher));
    EXPECT_FALSE(form_->Modell.geaendert());
    ASSERT_TRUE(projekt.open(QIODevice::ReadOnly));
    EXPECT_EQ(projekt.readAll(), bytes);
}

// Under a German locale, as QApplication sets it from LANG=de_DE.UTF-8, the C
// export still writes points: the source compiles. A file name that cannot
// stand in #include "..." is refused with a message, and nothing is written.
TEST_F(WerkstattGui, CExportUnderACommaLocaleCompilesAndOddNamesAreRefused) {
    const std::string vorher = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "de_DE.UTF-8 fehlt (localedef -i de_DE -f UTF-8 de_DE.UTF-8)";
    }
    Oeffne("lok.fuz");
    const QString ziel = tmp_.filePath(QStringLiteral("regler.c"));
    const bool geschrieben = form_->ExportierenNach(ziel);
    const bool abgelehnt = !form_->ExportierenNach(tmp_.filePath(QStringLiteral("a\"b.c")));
    std::setlocale(LC_ALL, vorher.c_str());
    ASSERT_TRUE(geschrieben);
    EXPECT_TRUE(abgelehnt);
    EXPECT_TRUE(meldungen_.Count() == 1 && meldungen_.Last().text.contains(QStringLiteral("#include")));
    if (std::system("command -v gcc >/dev/null 2>&1") != 0) GTEST_SKIP() << "gcc fehlt";
    const QByteArray befehl =
        "gcc -std=c99 -Wall -Wextra -pedantic -Werror -c '" + QFile::encodeName(ziel) + "' -o /dev/null";
    EXPECT_EQ(std::system(befehl.constData()), 0);
}

// "C-Quelltext (Mikrocontroller)": source and header side by side, the
// header never written over the project it came from.
TEST_F(WerkstattGui, CExportWritesSourceAndHeaderButNeverOverTheProject) {
    const QString datei = Oeffne("heizung.fuz");
    const QString ziel = tmp_.filePath(QStringLiteral("regler.c"));
    ASSERT_TRUE(form_->ExportierenNach(ziel));
    EXPECT_EQ(meldungen_.Count(), 0);
    QFile quelle(ziel), kopf(tmp_.filePath(QStringLiteral("regler.h")));
    ASSERT_TRUE(quelle.open(QIODevice::ReadOnly));
    ASSERT_TRUE(kopf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(quelle.readAll().contains("#include \"regler.h\""));
    EXPECT_TRUE(kopf.readAll().contains("float fuzzy_step(float a, float b);"));

    const QString alsKopf = tmp_.filePath(QStringLiteral("heizung.h"));
    ASSERT_TRUE(QFile::rename(datei, alsKopf));
    ASSERT_TRUE(form_->OeffnenDatei(alsKopf));
    QFile vorher(alsKopf);
    ASSERT_TRUE(vorher.open(QIODevice::ReadOnly));
    const QByteArray bytes = vorher.readAll();
    EXPECT_FALSE(form_->ExportierenNach(tmp_.filePath(QStringLiteral("heizung.c"))));
    ASSERT_EQ(meldungen_.Count(), 1);
    EXPECT_EQ(meldungen_.Last().kind, MessageKind::Error);
    EXPECT_TRUE(meldungen_.Last().text.contains(QStringLiteral("Projektdatei selbst")))
        << meldungen_.Last().text.toStdString();
    QFile nachher(alsKopf);
    ASSERT_TRUE(nachher.open(QIODevice::ReadOnly));
    EXPECT_EQ(nachher.readAll(), bytes);
    EXPECT_FALSE(QFileInfo::exists(tmp_.filePath(QStringLiteral("heizung.c"))));
}

TEST_F(WerkstattGui, ReplacedProjectIsOneStepAndStaysWithItsFile) {
    const QString datei = Oeffne("lok.fuz");
    const fuzzy::Project vorher = P();
    fuzzy::Project besser = vorher;
    besser.Rules.Set(1, 1, besser.Rules.Get(1, 1) == 1 ? 2 : 1);
    besser.A.SetParam(2, fuzzy::ParamB, besser.A.GetParam(2, fuzzy::ParamB) + 0.5f);
    form_->Modell.ersetzen(besser, QStringLiteral("Regeln verbessert"));
    EXPECT_TRUE(GleichesProjekt(P(), besser));
    EXPECT_EQ(form_->Modell.datei(), datei);
    EXPECT_TRUE(form_->windowTitle().endsWith(QLatin1Char('*')));
    form_->Modell.undoStack().undo();
    EXPECT_TRUE(GleichesProjekt(P(), vorher));
    EXPECT_FALSE(form_->Modell.geaendert());
}

// --- the editing pages' term diagram ------------------------------------------

namespace {

// Labels of neighbouring terms ran together ("NKNUPK") and term lines struck
// through the axis labels: none of the labels written may meet another or
// leave the diagram, for every variable of every example.
TEST(TermDiagrammBeschriftung, LabelsNeitherOverlapNorLeaveTheDiagram) {
    for (const QString& datei :
         QDir(QStringLiteral(FUZZY_SOURCE_DIR "/examples")).entryList({QStringLiteral("*.fuz")})) {
        const fuzzy::Project p = Gelesen(Beispiel(datei.toLatin1().constData()));
        for (const fuzzy::TFuzzy* v : {&p.A, &p.B, &p.Out}) {
            if (!v->Defined) continue;
            for (const QSize g : {QSize(900, 300), QSize(420, 200)}) {
                TTermDiagramm d;
                d.resize(g);
                d.show();
                d.setVariable(*v);
                const std::vector<QRect>& l = d.beschriftungen();
                ASSERT_GT(l.size(), 3u) << datei.toStdString();
                for (std::size_t i = 0; i < l.size(); ++i) {
                    EXPECT_TRUE(d.rect().contains(l[i])) << datei.toStdString() << " " << v->Name << " " << i;
                    for (std::size_t k = i + 1; k < l.size(); ++k)
                        EXPECT_FALSE(l[i].intersects(l[k]))
                            << datei.toStdString() << " " << v->Name << " labels " << i << " and " << k;
                }
            }
        }
    }
}

}  // namespace

// --- lessons: numbers in one style, comfort in editing, help, comparison -----------------

namespace {

const QChar Minus(0x2212);

// The pages' numbers: decimal comma and true minus, never a decimal point.
struct SeitenZahlFall {
    const char* name;
    QString (*text)(TMainForm&);
    const char* muster;  // a regular expression the whole text must match
};

class SeitenZahlen : public WerkstattGui, public testing::WithParamInterface<SeitenZahlFall> {};

TEST_P(SeitenZahlen, EveryPageShowsNumbersInTheWorkshopStyle) {
    Oeffne("lok.fuz");
    auto* inspektor = qobject_cast<ansichten::Inspektor*>(form_->Inspektor());
    inspektor->setEingaben(-12.5f, 3.25f);
    auto* truck = qobject_cast<labor::TruckLabor*>(form_->TruckLabor());
    auto* lok = qobject_cast<labor::LokLabor*>(form_->LokLabor());
    QTRY_VERIFY_WITH_TIMEOUT(!truck->rechnet() && !lok->rechnet(), 60000);
    const QString text = GetParam().text(*form_);
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("\\d\\.\\d")))) << qPrintable(text);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^(?:") + QString::fromUtf8(GetParam().muster) + QStringLiteral(")$"))
                    .match(text)
                    .hasMatch())
        << qPrintable(text);
}

INSTANTIATE_TEST_SUITE_P(
    Werkstatt, SeitenZahlen,
    testing::Values(
        SeitenZahlFall{"RangeField", [](TMainForm& f) { return f.SeiteA->MinEdit->text(); },
                       "\xE2\x88\x92\\d+(,\\d+)?"},
        SeitenZahlFall{"TermTable",
                       [](TMainForm& f) {
                           QStringList zellen;
                           for (int c = TVariablenSeite::SpalteA; c <= TVariablenSeite::SpalteH; ++c)
                               zellen << f.SeiteA->TermTabelle->item(0, c)->text();
                           return zellen.join(QLatin1Char(' '));
                       },
                       "(\xE2\x88\x92?\\d+(,\\d+)? ?){5}"},
        SeitenZahlFall{
            "InspectorOutput",
            [](TMainForm& f) { return qobject_cast<ansichten::Inspektor*>(f.Inspektor())->ausgangAnzeige()->text(); },
            "Ausgang .* = \xE2\x88\x92?\\d+(,\\d+)?"},
        SeitenZahlFall{
            "TruckLabWorstX",
            [](TMainForm& f) { return qobject_cast<labor::TruckLabor*>(f.TruckLabor())->zahl("groessteX")->text(); },
            ".*<b>(\\d+,\\d{3} m|\xE2\x80\x93)</b>"},
        SeitenZahlFall{
            "TruckLabWorstAttitude",
            [](TMainForm& f) { return qobject_cast<labor::TruckLabor*>(f.TruckLabor())->zahl("groessteLage")->text(); },
            ".*<b>(\\d+,\\d{2}\xC2\xB0|\xE2\x80\x93)</b>"},
        SeitenZahlFall{"LocoLabRestTime",
                       [](TMainForm& f) {
                           return qobject_cast<labor::LokLabor*>(f.LokLabor())->zahl(QStringLiteral("ruhe_0"))->text();
                       },
                       "t = \\d+,\\d{3} s|nie"},
        SeitenZahlFall{"LocoLabEnd",
                       [](TMainForm& f) {
                           return qobject_cast<labor::LokLabor*>(f.LokLabor())->zahl(QStringLiteral("ende_2"))->text();
                       },
                       "\\d+,\\d{3}\xC2\xA0s; \xE2\x88\x92?\\d+,\\d{2}\xC2\xA0"
                       "cm; \xE2\x88\x92?\\d+,\\d{2}\xC2\xA0"
                       "cm/s.*"}),
    [](const testing::TestParamInfo<SeitenZahlFall>& i) { return std::string(i.param.name); });

TEST_F(WerkstattGui, TypedNumbersTakeTheTrueMinusTheFieldsShow) {
    Oeffne("beispiel.fuz");
    QTableWidget* t = form_->SeiteA->TermTabelle;
    t->item(0, TVariablenSeite::SpalteA + 2)->setText(QString(Minus) + QStringLiteral("2,5"));
    EXPECT_EQ(P().A.GetParam(1, 3), -2.5f);
    EXPECT_EQ(meldungen_.Count(), 0);
}

// Keyboard steps land on the grid of the step.
struct RasterTastenFall {
    const char* name;
    float min, max, start;
    Qt::Key taste;
    float erwartet;
    const char* text;
};

class RasterTasten : public WerkstattGui, public testing::WithParamInterface<RasterTastenFall> {};

TEST_P(RasterTasten, KeyStepsLandOnTheStepGrid) {
    const RasterTastenFall& f = GetParam();
    Oeffne("beispiel.fuz");
    form_->Modell.setzeBereich(Rolle::A, f.min, f.max);
    // Term 2 as a wide trapezoid around the start value.
    form_->Modell.setzeParameter(Rolle::A, 2, fuzzy::ParamA, f.min);
    form_->Modell.setzeParameter(Rolle::A, 2, fuzzy::ParamD, f.max);
    form_->Modell.setzeParameter(Rolle::A, 2, fuzzy::ParamC, f.max);
    form_->Modell.setzeParameter(Rolle::A, 2, fuzzy::ParamB, f.start);
    TTermDiagramm* d = form_->SeiteA->Diagramm;
    form_->SeiteA->WaehleTerm(2);
    d->setFocus();
    d->setAktiverGriff(fuzzy::ParamB);
    QTest::keyClick(d, f.taste);
    EXPECT_EQ(P().A.GetParam(2, fuzzy::ParamB), f.erwartet);
    EXPECT_EQ(form_->SeiteA->TermTabelle->item(1, TVariablenSeite::SpalteA + 1)->text(), QString::fromUtf8(f.text));
}

INSTANTIATE_TEST_SUITE_P(
    Werkstatt, RasterTasten,
    testing::Values(RasterTastenFall{"HundredthsShowAsTyped", 0.0f, 1.0f, 0.84f, Qt::Key_Right, 0.85f, "0,85"},
                    RasterTastenFall{"OffGridGoesToTheNextGridValue", -10.0f, 10.0f, 5.1f, Qt::Key_Right, 5.2f, "5,2"},
                    RasterTastenFall{"OffGridLeftGoesToTheGridBelow", -10.0f, 10.0f, 5.1f, Qt::Key_Left, 5.0f, "5"},
                    RasterTastenFall{"NegativeHundredths", -1.0f, 0.0f, -0.3f, Qt::Key_Left, -0.31f,
                                     "\xE2\x88\x92"
                                     "0,31"}),
    [](const testing::TestParamInfo<RasterTastenFall>& i) { return std::string(i.param.name); });

TEST_F(WerkstattGui, DragSnapsToTheGridAndCtrlMovesFreely) {
    Oeffne("beispiel.fuz");  // A over -10 .. 10: grid 0.2
    TTermDiagramm* d = form_->SeiteA->Diagramm;
    form_->SeiteA->WaehleTerm(2);
    const QPointF von = d->griffPosition(2, fuzzy::ParamB);
    Ziehe(d, von, von + QPointF(23, 0));
    const float gerastert = P().A.GetParam(2, fuzzy::ParamB);
    EXPECT_EQ(AufRaster(gerastert, 0.2), gerastert);
    form_->Modell.undoStack().undo();
    // With Ctrl the value is where the mouse is.
    const QPointF nach = von + QPointF(23, 0);
    QTest::mousePress(d, Qt::LeftButton, Qt::NoModifier, von.toPoint());
    QMouseEvent e(QEvent::MouseMove, nach, d->mapToGlobal(nach), Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
    QApplication::sendEvent(d, &e);
    QTest::mouseRelease(d, Qt::LeftButton, Qt::ControlModifier, nach.toPoint());
    EXPECT_EQ(P().A.GetParam(2, fuzzy::ParamB),
              d->FracToWorldX(d->PixelToFracX(static_cast<int>(std::lround(nach.x())))));
}

// A press exactly on a triangle's peak: the direction of the drag decides.
struct SpitzenFall {
    const char* name;
    double dx;
    int bewegt, bleibt;
};

class Spitze : public WerkstattGui, public testing::WithParamInterface<SpitzenFall> {};

TEST_P(Spitze, DragFromThePeakMovesTheCornerOnThatSide) {
    Oeffne("beispiel.fuz");
    form_->Modell.setzeParameter(Rolle::A, 2, fuzzy::ParamB, 7.0f);
    form_->Modell.setzeParameter(Rolle::A, 2, fuzzy::ParamC, 7.0f);
    TTermDiagramm* d = form_->SeiteA->Diagramm;
    form_->SeiteA->WaehleTerm(2);
    const QPointF spitze = d->griffPosition(2, fuzzy::ParamB);
    ASSERT_EQ(spitze, d->griffPosition(2, fuzzy::ParamC));
    Ziehe(d, spitze, spitze + QPointF(GetParam().dx, 0));
    EXPECT_NE(P().A.GetParam(2, GetParam().bewegt), 7.0f);
    EXPECT_EQ(P().A.GetParam(2, GetParam().bleibt), 7.0f);
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, Spitze,
                         testing::Values(SpitzenFall{"RightMovesC", 30, fuzzy::ParamC, fuzzy::ParamB},
                                         SpitzenFall{"LeftMovesB", -30, fuzzy::ParamB, fuzzy::ParamC}),
                         [](const testing::TestParamInfo<SpitzenFall>& i) { return std::string(i.param.name); });

// A changed range offers to take the terms along, as one step.
struct BereichFrageFall {
    const char* name;
    MessageAnswer antwort;
    bool bereichNeu, termeMit;
};

class BereichFrage : public WerkstattGui, public testing::WithParamInterface<BereichFrageFall> {};

TEST_P(BereichFrage, AnswerDecidesWhetherTheTermsGoAlongInOneStep) {
    const BereichFrageFall& f = GetParam();
    Oeffne("beispiel.fuz");  // A over -10 .. 10
    const fuzzy::Project vorher = P();
    meldungen_.Answer(f.antwort);
    form_->SeiteA->MinEdit->setText(QString(Minus) + QStringLiteral("30"));
    form_->SeiteA->MinEditFertig();
    ASSERT_EQ(meldungen_.Count(), 1);
    EXPECT_EQ(meldungen_.Last().kind, MessageKind::Question);
    EXPECT_EQ(P().A.RangeMin, f.bereichNeu ? -30.0f : -10.0f);
    // Term 2's b sat at 5, three quarters into the range; with the terms it
    // stays three quarters into the new one.
    EXPECT_EQ(P().A.GetParam(2, fuzzy::ParamB), f.termeMit ? 0.0f : 5.0f);
    EXPECT_EQ(P().A.GetParam(2, fuzzy::ParamH), vorher.A.GetParam(2, fuzzy::ParamH));
    EXPECT_EQ(form_->Modell.undoStack().count(), f.bereichNeu ? 1 : 0);
    if (f.bereichNeu) form_->Modell.undoStack().undo();
    EXPECT_TRUE(GleichesProjekt(P(), vorher));
    EXPECT_EQ(form_->SeiteA->MinEdit->text(), QString(Minus) + QStringLiteral("10"));
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, BereichFrage,
                         testing::Values(BereichFrageFall{"YesTakesTheTerms", MessageAnswer::Yes, true, true},
                                         BereichFrageFall{"NoOnlyTheRange", MessageAnswer::No, true, false},
                                         BereichFrageFall{"CancelChangesNothing", MessageAnswer::Cancel, false, false}),
                         [](const testing::TestParamInfo<BereichFrageFall>& i) { return std::string(i.param.name); });

TEST_F(WerkstattGui, FreshTemplateIsUnchangedAndTheNextNewAsksNothing) {
    form_->NeuClick(Vorlage::Leer);
    EXPECT_EQ(form_->windowTitle(), QStringLiteral("Fuzzy-Werkstatt \u2013 Unbenannt"));
    EXPECT_FALSE(form_->Modell.geaendert());
    form_->NeuClick(Vorlage::Truck);
    EXPECT_EQ(meldungen_.Count(), 0);
    EXPECT_TRUE(GleichesProjekt(P(), fuzzy::TemplateTruck()));
    // An edit of the template is a change.
    form_->Modell.setzeRegel(1, 1, 2);
    EXPECT_TRUE(form_->windowTitle().endsWith(QLatin1Char('*')));
}

struct LadeTextFall {
    const char* name;
    const char* inhalt;  // nullptr: the file does not exist (unless anlegen makes it)
    const char* enthaelt;
    void (*anlegen)(const QString& pfad) = nullptr;
};

class LadeText : public WerkstattGui, public testing::WithParamInterface<LadeTextFall> {};

TEST_P(LadeText, MessageNamesTheFileAndTheLine) {
    const QString kaputt = tmp_.filePath(QStringLiteral("kaputt.fuz"));
    if (GetParam().inhalt) {
        QFile f(kaputt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(GetParam().inhalt);
    }
    if (GetParam().anlegen) GetParam().anlegen(kaputt);
    EXPECT_FALSE(form_->OeffnenDatei(kaputt));
    ASSERT_EQ(meldungen_.Count(), 1) << "one message, not the engine's and the workshop's";
    EXPECT_TRUE(meldungen_.Last().text.contains(QDir::toNativeSeparators(kaputt)))
        << qPrintable(meldungen_.Last().text);
    EXPECT_TRUE(meldungen_.Last().text.contains(QString::fromUtf8(GetParam().enthaelt)))
        << qPrintable(meldungen_.Last().text);
}

INSTANTIATE_TEST_SUITE_P(
    Werkstatt, LadeText,
    testing::Values(LadeTextFall{"FormatErrorNamesTheLine", "Name\r\nzwei\r\n", "Zeile 2"},
                    LadeTextFall{"MissingKeepsTheProgramsWording", nullptr, "Daten konnten nicht gelesen werden!"},
                    // A 3 GB sparse file of one endless line froze the window until std::bad_alloc.
                    LadeTextFall{"HugeFileIsRefusedAtOnce", nullptr, "größer als 1 MB",
                                 [](const QString& p) {
                                     QFile f(p);
                                     f.open(QIODevice::WriteOnly);
                                     f.resize(qint64(3) << 30);
                                 }}),
    [](const testing::TestParamInfo<LadeTextFall>& i) { return std::string(i.param.name); });

TEST_F(WerkstattGui, PictureDialogStartsInTheProjectsFolderAndSaysDateityp) {
    Oeffne("heizung.fuz");
    QString vorschlag;
    const auto vorher = ansichten::SetDateiWahl([&vorschlag](QWidget*, const QString& v) {
        vorschlag = v;
        return QString();
    });
    form_->SeiteA->BildBtn->click();
    ansichten::SetDateiWahl(vorher);
    EXPECT_EQ(QFileInfo(vorschlag).absolutePath(), QFileInfo(tmp_.path()).absoluteFilePath());
    std::unique_ptr<QFileDialog> d(ansichten::BildDialog(form_.get(), vorschlag));
    EXPECT_EQ(d->labelText(QFileDialog::FileType), QStringLiteral("Dateityp:"));
    EXPECT_EQ(d->directory().absolutePath(), QFileInfo(tmp_.path()).absoluteFilePath());
}

TEST_F(WerkstattGui, CtrlZInALabsNumberFieldUndoesTheProject) {
    Oeffne("lok.fuz");
    const fuzzy::Project vorher = P();
    form_->Modell.setzeRegel(1, 1, P().Rules.Get(1, 1) == 1 ? 2 : 1);
    auto* lok = qobject_cast<labor::LokLabor*>(form_->LokLabor());
    form_->Seiten->setCurrentWidget(lok);
    form_->activateWindow();
    lok->reibungFeld()->setFocus();
    QTest::keyClicks(lok->reibungFeld(), QStringLiteral("5"));
    QTest::keyClick(lok->reibungFeld(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(GleichesProjekt(P(), vorher));
    QTest::keyClick(lok->reibungFeld(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(GleichesProjekt(P(), vorher));
}

// Every mnemonic of the tabs and the menu bar is its own.
TEST_F(WerkstattGui, TabAndMenuMnemonicsNeverClash) {
    QMap<QChar, QString> belegt;
    auto pruefe = [&belegt](const QString& text) {
        const int i = static_cast<int>(text.indexOf(QLatin1Char('&')));
        if (i < 0 || i + 1 >= text.size()) {
            ADD_FAILURE() << "no mnemonic: " << qPrintable(text);
            return;
        }
        const QChar c = text[i + 1].toLower();
        EXPECT_FALSE(belegt.contains(c)) << qPrintable(text) << " and " << qPrintable(belegt.value(c));
        belegt.insert(c, text);
    };
    for (int i = 0; i < form_->Seiten->count(); ++i) pruefe(form_->Seiten->tabText(i));
    for (QAction* a : form_->menuBar()->actions()) pruefe(a->text());
}

TEST_F(WerkstattGui, ArrowKeysInTheOutputListApplyAtOnce) {
    Oeffne("heizung.fuz");
    TRegelSeite* s = form_->SeiteRegeln;
    form_->Seiten->setCurrentWidget(s);
    s->WaehleRegel(2, 3);
    form_->Modell.setzeRegel(2, 3, 1);
    s->AusgangListe->setFocus();
    QTest::keyClick(s->AusgangListe, Qt::Key_Down);
    EXPECT_EQ(P().Rules.Get(2, 3), 2);
    EXPECT_EQ(s->AusgangListe->currentRow(), 2);
    QTest::keyClick(s->AusgangListe, Qt::Key_Home);
    EXPECT_EQ(P().Rules.Get(2, 3), 0);
}

// F1 opens the Kurzanleitung at the section of the page on screen.
struct HilfeFall {
    const char* name;
    int seite;
    const char* anker;
};

class Hilfe : public WerkstattGui, public testing::WithParamInterface<HilfeFall> {};

TEST_P(Hilfe, F1OpensTheSectionOfThePage) {
    form_->Seiten->setCurrentIndex(GetParam().seite);
    form_->activateWindow();
    QTest::keyClick(form_->Seiten->currentWidget(), Qt::Key_F1);
    auto* hilfe = form_->findChild<THilfeForm*>();
    ASSERT_NE(hilfe, nullptr);
    EXPECT_EQ(hilfe->Text()->source().fragment(), QString::fromLatin1(GetParam().anker));
    EXPECT_TRUE(hilfe->Text()->toHtml().contains(QStringLiteral("name=\"%1\"").arg(QLatin1String(GetParam().anker))))
        << "the section exists";
}

INSTANTIATE_TEST_SUITE_P(Werkstatt, Hilfe,
                         testing::Values(HilfeFall{"EingangA", 0, "variablen"}, HilfeFall{"EingangB", 1, "variablen"},
                                         HilfeFall{"Ausgang", 2, "variablen"}, HilfeFall{"Regeln", 3, "regeln"},
                                         HilfeFall{"Inspektor", 4, "inspektor"}, HilfeFall{"Kennfeld", 5, "kennfeld"},
                                         HilfeFall{"TruckLabor", 6, "truck-labor"},
                                         HilfeFall{"LokLabor", 7, "lok-labor"}),
                         [](const testing::TestParamInfo<HilfeFall>& i) { return std::string(i.param.name); });

// Every page and every command of the menus, as the window names them, is
// explained in the Kurzanleitung the window opens.
void NenntJedeSeiteUndJedenBefehl(TMainForm& form) {
    form.Anleitung1Click();
    auto* hilfe = form.findChild<THilfeForm*>();
    ASSERT_NE(hilfe, nullptr);
    const QString text = hilfe->Text()->toPlainText();
    auto ohneZeichen = [](QString t) {
        t.remove(QLatin1Char('&'));
        t.remove(QChar(0x2026));
        return t.trimmed();
    };
    for (int i = 0; i < form.Seiten->count(); ++i)
        EXPECT_TRUE(text.contains(ohneZeichen(form.Seiten->tabText(i)))) << qPrintable(form.Seiten->tabText(i));
    std::function<void(QMenu*)> menue = [&](QMenu* m) {
        for (QAction* a : m->actions()) {
            // Recent files and the examples are files, named as they are.
            if (a->isSeparator() || m->objectName() == QLatin1String("Zuletzt1") ||
                m->objectName() == QLatin1String("Beispiele1"))
                continue;
            EXPECT_TRUE(text.contains(ohneZeichen(a->text()))) << qPrintable(a->text());
            if (a->menu()) menue(a->menu());
        }
    };
    for (QAction* a : form.menuBar()->actions()) menue(a->menu());
}

TEST_F(WerkstattGui, KurzanleitungNamesEveryPageAndCommand) { NenntJedeSeiteUndJedenBefehl(*form_); }

TEST_F(WerkstattGui, InferenceStepIsExplainedWithTheInspectorsPicture) {
    Oeffne("beispiel.fuz");
    qobject_cast<ansichten::Inspektor*>(form_->Inspektor())->setEingaben(-2.5f, 0.0f);
    form_->Anleitung1Click();
    auto* hilfe = form_->findChild<THilfeForm*>();
    ASSERT_NE(hilfe, nullptr);
    EXPECT_TRUE(hilfe->Text()->toHtml().contains(THilfeForm::SchrittbildUrl().toString()));
    const QVariant bild =
        hilfe->Text()->document()->resource(QTextDocument::ImageResource, THilfeForm::SchrittbildUrl());
    ASSERT_TRUE(bild.canConvert<QImage>());
    const QImage i = bild.value<QImage>();
    EXPECT_EQ(i.width(), 500);
    // Not a blank page: the inspector's drawing is in it.
    int dunkel = 0;
    for (int y = 0; y < i.height(); y += 3)
        for (int x = 0; x < i.width(); x += 3) dunkel += qGray(i.pixel(x, y)) < 128;
    EXPECT_GT(dunkel, 100);
}

// "Vergleichen mit…": the state before the last edit, or nothing to compare.
TEST_F(WerkstattGui, ComparisonTakesTheStateBeforeTheLastEdit) {
    Oeffne("truck.fuz");
    auto* truck = qobject_cast<labor::TruckLabor*>(form_->TruckLabor());
    form_->VergleichVorher(truck);
    EXPECT_EQ(meldungen_.Count(), 1) << "no edit yet: nothing to compare";
    EXPECT_FALSE(truck->hatVergleich());
    const fuzzy::Project vorher = P();
    form_->Modell.setzeRegel(1, 1, 0);
    form_->VergleichVorher(truck);
    ASSERT_TRUE(truck->hatVergleich());
    QTRY_VERIFY_WITH_TIMEOUT(truck->vergleichErgebnis() != nullptr && !truck->rechnet(), 60000);
    // The comparison is the project before the edit: its figures are those of
    // the file's project.
    Oeffne("truck.fuz");
    QTRY_VERIFY_WITH_TIMEOUT(!truck->rechnet() && truck->ergebnis(), 60000);
    EXPECT_EQ(truck->vergleichErgebnis()->Raster.Figures.Docked, truck->ergebnis()->Raster.Figures.Docked);
    EXPECT_TRUE(truck->vergleichZahlen()->text().contains(QStringLiteral("angedockt")));
    EXPECT_TRUE(GleichesProjekt(P(), vorher));
}

TEST_F(WerkstattGui, ComparisonFromAFileThatDoesNotLoadChangesNothing) {
    Oeffne("lok.fuz");
    auto* lok = qobject_cast<labor::LokLabor*>(form_->LokLabor());
    oeffnen_ = tmp_.filePath(QStringLiteral("fehlt.fuz"));
    form_->VergleichAusDatei(lok);
    EXPECT_FALSE(lok->hatVergleich());
    EXPECT_EQ(meldungen_.Last().kind, MessageKind::Warning);
    oeffnen_ = Beispiel("lok.fuz");
    form_->VergleichAusDatei(lok);
    EXPECT_TRUE(lok->hatVergleich());
    EXPECT_TRUE(lok->vergleichZahlen()->text().contains(QStringLiteral("lok.fuz")));
}

TEST_F(WerkstattGui, LocoLabKeepsTheWindowsMinimumWidth) {
    Oeffne("lok.fuz");
    const int vorher = form_->minimumSizeHint().width();
    auto* lok = qobject_cast<labor::LokLabor*>(form_->LokLabor());
    form_->Seiten->setCurrentWidget(lok);
    QTRY_VERIFY_WITH_TIMEOUT(!lok->rechnet() && lok->ergebnis(), 60000);
    QCoreApplication::processEvents();
    EXPECT_LE(form_->minimumSizeHint().width(), std::max(vorher, 800));
    // No wider than the widest of the other pages, whose width the window has anyway.
    int andere = 0;
    for (int i = 0; i < form_->Seiten->count(); ++i)
        if (form_->Seiten->widget(i) != lok)
            andere = std::max(andere, form_->Seiten->widget(i)->minimumSizeHint().width());
    EXPECT_LE(lok->minimumSizeHint().width(), andere);
}

// --- the English edition ----------------------------------------------------------

const QStringList kKataloge = {QStringLiteral("gemeinsam"), QStringLiteral("werkstatt"), QStringLiteral("labor")};

// A mass with the mark of its pen in the locomotive lab's legend ("▬ 2 kg"):
// a number and a unit, in both languages.
QStringList Massen(const std::vector<testsupport::SichtbarerText>& texte) {
    static const QRegularExpression masse(QStringLiteral("^[^\\p{L}]*\\d+\\s*kg$"));
    QStringList m;
    for (const testsupport::SichtbarerText& t : texte) {
        QTextDocument d;
        d.setHtml(t.text);
        const QString rein = d.toPlainText().trimmed();
        if (masse.match(rein).hasMatch()) m << rein;
    }
    return m;
}

// What the user's data and the file names put into the window: the same in
// both languages. The hints are the engine's texts, translated there.
QStringList Namen(const TMainForm& form) {
    QStringList n{form.windowTitle()};
    const fuzzy::Project& p = form.Modell.projekt();
    for (const fuzzy::TFuzzy* v : {&p.A, &p.B, &p.Out}) {
        n << QString::fromStdString(v->Name);
        for (int i = 1; i <= v->UsedTerms(); ++i) {
            const QString name = QString::fromStdString(v->GetTermName(i));
            const QString kuerzel = QString::fromStdString(v->GetTermAbbrev(i));
            n << name << kuerzel << QStringLiteral("%1 \u2013 %2  (%3)").arg(i).arg(kuerzel, name);
        }
    }
    for (const fuzzy::Hint& h : fuzzy::ProjectHints(p)) n << QString::fromStdString(h.Text);
    for (const char* dateien : {"Zuletzt1", "Beispiele1"})
        if (auto* menue = form.findChild<QMenu*>(QLatin1String(dateien)))
            for (QAction* a : menue->actions()) n << QString(a->text()).remove(QLatin1Char('&'));
    return n;
}

// The window as a user leaves it: a project, an edit (the undo entry names
// it), the hints.
struct FensterFall {
    const char* name;
    void (*vorbereiten)(TMainForm&, const QString& ordner);
};

class EnglischesFenster : public WerkstattGui, public testing::WithParamInterface<FensterFall> {};

TEST_P(EnglischesFenster, EveryTextOfTheWindowAndItsMenusIsTranslated) {
    auto fenster = [this] {
        auto f = std::make_unique<TMainForm>();
        f->resize(900, 720);
        GetParam().vorbereiten(*f, tmp_.path());
        QCoreApplication::processEvents();
        return f;
    };
    const std::unique_ptr<TMainForm> de = fenster();
    const auto deutsch = testsupport::SichtbareTexte(de.get());
    // A term's corners and height, and the rule grid's corner, are symbols.
    const QStringList gleich =
        Namen(*de) + Massen(deutsch) + QStringList{QStringLiteral("Name"), QStringLiteral("Name:"), QStringLiteral("a"),
                                                   QStringLiteral("b"),    QStringLiteral("c"),     QStringLiteral("d"),
                                                   QStringLiteral("h"),    QStringLiteral("B \\ A")};
    std::vector<testsupport::SichtbarerText> englisch;
    {
        testsupport::SpracheFuer sprache(fuzzy::Language::English, kKataloge);
        const std::unique_ptr<TMainForm> en = fenster();
        englisch = testsupport::SichtbareTexte(en.get());
    }
    EXPECT_GT(deutsch.size(), 60u) << "menus, pages and tabs gathered";
    const QStringList fehler = testsupport::Unuebersetzt(deutsch, englisch, gleich);
    EXPECT_TRUE(fehler.isEmpty()) << qPrintable(fehler.join(QLatin1Char('\n')));
}

// A screen reader names every control of the window, its pages and its
// exercise panel, in both languages.
TEST_P(EnglischesFenster, EveryControlHasAnAccessibleName) {
    const QStringList fehler = testsupport::OhneNamenBeiderSprachen(
        [this] {
            auto f = std::make_unique<TMainForm>();
            f->resize(900, 720);
            GetParam().vorbereiten(*f, tmp_.path());
            QCoreApplication::processEvents();
            return f;
        },
        [](std::unique_ptr<TMainForm>& f) { return f.get(); }, kKataloge);
    EXPECT_TRUE(fehler.isEmpty()) << qPrintable(fehler.join(QLatin1Char('\n')));
}

INSTANTIATE_TEST_SUITE_P(
    Englisch, EnglischesFenster,
    testing::Values(FensterFall{"EditedTruckProject",
                                [](TMainForm& f, const QString& ordner) {
                                    const QString datei = ordner + QStringLiteral("/truck.fuz");
                                    QFile::copy(Beispiel("truck.fuz"), datei);
                                    QFile::setPermissions(datei, QFile::ReadOwner | QFile::WriteOwner);
                                    f.OeffnenDatei(datei);
                                    f.Modell.setzeRegel(1, 1, 0);
                                    f.Modell.undoStack().undo();
                                    f.Modell.setzeRegel(2, 2, f.Modell.projekt().Rules.Get(2, 2) == 1 ? 2 : 1);
                                }},
                    FensterFall{"OneInputWithoutB",
                                [](TMainForm& f, const QString&) { f.OeffnenDatei(Beispiel("beispiel.fuz")); }},
                    FensterFall{"LocoTemplateWithHints",
                                [](TMainForm& f, const QString&) {
                                    f.NeuClick(Vorlage::Lok);
                                    f.Modell.setzeRegel(1, 1, 7);  // a cell naming no term
                                }},
                    FensterFall{"EmptyProject", [](TMainForm& f, const QString&) { f.NeuClick(Vorlage::Leer); }},
                    // The exercise panel's boxes, one holding no number (its tool tip says so).
                    FensterFall{"HandStepWithAnswers",
                                [](TMainForm& f, const QString&) {
                                    f.AufgabeOeffnen(QStringLiteral(FUZZY_SOURCE_DIR
                                                                    "/examples/aufgaben/01_regelschritt.fuzaufgabe"));
                                    QLineEdit* feld =
                                        f.Aufgabe()->antwortFeld(QStringLiteral("P1"), QStringLiteral("hoehe.1"));
                                    feld->setText(QStringLiteral("0,4x"));
                                    emit feld->textEdited(feld->text());
                                }}),
    [](const testing::TestParamInfo<FensterFall>& i) { return std::string(i.param.name); });

// "Abgeben…" with a field that does not fit, so that its reason shows.
QWidget* AbgabeMitFehler(QWidget* eltern) {
    auto* d = new werkstatt::AbgabeDialog({QStringLiteral("Anna Berg"), QString(), QString(), QString()},
                                          QStringLiteral("03"), QStringLiteral("03_lok_tabelle.fuzaufgabe"), eltern);
    d->kennungFeld()->setText(QStringLiteral("47 11"));
    return d;
}

// The class overview with a marked hand-in and a file that is none: every
// column and the reason of a row.
QWidget* BewerteteKlasse(QWidget* eltern) {
    static const QTemporaryDir ordner;
    const QString aufgabe = QStringLiteral(FUZZY_SOURCE_DIR "/examples/aufgaben/03_lok_tabelle.fuzaufgabe");
    const QString abgabe = ordner.filePath(QStringLiteral("anna.fuzabgabe"));
    if (!QFileInfo::exists(abgabe)) {
        QProcess::execute(
            QStringLiteral(FUZZYSIM_BIN),
            {QStringLiteral("aufgabe"), QStringLiteral("abgabe"), aufgabe,
             QStringLiteral(FUZZY_SOURCE_DIR "/examples/aufgaben/03_lok_tabelle.falsch.fuz"), QStringLiteral("--name"),
             QStringLiteral("Anna"), QStringLiteral("--klasse"), QStringLiteral("10b"), QStringLiteral("-o"), abgabe});
        QFile kaputt(ordner.filePath(QStringLiteral("kaputt.fuzabgabe")));
        if (kaputt.open(QIODevice::WriteOnly)) kaputt.write("[abgabe]\n");
    }
    auto* k = new werkstatt::KlassenUebersicht(eltern);
    k->setAufgabe(aufgabe);
    k->hinzufuegen({ordner.path()});
    if (!QTest::qWaitFor([k] { return !k->rechnet() && k->ergebnis().has_value(); }, 120000))
        ADD_FAILURE() << "the class is not marked";
    return k;
}

// The dialogs of the workshop's own: About, the Kurzanleitung's window, the
// classroom's.
struct DialogFall {
    const char* name;
    QWidget* (*machen)(QWidget* eltern);
};

class EnglischerDialog : public WerkstattGui, public testing::WithParamInterface<DialogFall> {};

TEST_P(EnglischerDialog, EveryTextIsTranslated) {
    const std::unique_ptr<QWidget> de(GetParam().machen(form_.get()));
    const auto deutsch = testsupport::SichtbareTexte(de.get());
    std::vector<testsupport::SichtbarerText> englisch;
    {
        testsupport::SpracheFuer sprache(fuzzy::Language::English, kKataloge);
        const std::unique_ptr<QWidget> en(GetParam().machen(form_.get()));
        englisch = testsupport::SichtbareTexte(en.get());
    }
    QStringList gleich{QStringLiteral("OK"), QStringLiteral("Fuzzy-Werkstatt"), QStringLiteral("Name"),
                       QStringLiteral("Name:")};
    if (auto* version = de->findChild<QLabel*>(QStringLiteral("VersionLbl"))) gleich << version->text();
    // A class's table: who handed in, in which class, is the hand-ins' data.
    if (auto* tabelle = de->findChild<QTableWidget*>(QStringLiteral("tabelle")))
        for (int z = 0; z < tabelle->rowCount(); ++z)
            for (int s = 0; s < 4; ++s)
                if (const QTableWidgetItem* i = tabelle->item(z, s)) gleich << i->text();
    ASSERT_FALSE(deutsch.empty());
    const QStringList fehler = testsupport::Unuebersetzt(deutsch, englisch, gleich);
    EXPECT_TRUE(fehler.isEmpty()) << qPrintable(fehler.join(QLatin1Char('\n')));
}

TEST_P(EnglischerDialog, EveryControlHasAnAccessibleName) {
    const QStringList fehler = testsupport::OhneNamenBeiderSprachen(
        [this] { return std::unique_ptr<QWidget>(GetParam().machen(form_.get())); },
        [](std::unique_ptr<QWidget>& d) { return d.get(); }, kKataloge);
    EXPECT_TRUE(fehler.isEmpty()) << qPrintable(fehler.join(QLatin1Char('\n')));
}

INSTANTIATE_TEST_SUITE_P(
    Englisch, EnglischerDialog,
    testing::Values(DialogFall{"About", [](QWidget* e) -> QWidget* { return new TInfoForm(e); }},
                    DialogFall{"Kurzanleitung", [](QWidget* e) -> QWidget* { return new THilfeForm(e); }},
                    DialogFall{"Abgeben", [](QWidget* e) -> QWidget* { return AbgabeMitFehler(e); }},
                    DialogFall{"Klassenuebersicht", [](QWidget* e) -> QWidget* { return BewerteteKlasse(e); }}),
    [](const testing::TestParamInfo<DialogFall>& i) { return std::string(i.param.name); });

// Alt+letter reaches one entry only: within each menu, and on the window with
// each of its pages (menu bar, tabs, the page's buttons and labels), in both
// languages; the same for the dialogs the window opens.
struct KuerzelFall {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> bauen;
};

class Kuerzel : public WerkstattGui, public testing::WithParamInterface<KuerzelFall> {};

TEST_P(Kuerzel, NoTwoEntriesShareAMnemonic) {
    const QStringList fehler = testsupport::DoppelteKuerzelBeiderSprachen(
        GetParam().bauen, [](std::unique_ptr<QWidget>& w) { return w.get(); }, kKataloge);
    EXPECT_TRUE(fehler.isEmpty()) << qPrintable(fehler.join(QLatin1Char('\n')));
}

// Alt with the letter of a page's tab shows that page: Alt+B is input B's
// tab, as Alt+A is input A's, not a menu.
TEST_F(WerkstattGui, AltWithATabsLetterShowsItsPage) {
    Oeffne("truck.fuz");
    const std::pair<Qt::Key, QWidget*> faelle[] = {{Qt::Key_B, form_->SeiteB},
                                                   {Qt::Key_A, form_->SeiteA},
                                                   {Qt::Key_G, form_->SeiteAus},
                                                   {Qt::Key_R, form_->SeiteRegeln},
                                                   {Qt::Key_L, form_->LokLabor()}};
    form_->activateWindow();
    for (const auto& [taste, seite] : faelle) {
        form_->Seiten->setCurrentWidget(form_->Kennfeld());
        QTest::keyClick(form_->Seiten->currentWidget(), taste, Qt::AltModifier);
        if (QWidget* menue = QApplication::activePopupWidget()) menue->close();
        EXPECT_EQ(form_->Seiten->currentWidget(), seite) << QKeySequence(taste).toString().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Werkstatt, Kuerzel,
    testing::Values(
        KuerzelFall{"MainWindowWithATwoInputProject",
                    [] {
                        auto f = std::make_unique<TMainForm>();
                        f->resize(900, 720);
                        f->OeffnenDatei(Beispiel("truck.fuz"));
                        return std::unique_ptr<QWidget>(std::move(f));
                    }},
        KuerzelFall{"About", [] { return std::unique_ptr<QWidget>(new TInfoForm); }},
        KuerzelFall{"Kurzanleitung", [] { return std::unique_ptr<QWidget>(new THilfeForm); }},
        KuerzelFall{"RegelnVerbessern", [] { return std::unique_ptr<QWidget>(new labor::RegelnVerbessern); }},
        KuerzelFall{"Abgeben", [] { return std::unique_ptr<QWidget>(AbgabeMitFehler(nullptr)); }},
        KuerzelFall{"Klassenuebersicht", [] { return std::unique_ptr<QWidget>(BewerteteKlasse(nullptr)); }}),
    [](const testing::TestParamInfo<KuerzelFall>& i) { return std::string(i.param.name); });

// The file dialogs set their own texts (title, labels, buttons, filters):
// those must follow the language, whatever the toolkit brings.
struct DateiDialogFall {
    const char* name;
    void (*oeffnen)(TMainForm&);
};

std::vector<testsupport::SichtbarerText> DateiDialogTexte(TMainForm& form, void (*oeffnen)(TMainForm&)) {
    std::vector<testsupport::SichtbarerText> texte;
    QTimer wache;
    wache.setInterval(20);
    QObject::connect(&wache, &QTimer::timeout, [&texte, &wache] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!d) return;
        wache.stop();
        texte.push_back({QStringLiteral("titel"), d->windowTitle()});
        const QFileDialog::DialogLabel beschriftungen[] = {QFileDialog::LookIn, QFileDialog::FileName,
                                                           QFileDialog::FileType, QFileDialog::Accept,
                                                           QFileDialog::Reject};
        for (QFileDialog::DialogLabel b : beschriftungen)
            texte.push_back({QStringLiteral("beschriftung%1").arg(int(b)), d->labelText(b)});
        for (const QString& f : d->nameFilters()) texte.push_back({QStringLiteral("filter"), f});
        d->reject();
    });
    wache.start();
    oeffnen(form);
    return texte;
}

class EnglischerDateiDialog : public WerkstattGui, public testing::WithParamInterface<DateiDialogFall> {};

TEST_P(EnglischerDateiDialog, TitleLabelsButtonsAndFiltersAreTranslated) {
    TMainForm de;
    const auto deutsch = DateiDialogTexte(de, GetParam().oeffnen);
    std::vector<testsupport::SichtbarerText> englisch;
    {
        testsupport::SpracheFuer sprache(fuzzy::Language::English, kKataloge);
        TMainForm en;
        englisch = DateiDialogTexte(en, GetParam().oeffnen);
    }
    ASSERT_GE(deutsch.size(), 7u) << "the dialog was shown";
    // The other tools' formats are names.
    const QStringList formate{QStringLiteral("FLL \u2013 fuzzylite (*.fll)"),
                              QStringLiteral("FIS \u2013 Fuzzy Inference System (*.fis)"),
                              QStringLiteral("FCL \u2013 Fuzzy Control Language (*.fcl)")};
    const QStringList fehler = testsupport::Unuebersetzt(deutsch, englisch, formate);
    EXPECT_TRUE(fehler.isEmpty()) << qPrintable(fehler.join(QLatin1Char('\n')));
}

INSTANTIATE_TEST_SUITE_P(Englisch, EnglischerDateiDialog,
                         testing::Values(DateiDialogFall{"Open", [](TMainForm& f) { f.OeffnenDialog(); }},
                                         DateiDialogFall{"SaveAs", [](TMainForm& f) { f.SpeichernDialog(QString()); }},
                                         DateiDialogFall{"Import", [](TMainForm& f) { f.ImportDialog(); }},
                                         DateiDialogFall{"Export", [](TMainForm& f) { f.ExportDialog(QString()); }},
                                         DateiDialogFall{"Pdf",
                                                         [](TMainForm& f) { f.PdfDialog(QStringLiteral("x.pdf")); }}),
                         [](const testing::TestParamInfo<DateiDialogFall>& i) { return std::string(i.param.name); });

// Messages and undo entries are made when they are needed, in the language
// of that moment.
struct MeldungFall {
    const char* name;
    QString (*ausloesen)(TMainForm&, testsupport::MessageRecorder&);
    const char* englisch;  // how the text begins
};

class EnglischeMeldung : public WerkstattGui, public testing::WithParamInterface<MeldungFall> {};

TEST_P(EnglischeMeldung, ComesOutInEnglish) {
    testsupport::SpracheFuer sprache(fuzzy::Language::English, kKataloge);
    TMainForm en;
    const QString text = GetParam().ausloesen(en, meldungen_);
    EXPECT_TRUE(text.startsWith(QString::fromUtf8(GetParam().englisch))) << qPrintable(text);
}

INSTANTIATE_TEST_SUITE_P(Englisch, EnglischeMeldung,
                         testing::Values(MeldungFall{"FileThatCannotBeOpened",
                                                     [](TMainForm& f, testsupport::MessageRecorder& m) {
                                                         f.OeffnenDatei(QStringLiteral("/nicht/da.fuz"));
                                                         return m.Last().text;
                                                     },
                                                     "Data could not be read!"},
                                         MeldungFall{"TypedWordIsNoNumber",
                                                     [](TMainForm& f, testsupport::MessageRecorder& m) {
                                                         f.OeffnenDatei(Beispiel("beispiel.fuz"));
                                                         f.SeiteA->MinEdit->setText(QStringLiteral("zwei"));
                                                         f.SeiteA->MinEditFertig();
                                                         return m.Last().text;
                                                     },
                                                     "\xE2\x80\x9Czwei\xE2\x80\x9D is not a valid number."},
                                         MeldungFall{"ImportOfAnUnknownFormat",
                                                     [](TMainForm& f, testsupport::MessageRecorder& m) {
                                                         f.ImportierenDatei(QStringLiteral("regler.txt"));
                                                         return m.Last().text;
                                                     },
                                                     "regler.txt is not an FLL, FIS or FCL file"},
                                         MeldungFall{"NothingToCompareYet",
                                                     [](TMainForm& f, testsupport::MessageRecorder& m) {
                                                         f.VergleichVorher(
                                                             qobject_cast<labor::TruckLabor*>(f.TruckLabor()));
                                                         return m.Last().text;
                                                     },
                                                     "There is no change yet"},
                                         MeldungFall{"UndoEntryNamesTheEdit",
                                                     [](TMainForm& f, testsupport::MessageRecorder&) {
                                                         f.NeuClick(Vorlage::Truck);
                                                         f.Modell.setzeRegel(
                                                             1, 1, f.Modell.projekt().Rules.Get(1, 1) == 1 ? 2 : 1);
                                                         return f.Aktion("Rueckgaengig1")->text();
                                                     },
                                                     "&Undo: Change rule"},
                                         MeldungFall{"UndoOfATemplateNamesIt",
                                                     [](TMainForm& f, testsupport::MessageRecorder&) {
                                                         f.NeuClick(Vorlage::Lok);
                                                         return f.Aktion("Rueckgaengig1")->text();
                                                     },
                                                     "&Undo: New: locomotive template"}),
                         [](const testing::TestParamInfo<MeldungFall>& i) { return std::string(i.param.name); });

// The English pages show decimal points and keep the true minus; a typed
// comma still reads.
struct EnglischeZahlFall {
    const char* name;
    QString (*text)(TMainForm&);
    const char* muster;
};

class EnglischeZahlen : public WerkstattGui, public testing::WithParamInterface<EnglischeZahlFall> {};

TEST_P(EnglischeZahlen, PagesShowADecimalPoint) {
    testsupport::SpracheFuer sprache(fuzzy::Language::English, kKataloge);
    TMainForm en;
    en.OeffnenDatei(Beispiel("lok.fuz"));
    const QString text = GetParam().text(en);
    EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("\\d,\\d")))) << qPrintable(text);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^(?:") + QString::fromUtf8(GetParam().muster) + QStringLiteral(")$"))
                    .match(text)
                    .hasMatch())
        << qPrintable(text);
}

INSTANTIATE_TEST_SUITE_P(
    Englisch, EnglischeZahlen,
    testing::Values(EnglischeZahlFall{"RangeField", [](TMainForm& f) { return f.SeiteA->MinEdit->text(); },
                                      "\xE2\x88\x92\\d+(\\.\\d+)?"},
                    EnglischeZahlFall{"TermTable",
                                      [](TMainForm& f) {
                                          QStringList zellen;
                                          for (int c = TVariablenSeite::SpalteA; c <= TVariablenSeite::SpalteH; ++c)
                                              zellen << f.SeiteB->TermTabelle->item(1, c)->text();
                                          return zellen.join(QLatin1Char(' '));
                                      },
                                      "(\xE2\x88\x92?\\d+(\\.\\d+)? ?){5}"},
                    EnglischeZahlFall{"TypedCommaReads",
                                      [](TMainForm& f) {
                                          f.SeiteA->TermTabelle->item(0, TVariablenSeite::SpalteA + 2)
                                              ->setText(QStringLiteral("-2,5"));
                                          return f.SeiteA->TermTabelle->item(0, TVariablenSeite::SpalteA + 2)->text();
                                      },
                                      "\xE2\x88\x92"
                                      "2\\.5"}),
    [](const testing::TestParamInfo<EnglischeZahlFall>& i) { return std::string(i.param.name); });

// The English Kurzanleitung has every section F1 opens and names every page
// and command by its English name.
TEST_F(WerkstattGui, EnglishKurzanleitungNamesEveryPageAndCommand) {
    testsupport::SpracheFuer sprache(fuzzy::Language::English, kKataloge);
    TMainForm en;
    NenntJedeSeiteUndJedenBefehl(en);
    auto* hilfe = en.findChild<THilfeForm*>();
    ASSERT_NE(hilfe, nullptr);
    EXPECT_TRUE(hilfe->Text()->toPlainText().contains(QStringLiteral("Quick guide")));
    for (int i = 0; i < en.Seiten->count(); ++i) {
        en.Seiten->setCurrentIndex(i);
        en.Anleitung1Click();
        EXPECT_TRUE(hilfe->Text()->toHtml().contains(QStringLiteral("name=\"%1\"").arg(en.Hilfeabschnitt())))
            << qPrintable(en.Hilfeabschnitt());
    }
}

}  // namespace
