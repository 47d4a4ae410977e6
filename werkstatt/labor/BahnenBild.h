#pragma once

// The truck lab's result as a picture for paper and files: the road as plain
// outlines (no green verges to waste toner), every track as a vector line whose
// colour and dash pattern tell its verdict, and a legend. The screen keeps its
// own, livelier road (StrassenBild).

#include "werkstatt/labor/TruckRechnung.h"

#include <QColor>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace labor {

// The pen of a verdict's tracks: colours that stay dark, middle and light in
// grey, and solid, dashed and dotted lines.
QColor BahnFarbe(TruckUrteil u);
Qt::PenStyle BahnStil(TruckUrteil u);
QString UrteilText(TruckUrteil u);

// Paints road, tracks and legend over the whole of groesse (white ground),
// under a heading when one is given. The road keeps its proportions; the
// legend sits below it.
void MaleBahnen(QPainter& p, QSize groesse, const TruckErgebnis& e, const QString& titel = QString());

// The heading of a saved picture: the starts, the speed and the summary.
QString BahnenTitel(const TruckErgebnis& e);

}  // namespace labor
