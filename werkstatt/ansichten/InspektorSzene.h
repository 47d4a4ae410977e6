#pragma once

#include "FuzUnits.h"
#include "Kennfeld.h"

#include <QColor>
#include <QRect>
#include <QSize>

class QPainter;

namespace ansichten {

// What the inspector shows: the project (the output with the heights of the
// project file) and one control step taken apart.
struct InspektorSzene {
    fuzzy::TFuzzy A, B, Out;
    fuzzy::RuleTable R;
    fuzzy::Auswertung auswertung;
};

// Where the four parts of the scene lie at a given size.
struct InspektorAufteilung {
    QRect eingangA, eingangB, regeln, ausgang;
};
InspektorAufteilung Aufteilen(QSize groesse);

// The cell of the rule grid for row `zeile` (term of B) and column `spalte`
// (term of A), both from 1; row or column 0 are the header cells.
QRect RegelZelle(const QRect& regelBereich, int zeile, int spalte);

// The shade of a rule cell for a firing strength 0..1 (white for 0).
QColor Schattierung(float staerke);

// Paints the whole scene: the term diagrams of A and B with the values and
// degrees, the rule grid with firing strengths and the rules that decide,
// the output with its scaled terms, centroid and crisp value.
void MaleInspektor(QPainter& p, QSize groesse, const InspektorSzene& s);

}  // namespace ansichten
