#pragma once

#include "fuzzy/Project.h"
#include "werkstatt/ansichten/Hoehenlinien.h"
#include "fuzzy/Surface.h"
#include "fuzzy/NoRuleRegions.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include <optional>
#include <vector>

class QPainter;

namespace ansichten {

// A computed control surface (or curve) ready to be painted: the project it
// belongs to, the sampled field, its colours and contour lines.
struct KennfeldSzene {
    fuzzy::Project projekt;
    fuzzy::SurfaceGrid gitter;
    // The output values the colours span: the output's range, widened to
    // every value of the field.
    double skalaMin = 0.0, skalaMax = 1.0;
    // The values of the contour lines and legend marks.
    std::vector<double> stufen;
    std::vector<std::vector<Strecke>> linien;  // one list per entry of stufen
    QImage farbbild;                           // one pixel per sample, B upwards
    // Where no rule fires (the output falls to its RangeMin there): hatched
    // over the field or curve, with an entry in the legend.
    fuzzy::NoRuleRegions keineRegel;
    // The inspector's point, with its output.
    std::optional<QPointF> marke;
    float markeWert = 0.0f;
};

// Prepares colours, levels and contour lines of a computed field.
void SzeneAufbereiten(KennfeldSzene& s);

struct KennfeldAufteilung {
    QRectF plot;
    QRectF legende;
};

// The part of the plot area that a box without a firing rule covers: its
// ends mapped onto the axes (a curve's boxes span the full height), at least
// Mindestbreite pixels wide and high so that a single value stays visible
// (at a range end, inwards from it), and within the plot. Empty when the box lies outside the plot's ranges.
constexpr double Mindestbreite = 6.0;
QRectF SchraffurRechteck(const KennfeldSzene& s, const QRectF& plot, const fuzzy::NoRuleBox& box);

// Where the legend's entry for the hatching lies (empty without hatching).
QRectF SchraffurLegende(const KennfeldSzene& s, QSize groesse);
KennfeldAufteilung KennfeldAufteilen(QSize groesse, bool zweiEingaenge);

// The world point (A, B) under a position of the scene; for a curve, B is
// the output on the vertical axis. Empty outside the plot area.
std::optional<QPointF> WeltPunkt(const KennfeldSzene& s, QSize groesse, QPointF pixel);
// The position of a world point in the scene.
QPointF PixelPunkt(const KennfeldSzene& s, QSize groesse, QPointF welt);

void MaleKennfeld(QPainter& p, QSize groesse, const KennfeldSzene& s);

}  // namespace ansichten
