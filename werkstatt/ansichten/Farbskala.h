#pragma once

#include "fuzzy/FuzUnits.h"

#include <QColor>
#include <QString>

#include <vector>

namespace ansichten {

// A colour scale from dark violet through blue and green to yellow whose
// lightness rises evenly, so that equal steps of the output look like equal
// steps of colour, and a grey print still shows the order.
QColor Skalenfarbe(double anteil);

// A number as short as possible that still reads back as the same float
// (at most 9 significant digits, as the command-line tool prints them).
QString KurzeZahl(float v);

// A number with 9 significant digits, exactly as "fuzzysim eval" prints it.
QString NeunStellen(float v);

// A value of a variable that the engine computed or a run measured, as the
// views write it: nine significant digits (NeunStellen), but 0 where the value
// is zero up to rounding at the scale of the variable's range
// (fuzzy::ZeroBelowRounding), never "−0,000000001" or "−7,66e−10". With
// `nachkomma` 0 or more: that many decimals instead, a printed sheet's
// precision, and no sign on a value that rounds to zero.
QString Rechenwert(float v, const fuzzy::TFuzzy& variable, int nachkomma = -1);

// A round number for axis and legend labels (no trailing zeros, no "-0").
QString Beschriftung(double v);

// An axis label: a round number with the decimal sign of the language and
// a true minus.
QString AchsenZahl(double v);

// Axis ticks at steps of 1, 2 or 5 times a power of ten, about `ungefaehr`
// of them, within lo..hi.
std::vector<double> AchsenTeilung(double lo, double hi, int ungefaehr);

// The term colours of every view of the workshop: five hues that also stay
// apart in a grey print (with the dash patterns below). Sets terms 1 to 5.
void DruckFarben(fuzzy::TFuzzy& v);
// The dash pattern of term i (1..5): solid, dashed, dotted, dash-dot,
// dash-dot-dot.
Qt::PenStyle TermStil(int term);

}  // namespace ansichten
