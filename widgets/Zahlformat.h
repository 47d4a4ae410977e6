#pragma once

// How the Fuzzy-Werkstatt shows a number to a person: the decimal separator
// of the active language (German comma, English point), a true minus sign
// "−" in both and, for each kind of quantity, the same number of decimals on
// every page. Typed numbers may use comma or point and either minus sign in
// either language. Project files keep their own format; this is for the
// screen.

#include <QString>

namespace zahl {

// The quantities the workshop shows, each with its fixed decimals.
enum class Art {
    Sekunden,        // simulated time, s (the locomotive's step is 0.055 s): 3
    Rechenzeit,      // how long a computation took, s: 1
    Meter,           // the truck's positions, m (docked means |x| < 0.1 m): 3
    Winkel,          // the truck's attitude and steering, degrees: 2
    Zentimeter,      // the locomotive's way, cm: 2
    CmProSekunde,    // the locomotive's speed, cm/s: 2
    Newton,          // the locomotive's force, N: 3
    Zugehoerigkeit,  // a degree of membership or firing strength, 0..1: 2
};

int Nachkomma(Art a);

// A number with fixed decimals; a value that rounds to zero shows no sign.
QString Fest(double v, int nachkomma);
QString Text(double v, Art a);

// A value of a variable: decimals from its range, about four significant
// digits over the range (a range of 20 gives two decimals, of 200 one).
QString Wert(double v, double bereichVon, double bereichBis);
int WertNachkomma(double bereichVon, double bereichBis);

// The shortest text that reads back as the same float, in the workshop's
// style ("0,85", "−13,75", "3e+38"; in English "0.85", "−13.75"): for values that are edited, where rounding
// would hide what the project holds.
QString Kurz(float v);

// Reads a typed number: comma or point, "-" or "−", blanks around. False
// (and value untouched) for anything else or beyond single precision.
bool Lesen(const QString& text, float& value);

// A text written for the command line, its numbers in the workshop's style:
// "5.985 s" becomes "5,985 s" (in English it stays), "-3.5" becomes "−3,5"
// (English "−3.5"; a minus right before a digit, not a dash between words or
// "<= 0").
QString ImText(const QString& text);

}  // namespace zahl
