#pragma once

#include "werkstatt/blatt/Arbeitsblatt.h"
#include "werkstatt/blatt/Aufgabenblatt.h"
#include "exercise/Marking.h"
#include "fuzzy/Hints.h"
#include "werkstatt/modell/Modell.h"
#include "werkstatt/kern/Programmsuche.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QCloseEvent;
class QDockWidget;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QTabWidget;

namespace Ui {
class TMainForm;
}

namespace ansichten {
class Inspektor;
class Kennfeld;
}  // namespace ansichten

namespace labor {
class LaborSeite;
class TruckLabor;
class LokLabor;
}  // namespace labor

namespace werkstatt {

class AufgabenPanel;
class KlassenUebersicht;
class TRegelSeite;
class TVariablenSeite;

// The templates of "Datei ▸ Neu".
enum class Vorlage { Leer, Truck, Lok };

// Fuzzy-Werkstatt's main window: the pages Eingang A, Eingang B, Ausgang and
// Regeln over the live hints, the menu, the title with "*" while there are
// unsaved changes.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    TProjektModell Modell;

    // --- replaceable for tests -------------------------------------------------
    // The file dialogs: the chosen path, or empty when cancelled.
    std::function<QString()> OeffnenDialog;
    std::function<QString(const QString& vorschlag)> SpeichernDialog;
    // The file dialogs of import and export (FLL, FIS, FCL).
    std::function<QString()> ImportDialog;
    std::function<QString(const QString& vorschlag)> ExportDialog;
    // The file dialog of "Als PDF speichern…".
    std::function<QString(const QString& vorschlag)> PdfDialog;
    // The file dialog of "Aufgabe öffnen…".
    std::function<QString()> AufgabeDialog;
    // Starts a program detached; false when it could not be started.
    std::function<bool(const QString& programm, const QStringList& argumente)> Starte;
    // The folder the werkstatt binary lies in (where Dorvane and Pemrak are
    // looked for).
    QString WerkstattOrdner;
    // The shipped examples in the program's language, for "Beispiele"
    // (set before the menu is built: in the constructor).
    QString BeispielOrdner;

    // --- pages and lists ---------------------------------------------------------
    QTabWidget* Seiten = nullptr;
    TVariablenSeite* SeiteA = nullptr;
    TVariablenSeite* SeiteB = nullptr;
    TVariablenSeite* SeiteAus = nullptr;
    TRegelSeite* SeiteRegeln = nullptr;
    QListWidget* HinweisListe = nullptr;
    // The Datei menu; further commands (export, import) go before
    // DateiErweiterung, the separator above "In Dorvane öffnen".
    QMenu* DateiMenue() const;
    QAction* DateiErweiterung() const;
    QAction* Aktion(const char* name) const;

    // --- handlers ----------------------------------------------------------------
    void NeuClick(Vorlage v);
    // A shipped example as a new, unsaved project named after it: the
    // example's own file stays as it is.
    bool BeispielOeffnen(const QString& datei);
    void Oeffnen1Click();
    // "Aufgabe öffnen…": an exercise (.fuzaufgabe) with its starting project
    // as a new, unsaved project, the parts it does not allow to change
    // locked, the exercise panel beside the editor. A file that does not fit
    // is named with its line and nothing changes.
    void AufgabeOeffnen1Click();
    bool AufgabeOeffnen(const QString& datei);
    AufgabenPanel* Aufgabe() const { return aufgabe_; }
    // The file of the exercise on show in the panel (empty without one).
    QString AufgabeDatei() const { return aufgabeDatei_; }
    // The sheet of the exercise on show: the students' or the teacher's,
    // in the print preview; replaceable for tests.
    std::function<void(const AufgabenblattDaten&)> BlattVorschau;
    QDockWidget* AufgabenDock() const { return aufgabeDock_; }
    // "Klassenübersicht…": the window of the hand-ins of a class, made on
    // first use, marked by the exercise on show (if it is the teacher's).
    KlassenUebersicht* Klassenuebersicht();
    void Klassenuebersicht1Click();
    // A hand-in from the class overview: its exercise, its project and its
    // answers under its student's name, and the first failing start or run
    // in its lab. Asks first about what is unsaved; false when cancelled or
    // the exercise does not read.
    bool AbgabeOeffnen(const QString& aufgabe, const exercise::MarkedHandIn& abgabe);
    // Loads into temporaries first: a file that does not load leaves the
    // project as it was (the engine has shown its messages).
    bool OeffnenDatei(const QString& datei);
    // Reads a project file; a file that does not load is named in a message
    // (with the line where it stops fitting the format) and gives nothing.
    std::optional<fuzzy::Project> LiesProjekt(const QString& datei);
    // "Vergleichen mit…" of a lab: a project file chosen in the open dialog,
    // or the project before the last step of the history.
    void VergleichAusDatei(labor::LaborSeite* labor);
    void VergleichVorher(labor::LaborSeite* labor);
    bool Speichern1Click();
    bool SpeichernUnter1Click();
    bool SpeichernNach(const QString& datei);
    void Beenden1Click();
    // Reads an engine of another fuzzy tool as a new, unsaved project; what
    // does not fit is named with its line and nothing changes.
    bool ImportierenDatei(const QString& datei);
    void Importieren1Click();
    // Writes the project for another fuzzy tool, the format by the suffix.
    bool ExportierenNach(const QString& datei);
    void Exportieren1Click();
    // The worksheet of the project as it is now, with the labs' settings.
    BlattDaten Blatt() const;
    // "Drucken…": the worksheet in the print preview, printed from there.
    void Drucken1Click();
    // "Als PDF speichern…"; PdfSpeichernNach writes the worksheet and shows
    // a failure in an error box.
    void AlsPdf1Click();
    bool PdfSpeichernNach(const QString& datei);
    // "Regeln verbessern": the tuner on the current project; its result is
    // one step of the history.
    void RegelnVerbessern1Click();
    void ImProgrammOeffnen(Fahrzeugprogramm p);
    // The Kurzanleitung at the section of the page on screen (F1).
    void Anleitung1Click();
    // The help's anchor of the page on screen.
    QString Hilfeabschnitt() const;
    void Info1Click();
    void HinweisClick(QListWidgetItem* item);
    // Shows the place of a hint.
    void ZeigeOrt(const fuzzy::HintPlace& ort);
    // "Änderungen speichern?" when there are unsaved changes; true when the
    // caller may go on (saved or discarded), false when cancelled or the save
    // failed.
    bool AenderungenSichern();
    QString Titel() const;

    // Shows the inspector's inputs (and the output they give) as lines in
    // the diagrams and as the mark on the control surface.
    void MarkenSetzen(float a, float b);
    ansichten::Inspektor* Inspektor() const { return inspektor_; }
    ansichten::Kennfeld* Kennfeld() const { return kennfeld_; }
    labor::TruckLabor* TruckLabor() const { return truckLabor_; }
    labor::LokLabor* LokLabor() const { return lokLabor_; }

    // The command line's arguments after the program's name.
    void FormCreate(const QStringList& args);

protected:
    void closeEvent(QCloseEvent* event) override;
    // On the views and labs, Ctrl+Z and Ctrl+Y undo and redo the project,
    // not the typing in a number field there.
    bool eventFilter(QObject* obj, QEvent* event) override;

private:
    void ProjektGeaendert();
    void TitelSetzen();
    void HinweiseZeigen();
    void ZuletztMerken(const QString& datei);
    void ZuletztMenueBauen();
    void FahrzeugMenueBauen();
    void BeispielMenueBauen();
    void AufgabeBauen();
    void KlasseBauen();
    // Moves the keyboard to the next (+1) or previous (-1) part of the window.
    void Bereichwechsel(int richtung);
    QString StandardAufgabeDialog();
    void FahrzeugZeigen();
    QString StandardOeffnenDialog();
    QString StandardSpeichernDialog(const QString& vorschlag);

    std::unique_ptr<Ui::TMainForm> ui_;
    ansichten::Inspektor* inspektor_ = nullptr;
    ansichten::Kennfeld* kennfeld_ = nullptr;
    labor::TruckLabor* truckLabor_ = nullptr;
    labor::LokLabor* lokLabor_ = nullptr;
    AufgabenPanel* aufgabe_ = nullptr;
    QDockWidget* aufgabeDock_ = nullptr;
    QString aufgabeDatei_;
    KlassenUebersicht* klasse_ = nullptr;
    QAction* fahrzeugTruck_ = nullptr;
    QAction* fahrzeugLok_ = nullptr;
    // The labs opened so far: without a chosen vehicle, the hints speak of
    // their starts only.
    bool truckLaborOffen_ = false;
    bool lokLaborOffen_ = false;
};

// The recent files kept in the settings, newest first, at most this many.
constexpr int MaxZuletzt = 6;

}  // namespace werkstatt
