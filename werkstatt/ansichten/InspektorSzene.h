#pragma once

#include "fuzzy/Project.h"
#include "fuzzy/Surface.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

class QPainter;

namespace ansichten {

// What the inspector shows: the project (the output with the heights of the
// project file) and one control step taken apart.
struct InspektorSzene {
    fuzzy::Project projekt;
    fuzzy::StepBreakdown auswertung;
    // How the crisp output is written (Rechenwert): below 0 with nine digits,
    // as on screen; else with that many decimals, as a printed sheet has it.
    int nachkomma = -1;
};

// Where the four parts of the scene lie at a given size.
struct InspektorAufteilung {
    QRect eingangA, eingangB, regeln, ausgang;
};
InspektorAufteilung Aufteilen(QSize groesse);

// The term diagram inside a part of the scene (below its heading, above its
// line of degrees).
QRect Diagrammbereich(const QRect& teil);

// The cell of the rule grid for row `zeile` (term of B) and column `spalte`
// (term of A), both from 1; row or column 0 are the header cells.
QRect RegelZelle(const QRect& regelBereich, int zeile, int spalte);

// Which input's diagram lies under a position of the scene (1 = A, 2 = B,
// 0 = neither) and the value on its axis there, limited to the range.
struct DiagrammTreffer {
    int eingang = 0;
    float wert = 0.0f;
};
DiagrammTreffer WertUnter(QSize groesse, const InspektorSzene& s, QPoint pixel);

// A value on an input's axis rounded to about a thousandth of its range, so
// that a slider or a click gives numbers a reader can take in.
float RundeAufRaster(float wert, float lo, float hi);

// The rule cell (row, column, from 1) under a position of the scene, or
// {0, 0} when there is none there.
std::array<int, 2> ZelleUnter(QSize groesse, QPoint pixel);

// A rule in words with its firing strength, for the cell in row r (term of
// B) and column c (term of A): "WENN Abstand ist null UND Lage ist
// positiv klein, DANN Lenkwinkel ist links (Feuerstärke 0.40)". Empty for a
// cell outside the terms.
QString RegelText(const InspektorSzene& s, int r, int c);

// The plain sentence for a step in which no rule fires, so that the output
// falls to the start of its range, in the hints' words: "Bei Abstand = 100 cm
// und … feuert keine Regel: Kraft fällt auf −2,5 N (Bereichsanfang)." Empty
// when some rule fires (or A or the output is not defined).
QString KeineRegelSatz(const InspektorSzene& s);

// The shade of a rule cell for a firing strength 0..1 (white for 0).
QColor Schattierung(float staerke);

// Paints the whole scene: the term diagrams of A and B with the values and
// degrees, the rule grid with firing strengths and the rules that decide,
// the output with its scaled terms, centroid and crisp value.
void MaleInspektor(QPainter& p, QSize groesse, const InspektorSzene& s);

}  // namespace ansichten
