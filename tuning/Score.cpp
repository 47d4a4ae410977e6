#include "tuning/Score.h"

#include "tuning/Evaluation.h"
#include "truck/model/Grid.h"
#include "fuzzy/Language.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

namespace tuning {

using fuzzy::Fmt;
using fuzzy::Tr;

namespace {

std::string Fixed(double v, int decimals, Decimals d) {
    std::ostringstream s;
    s.imbue(std::locale::classic());
    s << std::fixed << std::setprecision(decimals) << v;
    std::string t = s.str();
    if (d == Decimals::Comma) std::replace(t.begin(), t.end(), '.', fuzzy::DecimalSign());
    return t;
}

// A decimal written into the text, such as "0.5": with the chosen sign.
std::string Num(const char* text, Decimals d) {
    std::string t = text;
    if (d == Decimals::Comma) std::replace(t.begin(), t.end(), '.', fuzzy::DecimalSign());
    return t;
}

}  // namespace

int TruckScoreSteps(float speed) {
    const double perStep = std::fabs(double(speed) * dorvane::StepSeconds);
    if (!(perStep > 0.0)) return dorvane::DefaultMaxSteps;
    return static_cast<int>(std::min(double(dorvane::DefaultMaxSteps), std::ceil(150.0 / perStep)));
}

bool Better(const Score& a, const Score& b) {
    if (a.Complete != b.Complete) return a.Complete;
    if (!a.Complete) return false;
    // NaN never wins: a key that is not a number counts as the worst.
    for (std::size_t i = 0; i < a.Keys.size(); ++i) {
        const double x = std::isnan(a.Keys[i]) ? HUGE_VAL : a.Keys[i];
        const double y = std::isnan(b.Keys[i]) ? HUGE_VAL : b.Keys[i];
        if (x != y) return x < y;
    }
    return false;
}

std::string Describe(const Score& s, Decimals d) {
    if (!s.Complete) return Tr("KernBewertung", "nicht vollst\xC3\xA4ndig bewertet");
    // One pattern per line; the labels are padded so that the figures line
    // up, in each language as it needs.
    std::vector<std::string> lines;
    if (s.Kind == Vehicle::Truck) {
        const TruckFigures& t = s.Truck;
        std::string grid;
        for (std::size_t g = 0; g < TruckSpeeds.size(); ++g) {
            std::ostringstream speed;
            speed << TruckSpeeds[g];
            grid += (g ? ", " : "") +
                    Fmt(Tr("KernBewertung", "%1 von %2 bei %3 m/s"),
                        {std::to_string(t.Grid[g].Docked), std::to_string(t.Grid[g].Starts), speed.str()});
        }
        lines.push_back(Fmt(Tr("KernBewertung", "Ziel erreicht:     %1"), {grid}));
        lines.push_back(Fmt(Tr("KernBewertung",
                               "Stra\xC3\x9F"
                               "e verlassen:  %1 Starts (hinten x <= 0 beim Start)"),
                            {std::to_string(t.LeftRoad())}));
        lines.push_back(Fmt(Tr("KernBewertung", "angekommen:        %1 von %2"),
                            {std::to_string(t.Arrived()), std::to_string(t.Starts())}));
        // Without an arrival there is no end position to speak of: no zeros.
        if (t.Arrived() == 0)
            lines.push_back(
                Tr("KernBewertung", "gr\xC3\xB6\xC3\x9Fte |x| am Ende: \xE2\x80\x93 (kein Lauf angekommen)"));
        else
            lines.push_back(
                Fmt(Tr("KernBewertung",
                       "gr\xC3\xB6\xC3\x9Fte |x| am Ende: %1 m, gr\xC3\xB6\xC3\x9Fte |Lage| am Ende: %2 Grad"),
                    {Fixed(std::max(t.Grid[0].WorstX, t.Grid[1].WorstX), 4, d),
                     Fixed(std::max(t.Grid[0].WorstAttitude, t.Grid[1].WorstAttitude), 3, d)}));
    } else {
        const LocoFigures& l = s.Loco;
        const std::string runs = std::to_string(l.Runs);
        lines.push_back(Fmt(Tr("KernBewertung",
                               "gut:               %1 von %2 L\xC3\xA4ufen (in Ruhe, h\xC3\xB6"
                               "chstens %3 cm hinter der Marke, Kraft im Ausgangsbereich)"),
                            {std::to_string(l.Good), runs, Num("0.5", d)}));
        lines.push_back(Fmt(Tr("KernBewertung",
                               "in Ruhe:           %1 von %2 L\xC3\xA4ufen (|s| < %3 cm, |v| < %3 cm/s; 1, 2, 4 kg; "
                               "Schritte %4 s und %5 s)"),
                            {std::to_string(l.AtRest), runs, Num("0.5", d), Num("0.055", d), Num("0.1", d)}));
        std::string changes = Fmt(Tr("KernBewertung",
                                     "Kraftwechsel:      h\xC3\xB6"
                                     "chstens %1 Vorzeichenwechsel in einem Lauf"),
                                  {std::to_string(l.MostSignChanges)});
        if (l.ExcessSignChanges > 0)
            changes = Fmt(Tr("KernBewertung",
                             "%1 (%2 \xC3\xBC"
                             "ber %3 je Lauf)"),
                          {changes, std::to_string(l.ExcessSignChanges), std::to_string(FreeSignChanges)});
        lines.push_back(changes);
        if (l.AtRest == 0)
            lines.push_back(Tr("KernBewertung", "sp\xC3\xA4testens ab:     \xE2\x80\x93 (kein Lauf kommt zur Ruhe)"));
        else if (l.AtRest < l.Runs)
            lines.push_back(Fmt(Tr("KernBewertung",
                                   "sp\xC3\xA4testens ab:     t = %1 s (von den L\xC3\xA4ufen in Ruhe; nie in Ruhe: "
                                   "%2)"),
                                {Fixed(l.LatestRest, 3, d), std::to_string(l.Runs - l.AtRest)}));
        else
            lines.push_back(
                Fmt(Tr("KernBewertung", "sp\xC3\xA4testens ab:     t = %1 s"), {Fixed(l.LatestRest, 3, d)}));
        if (l.AtRest > 0)
            lines.push_back(Fmt(Tr("KernBewertung", "im Mittel ab:      t = %1 s"), {Fixed(l.MeanRest, 3, d)}));
        lines.push_back(Fmt(Tr("KernBewertung",
                               "\xC3\x9C"
                               "berschwingen:     %1 cm hinter der Marke"),
                            {Fixed(l.Overshoot, 4, d)}));
        lines.push_back(Fmt(Tr("KernBewertung",
                               "am Ende:           %1 von der Ruhe entfernt (|s| in cm und |v| in cm/s, "
                               "\xC3\xBC"
                               "ber die L\xC3\xA4ufe summiert)"),
                            {Fixed(l.EndMiss, 4, d)}));
    }
    lines.push_back(s.NoRulePieces == 0
                        ? std::string(Tr("KernBewertung", "ohne Regel:        keine Stelle der Eingangsbereiche"))
                        : Fmt(Tr("KernBewertung",
                                 "ohne Regel:        %1 St\xC3\xBC"
                                 "cke der Eingangsbereiche, dort f\xC3\xA4llt der Ausgang auf den Bereichsanfang"),
                              {std::to_string(s.NoRulePieces)}));
    std::string out;
    for (const std::string& line : lines) out += (out.empty() ? "" : "\n") + line;
    return out;
}

std::string OneLine(const Score& s, Decimals d) {
    if (!s.Complete) return Tr("KernBewertung", "nicht vollst\xC3\xA4ndig bewertet");
    std::string out =
        s.Kind == Vehicle::Truck ? Fmt(Tr("KernBewertung",
                                          "Ziel erreicht %1 von %2, Stra\xC3\x9F"
                                          "e verlassen %3"),
                                       {std::to_string(s.Truck.Docked()), std::to_string(s.Truck.Starts()),
                                        std::to_string(s.Truck.LeftRoad())})
        : s.Loco.AtRest == 0     ? Fmt(Tr("KernBewertung", "gut %1 von %2, keiner in Ruhe"),
                                       {std::to_string(s.Loco.Good), std::to_string(s.Loco.Runs)})
                                 : Fmt(Tr("KernBewertung", "gut %1 von %2, in Ruhe %3, sp\xC3\xA4testens ab %4 s"),
                                       {std::to_string(s.Loco.Good), std::to_string(s.Loco.Runs),
                                        std::to_string(s.Loco.AtRest), Fixed(s.Loco.LatestRest, 3, d)});
    if (s.NoRulePieces > 0)
        out = Fmt(Tr("KernBewertung",
                     "%1, %2 St\xC3\xBC"
                     "cke ohne Regel"),
                  {out, std::to_string(s.NoRulePieces)});
    return out;
}

namespace {

// The changes Explain lists: each with the place of its key in the score's
// order (figures outside the keys after them), so that the figure that
// decides comes first.
struct Change {
    int Order;
    std::string Text;
};

struct Changes {
    std::vector<Change> Better, Worse;

    // A count where more is better (good runs) or worse (sign changes),
    // named by its label: "gute Läufe 6 statt 4 (2 mehr)".
    void Count(int order, int before, int after, bool moreIsBetter, const char* label) {
        if (before == after) return;
        const std::string text = Fmt(after > before ? Tr("KernBewertung", "%1 %2 statt %3 (%4 mehr)")
                                                    : Tr("KernBewertung", "%1 %2 statt %3 (%4 weniger)"),
                                     {Tr("KernBewertung", label), std::to_string(after), std::to_string(before),
                                      std::to_string(std::abs(after - before))});
        ((after > before) == moreIsBetter ? Better : Worse).push_back({order, text});
    }
    // A measure where less is better, written with its decimals.
    void Measure(int order, double before, double after, int decimals, Decimals d, const char* pattern) {
        const std::string b = Fixed(before, decimals, d), a = Fixed(after, decimals, d);
        if (a == b) return;
        (after < before ? Better : Worse).push_back({order, Fmt(Tr("KernBewertung", pattern), {a, b})});
    }
};

std::string Joined(std::vector<Change> items) {
    std::stable_sort(items.begin(), items.end(), [](const Change& x, const Change& y) { return x.Order < y.Order; });
    std::string out;
    for (const Change& c : items) out += (out.empty() ? "" : "; ") + c.Text;
    return out;
}

}  // namespace

std::string Explain(const Score& before, const Score& after, Decimals d) {
    if (!before.Complete || !after.Complete || before.Kind != after.Kind) return {};
    Changes c;
    c.Count(0, before.NoRulePieces, after.NoRulePieces, false,
            FUZZY_TR_NOOP("KernBewertung",
                          "St\xC3\xBC"
                          "cke ohne Regel"));
    if (before.Kind == Vehicle::Truck) {
        const TruckFigures &x = before.Truck, &y = after.Truck;
        for (std::size_t g = 0; g < TruckSpeeds.size(); ++g) {
            std::ostringstream speed;
            speed << TruckSpeeds[g];
            const int diff = y.Grid[g].Docked - x.Grid[g].Docked;
            if (diff == 0) continue;
            const std::string text =
                Fmt(diff > 0 ? Tr("KernBewertung", "Starts am Ziel bei %1 m/s %2 statt %3 (%4 mehr)")
                             : Tr("KernBewertung", "Starts am Ziel bei %1 m/s %2 statt %3 (%4 weniger)"),
                    {speed.str(), std::to_string(y.Grid[g].Docked), std::to_string(x.Grid[g].Docked),
                     std::to_string(std::abs(diff))});
            (diff > 0 ? c.Better : c.Worse).push_back({1, text});
        }
        c.Count(2, x.LeftRoad(), y.LeftRoad(), false,
                FUZZY_TR_NOOP("KernBewertung",
                              "Starts von der Stra\xC3\x9F"
                              "e"));
        if (x.Arrived() > 0 && y.Arrived() > 0) {
            c.Measure(3, std::max(x.Grid[0].WorstX, x.Grid[1].WorstX), std::max(y.Grid[0].WorstX, y.Grid[1].WorstX), 4,
                      d,
                      FUZZY_TR_NOOP("KernBewertung",
                                    "gr\xC3\xB6\xC3\x9F"
                                    "te |x| am Ende %1 statt %2 m"));
            c.Measure(3, std::max(x.Grid[0].WorstAttitude, x.Grid[1].WorstAttitude),
                      std::max(y.Grid[0].WorstAttitude, y.Grid[1].WorstAttitude), 3, d,
                      FUZZY_TR_NOOP("KernBewertung",
                                    "gr\xC3\xB6\xC3\x9F"
                                    "te |Lage| am Ende %1 statt %2 Grad"));
        }
        c.Count(4, x.Arrived(), y.Arrived(), true, FUZZY_TR_NOOP("KernBewertung", "angekommene Starts"));
    } else {
        const LocoFigures &x = before.Loco, &y = after.Loco;
        c.Count(1, x.Good, y.Good, true, FUZZY_TR_NOOP("KernBewertung", "gute L\xC3\xA4ufe"));
        c.Count(2, x.AtRest, y.AtRest, true, FUZZY_TR_NOOP("KernBewertung", "L\xC3\xA4ufe in Ruhe"));
        c.Count(3, x.ExcessSignChanges, y.ExcessSignChanges, false,
                FUZZY_TR_NOOP("KernBewertung",
                              "Kraftwechsel \xC3\xBC"
                              "ber 8 je Lauf"));
        if (x.AtRest > 0 && y.AtRest > 0) {
            c.Measure(4, x.LatestRest, y.LatestRest, 3, d,
                      FUZZY_TR_NOOP("KernBewertung", "sp\xC3\xA4testens in Ruhe ab %1 statt %2 s"));
            c.Measure(5, x.MeanRest, y.MeanRest, 3, d,
                      FUZZY_TR_NOOP("KernBewertung", "im Mittel in Ruhe ab %1 statt %2 s"));
        }
        c.Measure(6, x.Overshoot, y.Overshoot, 4, d,
                  FUZZY_TR_NOOP("KernBewertung",
                                "\xC3\x9C"
                                "berschwingen %1 statt %2 cm"));
        c.Measure(7, x.EndMiss, y.EndMiss, 4, d,
                  FUZZY_TR_NOOP("KernBewertung", "am Ende %1 statt %2 von der Ruhe entfernt"));
        c.Count(8, x.MostSignChanges, y.MostSignChanges, false,
                FUZZY_TR_NOOP("KernBewertung",
                              "Vorzeichenwechsel in einem Lauf h\xC3\xB6"
                              "chstens"));
        c.Count(9, x.ForceOutside, y.ForceOutside, false,
                FUZZY_TR_NOOP("KernBewertung",
                              "L\xC3\xA4ufe mit Kraft au\xC3\x9F"
                              "erhalb des Ausgangsbereichs"));
    }
    std::string out;
    if (!c.Better.empty()) out = Fmt(Tr("KernBewertung", "Besser: %1."), {Joined(c.Better)});
    if (!c.Worse.empty())
        out += out.empty() ? Fmt(Tr("KernBewertung", "Schlechter: %1."), {Joined(c.Worse)})
                           : " " + Fmt(Tr("KernBewertung", "Daf\xC3\xBCr schlechter: %1."), {Joined(c.Worse)});
    return out;
}

std::optional<std::string> Unsuitable(const fuzzy::Project& p, Vehicle v) {
    if (v == Vehicle::Truck) {
        if (!p.A.Defined || !p.Out.Defined)
            return std::string(Tr("KernBewertung", "Eingang A und/oder Ausgang (noch) nicht definiert!"));
        return std::nullopt;
    }
    if (!p.A.Defined || !p.B.Defined || !p.Out.Defined)
        return std::string(Tr("KernBewertung",
                              "Kein (geeignetes) Fuzzyprojekt vorhanden (Eingang A, Eingang B und Ausgang m\xC3\xBC"
                              "ssen definiert sein)."));
    return std::nullopt;
}

Score Evaluate(const fuzzy::Project& p, Vehicle v, const Score* bound, const std::atomic<bool>* cancel) {
    return EvaluateRuns(p, v, bound, cancel).Result;
}

}  // namespace tuning
