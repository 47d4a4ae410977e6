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

    QSize sizeHint() const override { return {320, 240}; }

    // The diagram at any size: for the screen, a picture or a printed page.
    void malen(QPainter& p, QSize groesse) const;
    const QString& titel() const { return Titel_; }

    // What the last painting drew: the y axis' labels from bottom to top, the
    // plot field and the legend's row (empty without a legend).
    const QStringList& yBeschriftungen() const { return YTexte_; }
    QRectF feld() const { return Feld_; }
    QRectF legende() const { return Legende_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString Titel_, XAchse_, YAchse_;
    QVector<Kurve> Kurven_;
    bool XFest_ = false;
    double XVon_ = 0, XBis_ = 1;
    bool Veraltet_ = false;
    // Recorded by the painting (which is const: it also paints pictures).
    mutable QStringList YTexte_;
    mutable QRectF Feld_, Legende_;
};

}  // namespace labor
