#pragma once

// The one way the figures of runs and exercises are written for a person:
// each quantity with its decimals and its unit, "–" where there is no figure,
// the decimal sign of the active language. The command line's tables keep
// the plain form (a point and an ASCII minus), which scripts read; what a
// person reads in a window, on a page, a sheet or in a sentence takes the
// screen form.

#include <optional>
#include <string>
#include <string_view>

namespace lab {

// The quantities the labs, the checks and the sheets show.
enum class Quantity {
    Seconds,      // simulated time (the locomotive's step is 0.055 s): 3 decimals
    Metres,       // the truck's positions (docked means |x| < 0.1 m): 3
    Degrees,      // the truck's attitude and steering: 2
    Centimetres,  // the locomotive's way: 2
    CmPerSecond,  // the locomotive's speed: 2
    Newtons,      // the locomotive's force: 3
    Membership,   // a degree of membership or a firing strength, 0..1: 2
    Kilograms,    // a mass: 2
    Count,        // starts, runs, steps, rule cells: whole
    WorkSeconds,  // how long a computation took: 1
};

int Decimals(Quantity q);
// "s", "m", "°", "cm", "cm/s", "N", "kg"; "" for memberships and counts.
const char* Unit(Quantity q);

// Where there is no figure (no run arrived, none came to rest): an en dash.
inline constexpr const char* None = "\xE2\x80\x93";

enum class Style {
    Screen,  // the language's decimal sign, a true minus, no sign on a value that rounds to 0
    Plain,   // a point and "-", exactly as printf's %.Nf writes it: the command line's tables
};

// A number written plainly ("-1.25", "1e-05") in the screen style: the
// language's decimal sign and a true minus.
std::string OnScreen(std::string_view plain);

// v with `decimals` decimals (0 to 9). Screen style writes NaN as "NaN" and
// infinities as "∞" and "−∞"; plain style as "nan", "inf", "-inf".
std::string Number(double v, int decimals, Style style = Style::Screen);
std::string Number(double v, Quantity q, Style style = Style::Screen);
// None for a figure that is not there.
std::string Number(const std::optional<double>& v, Quantity q, Style style = Style::Screen);
std::string Number(const std::optional<double>& v, int decimals, Style style = Style::Screen);

// The number and its unit as a sentence writes them: "3,455 s", "0,25",
// "12 cm"; None for a figure that is not there.
std::string Figure(double v, Quantity q, int decimals);
std::string Figure(double v, Quantity q);
std::string Figure(const std::optional<double>& v, Quantity q);

// v as it reads once written with `decimals` decimals: what a verdict
// compares, so that it never contradicts the figures it shows. Not finite:
// v itself.
double AsShown(double v, int decimals);

}  // namespace lab
