#include "lab/LocoOptions.h"

#include "fuzzy/Language.h"
#include "fuzzy/Numbers.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace lab {

namespace {

// The figures of the messages as fuzzysim writes them: six significant digits, a point.
std::string Short(double v) { return fuzzy::GeneralText(v, 6); }

std::optional<double> NumberOf(const GivenOption& given, std::string_view option) {
    const auto text = given(option);
    if (!text) return std::nullopt;
    const auto n = ParseNumber(*text);
    if (!n) throw OptionError(fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Der Wert von %1 ist keine Zahl: %2"), {option, *text}));
    return n;
}

// The value of an option within [lo, hi] (a range well inside single
// precision, so that the conversion is exact enough and the run stays finite),
// the fallback without the option; an OptionError naming the range otherwise.
double InRange(const GivenOption& given, const LocoRange& r) {
    const double v = NumberOf(given, r.Option).value_or(r.Fallback);
    if (!(v >= r.Lo && v <= r.Hi) || (!r.ZeroAllowed && v == 0.0)) {
        throw OptionError(fuzzy::Fmt(
            r.ZeroAllowed ? fuzzy::Tr("fuzzysim loco", "%1 erwartet %2 von %3 bis %4, gefunden: %5.")
                          : fuzzy::Tr("fuzzysim loco", "%1 erwartet %2 von %3 bis %4, nicht 0, gefunden: %5."),
            {r.Option, fuzzy::Tr("fuzzysim loco", r.What), Short(r.Lo), Short(r.Hi), *given(r.Option)}));
    }
    return v;
}

}  // namespace

const std::vector<LocoRange>& LocoRanges() {
    // Steps from 10 µs (the run then needs --time to stay within its steps)
    // up to a second; a locomotive of 10 g to a tonne; a run of at most an
    // hour. Beyond these the model's single precision gives infinities or NaN
    // instead of a run.
    static const std::vector<LocoRange> ranges = {
        {"--dt", FUZZY_TR_NOOP("fuzzysim loco", "einen Zeitschritt in s"), 0.055, 0.00001, 1.0, true},
        {"--first-dt", FUZZY_TR_NOOP("fuzzysim loco", "einen Zeitschritt in s"), double(pemrak::FirstStepSeconds),
         0.00001, 1.0, true},
        {"--mass", FUZZY_TR_NOOP("fuzzysim loco", "eine Masse in kg"), 2.0, 0.01, 1000.0, true},
        {"--friction", FUZZY_TR_NOOP("fuzzysim loco", "eine Reibung in N*s/m"), 3.0, 0.0, 1000.0, true},
        {"--distance", FUZZY_TR_NOOP("fuzzysim loco", "einen Abstand in cm"), 100.0, -10000.0, 10000.0, false},
        {"--time", FUZZY_TR_NOOP("fuzzysim loco", "eine Dauer in s"), 60.0, 0.001, 3600.0, true},
    };
    return ranges;
}

pemrak::RunOptions LocoOptions(const GivenOption& given) {
    // The model's own refusals first, with the program's words, for values
    // that single precision can hold at all.
    const double mass = NumberOf(given, "--mass").value_or(2.0);
    const double distance = NumberOf(given, "--distance").value_or(100.0);
    if (std::fabs(mass) <= FLT_MAX && std::fabs(distance) <= FLT_MAX) {
        pemrak::StartValues w;
        w.Masse = static_cast<float>(mass);
        w.AbstandCm = static_cast<float>(distance);
        if (const auto fehler = pemrak::StartValuesError(w)) throw OptionError(*fehler);
    }
    for (const char* option : {"--dt", "--first-dt", "--time"}) {
        if (!(NumberOf(given, option).value_or(1.0) > 0.0))
            throw OptionError(fuzzy::Fmt(fuzzy::Tr("fuzzysim loco",
                                                   "Der Wert von %1 muss gr\xC3\xB6\xC3\x9F"
                                                   "er als 0 sein."),
                                         {option}));
    }
    std::vector<double> v;
    for (const LocoRange& r : LocoRanges()) v.push_back(InRange(given, r));
    pemrak::RunOptions o;
    o.Dt = static_cast<float>(v[0]);
    o.FirstDt = static_cast<float>(v[1]);
    o.Start.Masse = static_cast<float>(v[2]);
    o.Start.Reibung = static_cast<float>(v[3]);
    o.Start.AbstandCm = static_cast<float>(v[4]);
    o.MaxTime = static_cast<float>(v[5]);
    if (double(o.MaxTime) / double(o.Dt) > MaxLocoSteps)
        throw OptionError(fuzzy::Tr("fuzzysim loco",
                                    "Zu viele Schritte: --time geteilt durch --dt darf 2000000 nicht \xC3\xBC"
                                    "bersteigen."));
    return o;
}

std::optional<double> ParseNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    std::string s(text);
    std::replace(s.begin(), s.end(), ',', '.');
    std::size_t start = 0;
    if (!s.empty() && s[0] == '+') start = 1;
    // ReadNumber would take "-+1", "inf" and "nan" otherwise.
    if (start < s.size() && s[start] == '-' && start == 1) return std::nullopt;
    if (s.find_first_of("0123456789") == std::string::npos) return std::nullopt;
    double d = 0.0;
    const char* first = s.data() + start;
    const char* last = s.data() + s.size();
    const auto res = fuzzy::ReadNumber(first, last, d);
    if (res.ec != std::errc() || res.ptr != last || !std::isfinite(d)) return std::nullopt;
    return d;
}

}  // namespace lab
