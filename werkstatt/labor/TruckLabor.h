#pragma once

// The truck lab: every start of the grid at the chosen speed on the road,
// coloured by its result, with the summary figures above; re-simulated in the
// background after every edit. A click on a start's dot replays that start
// slowly, a click on a track shows the step there; the step picker moves
// through the chosen start, and "Warum?" shows each step in the inspector.

#include "werkstatt/labor/LaborSeite.h"
#include "widgets/Neuberechnung.h"
#include "werkstatt/labor/TruckRechnung.h"

#include <memory>

class QLabel;
class QPushButton;
class QRadioButton;

namespace labor {

class StrassenBild;

class TruckLabor : public LaborSeite {
    Q_OBJECT
public:
    explicit TruckLabor(QWidget* parent = nullptr);
    ~TruckLabor() override;

    // Called after every edit of the project; the lab copies what it needs.
    // -1 or -10 m/s, as the radio buttons offer.
    float geschwindigkeit() const;
    void setGeschwindigkeit(float v);

    // True while the shown picture does not belong to the current project.
    bool rechnet() const { return Rechnung_.Rechnet(); }
    // The result on screen (of an older project while rechnet()).
    std::shared_ptr<const TruckErgebnis> ergebnis() const { return Ergebnis_; }

    // The start being replayed or last replayed, -1 for none; choosing one
    // starts its replay from the beginning.
    int ausgewaehlterStart() const { return Start_; }
    void waehleStart(int start);
    // Chooses a start and shows the point `punkt` of its track (limited to
    // the track), without playing. -1: nothing chosen.
    void waehleSchritt(int start, int punkt);
    // Shows a start of the grid (its index in dorvane::GridStarts()) at a
    // speed, as an exercise's check names it: switches the speed and
    // chooses the start at its first step once its runs are there.
    void zeigeStart(float speed, int start);
    // The point of the chosen start's track on show, -1 for none.
    int wiedergabeSchritt() const;
    bool spieltAb() const;

    // The comparison's result: run at the same speed, drawn faintly beneath.
    std::shared_ptr<const TruckErgebnis> vergleichErgebnis() const { return VergleichErgebnis_; }

    StrassenBild* bild() const { return Bild_; }
    // "Bild speichern…": the tracks as PNG or SVG; false when nothing was
    // saved (no result yet, cancelled, failed).
    bool bildSpeichern();
    QPushButton* speichernKnopf() const { return Speichern_; }
    // The figures as shown, one label each (for the worksheet and the tests).
    QLabel* zahl(const char* name) const;
    // What the lab says beside the figures of these runs of a project chosen
    // for `f`: places where no rule fires, a project for the other vehicle.
    static QStringList Warnungen(const TruckErgebnis& e, werkstatt::Fahrzeug f);

signals:
    // The controller's inputs at the point on show: rear x in m, attitude in degrees.
    void replayZustand(float a, float b);
    // A result of the current project is on screen.
    void ergebnisAktualisiert();

private:
    void NeuRechnen() override;
    void VergleichNeu() override;
    void VergleichWeg() override;
    void ZeigeErgebnis(TruckErgebnis&& e);
    void ZeigeZahlen();
    void ZeigeWarnung();
    void Markieren();
    void ZeigePunkt(int k);
    void Anhalten();
    QString Hinweis() const;
    void VergleichRechnen();
    void ZeigeVergleich(TruckErgebnis&& e);

    std::shared_ptr<const TruckErgebnis> Ergebnis_;
    widgets::Neuberechnung<TruckErgebnis> Rechnung_;
    int Start_ = -1;
    int Vorgemerkt_ = -1;  // a start to choose when the runs being computed are there

    QRadioButton* Langsam_ = nullptr;
    QRadioButton* Schnell_ = nullptr;
    QLabel* Status_ = nullptr;
    QLabel* Angedockt_ = nullptr;
    QLabel* Verlassen_ = nullptr;
    QLabel* GroessteX_ = nullptr;
    QLabel* GroessteLage_ = nullptr;
    QLabel* MeisteSchritte_ = nullptr;
    StrassenBild* Bild_ = nullptr;
    // The comparison: after the lab's own run, so its job ends first.
    std::shared_ptr<const TruckErgebnis> VergleichErgebnis_;
    widgets::Neuberechnung<TruckErgebnis> VergleichRechnung_;
    QPushButton* Speichern_ = nullptr;
};

}  // namespace labor
