#include "lab/Wording.h"

#include "fuzzy/Language.h"
#include "fuzzy/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lab {

int Decimals(Quantity q) {
    switch (q) {
    case Quantity::Seconds: return 3;
    case Quantity::Metres: return 3;
    case Quantity::Degrees: return 2;
    case Quantity::Centimetres: return 2;
    case Quantity::CmPerSecond: return 2;
    case Quantity::Newtons: return 3;
    case Quantity::Membership: return 2;
    case Quantity::Kilograms: return 2;
    case Quantity::Count: return 0;
    case Quantity::WorkSeconds: return 1;
    }
    return 2;
}

const char* Unit(Quantity q) {
    switch (q) {
    case Quantity::Seconds:
    case Quantity::WorkSeconds: return "s";
    case Quantity::Metres: return "m";
    case Quantity::Degrees: return "\xC2\xB0";
    case Quantity::Centimetres: return "cm";
    case Quantity::CmPerSecond: return "cm/s";
    case Quantity::Newtons: return "N";
    case Quantity::Kilograms: return "kg";
    case Quantity::Membership:
    case Quantity::Count: return "";
    }
    return "";
}

std::string OnScreen(std::string_view plain) {
    std::string out;
    out.reserve(plain.size() + 2);
    for (const char c : plain) {
        if (c == '.')
            out += fuzzy::DecimalSign();
        else if (c == '-')
            out += "\xE2\x88\x92";
        else
            out += c;
    }
    return out;
}

std::string Number(double v, int decimals, Style style) {
    decimals = std::clamp(decimals, 0, 9);
    if (style == Style::Plain) return fuzzy::FixedText(v, decimals);
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v > 0 ? "\xE2\x88\x9E" : "\xE2\x88\x92\xE2\x88\x9E";
    // A value that rounds to zero shows no sign ("0,00", not "−0,00").
    if (std::fabs(v) < 0.5 * std::pow(10.0, -decimals)) v = 0.0;
    return OnScreen(fuzzy::FixedText(v, decimals));
}

std::string Number(double v, Quantity q, Style style) { return Number(v, Decimals(q), style); }

std::string Number(const std::optional<double>& v, Quantity q, Style style) {
    return v ? Number(*v, q, style) : std::string(None);
}

std::string Number(const std::optional<double>& v, int decimals, Style style) {
    return v ? Number(*v, decimals, style) : std::string(None);
}

std::string Figure(double v, Quantity q, int decimals) {
    const std::string unit = Unit(q);
    const std::string n = Number(v, decimals);
    if (unit.empty()) return n;
    // The degree sign stands right at the number, every other unit after a space.
    return unit == "\xC2\xB0" ? n + unit : n + ' ' + unit;
}

std::string Figure(double v, Quantity q) { return Figure(v, q, Decimals(q)); }

std::string Figure(const std::optional<double>& v, Quantity q) { return v ? Figure(*v, q) : std::string(None); }

double AsShown(double v, int decimals) {
    if (!std::isfinite(v)) return v;
    const std::string t = fuzzy::FixedText(v, std::clamp(decimals, 0, 9));
    double d = 0.0;
    fuzzy::ReadNumber(t.data(), t.data() + t.size(), d);
    return d;
}

}  // namespace lab
