#pragma once

#include "werkstatt/ansichten/Bildexport.h"
#include "werkstatt/ansichten/KennfeldSzene.h"
#include "widgets/Neuberechnung.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace ansichten {

// The control surface: the output over A x B as a colour map with contour
// lines and a legend (a curve over A for a project with one input). The
// field is computed by the engine off the GUI thread (its rows shared out
// over every core); the last computed one stays on screen until the next is
// ready, and a field of a project already edited again is never shown. Hovering shows A, B and the
// output at that point; a click chooses it.
class Kennfeld : public QWidget {
    Q_OBJECT
public:
    // Samples per axis: at least 200 in each direction, odd so that the
    // middle of a symmetric range is a sample.
    static constexpr int Punkte = 201;
    static constexpr int KurvenPunkte = 401;

    explicit Kennfeld(QWidget* parent = nullptr);
    ~Kennfeld() override;

    // Takes copies and recomputes the field; cheap to call after every edit.
    void setProjekt(const fuzzy::Project& p);
    // Shows the inspector's point.
    void setMarke(float a, float b);

    // The field on screen and whether a newer one is being computed.
    const KennfeldSzene& szene() const { return szene_; }
    bool rechnet() const { return rechnung_.Rechnet(); }
    // Waits until the field of the last setProjekt is on screen.
    void warteAufErgebnis();

    // The output at a point, by the engine, for the current project.
    float ausgangBei(float a, float b) const;
    // The status line: what lies under the mouse.
    QString hinweis() const;

    void malen(QPainter& p, QSize groesse) const;
    QSize szenengroesse() const;
    bool bildSpeichern();

    QWidget* bild() const { return bild_; }
    QLabel* statusZeile() const { return status_; }
    QPushButton* speichernKnopf() const { return speichern_; }

    // Called by the scene widget.
    void MausUeber(QPointF pixel);
    void MausGeklickt(QPointF pixel);

signals:
    // A click on the map: the point (rounded to about a thousandth of each
    // range). For a curve, b is the current value of input B.
    void punktGewaehlt(float a, float b);
    // A newly computed field is on screen.
    void berechnet();

private:
    void Fertig(KennfeldSzene&& s);
    void MarkeBerechnen();
    // What the status line adds at a point where no rule fires.
    QString KeineRegelZusatz(float a, float b) const;

    fuzzy::Project projekt_;
    bool hatProjekt_ = false;
    KennfeldSzene szene_;
    widgets::Neuberechnung<KennfeldSzene> rechnung_;
    float markeB_ = 0.0f;
    SzenenBild* bild_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* speichern_ = nullptr;
};

}  // namespace ansichten
