#include "werkstatt/Main.h"

#include "werkstatt/CQuelltext.h"
#include "fuzzy/Errors.h"
#include "exchange/Exchange.h"
#include "werkstatt/Hilfe.h"
#include "werkstatt/Info.h"
#include "widgets/MessageBoxes.h"
#include "fuzzy/Messages.h"
#include "fuzzy/ProjectCheck.h"
#include "fuzzy/Project.h"
#include "werkstatt/seiten/RegelSeite.h"
#include "werkstatt/seiten/VariablenSeite.h"
#include "werkstatt/modell/Befehle.h"
#include "widgets/Beispiele.h"
#include "werkstatt/aufgabe/AufgabenPanel.h"
#include "werkstatt/klasse/KlassenUebersicht.h"
#include "werkstatt/klasse/Schuelerpaket.h"
#include "exercise/Reader.h"
#include "ui_Main.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QApplication>
#include <QSettings>
#include <QShortcut>
#include <QTabWidget>
#include <QUndoStack>

#include <optional>

#include "werkstatt/ansichten/Bildexport.h"
#include "werkstatt/ansichten/Inspektor.h"
#include "werkstatt/ansichten/KennfeldAnsicht.h"
#include "werkstatt/labor/LaborStarts.h"
#include "werkstatt/labor/LokLabor.h"
#include "werkstatt/labor/RegelnVerbessern.h"
#include "werkstatt/labor/TruckLabor.h"

namespace werkstatt {

namespace {

constexpr int RolleOrt = Qt::UserRole + 1;

// Holds back the engine's messages while a project is read: the workshop
// says itself which file failed and, for a format error, in which line.
class StilleMeldungen : public fuzzy::IMessages {
public:
    StilleMeldungen() : vorher_(fuzzy::Messages()) { fuzzy::SetMessages(this); }
    ~StilleMeldungen() override { fuzzy::SetMessages(&vorher_); }
    StilleMeldungen(const StilleMeldungen&) = delete;
    StilleMeldungen& operator=(const StilleMeldungen&) = delete;

    void Warning(const std::string&) override {}
    void Error(const std::string&) override { ++fehler; }
    int fehler = 0;

private:
    fuzzy::IMessages& vorher_;
};

// A project file is a few hundred bytes; the diagnosis needs no more than
// its first lines, so a huge file is not read whole.
constexpr qint64 MaxDiagnoseBytes = 1 << 20;

// Where a file that did not load stops fitting the format, as "fuzzysim
// check" says it; empty when that cannot be told.
QString Diagnose(const QString& datei) {
    QFile f(datei);
    if (!QFileInfo(datei).isFile() || !f.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = f.read(MaxDiagnoseBytes);
    const fuzzy::ProjectDiagnosis d = fuzzy::DiagnoseProject(std::string_view(bytes.constData(), bytes.size()));
    return d.ok ? QString() : QString::fromStdString(d.Describe());
}

QString SeitenText(fuzzy::HintPage s) {
    switch (s) {
    case fuzzy::HintPage::InputA: return QStringLiteral("A");
    case fuzzy::HintPage::InputB: return QStringLiteral("B");
    case fuzzy::HintPage::Output: return QCoreApplication::translate("werkstatt::TMainForm", "Aus");
    case fuzzy::HintPage::Rules: break;
    }
    return QCoreApplication::translate("werkstatt::TMainForm", "Regeln");
}

const QStringList kFremdeFilter = {QStringLiteral("FLL – fuzzylite (*.fll)"),
                                   QStringLiteral("FIS – Fuzzy Inference System (*.fis)"),
                                   QStringLiteral("FCL – Fuzzy Control Language (*.fcl)")};

// A project of the workshop from variables made elsewhere (import, tuner).
// Colours are not part of a project: every diagram sets its own.
fuzzy::Project Zusammensetzen(const fuzzy::Project& fremd) {
    fuzzy::Project p;
    p.A.Assign(fremd.A);
    p.B.Assign(fremd.B);
    p.Out.Assign(fremd.Out);
    p.Rules = fremd.Rules;
    return p;
}

// The file dialog in the program's language, whether or not the toolkit
// has its own texts installed for it.
QFileDialog* Dateidialog(QWidget* parent, const QString& titel, bool speichern) {
    auto* d = new QFileDialog(parent, titel);
    d->setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    d->setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    d->setNameFilters({QCoreApplication::translate("werkstatt::TMainForm", "Fuzzy-Projekte (*.fuz)"),
                       QCoreApplication::translate("werkstatt::TMainForm", "Alle Dateien (*)")});
    d->setDefaultSuffix(QStringLiteral("fuz"));
    d->setLabelText(QFileDialog::LookIn, QCoreApplication::translate("werkstatt::TMainForm", "Suchen in:"));
    d->setLabelText(QFileDialog::FileName, QCoreApplication::translate("werkstatt::TMainForm", "Datei&name:"));
    d->setLabelText(QFileDialog::FileType, QCoreApplication::translate("werkstatt::TMainForm", "Dateityp:"));
    d->setLabelText(QFileDialog::Accept, speichern ? QCoreApplication::translate("werkstatt::TMainForm", "&Speichern")
                                                   : QCoreApplication::translate("werkstatt::TMainForm", "Ö&ffnen"));
    d->setLabelText(QFileDialog::Reject, QCoreApplication::translate("werkstatt::TMainForm", "Abbrechen"));
    return d;
}

}  // namespace

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent), ui_(std::make_unique<Ui::TMainForm>()) {
    ui_->setupUi(this);
    Seiten = ui_->Seiten;
    SeiteA = ui_->SeiteA;
    SeiteB = ui_->SeiteB;
    SeiteAus = ui_->SeiteAus;
    SeiteRegeln = ui_->SeiteRegeln;
    HinweisListe = ui_->HinweisListe;
    ui_->Teiler->setStretchFactor(0, 4);
    ui_->Teiler->setStretchFactor(1, 1);
    ui_->Teiler->setSizes({560, 130});

    OeffnenDialog = [this] { return StandardOeffnenDialog(); };
    SpeichernDialog = [this](const QString& vorschlag) { return StandardSpeichernDialog(vorschlag); };
    ImportDialog = [this] {
        std::unique_ptr<QFileDialog> d(Dateidialog(this, tr("Projekt importieren"), false));
        d->setNameFilters(QStringList{tr("Fuzzy-Regler anderer Programme (*.fll *.fis *.fcl)")} + kFremdeFilter);
        d->setDefaultSuffix(QString());
        if (d->exec() != QDialog::Accepted || d->selectedFiles().isEmpty()) return QString();
        return d->selectedFiles().first();
    };
    ExportDialog = [this](const QString& vorschlag) {
        std::unique_ptr<QFileDialog> d(Dateidialog(this, tr("Projekt exportieren"), true));
        d->setNameFilters(kFremdeFilter + QStringList{tr("C-Quelltext (Mikrocontroller) (*.c)")});
        d->setDefaultSuffix(QStringLiteral("fll"));
        // The suffix follows the chosen filter, so the format is what the user picked.
        connect(d.get(), &QFileDialog::filterSelected, d.get(), [dd = d.get()](const QString& filter) {
            dd->setDefaultSuffix(filter.section(QStringLiteral("*."), 1).section(QLatin1Char(')'), 0, 0));
        });
        if (!vorschlag.isEmpty()) d->selectFile(vorschlag);
        if (d->exec() != QDialog::Accepted || d->selectedFiles().isEmpty()) return QString();
        return d->selectedFiles().first();
    };
    PdfDialog = [this](const QString& vorschlag) {
        std::unique_ptr<QFileDialog> d(Dateidialog(this, tr("Arbeitsblatt als PDF speichern"), true));
        d->setNameFilters({tr("PDF-Dokumente (*.pdf)")});
        d->setDefaultSuffix(QStringLiteral("pdf"));
        d->selectFile(vorschlag);
        if (d->exec() != QDialog::Accepted || d->selectedFiles().isEmpty()) return QString();
        return d->selectedFiles().first();
    };
    Starte = [](const QString& programm, const QStringList& argumente) {
        return QProcess::startDetached(programm, argumente);
    };
    WerkstattOrdner = QCoreApplication::applicationDirPath();
    BeispielOrdner = widgets::Beispielordner();

    SeiteA->setModell(&Modell, Rolle::A);
    SeiteB->setModell(&Modell, Rolle::B);
    SeiteAus->setModell(&Modell, Rolle::Aus);
    SeiteRegeln->setModell(&Modell);

    inspektor_ = new ansichten::Inspektor(Seiten);
    kennfeld_ = new ansichten::Kennfeld(Seiten);
    inspektor_->setObjectName(QStringLiteral("Inspektor"));
    kennfeld_->setObjectName(QStringLiteral("Kennfeld"));
    Seiten->addTab(inspektor_, tr("&Inspektor"));
    Seiten->addTab(kennfeld_, tr("&Kennfeld"));
    connect(inspektor_, &ansichten::Inspektor::eingabenGeaendert, this, &TMainForm::MarkenSetzen);
    connect(kennfeld_, &ansichten::Kennfeld::punktGewaehlt, inspektor_, &ansichten::Inspektor::setEingaben);
    // The labs: every start of the vehicle re-simulated after each edit; a
    // replayed truck run drives the inspector step by step.
    truckLabor_ = new labor::TruckLabor(Seiten);
    lokLabor_ = new labor::LokLabor(Seiten);
    truckLabor_->setObjectName(QStringLiteral("TruckLabor"));
    lokLabor_->setObjectName(QStringLiteral("LokLabor"));
    Seiten->addTab(truckLabor_, tr("&Truck-Labor"));
    Seiten->addTab(lokLabor_, tr("&Lok-Labor"));
    // A step chosen in a lab is taken apart on the inspector's page too.
    connect(truckLabor_, &labor::LaborSeite::schrittGewaehlt, inspektor_, &ansichten::Inspektor::zeigeSchritt);
    connect(lokLabor_, &labor::LaborSeite::schrittGewaehlt, inspektor_, &ansichten::Inspektor::zeigeSchritt);
    connect(truckLabor_, &labor::TruckLabor::vergleichAusDateiGewuenscht, this,
            [this] { VergleichAusDatei(truckLabor_); });
    connect(truckLabor_, &labor::TruckLabor::vergleichVorherGewuenscht, this, [this] { VergleichVorher(truckLabor_); });
    connect(lokLabor_, &labor::LokLabor::vergleichAusDateiGewuenscht, this, [this] { VergleichAusDatei(lokLabor_); });
    connect(lokLabor_, &labor::LokLabor::vergleichVorherGewuenscht, this, [this] { VergleichVorher(lokLabor_); });
    // The locomotive starts where its lab's distance says.
    connect(lokLabor_, &labor::LokLabor::einstellungGeaendert, this, &TMainForm::HinweiseZeigen);
    // Which hints the student can act on depends on what an exercise locks.
    connect(&Modell, &TProjektModell::sperreGeaendert, this, &TMainForm::HinweiseZeigen);
    connect(Seiten, &QTabWidget::currentChanged, this, [this] {
        const QWidget* s = Seiten->currentWidget();
        bool* offen = s == truckLabor_ ? &truckLaborOffen_ : s == lokLabor_ ? &lokLaborOffen_ : nullptr;
        if (!offen || *offen) return;
        *offen = true;
        HinweiseZeigen();
    });

    for (QWidget* seite : std::initializer_list<QWidget*>{inspektor_, kennfeld_, truckLabor_, lokLabor_})
        for (QLineEdit* feld : seite->findChildren<QLineEdit*>()) feld->installEventFilter(this);

    QUndoStack& stack = Modell.undoStack();
    ui_->Rueckgaengig1->setEnabled(false);
    ui_->Wiederholen1->setEnabled(false);
    connect(ui_->Rueckgaengig1, &QAction::triggered, &stack, &QUndoStack::undo);
    connect(ui_->Wiederholen1, &QAction::triggered, &stack, &QUndoStack::redo);
    connect(&stack, &QUndoStack::canUndoChanged, ui_->Rueckgaengig1, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, ui_->Wiederholen1, &QAction::setEnabled);
    connect(&stack, &QUndoStack::undoTextChanged, this, [this](const QString& t) {
        ui_->Rueckgaengig1->setText(t.isEmpty() ? tr("&Rückgängig") : tr("&Rückgängig: %1").arg(t));
    });
    connect(&stack, &QUndoStack::redoTextChanged, this, [this](const QString& t) {
        ui_->Wiederholen1->setText(t.isEmpty() ? tr("&Wiederholen") : tr("&Wiederholen: %1").arg(t));
    });

    connect(&Modell, &TProjektModell::projektGeaendert, this, &TMainForm::ProjektGeaendert);
    connect(&Modell, &TProjektModell::dateistatusGeaendert, this, &TMainForm::TitelSetzen);

    connect(ui_->NeuLeer1, &QAction::triggered, this, [this] { NeuClick(Vorlage::Leer); });
    connect(ui_->NeuTruck1, &QAction::triggered, this, [this] { NeuClick(Vorlage::Truck); });
    connect(ui_->NeuLok1, &QAction::triggered, this, [this] { NeuClick(Vorlage::Lok); });
    connect(ui_->Oeffnen1, &QAction::triggered, this, &TMainForm::Oeffnen1Click);
    connect(ui_->Speichern1, &QAction::triggered, this, [this] { Speichern1Click(); });
    connect(ui_->SpeichernUnter1, &QAction::triggered, this, [this] { SpeichernUnter1Click(); });
    connect(ui_->InDorvane1, &QAction::triggered, this, [this] { ImProgrammOeffnen(Fahrzeugprogramm::Dorvane); });
    connect(ui_->InPemrak1, &QAction::triggered, this, [this] { ImProgrammOeffnen(Fahrzeugprogramm::Pemrak); });
    connect(ui_->Beenden1, &QAction::triggered, this, &TMainForm::Beenden1Click);
    connect(ui_->Importieren1, &QAction::triggered, this, &TMainForm::Importieren1Click);
    connect(ui_->Exportieren1, &QAction::triggered, this, &TMainForm::Exportieren1Click);
    connect(ui_->Drucken1, &QAction::triggered, this, &TMainForm::Drucken1Click);
    connect(ui_->AlsPdf1, &QAction::triggered, this, &TMainForm::AlsPdf1Click);
    // An exercise's sheet for the students or the teacher, from a file chosen
    // beside the project.
    connect(ui_->Aufgabenblatt1, &QAction::triggered, this, [this] {
        AufgabenblattDrucken(this, Modell.datei().isEmpty() ? QString() : QFileInfo(Modell.datei()).absolutePath());
    });
    connect(ui_->RegelnVerbessern1, &QAction::triggered, this, &TMainForm::RegelnVerbessern1Click);
    connect(ui_->Anleitung1, &QAction::triggered, this, &TMainForm::Anleitung1Click);
    connect(ui_->Info1, &QAction::triggered, this, &TMainForm::Info1Click);
    connect(HinweisListe, &QListWidget::itemClicked, this, &TMainForm::HinweisClick);
    connect(HinweisListe, &QListWidget::itemActivated, this, &TMainForm::HinweisClick);

    ZuletztMenueBauen();
    BeispielMenueBauen();
    AufgabeBauen();
    KlasseBauen();
    // F6 and Shift+F6 go from part to part of the window, as in most
    // programs: the page, the hints, the exercise panel.
    connect(new QShortcut(QKeySequence(Qt::Key_F6), this), &QShortcut::activated, this, [this] { Bereichwechsel(1); });
    connect(new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), this), &QShortcut::activated, this,
            [this] { Bereichwechsel(-1); });
    FahrzeugMenueBauen();
    QSettings einstellungen;
    const QByteArray geometrie = einstellungen.value(QStringLiteral("Fenster/Geometrie")).toByteArray();
    if (geometrie.isEmpty() || !restoreGeometry(geometrie)) resize(900, 720);
    ProjektGeaendert();
    TitelSetzen();
}

TMainForm::~TMainForm() {
    // The model outlives the controls: its stack's last signals must not
    // reach them.
    QObject::disconnect(&Modell.undoStack(), nullptr, this, nullptr);
    QObject::disconnect(&Modell, nullptr, this, nullptr);
    // Nor may the pages, which go after this destructor: a lab's field that
    // loses the focus then still reports new settings, and the tabs a new page.
    QObject::disconnect(lokLabor_, nullptr, this, nullptr);
    QObject::disconnect(Seiten, nullptr, this, nullptr);
}

void TMainForm::FahrzeugMenueBauen() {
    // The one place where the user says which vehicle the project drives:
    // the file does not say, and a variable's name proves nothing.
    auto* menue = new QMenu(tr("&Fahrzeug"), this);
    menue->setObjectName(QStringLiteral("Fahrzeug1"));
    menuBar()->insertMenu(ui_->Hilfe1->menuAction(), menue);
    auto* gruppe = new QActionGroup(menue);
    gruppe->setExclusive(true);
    fahrzeugTruck_ = menue->addAction(tr("&Lastwagen"));
    fahrzeugTruck_->setObjectName(QStringLiteral("FahrzeugTruck1"));
    fahrzeugLok_ = menue->addAction(tr("L&ok"));
    fahrzeugLok_->setObjectName(QStringLiteral("FahrzeugLok1"));
    for (QAction* a : {fahrzeugTruck_, fahrzeugLok_}) {
        a->setCheckable(true);
        gruppe->addAction(a);
    }
    fahrzeugTruck_->setStatusTip(
        tr("Das Projekt ist ein Regler für den Truck: Arbeitsblatt und \"Regeln "
           "verbessern\" nehmen den Truck."));
    fahrzeugLok_->setStatusTip(
        tr("Das Projekt ist ein Regler für die Lok: Arbeitsblatt und \"Regeln "
           "verbessern\" nehmen die Lok."));
    connect(fahrzeugTruck_, &QAction::triggered, this, [this] { Modell.setzeFahrzeug(Fahrzeug::Truck); });
    connect(fahrzeugLok_, &QAction::triggered, this, [this] { Modell.setzeFahrzeug(Fahrzeug::Lok); });
    connect(&Modell, &TProjektModell::fahrzeugGeaendert, this, &TMainForm::FahrzeugZeigen);
    FahrzeugZeigen();
}

void TMainForm::FahrzeugZeigen() {
    // Unknown: neither entry checked, so the menu shows that nobody has
    // chosen yet.
    auto* gruppe = fahrzeugTruck_->actionGroup();
    gruppe->setExclusive(false);
    fahrzeugTruck_->setChecked(Modell.fahrzeug() == Fahrzeug::Truck);
    fahrzeugLok_->setChecked(Modell.fahrzeug() == Fahrzeug::Lok);
    gruppe->setExclusive(true);
    // A lab for the other vehicle says so, and the hints follow the choice.
    truckLabor_->setFahrzeug(Modell.fahrzeug());
    lokLabor_->setFahrzeug(Modell.fahrzeug());
    HinweiseZeigen();
}

void TMainForm::BeispielMenueBauen() {
    // The shipped examples of the program's language (examples/en/ in
    // English), one click each.
    auto* menue = new QMenu(tr("Beispie&le"), this);
    menue->setObjectName(QStringLiteral("Beispiele1"));
    ui_->Datei1->insertMenu(ui_->Zuletzt1->menuAction(), menue);
    const QStringList projekte = widgets::BeispielProjekte(BeispielOrdner);
    for (const QString& pfad : projekte) {
        QAction* a = menue->addAction(QFileInfo(pfad).fileName());
        a->setData(pfad);
        a->setStatusTip(tr("Öffnet das Beispiel als neues Projekt; die Beispieldatei bleibt, wie sie ist."));
        connect(a, &QAction::triggered, this, [this, pfad] {
            if (AenderungenSichern()) BeispielOeffnen(pfad);
        });
    }
    if (projekte.isEmpty()) menue->addAction(tr("(keine Beispiele gefunden)"))->setEnabled(false);
}

bool TMainForm::BeispielOeffnen(const QString& datei) {
    const std::optional<fuzzy::Project> p = LiesProjekt(datei);
    if (!p) return false;
    const QString name = QFileInfo(datei).completeBaseName();
    // The vehicle by the example's name, as the examples are named.
    const Fahrzeug f = name.startsWith(QLatin1String("truck")) ? Fahrzeug::Truck
                       : name.startsWith(QLatin1String("lok")) || name.startsWith(QLatin1String("loco"))
                           ? Fahrzeug::Lok
                           : Fahrzeug::Unbestimmt;
    Modell.neu(*p, tr("Beispiel %1").arg(name), f);
    Modell.undoStack().setClean();
    Seiten->setCurrentWidget(SeiteA);
    return true;
}

void TMainForm::Bereichwechsel(int richtung) {
    std::vector<QWidget*> teile{Seiten->currentWidget(), HinweisListe};
    if (aufgabeDock_->isVisible()) teile.push_back(aufgabe_);
    const QWidget* jetzt = QApplication::focusWidget();
    int hier = -1;
    for (int i = 0; i < static_cast<int>(teile.size()); ++i)
        if (jetzt != nullptr && (teile[i] == jetzt || teile[i]->isAncestorOf(jetzt))) hier = i;
    const int n = static_cast<int>(teile.size());
    QWidget* ziel = teile[static_cast<std::size_t>(((hier < 0 ? 0 : hier + richtung) % n + n) % n)];
    if (ziel == aufgabe_) {
        aufgabe_->fokusSetzen();
        return;
    }
    // The part's first control that takes the keyboard, in Tab's order.
    for (QWidget* w = ziel->nextInFocusChain(); w != ziel; w = w->nextInFocusChain())
        if (ziel->isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::ShortcutFocusReason);
            return;
        }
    ziel->setFocus(Qt::ShortcutFocusReason);
}

void TMainForm::AufgabeBauen() {
    AufgabeDialog = [this] { return StandardAufgabeDialog(); };
    auto* oeffnen = new QAction(tr("Auf&gabe öffnen…"), this);
    oeffnen->setObjectName(QStringLiteral("AufgabeOeffnen1"));
    oeffnen->setStatusTip(tr("Eine Aufgabe (*.fuzaufgabe) mit ihrem Startprojekt öffnen; sie prüft sich selbst."));
    ui_->Datei1->insertAction(findChild<QMenu*>(QStringLiteral("Beispiele1"))->menuAction(), oeffnen);
    connect(oeffnen, &QAction::triggered, this, &TMainForm::AufgabeOeffnen1Click);

    aufgabe_ = new AufgabenPanel(this);
    aufgabe_->setObjectName(QStringLiteral("Aufgabe"));
    aufgabe_->AntwortenDialog = [this] {
        std::unique_ptr<QFileDialog> d(Dateidialog(this, tr("Antworten öffnen"), false));
        d->setNameFilters({tr("Antwortdateien (*.fuzantwort)"), tr("Alle Dateien (*)")});
        d->setDefaultSuffix(QString());
        if (d->exec() != QDialog::Accepted || d->selectedFiles().isEmpty()) return QString();
        return d->selectedFiles().first();
    };
    aufgabe_->SpeichernDialog = [this] {
        std::unique_ptr<QFileDialog> d(Dateidialog(this, tr("Antworten speichern"), true));
        d->setNameFilters({tr("Antwortdateien (*.fuzantwort)")});
        d->setDefaultSuffix(QStringLiteral("fuzantwort"));
        if (d->exec() != QDialog::Accepted || d->selectedFiles().isEmpty()) return QString();
        return d->selectedFiles().first();
    };
    aufgabeDock_ = new QDockWidget(tr("Aufgabe"), this);
    aufgabeDock_->setObjectName(QStringLiteral("AufgabenDock"));
    aufgabeDock_->setWidget(aufgabe_);
    aufgabeDock_->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    addDockWidget(Qt::RightDockWidgetArea, aufgabeDock_);
    aufgabeDock_->hide();
    // A failing start or run of the check, shown in its lab.
    connect(aufgabe_, &AufgabenPanel::startGewaehlt, this, [this](const exercise::StartRef& s) {
        Seiten->setCurrentWidget(truckLabor_);
        truckLabor_->zeigeStart(s.Speed, s.Index);
    });
    connect(aufgabe_, &AufgabenPanel::laufGewaehlt, this, [this](const pemrak::RunOptions& o, int punkt) {
        Seiten->setCurrentWidget(lokLabor_);
        lokLabor_->zeigeLauf(o, punkt);
    });
    connect(aufgabe_, &AufgabenPanel::beendenGewuenscht, this, [this] {
        if (!aufgabe_->antwortenSichern()) return;
        Modell.setzeSperre({}, {});
        aufgabe_->leeren();
        aufgabeDatei_.clear();
        aufgabeDock_->hide();
    });
    BlattVorschau = [this](const AufgabenblattDaten& d) { AufgabenblattVorschau(this, d); };
    connect(aufgabe_, &AufgabenPanel::blattGewuenscht, this, [this](bool loesung) {
        if (aufgabeDatei_.isEmpty()) return;
        try {
            BlattVorschau(LadeAufgabenblatt(aufgabeDatei_, loesung));
        } catch (const fuzzy::Error& e) {
            widgets::ErrorBox(QString::fromStdString(e.Describe()));
        }
    });
    connect(&Modell, &TProjektModell::bearbeitungAbgelehnt, this, [this](const QStringList& gruende) {
        // The pages show the project as it still is, not the refused value.
        SeiteA->Aktualisieren();
        SeiteB->Aktualisieren();
        SeiteAus->Aktualisieren();
        SeiteRegeln->Aktualisieren();
        widgets::WarningBox(tr("Die Aufgabe „%1“ erlaubt diese Änderung nicht:\n%2")
                                .arg(Modell.sperre().Grund, gruende.join(QLatin1Char('\n'))));
    });
}

void TMainForm::KlasseBauen() {
    // The teacher's side of a lesson, beside the sheets: the package for the
    // class before, the class overview after.
    auto* paket = new QAction(tr("Sc&hülerpaket…"), this);
    paket->setObjectName(QStringLiteral("Schuelerpaket1"));
    paket->setStatusTip(
        tr("Was die Klasse bekommt: Aufgaben ohne Musterlösung und Text für die Lehrkraft, mit "
           "Schülerblatt als PDF"));
    auto* klasse = new QAction(tr("&Klassenübersicht…"), this);
    klasse->setObjectName(QStringLiteral("Klassenuebersicht1"));
    klasse->setStatusTip(tr("Die Abgaben (*.fuzabgabe) einer Klasse bewerten: Tabelle, PDF, Notenbuch"));
    const QList<QAction*> aktionen = ui_->Datei1->actions();
    const int nach = static_cast<int>(aktionen.indexOf(ui_->Aufgabenblatt1));
    QAction* vor = nach >= 0 && nach + 1 < aktionen.size() ? aktionen[nach + 1] : nullptr;
    ui_->Datei1->insertAction(vor, paket);
    ui_->Datei1->insertAction(vor, klasse);
    connect(paket, &QAction::triggered, this, [this] {
        const QString start = !aufgabeDatei_.isEmpty()    ? QFileInfo(aufgabeDatei_).absolutePath()
                              : !Modell.datei().isEmpty() ? QFileInfo(Modell.datei()).absolutePath()
                                                          : QString();
        const QString gesagt = SchuelerpaketFragen(this, start);
        if (!gesagt.isEmpty()) widgets::ShowMessage(widgets::MessageKind::Warning, gesagt, tr("Schülerpaket"));
    });
    connect(klasse, &QAction::triggered, this, &TMainForm::Klassenuebersicht1Click);
}

KlassenUebersicht* TMainForm::Klassenuebersicht() {
    if (!klasse_) {
        klasse_ = new KlassenUebersicht(this);
        connect(klasse_, &KlassenUebersicht::abgabeGewaehlt, this,
                [this](const QString& aufgabe, const exercise::MarkedHandIn& a) { AbgabeOeffnen(aufgabe, a); });
    }
    return klasse_;
}

void TMainForm::Klassenuebersicht1Click() {
    KlassenUebersicht* k = Klassenuebersicht();
    // The exercise on show is the one to mark by, when it is the teacher's.
    if (k->aufgabe().isEmpty() && !aufgabeDatei_.isEmpty() && Aufgabe()->aufgabe() &&
        !Aufgabe()->aufgabe()->ForStudents())
        k->setAufgabe(aufgabeDatei_);
    k->show();
    k->raise();
    k->activateWindow();
}

bool TMainForm::AbgabeOeffnen(const QString& aufgabe, const exercise::MarkedHandIn& a) {
    if (!a.Read) return false;
    if (!aufgabe_->antwortenSichern() || !AenderungenSichern()) return false;
    if (!AufgabeOeffnen(aufgabe)) return false;
    const QString name = QString::fromStdString(a.In.Name);
    aufgabe_->setSchuelername(name);
    if (a.In.Project) {
        Modell.neu(*a.In.Project, tr("Abgabe von %1").arg(name), Modell.fahrzeug());
        Modell.undoStack().setClean();
    }
    if (a.In.Given) aufgabe_->setAntworten(*a.In.Given, tr("Abgabe von %1").arg(name));
    // The run the teacher wants to see first: the first one that fails.
    if (a.Result)
        for (const exercise::CriterionResult& c : a.Result->Criteria) {
            if (c.Passed) continue;
            if (!c.Starts.empty()) {
                Seiten->setCurrentWidget(truckLabor_);
                truckLabor_->zeigeStart(c.Starts.front().Speed, c.Starts.front().Index);
                break;
            }
            if (!c.Runs.empty()) {
                Seiten->setCurrentWidget(lokLabor_);
                lokLabor_->zeigeLauf(c.Runs.front(), c.RunPoints.empty() ? 0 : c.RunPoints.front());
                break;
            }
        }
    raise();
    activateWindow();
    return true;
}

void TMainForm::AufgabeOeffnen1Click() {
    // The typed answers belong to the exercise before: saved or given up first.
    if (!aufgabe_->antwortenSichern() || !AenderungenSichern()) return;
    const QString datei = AufgabeDialog();
    if (!datei.isEmpty()) AufgabeOeffnen(datei);
}

QString TMainForm::StandardAufgabeDialog() {
    std::unique_ptr<QFileDialog> d(Dateidialog(this, tr("Aufgabe öffnen"), false));
    d->setNameFilters({tr("Aufgaben (*.fuzaufgabe)"), tr("Alle Dateien (*)")});
    d->setDefaultSuffix(QString());
    // The shipped exercises first: a teacher new to the programs finds them there.
    const QString aufgaben = widgets::Beispielordner(QCoreApplication::applicationDirPath(), fuzzy::ActiveLanguage(),
                                                     QStringLiteral("aufgaben"));
    if (!aufgaben.isEmpty()) d->setDirectory(aufgaben);
    if (d->exec() != QDialog::Accepted || d->selectedFiles().isEmpty()) return QString();
    return d->selectedFiles().first();
}

bool TMainForm::AufgabeOeffnen(const QString& datei) {
    exercise::Exercise e;
    try {
        e = exercise::ReadExercise(QFile::encodeName(datei).toStdString());
    } catch (const fuzzy::Error& f) {
        widgets::ErrorBox(tr("„%1“ ist keine Aufgabe, die sich lesen lässt:\n%2")
                              .arg(QFileInfo(datei).fileName(), QString::fromStdString(f.Describe())));
        return false;
    }
    const QString titel = QString::fromStdString(e.Title.Active());
    // The lock first, so that the pages show the new project locked at once.
    Sperre s;
    s.Regeln = !e.MayChange.Rules;
    s.Terme = !e.MayChange.Terms;
    s.Bereiche = !e.MayChange.Ranges;
    s.Variablen = true;
    s.Grund = titel;
    Modell.setzeSperre(s, [e](const fuzzy::Project& vorher, const fuzzy::Project& nachher) {
        // What this edit changes that the exercise locks: measured from the
        // project before it, so that undoing back past the start is no edit.
        exercise::Exercise bis = e;
        bis.Template.clear();
        bis.StartEn.reset();
        bis.Start = vorher;
        QStringList gruende;
        for (const std::string& g : exercise::ForbiddenChanges(bis, nachher)) gruende << QString::fromStdString(g);
        return gruende;
    });
    aufgabe_->setAufgabe(e, QFileInfo(datei).fileName(), datei);
    aufgabeDatei_ = QFileInfo(datei).absoluteFilePath();
    // A hand-in goes beside the exercise where the student may write, else home.
    const QFileInfo ordner(QFileInfo(datei).absolutePath());
    aufgabe_->AbgabeOrdner = ordner.isWritable() ? ordner.absoluteFilePath() : QDir::homePath();
    const Fahrzeug f = !e.Truck.empty() ? Fahrzeug::Truck : !e.Loco.empty() ? Fahrzeug::Lok : Fahrzeug::Unbestimmt;
    Modell.neu(e.StartProject(), tr("Aufgabe %1").arg(titel), f);
    Modell.undoStack().setClean();
    aufgabeDock_->show();
    // Room for the boxes of a calculation by hand: a third of the window, more
    // where they need it, up to two fifths.
    if (e.NeedsAnswers()) {
        const int breite = std::min(std::max(width() / 3, aufgabe_->bequemeBreite()), width() * 2 / 5);
        if (aufgabeDock_->width() < breite) resizeDocks({aufgabeDock_}, {breite}, Qt::Horizontal);
    }
    // An exercise about the rules starts on the rule page, else on input A.
    Seiten->setCurrentWidget(e.MayChange.Rules && !e.MayChange.Terms ? static_cast<QWidget*>(SeiteRegeln)
                                                                     : static_cast<QWidget*>(SeiteA));
    // The student works in the panel: the keyboard starts there.
    aufgabe_->fokusSetzen();
    return true;
}

QMenu* TMainForm::DateiMenue() const { return ui_->Datei1; }

QAction* TMainForm::DateiErweiterung() const {
    // The separator right above "In Dorvane öffnen".
    const QList<QAction*> aktionen = ui_->Datei1->actions();
    const int i = static_cast<int>(aktionen.indexOf(ui_->InDorvane1));
    return i > 0 ? aktionen[i - 1] : ui_->InDorvane1;
}

QAction* TMainForm::Aktion(const char* name) const { return findChild<QAction*>(QString::fromLatin1(name)); }

void TMainForm::FormCreate(const QStringList& args) {
    if (args.isEmpty()) return;
    // An exercise named on the command line (or opened from the file
    // manager) opens as an exercise, not as a project that fails to read.
    if (args.first().endsWith(QLatin1String(".fuzaufgabe"), Qt::CaseInsensitive))
        AufgabeOeffnen(args.first());
    else
        OeffnenDatei(args.first());
}

void TMainForm::ProjektGeaendert() {
    SeiteA->Aktualisieren();
    SeiteB->Aktualisieren();
    SeiteAus->Aktualisieren();
    SeiteRegeln->Aktualisieren();
    HinweiseZeigen();
    const fuzzy::Project& p = Modell.projekt();
    inspektor_->setProjekt(p);
    kennfeld_->setProjekt(p);
    // The vehicle first, so that each lab computes once, for both.
    truckLabor_->setFahrzeug(Modell.fahrzeug(), false);
    lokLabor_->setFahrzeug(Modell.fahrzeug(), false);
    truckLabor_->setProjekt(p);
    lokLabor_->setProjekt(p);
    if (aufgabe_ && aufgabe_->aufgabe()) aufgabe_->setProjekt(p);
    MarkenSetzen(inspektor_->eingabeA(), inspektor_->eingabeB());
}

void TMainForm::MarkenSetzen(float a, float b) {
    // The inspector's step as lines in the term diagrams: the two inputs and
    // the crisp output.
    const fuzzy::Project& p = Modell.projekt();
    SeiteA->setMarke(p.A.Defined ? std::optional<float>(a) : std::nullopt);
    SeiteB->setMarke(p.B.Defined ? std::optional<float>(b) : std::nullopt);
    SeiteAus->setMarke(p.Out.Defined ? std::optional<float>(inspektor_->ausgang()) : std::nullopt);
    kennfeld_->setMarke(a, b);
}

QString TMainForm::Titel() const {
    const QString name = Modell.datei().isEmpty() ? tr("Unbenannt") : QFileInfo(Modell.datei()).fileName();
    return QStringLiteral("Fuzzy-Werkstatt – %1%2").arg(name, Modell.geaendert() ? QStringLiteral("*") : QString());
}

void TMainForm::TitelSetzen() {
    setWindowTitle(Titel());
    // Pictures are saved beside the project, never onto it.
    ansichten::SetProjektdatei(Modell.datei());
}

void TMainForm::HinweiseZeigen() {
    const fuzzy::Project& p = Modell.projekt();
    HinweisListe->setUpdatesEnabled(false);
    HinweisListe->clear();
    auto zeigen = [this](const QString& text, const fuzzy::HintPlace& ort) {
        auto* item = new QListWidgetItem(text, HinweisListe);
        item->setData(RolleOrt, QList<QVariant>{static_cast<int>(ort.Page), static_cast<uint>(ort.Terms),
                                                static_cast<uint>(ort.Cells)});
        item->setToolTip(tr("Seite %1").arg(SeitenText(ort.Page)));
    };
    for (const fuzzy::Hint& h : fuzzy::ProjectHints(p)) zeigen(QString::fromStdString(h.Text), h.Place);
    // The labs' starts beyond an input's range: for the chosen vehicle all of
    // them; without a choice, those where no rule fires, of the labs opened.
    // While an exercise locks the ranges, a start beyond one is nothing the
    // student can change: none is named then (a start where no rule fires is
    // still the lab's warning and the check's).
    const Fahrzeug f = Modell.fahrzeug();
    const bool bereicheFrei = !Modell.sperre().Bereiche;
    if (bereicheFrei && (f == Fahrzeug::Truck || (f == Fahrzeug::Unbestimmt && truckLaborOffen_)))
        for (const labor::StartHinweis& h :
             labor::StartHinweise(p, labor::Labor::Truck, labor::TruckStarts(), f == Fahrzeug::Truck))
            zeigen(h.text, h.ort);
    if (bereicheFrei && (f == Fahrzeug::Lok || (f == Fahrzeug::Unbestimmt && lokLaborOffen_)) && lokLabor_)
        for (const labor::StartHinweis& h : labor::StartHinweise(
                 p, labor::Labor::Lok, {labor::LokStart(lokLabor_->einstellung().AbstandCm)}, f == Fahrzeug::Lok))
            zeigen(h.text, h.ort);
    const int anzahl = HinweisListe->count();
    if (anzahl == 0) {
        auto* item = new QListWidgetItem(tr("Keine Hinweise – das Projekt sieht vollständig aus."), HinweisListe);
        item->setFlags(Qt::ItemIsEnabled);
    }
    HinweisListe->setUpdatesEnabled(true);
    ui_->HinweisLbl->setText(anzahl == 0 ? tr("Hin&weise:")
                                         : tr("Hin&weise (%1; ein Klick zeigt die Stelle):").arg(anzahl));
}

void TMainForm::HinweisClick(QListWidgetItem* item) {
    if (!item) return;
    const QList<QVariant> d = item->data(RolleOrt).toList();
    if (d.size() != 3) return;
    fuzzy::HintPlace ort;
    ort.Page = static_cast<fuzzy::HintPage>(d[0].toInt());
    ort.Terms = static_cast<std::uint8_t>(d[1].toUInt());
    ort.Cells = d[2].toUInt();
    ZeigeOrt(ort);
}

void TMainForm::ZeigeOrt(const fuzzy::HintPlace& ort) {
    const int term = ort.FirstTerm();
    switch (ort.Page) {
    // Every cell or term the hint speaks of is selected, not just the first:
    // a region without a rule usually needs several cells filled.
    case fuzzy::HintPage::Rules:
        Seiten->setCurrentWidget(SeiteRegeln);
        SeiteRegeln->WaehleRegeln(ort.Cells);
        return;
    case fuzzy::HintPage::InputA:
        Seiten->setCurrentWidget(SeiteA);
        if (term > 0) SeiteA->WaehleTerme(ort.Terms);
        return;
    case fuzzy::HintPage::InputB:
        Seiten->setCurrentWidget(SeiteB);
        if (term > 0) SeiteB->WaehleTerme(ort.Terms);
        return;
    case fuzzy::HintPage::Output:
        Seiten->setCurrentWidget(SeiteAus);
        if (term > 0) SeiteAus->WaehleTerme(ort.Terms);
        return;
    }
}

bool TMainForm::AenderungenSichern() {
    if (!Modell.geaendert()) return true;
    switch (widgets::QuestionBox(tr("Änderungen speichern?"))) {
    case widgets::MessageAnswer::Yes: return Speichern1Click();
    case widgets::MessageAnswer::No: return true;
    default: return false;
    }
}

void TMainForm::NeuClick(Vorlage v) {
    if (!AenderungenSichern()) return;
    switch (v) {
    case Vorlage::Leer: Modell.neu(fuzzy::TemplateEmpty(), tr("leeres Projekt")); break;
    case Vorlage::Truck: Modell.neu(fuzzy::TemplateTruck(), tr("Vorlage Truck"), Fahrzeug::Truck); break;
    case Vorlage::Lok: Modell.neu(fuzzy::TemplateLoco(), tr("Vorlage Lok"), Fahrzeug::Lok); break;
    }
    // A fresh template holds nothing of the user's yet: no "*", and the next
    // "Neu" does not ask to save it. Undo still goes back.
    Modell.undoStack().setClean();
    Seiten->setCurrentWidget(SeiteA);
}

void TMainForm::Oeffnen1Click() {
    if (!AenderungenSichern()) return;
    const QString datei = OeffnenDialog();
    if (!datei.isEmpty()) OeffnenDatei(datei);
}

bool TMainForm::OeffnenDatei(const QString& datei) {
    const std::optional<fuzzy::Project> neu = LiesProjekt(datei);
    if (!neu) return false;
    Modell.laden(*neu, QFileInfo(datei).absoluteFilePath());
    ZuletztMerken(Modell.datei());
    return true;
}

std::optional<fuzzy::Project> TMainForm::LiesProjekt(const QString& datei) {
    fuzzy::Project neu;
    const QString name = QDir::toNativeSeparators(datei);
    {
        StilleMeldungen meldungen;
        try {
            neu = fuzzy::LoadProject(QFile::encodeName(datei).toStdString());
        } catch (const fuzzy::EUnreadableFile& e) {
            widgets::WarningBox(tr("Daten konnten nicht gelesen werden!\n\n%1").arg(QString::fromStdString(e.what())));
            return std::nullopt;
        } catch (const fuzzy::EInOutError&) {
            widgets::WarningBox(tr("Daten konnten nicht gelesen werden!\n\n„%1“ lässt sich nicht öffnen "
                                   "(fehlt die Datei, ist sie ein Ordner oder fehlen Leserechte?).")
                                    .arg(name));
            return std::nullopt;
        }
        if (meldungen.fehler > 0) {
            const QString wo = Diagnose(datei);
            widgets::ErrorBox(tr("„%1“ ist kein Fuzzy-Projekt, das sich lesen lässt.%2")
                                  .arg(name, wo.isEmpty() ? QString() : QStringLiteral("\n\n") + wo));
            return std::nullopt;
        }
    }
    return neu;
}

void TMainForm::VergleichAusDatei(labor::LaborSeite* labor) {
    const QString datei = OeffnenDialog();
    if (datei.isEmpty()) return;
    const std::optional<fuzzy::Project> p = LiesProjekt(datei);
    if (!p) return;
    const fuzzy::Project& lp = *p;
    const QString name = tr("„%1“").arg(QFileInfo(datei).fileName());
    labor->setVergleich(lp, name);
}

void TMainForm::VergleichVorher(labor::LaborSeite* labor) {
    // The last step done: the project before it is the one to compare with.
    QUndoStack& stack = Modell.undoStack();
    const auto* befehl =
        stack.index() > 0 ? dynamic_cast<const TProjektBefehl*>(stack.command(stack.index() - 1)) : nullptr;
    if (!befehl) {
        widgets::WarningBox(
            tr("Es gibt noch keine Änderung, mit deren Stand davor sich vergleichen "
               "ließe."));
        return;
    }
    const fuzzy::Project& p = befehl->vorher().projekt;
    const fuzzy::Project& lp = p;
    const QString name = tr("dem Stand vor „%1“").arg(befehl->text());
    labor->setVergleich(lp, name);
}

bool TMainForm::Speichern1Click() {
    if (Modell.datei().isEmpty()) return SpeichernUnter1Click();
    return SpeichernNach(Modell.datei());
}

bool TMainForm::SpeichernUnter1Click() {
    const QString datei = SpeichernDialog(Modell.datei());
    if (datei.isEmpty()) return false;
    return SpeichernNach(datei);
}

bool TMainForm::SpeichernNach(const QString& datei) {
    const fuzzy::Project& p = Modell.projekt();
    try {
        fuzzy::SaveProject(QFile::encodeName(datei).toStdString(), p);
    } catch (const fuzzy::ESaveError& e) {
        widgets::ErrorBox(QString::fromStdString(e.what()));
        return false;
    }
    Modell.gespeichert(QFileInfo(datei).absoluteFilePath());
    ZuletztMerken(Modell.datei());
    return true;
}

void TMainForm::Beenden1Click() { close(); }

void TMainForm::Importieren1Click() {
    if (!AenderungenSichern()) return;
    const QString datei = ImportDialog();
    if (!datei.isEmpty()) ImportierenDatei(datei);
}

bool TMainForm::ImportierenDatei(const QString& datei) {
    const auto format = exchange::FormatFromPath(QFile::encodeName(datei).toStdString());
    if (!format) {
        widgets::ErrorBox(
            tr("%1 ist keine FLL-, FIS- oder FCL-Datei (die Endung entscheidet).").arg(QFileInfo(datei).fileName()));
        return false;
    }
    exchange::Imported r;
    try {
        // Read like a project: regular files only and a size limit, so that a
        // pipe or a device can neither block the window nor fill the memory.
        r = exchange::Import(*format, exchange::ReadImportFile(QFile::encodeName(datei).toStdString()));
    } catch (const exchange::UnreadableFile& e) {
        widgets::ErrorBox(QString::fromStdString(e.what()));
        return false;
    } catch (const exchange::ImportError& e) {
        widgets::ErrorBox(tr("%1 passt nicht zu diesem Fuzzy-Regler:\n%2")
                              .arg(QFileInfo(datei).fileName(), QString::fromStdString(e.Describe())));
        return false;
    }
    Modell.neu(Zusammensetzen(r.project), tr("Import von %1").arg(QFileInfo(datei).fileName()));
    Seiten->setCurrentWidget(SeiteA);
    if (!r.notes.empty()) {
        QStringList notizen;
        for (const std::string& n : r.notes) notizen << QString::fromStdString(n);
        widgets::WarningBox(tr("Importiert, mit diesen Abweichungen:\n%1").arg(notizen.join(QLatin1Char('\n'))));
    }
    return true;
}

void TMainForm::Exportieren1Click() {
    QString vorschlag;
    if (!Modell.datei().isEmpty()) {
        const QFileInfo i(Modell.datei());
        vorschlag = i.absolutePath() + QLatin1Char('/') + i.completeBaseName() + QStringLiteral(".fll");
    }
    const QString datei = ExportDialog(vorschlag);
    if (!datei.isEmpty()) ExportierenNach(datei);
}

bool TMainForm::ExportierenNach(const QString& datei) {
    const fuzzy::Project& p = Modell.projekt();
    const QString quelle =
        Modell.datei().isEmpty() ? QStringLiteral("Unbenannt") : QFileInfo(Modell.datei()).fileName();
    if (IstCQuelltext(datei)) {
        const auto fehler = CQuelltextSchreiben(p, quelle, Modell.datei(), datei);
        if (fehler) widgets::ErrorBox(*fehler);
        return !fehler;
    }
    const auto format = exchange::FormatFromPath(QFile::encodeName(datei).toStdString());
    if (!format) {
        widgets::ErrorBox(
            tr("Die Endung von %1 nennt kein Format: .fll, .fis, .fcl oder .c.").arg(QFileInfo(datei).fileName()));
        return false;
    }
    std::string text;
    try {
        text = exchange::Export(*format, p, quelle.toStdString());
    } catch (const exchange::ExportError& e) {
        widgets::ErrorBox(QString::fromStdString(e.what()));
        return false;
    }
    try {
        // Written whole or not at all, and never onto the project itself.
        fuzzy::WriteFileAtomic(QFile::encodeName(datei).toStdString(), text,
                               QFile::encodeName(Modell.datei()).toStdString());
    } catch (const fuzzy::ESaveError& e) {
        widgets::ErrorBox(QString::fromStdString(e.what()));
        return false;
    }
    return true;
}

BlattDaten TMainForm::Blatt() const {
    BlattDaten d;
    d.projekt = Modell.projekt();
    d.datei = Modell.datei();
    d.fahrzeug = Modell.fahrzeug();
    d.datum = QDate::currentDate();
    d.truckGeschwindigkeit = truckLabor_->geschwindigkeit();
    d.lok = lokLabor_->einstellung();
    return d;
}

void TMainForm::Drucken1Click() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 12, 15, 12),
                                      QPageLayout::Millimeter));
    drucker.setDocName(tr("Arbeitsblatt"));
    QPrintPreviewDialog vorschau(&drucker, this);
    vorschau.setWindowTitle(tr("Arbeitsblatt – Druckvorschau"));
    const BlattDaten d = Blatt();
    connect(&vorschau, &QPrintPreviewDialog::paintRequested, this, [&d](QPrinter* p) {
        const QString fehler = ArbeitsblattDrucken(*p, d);
        if (!fehler.isEmpty()) widgets::ErrorBox(fehler);
    });
    vorschau.resize(900, 1000);
    vorschau.exec();
}

void TMainForm::AlsPdf1Click() {
    // Beside the project, named after it.
    QString vorschlag = tr("arbeitsblatt.pdf");
    if (!Modell.datei().isEmpty()) {
        const QFileInfo i(Modell.datei());
        vorschlag = i.absolutePath() + QLatin1Char('/') + i.completeBaseName() + tr("-arbeitsblatt.pdf");
    }
    const QString datei = PdfDialog(vorschlag);
    if (!datei.isEmpty()) PdfSpeichernNach(datei);
}

bool TMainForm::PdfSpeichernNach(const QString& datei) {
    const QString fehler = ArbeitsblattSchreiben(Blatt(), datei);
    if (!fehler.isEmpty()) widgets::ErrorBox(fehler);
    return fehler.isEmpty();
}

void TMainForm::RegelnVerbessern1Click() {
    const fuzzy::Project& p = Modell.projekt();
    labor::RegelnVerbessern dialog(this);
    dialog.setProjekt(p);
    // A project starts on the vehicle the user or its template chose;
    // unknown keeps the dialog's own default (the truck). The user can still
    // change it there.
    if (Modell.fahrzeug() != Fahrzeug::Unbestimmt) {
        tuning::Options o = dialog.optionen();
        o.Kind = Modell.fahrzeug() == Fahrzeug::Lok ? tuning::Vehicle::Loco : tuning::Vehicle::Truck;
        dialog.setOptionen(o);
    }
    connect(&dialog, &labor::RegelnVerbessern::uebernehmen, this,
            [this](const fuzzy::Project& besser) { Modell.ersetzen(Zusammensetzen(besser), tr("Regeln verbessert")); });
    dialog.exec();
}

bool TMainForm::eventFilter(QObject* obj, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* k = static_cast<QKeyEvent*>(event);
        if (k->matches(QKeySequence::Undo) || k->matches(QKeySequence::Redo) ||
            k->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) {
            // Not taken by the field: the window's shortcut acts instead.
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(obj, event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!aufgabe_->antwortenSichern() || !AenderungenSichern()) {
        event->ignore();
        return;
    }
    QSettings().setValue(QStringLiteral("Fenster/Geometrie"), saveGeometry());
    // The help window must not keep the program running on its own.
    if (auto* hilfe = findChild<THilfeForm*>()) hilfe->close();
    event->accept();
}

void TMainForm::ImProgrammOeffnen(Fahrzeugprogramm p) {
    const QString name = QString::fromStdString(Anzeigename(p));
    if (Modell.geaendert() || Modell.datei().isEmpty()) {
        if (!widgets::ConfirmBox(
                tr("%1 liest das Projekt aus seiner Datei. Soll es jetzt gespeichert werden?").arg(name)))
            return;
        if (!Speichern1Click()) return;
    }
    const auto programm = FindeProgramm(QFile::encodeName(WerkstattOrdner).toStdString(), p);
    if (!programm) {
        QStringList orte;
        for (const std::string& k : Kandidaten(QFile::encodeName(WerkstattOrdner).toStdString(), p))
            orte << QFile::decodeName(QByteArray::fromStdString(k));
        widgets::ErrorBox(tr("%1 wurde nicht gefunden. Es wird neben der Fuzzy-Werkstatt erwartet:\n%2")
                              .arg(name, orte.join(QLatin1Char('\n'))));
        return;
    }
    const QString pfad = QFile::decodeName(QByteArray::fromStdString(*programm));
    if (!Starte(pfad, {Modell.datei()}))
        widgets::ErrorBox(tr("%1 konnte nicht gestartet werden (%2).").arg(name, pfad));
}

QString TMainForm::Hilfeabschnitt() const {
    const QWidget* seite = Seiten->currentWidget();
    if (seite == SeiteA || seite == SeiteB || seite == SeiteAus) return QStringLiteral("variablen");
    if (seite == SeiteRegeln) return QStringLiteral("regeln");
    if (seite == inspektor_) return QStringLiteral("inspektor");
    if (seite == kennfeld_) return QStringLiteral("kennfeld");
    if (seite == truckLabor_) return QStringLiteral("truck-labor");
    if (seite == lokLabor_) return QStringLiteral("lok-labor");
    return {};
}

void TMainForm::Anleitung1Click() {
    auto* hilfe = findChild<THilfeForm*>();
    if (!hilfe) hilfe = new THilfeForm(this);
    hilfe->zeigeAbschnitt(Hilfeabschnitt());
    // The step the help explains, as the inspector shows it now.
    QImage bild(QSize(760, 500), QImage::Format_RGB32);
    bild.fill(Qt::white);
    {
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        static_cast<ansichten::Inspektor*>(inspektor_)->malen(p, bild.size());
    }
    hilfe->setSchrittbild(bild.scaledToWidth(500, Qt::SmoothTransformation));
    hilfe->show();
    hilfe->raise();
    hilfe->activateWindow();
}

void TMainForm::Info1Click() {
    TInfoForm info(this);
    info.exec();
}

void TMainForm::ZuletztMerken(const QString& datei) {
    QSettings einstellungen;
    QStringList liste = einstellungen.value(QStringLiteral("Zuletzt")).toStringList();
    liste.removeAll(datei);
    liste.prepend(datei);
    while (liste.size() > MaxZuletzt) liste.removeLast();
    einstellungen.setValue(QStringLiteral("Zuletzt"), liste);
    ZuletztMenueBauen();
}

void TMainForm::ZuletztMenueBauen() {
    QMenu* menue = ui_->Zuletzt1;
    menue->clear();
    const QStringList liste = QSettings().value(QStringLiteral("Zuletzt")).toStringList();
    int n = 0;
    for (const QString& datei : liste) {
        ++n;
        QAction* a = menue->addAction(QStringLiteral("&%1 %2").arg(n).arg(QDir::toNativeSeparators(datei)));
        connect(a, &QAction::triggered, this, [this, datei] {
            if (AenderungenSichern()) OeffnenDatei(datei);
        });
    }
    menue->setEnabled(n > 0);
}

QString TMainForm::StandardOeffnenDialog() {
    std::unique_ptr<QFileDialog> d(Dateidialog(this, tr("Projekt öffnen"), false));
    if (!Modell.datei().isEmpty()) d->setDirectory(QFileInfo(Modell.datei()).absolutePath());
    if (d->exec() != QDialog::Accepted || d->selectedFiles().isEmpty()) return QString();
    return d->selectedFiles().first();
}

QString TMainForm::StandardSpeichernDialog(const QString& vorschlag) {
    std::unique_ptr<QFileDialog> d(Dateidialog(this, tr("Projekt speichern unter"), true));
    if (!vorschlag.isEmpty()) d->selectFile(vorschlag);
    if (d->exec() != QDialog::Accepted || d->selectedFiles().isEmpty()) return QString();
    return d->selectedFiles().first();
}

}  // namespace werkstatt
