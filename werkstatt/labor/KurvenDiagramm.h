#pragma once

// A small line diagram for the locomotive lab: several curves in their own
// colours and dash patterns, axes with rounded tick values, dashed zero lines
// and a legend in a row of its own above the plot, where it covers no curve.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QStringList>
#include <QString>
#include <QVector>
#include <QWidget>

#include <utility>

class QMouseEvent;
class QPainter;

namespace labor {

class KurvenDiagramm : public QWidget {
    Q_OBJECT
public:
    struct Kurve {
        QString Name;
        QColor Farbe;
        QVector<QPointF> Punkte;
        // The dash pattern tells the curves apart where colour cannot (on a
        // greyscale printout).
        Qt::PenStyle Stil = Qt::SolidLine;
        // A compared project's curve: lighter and dashed, beneath the others,
        // named once in the legend as "Vergleich".
        bool Blass = false;
    };

    explicit KurvenDiagramm(const QString& titel, const QString& xAchse, const QString& yAchse,
                            QWidget* parent = nullptr);

    void setKurven(QVector<Kurve> kurven);
    const QVector<Kurve>& kurven() const { return Kurven_; }
    // Fixes the x range (for instance the time axis); otherwise it follows the curves.
    void setXBereich(double von, double bis);
    void setVeraltet(bool v);
    // Marks a point of one curve (the chosen step of a run): a ring, on a
    // time axis with a line across the plot. -1: no mark.
    void setMarke(int kurve, int punkt);
    int markeKurve() const { return MarkeKurve_; }
    int markePunkt() const { return MarkePunkt_; }
    // The widget position of a curve's point as the last painting placed it.
    QPointF ZuBild(QPointF wert) const;
    // The curve (not a compared one) and its point nearest to a widget
    // position, within a few pixels, as the last painting drew them;
    // {-1, -1} when none is that near.
    std::pair<int, int> PunktBei(QPointF pos) const;

    QSize sizeHint() const override { return {320, 240}; }

    // The diagram at any size: for the screen, a picture or a printed page.
    void malen(QPainter& p, QSize groesse) const;
    const QString& titel() const { return Titel_; }

    // What the last painting drew: the y axis' labels from bottom to top, the
    // plot field and the legend's row (empty without a legend).
    const QStringList& yBeschriftungen() const { return YTexte_; }
    QRectF feld() const { return Feld_; }
    QRectF legende() const { return Legende_; }

signals:
    // A click near a curve's point (see PunktBei).
    void punktGeklickt(int kurve, int punkt);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QString Titel_, XAchse_, YAchse_;
    QVector<Kurve> Kurven_;
    bool XFest_ = false;
    double XVon_ = 0, XBis_ = 1;
    bool Veraltet_ = false;
    int MarkeKurve_ = -1;
    int MarkePunkt_ = -1;
    // Recorded by the painting (which is const: it also paints pictures).
    mutable QStringList YTexte_;
    mutable QRectF Feld_, Legende_;
    // The painted ranges, for ZuBild and PunktBei.
    mutable double X1_ = 0, X2_ = 1, Y1_ = 0, Y2_ = 1;
    mutable QSize Gemalt_;
};

}  // namespace labor
