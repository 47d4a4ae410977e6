#pragma once

// The step picker of both labs: a time slider over the points of the chosen
// run, one step back and forth, playing at a steady pace, a line that says
// where the run stands, and "Warum?", which opens the inspector beside the
// lab at that step.

#include <QTimer>
#include <QWidget>

class QLabel;
class QPushButton;
class QSlider;
class QToolButton;

namespace labor {

class SchrittWahl : public QWidget {
    Q_OBJECT
public:
    explicit SchrittWahl(QWidget* parent = nullptr);

    // The chosen run has the points 0..letzter (letzter >= 0); -1: no run is
    // chosen, and everything but "Warum?" is disabled. Stops playing.
    void setLauf(int letzter);
    int letzter() const { return Letzter_; }
    // The point on show, -1 without a run.
    int punkt() const;
    // Moves to a point of the run (limited to it) and reports it, also when
    // it is already there.
    void setPunkt(int k);
    // Plays from the point on show to the end, one point per takt ms.
    void abspielen(int taktMs);
    void anhalten();
    bool spieltAb() const { return Takt_.isActive(); }

    // The line beside the slider: where the run stands.
    void setText(const QString& text);
    QString text() const;

    QSlider* schieber() const { return Schieber_; }
    QToolButton* zurueckKnopf() const { return Zurueck_; }
    QToolButton* vorKnopf() const { return Vor_; }
    QToolButton* spielenKnopf() const { return Spielen_; }
    QPushButton* warumKnopf() const { return Warum_; }

signals:
    // A point was chosen: by the slider, the buttons, playing or setPunkt.
    void punktGewaehlt(int k);
    // "Warum?" was switched on or off.
    void warumGeschaltet(bool an);

private:
    void Weiter();
    void Knoepfe();

    int Letzter_ = -1;
    int TaktMs_ = 40;
    QTimer Takt_;
    QSlider* Schieber_ = nullptr;
    QToolButton* Zurueck_ = nullptr;
    QToolButton* Vor_ = nullptr;
    QToolButton* Spielen_ = nullptr;
    QPushButton* Warum_ = nullptr;
    QLabel* Text_ = nullptr;
};

}  // namespace labor
