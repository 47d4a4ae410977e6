#pragma once

#include <QColor>
#include <QString>

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

// A round number for axis and legend labels (no trailing zeros, no "-0").
QString Beschriftung(double v);

}  // namespace ansichten
