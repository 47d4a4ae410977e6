#pragma once

#include "fuzzy/Project.h"
#include "werkstatt/ansichten/Inspektor.h"
#include "werkstatt/kern/Bearbeitung.h"

#include <QString>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QSplitter;

namespace labor {

class SchrittWahl;

// What both labs share: the project they run, handed over after every edit,
// the comparison with a second project ("Vergleichen mit…"), and the step
// picker with the inspector beside the lab ("Warum?").
class LaborSeite : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Takes a copy of the project and re-simulates it in the background;
    // cheap to call after every edit.
    void setProjekt(const fuzzy::Project& p) {
        Projekt_ = p;
        HatProjekt_ = true;
        if (Warum_) Warum_->setProjekt(p);
        NeuRechnen();
    }

    SchrittWahl* schrittAuswahl() const { return Wahl_; }
    // The inspector beside the lab, shown by "Warum?": it shows the chosen
    // step of the chosen run.
    ansichten::Inspektor* inspektor() const { return Warum_; }
    QSplitter* teiler() const { return Teiler_; }

    // Runs a second project with the same settings and draws it faintly
    // beside this one; `name` says where it comes from.
    void setVergleich(const fuzzy::Project& p, const QString& name);
    void vergleichBeenden();
    bool hatVergleich() const { return HatVergleich_; }
    QLabel* vergleichZahlen() const { return VergleichZahlen_; }

    // The vehicle chosen for the project (menu "Fahrzeug"). A lab for the
    // other vehicle says so; without a choice, a lab whose own vehicle fails
    // tries the other one and says when that one does well.
    // Without `neuRechnen` the next setProjekt computes with it.
    void setFahrzeug(werkstatt::Fahrzeug f, bool neuRechnen = true);
    werkstatt::Fahrzeug fahrzeug() const { return Fahrzeug_; }
    // What the lab warns of beside its figures: places where no rule fires,
    // a project made for the other vehicle. Empty when nothing.
    QString warnung() const;
    QPushButton* vergleichKnopf() const { return VergleichBtn_; }

signals:
    // The user asks for a project from a file or for the state before the
    // last edit; the main window knows both.
    void vergleichAusDateiGewuenscht();
    void vergleichVorherGewuenscht();
    // A step of a run was chosen: its inputs and the output the run applied.
    void schrittGewaehlt(const ansichten::Laufschritt& s);

protected:
    // Starts the lab's simulation of Projekt_ anew.
    virtual void NeuRechnen() = 0;
    // The comparison has a new project (runs it) or has ended (forgets its result).
    virtual void VergleichNeu() = 0;
    virtual void VergleichWeg() = 0;

    // The "Vergleichen mit…" button with its menu, and the label of the
    // comparison's figures (hidden until there is a comparison).
    void VergleichBauen(const QString& tipp);
    // Shows the comparison's figures in full, however many lines they take.
    void VergleichText(const QString& text);
    // Makes the step picker (for the lab to place in WahlZeile_) and lays
    // out the lab's page `seite` with the inspector beside it, hidden until
    // "Warum?".
    void WarumBauen(QWidget* seite);
    // Shows a step in the inspector beside the lab and reports it.
    void SchrittMelden(const ansichten::Laufschritt& s);
    // The line of warnings beside the figures; hidden while there are none.
    void WarnungBauen();
    void WarnungZeigen(const QStringList& saetze);

    fuzzy::Project Projekt_;
    bool HatProjekt_ = false;
    fuzzy::Project Vergleich_;
    bool HatVergleich_ = false;
    QString VergleichName_;
    QLabel* VergleichZahlen_ = nullptr;
    QPushButton* VergleichBtn_ = nullptr;
    SchrittWahl* Wahl_ = nullptr;
    // The row below the lab's page (which scrolls when it is short of room)
    // for the step picker and what belongs to it.
    QHBoxLayout* WahlZeile_ = nullptr;
    ansichten::Inspektor* Warum_ = nullptr;
    QSplitter* Teiler_ = nullptr;
    werkstatt::Fahrzeug Fahrzeug_ = werkstatt::Fahrzeug::Unbestimmt;
    QLabel* Warnung_ = nullptr;
};

}  // namespace labor
