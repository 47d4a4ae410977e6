#pragma once

// The road of the truck lab: Dorvane's road (verges, road, centre dashes, the
// red bar and the target line x = 0) stretched across the view as Dorvane
// stretches it (within a bound), every track of a
// grid run coloured by its verdict, and the truck of a replayed start.

#include "werkstatt/labor/TruckRechnung.h"

#include <QPixmap>
#include <QPointF>
#include <QWidget>

#include <memory>

namespace labor {

class StrassenBild : public QWidget {
    Q_OBJECT
public:
    explicit StrassenBild(QWidget* parent = nullptr);

    // The result to draw; veraltet marks it as not belonging to the current
    // project (drawn faded, with "wird berechnet ...").
    void setErgebnis(std::shared_ptr<const TruckErgebnis> e);
    void setVeraltet(bool veraltet);
    // A second project's result, drawn faintly beneath (nullptr: none).
    void setVergleich(std::shared_ptr<const TruckErgebnis> e);
    std::shared_ptr<const TruckErgebnis> vergleich() const { return Vergleich_; }
    bool veraltet() const { return Veraltet_; }

    // The start whose track is highlighted and the replayed step (-1: none).
    void setAuswahl(int start, int schritt);

    // The widget position of a world point, and back.
    QPointF ZuBild(double x, double y) const;
    QPointF ZurWelt(QPointF p) const;
    // The start whose track passes nearest to a widget position, within a few
    // pixels; -1 when none does.
    int StartBei(QPointF p) const;
    // The same with the point of that track nearest to the position: 0 on
    // the start's dot, else the nearer end of the nearest piece of track;
    // {-1, -1} when no track passes near.
    struct Treffer {
        int Start = -1;
        int Punkt = -1;
    };
    Treffer TrefferBei(QPointF p) const;

    static QColor Farbe(TruckUrteil u);

signals:
    // A click: the start and the point of its track nearest to it (see
    // TrefferBei), -1 and -1 off every track.
    void startGeklickt(int start, int punkt);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    // Pixels per metre across and down the road, and the world's top left corner.
    struct Massstab {
        double sx = 1, sy = 1, links = 0, oben = 0;
    };
    Massstab Skala() const;
    void ZeichneStrasse();
    void ZeichneHintergrund();
    // The truck at a point of its track with its wheels at `lenkwinkel` degrees.
    void ZeichneTruck(QPainter& p, const dorvane::TrackPoint& t, float lenkwinkel) const;

    std::shared_ptr<const TruckErgebnis> Ergebnis_;
    std::shared_ptr<const TruckErgebnis> Vergleich_;
    bool Veraltet_ = false;
    int Start_ = -1;
    int Schritt_ = -1;
    QPixmap Strasse_;  // the road alone, redrawn only when the size changes
    QPixmap Puffer_;   // road and tracks, redrawn only when they change
    bool PufferGueltig_ = false;
};

}  // namespace labor
