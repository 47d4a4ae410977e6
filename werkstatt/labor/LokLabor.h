#pragma once

// The locomotive lab: s over t, v over t, F over t and the s-v curve for the
// masses 1, 2 and 4 kg at the chosen friction, distance and step, with the
// figures of each run above; re-simulated in the background after every edit.
// A second project can be drawn faintly beside it for comparison. A run (a
// mass) and a step are chosen with the step picker or a click on a curve;
// "Warum?" shows that step in the inspector beside the lab.

#include "werkstatt/labor/LaborSeite.h"
#include "werkstatt/labor/LokRechnung.h"
#include "widgets/Neuberechnung.h"

#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QPainter;
class QPushButton;
class TSingEdit;

namespace labor {

class KurvenDiagramm;

class LokLabor : public LaborSeite {
    Q_OBJECT
public:
    explicit LokLabor(QWidget* parent = nullptr);
    ~LokLabor() override;

    // The settings as the fields show them; a setting the model cannot run
    // with is refused with a message and changes nothing.
    LokEinstellung einstellung() const { return Einstellung_; }
    bool setEinstellung(const LokEinstellung& e);

    bool rechnet() const { return Rechnung_.Rechnet(); }
    std::shared_ptr<const LokErgebnis> ergebnis() const { return Ergebnis_; }

    QLabel* zahl(const QString& name) const;
    // 0: s over t, 1: v over t, 2: s-v, 3: F over t.
    KurvenDiagramm* diagramm(int i) const { return Diagramme_[static_cast<std::size_t>(i)]; }
    static constexpr int Diagrammzahl = 4;

    std::shared_ptr<const LokErgebnis> vergleichErgebnis() const { return VergleichErgebnis_; }
    // Chooses a run (the mass's index in LabMasses) and shows the point
    // `punkt` of its track (limited to the run), without playing.
    void waehleLauf(int lauf, int punkt);
    // Shows a run as an exercise's check names it: takes its friction,
    // distance and step, and chooses its mass (when the lab runs that mass)
    // once the runs are there, at the point `punkt` of its track (the step
    // the check's reason names). False when the lab cannot run it.
    bool zeigeLauf(const pemrak::RunOptions& lauf, int punkt = 0);
    int gewaehlterLauf() const;
    QComboBox* laufWahl() const { return Lauf_; }

    TSingEdit* reibungFeld() const { return Reibung_; }
    TSingEdit* abstandFeld() const { return Abstand_; }
    QComboBox* schrittWahl() const { return Schritt_; }
    QString meldung() const;
    // The diagrams with a heading, as a picture; "Bild speichern…" saves it
    // (false when nothing was saved).
    void malen(QPainter& p, QSize groesse) const;
    bool bildSpeichern();
    QPushButton* speichernKnopf() const { return Speichern_; }

    static QColor Farbe(int masse);
    static Qt::PenStyle Stil(int masse);
    // What follows the end state of a run in the figures: how it ended when
    // not by the time limit. A run whose state is no number neither ran out
    // nor came to rest: it says so.
    static QString EndeZusatz(const pemrak::RunFigures& k);
    // What the lab says beside the figures of these runs of a project chosen
    // for `f`: places where no rule fires, a project for the other vehicle.
    static QStringList Warnungen(const LokErgebnis& e, werkstatt::Fahrzeug f);

signals:
    void ergebnisAktualisiert();
    // Friction, distance or step changed (the start moves with the distance).
    void einstellungGeaendert();

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void KoepfeAnpassen();
    void FelderUebernehmen();
    void NeuRechnen() override;
    void VergleichNeu() override;
    void VergleichWeg() override;
    void ZeigeErgebnis(LokErgebnis&& e);
    void ZeigeZahlen();
    void ZeigeWarnung();
    void Markieren();
    void ZeigeKurven();
    void VergleichRechnen();
    void ZeigeVergleich(LokErgebnis&& e);
    void LaufGewechselt();
    void ZeigePunkt(int k);
    void MarkenWeg();

    LokEinstellung Einstellung_;
    std::shared_ptr<const LokErgebnis> Ergebnis_;
    widgets::Neuberechnung<LokErgebnis> Rechnung_;

    TSingEdit* Reibung_ = nullptr;
    TSingEdit* Abstand_ = nullptr;
    QComboBox* Schritt_ = nullptr;
    QComboBox* Lauf_ = nullptr;
    int Vorgemerkt_ = -1;        // a run to choose when the runs being computed are there
    int VorgemerkterPunkt_ = 0;  // and the point of its track to show
    QLabel* Status_ = nullptr;
    QPushButton* Speichern_ = nullptr;
    std::array<KurvenDiagramm*, Diagrammzahl> Diagramme_{};
    // The figures' column headings, with what each measures below its name
    // where the lab is wide enough, else the name alone (the tool tip says it).
    std::array<QLabel*, 6> Koepfe_{};
    std::array<QString, 6> KopfTexte_;
    QWidget* Seite_ = nullptr;
    // The comparison: after the lab's own run, so its job ends first.
    std::shared_ptr<const LokErgebnis> VergleichErgebnis_;
    widgets::Neuberechnung<LokErgebnis> VergleichRechnung_;
};

}  // namespace labor
