#pragma once

#include "fuzzy/Project.h"
#include "werkstatt/kern/Bearbeitung.h"

#include <QString>
#include <QWidget>

class QLabel;
class QPushButton;

namespace labor {

// What both labs share: the project they run, handed over after every edit,
// and the comparison with a second project ("Vergleichen mit…").
class LaborSeite : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Takes a copy of the project and re-simulates it in the background;
    // cheap to call after every edit.
    void setProjekt(const fuzzy::Project& p) {
        Projekt_ = p;
        HatProjekt_ = true;
        NeuRechnen();
    }

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
    werkstatt::Fahrzeug Fahrzeug_ = werkstatt::Fahrzeug::Unbestimmt;
    QLabel* Warnung_ = nullptr;
};

}  // namespace labor
