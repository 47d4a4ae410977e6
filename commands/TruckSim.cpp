#include "commands/TruckSim.h"

#include "commands/Args.h"
#include "fuzzy/AtomicFile.h"
#include "commands/CheckEval.h"
#include "fuzzy/Language.h"
#include "lab/Wording.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace fuzzysim {

namespace {

// Anything beyond this is no run any more but a stuck process.
constexpr double MaxStepsAllowed = 1.0e6;

// A column of the table: the plain figure, right-aligned in `width`.
std::string Fixed(double v, int decimals, int width = 0) {
    const std::string s = lab::Number(v, decimals, lab::Style::Plain);
    return s.size() < static_cast<std::size_t>(width) ? std::string(static_cast<std::size_t>(width) - s.size(), ' ') + s
                                                      : s;
}

dorvane::StartValues ParseStart(const std::string& text) {
    const auto comma = text.find(',');
    // "X,LAGE" with a point as the decimal separator; a second comma is no start.
    if (comma != std::string::npos && text.find(',', comma + 1) == std::string::npos) {
        const auto x = ParseNumber(text.substr(0, comma));
        const auto att = ParseNumber(text.substr(comma + 1));
        // Far off the picture (1 km) or more than a full turn is no start of the lesson.
        if (x && att && std::fabs(*x) <= 1000.0 && std::fabs(*att) <= 360.0)
            return {static_cast<float>(*x), static_cast<float>(*att)};
    }
    throw UsageError(fuzzy::Tr("fuzzysim truck",
                               "--start erwartet X,LAGE: x des F\xC3\xBChrerhauses in m (-1000 bis "
                               "1000) und die Lage in Grad (-360 bis 360), z. B. --start -10,20"));
}

// The SVG's world window and its mapping: 10 pixels per metre.
struct View {
    double x1 = -24, x2 = 8, y1 = -29, y2 = 28;
    double scale = 10, left = 50, top = 50;
    double X(double x) const { return left + (x - x1) * scale; }
    double Y(double y) const { return top + (y2 - y) * scale; }
    double Width() const { return (x2 - x1) * scale; }
    double Height() const { return (y2 - y1) * scale; }
};

}  // namespace

std::vector<dorvane::StartValues> TruckStarts(const Args& a) {
    const auto start = a.Value("--start");
    if (a.Has("--grid")) {
        if (start)
            throw UsageError(fuzzy::Tr("fuzzysim truck",
                                       "--start und --grid schlie\xC3\x9F"
                                       "en einander aus."));
        return dorvane::GridStarts();
    }
    if (start) return {ParseStart(*start)};
    return {dorvane::StartValues{-10.0f, 0.0f}};
}

void PrintTruckTable(const std::vector<TruckRun>& runs, float speed, std::ostream& out) {
    // The column heads stand over the right-aligned numbers of the rows:
    // widths 9, 7, 10 | 8, 9, 10, 8, then the verdict.
    out << fuzzy::Fmt(fuzzy::Tr("fuzzysim truck",
                                "Truck: 10 m, F\xC3\xBChrerhaus bei y = 25, v = %1 m/s, Schritte zu "
                                "0.1 s, Ankunft bei y <= -25"),
                      {Short(speed)})
        << "\n\n"
        << fuzzy::Tr("fuzzysim truck", "  Start x   Lage  hinten x |  Ende x     Lage  Schritte  max|x|  Ergebnis")
        << '\n';
    for (const TruckRun& t : runs) {
        const dorvane::StartRun& r = t.Run;
        const auto& s = r.Result.Start;
        out << Fixed(s.CabX, 2, 9) << Fixed(s.Attitude, 1, 7) << Fixed(r.StartRearX, 2, 10) << " |"
            << Fixed(r.Result.X, 4, 8) << Fixed(r.Result.Attitude, 3, 9) << std::setw(10) << r.Result.Steps
            << Fixed(r.Result.MaxAbsX, 2, 8) << "  " << lab::VerdictText(t.Verdict) << '\n';
    }
}

void PrintTruckSummary(const std::vector<TruckRun>& runs, float speed, std::ostream& out) {
    const dorvane::GridFigures f = lab::FiguresOf(runs).Grid;
    auto line = [&out](const char* pattern, std::initializer_list<std::string_view> args) {
        out << fuzzy::Fmt(pattern, args) << '\n';
    };
    out << '\n';
    line(fuzzy::Tr("fuzzysim truck", "Zusammenfassung bei v = %1 m/s:"), {Short(speed)});
    line(fuzzy::Tr("fuzzysim truck", "  Starts:              %1"), {std::to_string(runs.size())});
    line(fuzzy::Tr("fuzzysim truck", "  angekommen:          %1"), {std::to_string(f.Arrived)});
    line(fuzzy::Tr("fuzzysim truck",
                   "  Ziel erreicht:       %1 (|x| < 0.1 m und |Lage| < 1 Grad, bei Start mit hinten "
                   "x <= 0 stets auf der Stra\xC3\x9F"
                   "e)"),
         {std::to_string(f.Docked)});
    line(fuzzy::Tr("fuzzysim truck",
                   "  auf der Stra\xC3\x9F"
                   "e:      %1 von %2 Starts mit hinten x <= 0"),
         {std::to_string(f.KeptRoad), std::to_string(f.MustKeepRoad)});
    // Figures of the runs that arrived: none arrived, none to give.
    const auto worst = [&f](double v) { return f.Arrived > 0 ? std::optional<double>(v) : std::nullopt; };
    line(fuzzy::Tr("fuzzysim truck",
                   "  gr\xC3\xB6\xC3\x9F"
                   "te |x| am Ende: %1 m"),
         {lab::Number(worst(f.WorstX), 4, lab::Style::Plain)});
    line(fuzzy::Tr("fuzzysim truck",
                   "  gr\xC3\xB6\xC3\x9F"
                   "te |Lage| am Ende: %1 Grad"),
         {lab::Number(worst(f.WorstAttitude), 3, lab::Style::Plain)});
    line(fuzzy::Tr("fuzzysim truck", "  meiste Schritte:     %1"), {std::to_string(f.MostSteps)});
}

void WriteTruckCsv(const std::vector<TruckRun>& runs, std::ostream& out) {
    // The last three columns are the control step that led to the row: the
    // controller's inputs (rear x and attitude of the row before) and its
    // output, the steering angle in degrees, each exactly; empty in step 0.
    out << "start_x,start_lage,schritt,hinten_x,hinten_y,fuehrerhaus_x,fuehrerhaus_y,lage_grad,lenkwinkel_grad,"
           "eingang_a,eingang_b,ausgang\n";
    for (const TruckRun& t : runs) {
        const dorvane::StartRun& r = t.Run;
        const auto& track = r.Result.Track;
        for (std::size_t step = 0; step < track.size(); ++step) {
            const dorvane::TrackPoint& p = track[step];
            out << Fixed(r.Result.Start.CabX, 2) << ',' << Fixed(r.Result.Start.Attitude, 2) << ',' << step << ','
                << Fixed(p.RearX, 4) << ',' << Fixed(p.RearY, 4) << ',' << Fixed(p.CabX, 4) << ',' << Fixed(p.CabY, 4)
                << ',' << Fixed(p.Attitude, 4) << ',' << Fixed(p.Steering, 4);
            if (step == 0)
                out << ",,,";
            else
                out << ',' << Exact(track[step - 1].RearX) << ',' << Exact(track[step - 1].Attitude) << ','
                    << Exact(p.Control);
            out << '\n';
        }
    }
}

void WriteTruckSvg(const std::vector<TruckRun>& runs, float speed, std::ostream& out) {
    const View v;
    const double w = v.Width() + v.left + 20, h = v.Height() + v.top + 60;
    int good = 0;
    for (const TruckRun& r : runs)
        if (lab::Docked(r.Verdict)) ++good;

    out << "<svg xmlns='http://www.w3.org/2000/svg' width='" << w << "' height='" << h
        << "' font-family='sans-serif' font-size='12'>\n"
        << "<rect width='" << w << "' height='" << h << "' fill='#f4f4f4'/>\n";
    // Verges, the road with its centre dashes, the red bar with the cross.
    out << "<rect x='" << v.left << "' y='" << v.top << "' width='" << v.Width() << "' height='" << v.Height()
        << "' fill='#3c9a3c'/>\n"
        << "<rect x='" << v.X(dorvane::RoadLeft) << "' y='" << v.top << "' width='"
        << (dorvane::RoadRight - dorvane::RoadLeft) * v.scale << "' height='" << v.Height() << "' fill='#8c8c8c'/>\n";
    const double centre = (dorvane::RoadLeft + dorvane::RoadRight) / 2;
    out << "<line x1='" << v.X(centre) << "' y1='" << v.top << "' x2='" << v.X(centre) << "' y2='" << v.Y(-25)
        << "' stroke='white' stroke-width='3' stroke-dasharray='20,20'/>\n"
        << "<rect x='" << v.X(dorvane::RoadLeft) << "' y='" << v.Y(-25) << "' width='"
        << (dorvane::RoadRight - dorvane::RoadLeft) * v.scale << "' height='" << 3 * v.scale << "' fill='#d01010'/>\n"
        << "<path d='M" << v.X(-1) << ',' << v.Y(-25.5) << " L" << v.X(1) << ',' << v.Y(-27.5) << " M" << v.X(1) << ','
        << v.Y(-25.5) << " L" << v.X(-1) << ',' << v.Y(-27.5) << "' stroke='black' stroke-width='3'/>\n"
        << "<line x1='" << v.X(0) << "' y1='" << v.top << "' x2='" << v.X(0) << "' y2='" << v.Y(-25)
        << "' stroke='red' stroke-dasharray='4,4'/>\n";
    // The rear point's path from every start: blue when the goal is met.
    for (const TruckRun& t : runs) {
        const dorvane::StartRun& r = t.Run;
        const char* colour = lab::Docked(t.Verdict) ? "#1040c0" : "#e06000";
        out << "<polyline fill='none' stroke='" << colour << "' stroke-width='1.2' stroke-opacity='0.8' points='";
        for (const dorvane::TrackPoint& p : r.Result.Track) {
            if (!std::isfinite(p.RearX) || !std::isfinite(p.RearY)) break;
            // A path that leaves the picture runs along its edge.
            const double x = std::clamp(double(p.RearX), v.x1, v.x2);
            const double y = std::clamp(double(p.RearY), v.y1, v.y2);
            out << Fixed(v.X(x), 1) << ',' << Fixed(v.Y(y), 1) << ' ';
        }
        out << "'/>\n";
        if (!r.Result.Track.empty()) {
            const auto& p0 = r.Result.Track.front();
            out << "<circle cx='" << Fixed(v.X(p0.RearX), 1) << "' cy='" << Fixed(v.Y(p0.RearY), 1) << "' r='2' fill='"
                << colour << "'/>\n";
        }
    }
    out << "<rect x='" << v.left << "' y='" << v.top << "' width='" << v.Width() << "' height='" << v.Height()
        << "' fill='none' stroke='black'/>\n";
    for (int x : {-20, -10, 0}) {
        out << "<text x='" << v.X(x) << "' y='" << v.top + v.Height() + 16 << "' text-anchor='middle'>" << x
            << "</text>\n";
    }
    for (int y : {-25, 0, 25}) {
        out << "<text x='" << v.left - 6 << "' y='" << v.Y(y) + 4 << "' text-anchor='end'>" << y << "</text>\n";
    }
    out << "<text x='" << v.left + v.Width() / 2 << "' y='" << v.top + v.Height() + 34 << "' text-anchor='middle'>"
        << fuzzy::Tr("fuzzysim truck", "x in m (Ziellinie x = 0)") << "</text>\n"
        << "<text x='" << v.left << "' y='20'>"
        << fuzzy::Fmt(fuzzy::Tr("fuzzysim truck", "Weg des hinteren Punkts, v = %1 m/s"), {Short(speed)}) << "</text>\n"
        << "<text x='" << v.left << "' y='38'>"
        << fuzzy::Fmt(fuzzy::Tr("fuzzysim truck",
                                "%1 von %2 Starts am Ziel (blau), die \xC3\xBC"
                                "brigen orange"),
                      {std::to_string(good), std::to_string(runs.size())})
        << "</text>\n"
        << "</svg>\n";
}

int RunTruck(const std::vector<std::string>& args) {
    const Args a(args, {"--grid", "--csv"}, {"--start", "--speed", "--steps", "--svg"});
    a.ExpectPositional(1, fuzzy::Tr("fuzzysim", "die Projektdatei (DATEI)"));
    const auto starts = TruckStarts(a);
    const double speed = a.Number("--speed").value_or(-1.0);
    // Faster than 100 m/s the truck would jump 10 m a step, its own length.
    if (!(std::fabs(speed) <= 100.0) || speed == 0.0)
        throw UsageError(
            fuzzy::Tr("fuzzysim truck",
                      "--speed erwartet eine Geschwindigkeit in m/s von -100 bis 100, nicht 0, z. B. --speed -10"));
    const double steps = a.Number("--steps").value_or(dorvane::DefaultMaxSteps);
    if (!(steps >= 1 && steps <= MaxStepsAllowed) || steps != std::floor(steps))
        throw UsageError(fuzzy::Tr("fuzzysim truck", "--steps erwartet eine ganze Zahl von 1 bis 1000000."));

    Project p;
    const int status = LoadForTool(a.Positional()[0], p);
    if (status != ExitOk) return status;
    if (!p.A.Defined || !p.Out.Defined) {
        std::cerr << ErrorLine(fuzzy::Tr("fuzzysim truck", "Eingang A und/oder Ausgang (noch) nicht definiert!"))
                  << '\n';
        return ExitFormatError;
    }
    lab::TruckRequest request;
    request.Speed = static_cast<float>(speed);
    request.Starts = starts;
    request.MaxSteps = static_cast<int>(steps);
    request.KeepTracks = a.Has("--csv") || a.Value("--svg").has_value();
    const std::vector<TruckRun> runs = lab::RunTrucks(p, request).Runs;
    // A run that ends in NaN or infinity has no result to show: neither docked
    // nor missed, and no picture of it.
    const auto broken = std::count_if(runs.begin(), runs.end(), [](const TruckRun& t) {
        const dorvane::StartRun& r = t.Run;
        return r.Result.Aborted || !std::isfinite(r.Result.X) || !std::isfinite(r.Result.Attitude);
    });
    if (broken > 0) {
        std::cerr << ErrorLine(fuzzy::Fmt(runs.size() == 1 ? fuzzy::Tr("fuzzysim truck",
                                                                       "%1 von %2 Fahrt endet nicht bei endlichen "
                                                                       "Zahlen (der Regler liefert keine Zahl): %3")
                                                           : fuzzy::Tr("fuzzysim truck",
                                                                       "%1 von %2 Fahrten enden nicht bei endlichen "
                                                                       "Zahlen (der Regler liefert keine Zahl): %3"),
                                          {std::to_string(broken), std::to_string(runs.size()), NotFiniteCause(p)}))
                  << '\n';
        return ExitFormatError;
    }

    if (const auto svg = a.Value("--svg")) {
        std::ostringstream picture;
        WriteTruckSvg(runs, static_cast<float>(speed), picture);
        try {
            // Atomically and never onto the project the run was read from.
            fuzzy::WriteFileAtomic(*svg, picture.str(), a.Positional()[0]);
        } catch (const fuzzy::ESaveError& e) {
            std::cerr << ErrorLine(e.what()) << '\n';
            return ExitUnreadable;
        }
    }
    // With --csv the trajectories go to standard output and the table to
    // standard error, so that the rows can be piped on.
    std::ostream& table = a.Has("--csv") ? std::cerr : std::cout;
    if (a.Has("--csv")) WriteTruckCsv(runs, std::cout);
    PrintTruckTable(runs, static_cast<float>(speed), table);
    PrintTruckSummary(runs, static_cast<float>(speed), table);
    return ExitOk;
}

}  // namespace fuzzysim
