#include "commands/LocoSim.h"

#include "commands/Args.h"
#include "fuzzy/AtomicFile.h"
#include "commands/CheckEval.h"
#include "fuzzy/Language.h"
#include "lab/Wording.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace fuzzysim {

namespace {

std::string Fixed(double v, int decimals) { return lab::Number(v, decimals, lab::Style::Plain); }

// The drawing area of one diagram in the SVG, and the world range it shows.
struct Panel {
    double left, top, width, height;
    double x1, x2, y1, y2;

    double X(double x) const { return left + (x - x1) / (x2 - x1) * width; }
    double Y(double y) const { return top + height - (y - y1) / (y2 - y1) * height; }
};

void Widen(double& lo, double& hi) {
    if (!(hi - lo > 1e-9)) {
        lo -= 1.0;
        hi += 1.0;
    }
    const double pad = (hi - lo) * 0.05;
    lo -= pad;
    hi += pad;
}

void DrawPanel(const Panel& p, const std::string& title, const std::string& xLabel, const std::string& yLabel,
               const std::vector<std::pair<double, double>>& points, std::ostream& out) {
    out << "<rect x='" << p.left << "' y='" << p.top << "' width='" << p.width << "' height='" << p.height
        << "' fill='white' stroke='black'/>\n";
    // Zero lines: the mark (s = 0) and standstill (v = 0).
    if (p.y1 < 0 && p.y2 > 0)
        out << "<line x1='" << p.left << "' y1='" << p.Y(0) << "' x2='" << p.left + p.width << "' y2='" << p.Y(0)
            << "' stroke='red' stroke-dasharray='3,3'/>\n";
    if (p.x1 < 0 && p.x2 > 0)
        out << "<line x1='" << p.X(0) << "' y1='" << p.top << "' x2='" << p.X(0) << "' y2='" << p.top + p.height
            << "' stroke='red' stroke-dasharray='3,3'/>\n";
    out << "<text x='" << p.left + p.width / 2 << "' y='" << p.top - 8 << "' text-anchor='middle'>" << title
        << "</text>\n";
    out << "<text x='" << p.left << "' y='" << p.top + p.height + 16 << "'>" << Fixed(p.x1, 1) << "</text>\n";
    out << "<text x='" << p.left + p.width << "' y='" << p.top + p.height + 16 << "' text-anchor='end'>"
        << Fixed(p.x2, 1) << "</text>\n";
    out << "<text x='" << p.left + p.width / 2 << "' y='" << p.top + p.height + 30 << "' text-anchor='middle'>"
        << xLabel << "</text>\n";
    out << "<text x='" << p.left - 4 << "' y='" << p.top + 10 << "' text-anchor='end'>" << Fixed(p.y2, 1)
        << "</text>\n";
    out << "<text x='" << p.left - 4 << "' y='" << p.top + p.height << "' text-anchor='end'>" << Fixed(p.y1, 1)
        << "</text>\n";
    out << "<text x='" << p.left - 4 << "' y='" << p.top + p.height / 2 << "' text-anchor='end'>" << yLabel
        << "</text>\n";
    out << "<polyline fill='none' stroke='blue' stroke-width='1.5' points='";
    for (const auto& [x, y] : points) out << Fixed(p.X(x), 2) << ',' << Fixed(p.Y(y), 2) << ' ';
    out << "'/>\n";
}

}  // namespace

pemrak::RunOptions LocoOptions(const Args& a) {
    try {
        return lab::LocoOptions([&a](std::string_view option) { return a.Value(option); });
    } catch (const lab::OptionError& e) {
        throw UsageError(e.what());
    }
}

void PrintLocoSummary(const pemrak::JudgedRun& v, std::ostream& out) {
    const pemrak::RunOptions& o = v.Options;
    const pemrak::RunFigures& k = v.Figures;
    const auto& ruhe = v.AtRestFrom;
    const auto& ruheEng = v.ExactFrom;
    const auto T = [](const char* text) { return std::string(text); };
    out << fuzzy::Fmt(fuzzy::Tr("fuzzysim loco", "Lok:             Masse %1 kg, Reibung %2 N*s/m, Abstand %3 cm"),
                      {Short(o.Start.Masse), Short(o.Start.Reibung), Short(o.Start.AbstandCm)})
        << '\n'
        << fuzzy::Fmt(fuzzy::Tr("fuzzysim loco", "Schritte:        erster %1 s, dann %2 s"),
                      {Short(o.FirstDt), Short(o.Dt)})
        << '\n'
        << fuzzy::Fmt(
               !k.Finite ? fuzzy::Tr("fuzzysim loco",
                                     "Ende:            t = %1 s nach %2 Schritten, abgebrochen, "
                                     "der Zustand ist keine endliche Zahl")
               : k.RanOut
                   ? fuzzy::Tr("fuzzysim loco",
                               "Ende:            t = %1 s nach %2 Schritten, 30 cm hinter der Marke ausgelaufen")
                   : fuzzy::Tr("fuzzysim loco", "Ende:            t = %1 s nach %2 Schritten, Zeitgrenze erreicht"),
               {Fixed(k.EndT, 3), std::to_string(k.Steps)})
        << '\n'
        << fuzzy::Fmt(fuzzy::Tr("fuzzysim loco", "s am Ende:       %1 cm"), {Fixed(k.EndSCm, 4)}) << '\n'
        << fuzzy::Fmt(fuzzy::Tr("fuzzysim loco", "v am Ende:       %1 cm/s"), {Fixed(k.EndVCms, 4)}) << '\n'
        << (ruhe ? fuzzy::Fmt(fuzzy::Tr("fuzzysim loco",
                                        "in Ruhe ab:      t = %1 s (|s| < 1 cm, |v| < 0.5 cm/s bis zum Ende)"),
                              {Fixed(*ruhe, 3)})
                 : T(fuzzy::Tr("fuzzysim loco", "in Ruhe ab:      nie (|s| < 1 cm, |v| < 0.5 cm/s bis zum Ende)")))
        << '\n'
        << (ruheEng ? fuzzy::Fmt(fuzzy::Tr("fuzzysim loco",
                                           "genau ab:        t = %1 s (|s| < 0.5 cm, |v| < 0.5 cm/s bis zum Ende)"),
                                 {Fixed(*ruheEng, 3)})
                    : T(fuzzy::Tr("fuzzysim loco", "genau ab:        nie (|s| < 0.5 cm, |v| < 0.5 cm/s bis zum Ende)")))
        << '\n'
        << fuzzy::Fmt(fuzzy::Tr("fuzzysim loco",
                                "\xC3\x9C"
                                "berschwingen:   %1 cm hinter der Marke"),
                      {Fixed(k.OvershootCm, 4)})
        << '\n'
        << (k.BandReached ? fuzzy::Tr("fuzzysim loco", "Zielband:        erreicht (|s| < 1 cm)")
                          : fuzzy::Tr("fuzzysim loco", "Zielband:        nicht erreicht (|s| < 1 cm)"))
        << '\n'
        << fuzzy::Fmt(fuzzy::Tr("fuzzysim loco", "Kraftwechsel:    %1 Vorzeichenwechsel der Kraft"),
                      {std::to_string(k.SignChanges)})
        << '\n';
}

void PrintLocoSummary(const pemrak::RunOptions& o, const pemrak::RunResult& lauf, std::ostream& out) {
    PrintLocoSummary(pemrak::Judge(o, lauf), out);
}

void WriteLocoCsv(const pemrak::RunResult& lauf, std::ostream& out) {
    // The last three columns are the control step that led to the row: the
    // controller's inputs (s and v of the row before) and its output, the
    // force, each exactly; empty in the start row.
    out << "t_s,s_cm,v_cms,kraft_N,eingang_a,eingang_b,ausgang\n";
    const auto& track = lauf.Track;
    for (std::size_t i = 0; i < track.size(); ++i) {
        const pemrak::TrackPoint& p = track[i];
        out << Fixed(p.t, 4) << ',' << Fixed(p.sCm, 4) << ',' << Fixed(p.vCms, 4) << ',' << Fixed(p.Kraft, 4);
        if (i == 0)
            out << ",,,";
        else
            out << ',' << Exact(track[i - 1].sCm) << ',' << Exact(track[i - 1].vCms) << ',' << Exact(p.Kraft);
        out << '\n';
    }
}

void WriteLocoSvg(const pemrak::RunResult& lauf, std::ostream& out) {
    double tMax = 0, sMin = 0, sMax = 0, vMin = 0, vMax = 0;
    std::vector<std::pair<double, double>> st, sv;
    for (const pemrak::TrackPoint& p : lauf.Track) {
        // A runaway state (an unstable controller) must not spoil the scale.
        if (!std::isfinite(p.sCm) || !std::isfinite(p.vCms)) break;
        tMax = std::max(tMax, double(p.t));
        sMin = std::min(sMin, double(p.sCm));
        sMax = std::max(sMax, double(p.sCm));
        vMin = std::min(vMin, double(p.vCms));
        vMax = std::max(vMax, double(p.vCms));
        st.emplace_back(p.t, p.sCm);
        sv.emplace_back(p.sCm, p.vCms);
    }
    double t1 = 0, t2 = tMax;
    Widen(t1, t2);
    t1 = 0;
    Widen(sMin, sMax);
    Widen(vMin, vMax);
    out << "<svg xmlns='http://www.w3.org/2000/svg' width='900' height='380' font-family='sans-serif' "
           "font-size='12'>\n<rect width='900' height='380' fill='#f4f4f4'/>\n";
    // The axis labels are a letter and its unit: the same in both languages.
    DrawPanel(Panel{70, 40, 340, 280, t1, t2, sMin, sMax},
              fuzzy::Tr("fuzzysim loco",
                        "s \xC3\xBC"
                        "ber t"),
              "t in s", "s in cm", st, out);
    DrawPanel(Panel{530, 40, 340, 280, sMin, sMax, vMin, vMax}, fuzzy::Tr("fuzzysim loco", "s-v-Diagramm"), "s in cm",
              "v in cm/s", sv, out);
    out << "</svg>\n";
}

int RunLoco(const std::vector<std::string>& args) {
    const Args a(args, {"--csv"}, {"--dt", "--first-dt", "--mass", "--friction", "--distance", "--time", "--svg"});
    a.ExpectPositional(1, fuzzy::Tr("fuzzysim", "die Projektdatei (DATEI)"));
    const pemrak::RunOptions o = LocoOptions(a);
    Project p;
    const int status = LoadForTool(a.Positional()[0], p);
    if (status != ExitOk) return status;
    fuzzy::Controller regler(p);
    if (!regler.AllDefined()) {
        std::cerr << ErrorLine(fuzzy::Tr("fuzzysim loco",
                                         "Kein (geeignetes) Fuzzyprojekt vorhanden (Eingang A, Eingang B "
                                         "und Ausgang m\xC3\xBC"
                                         "ssen definiert sein)."))
                  << '\n';
        return ExitFormatError;
    }
    const pemrak::JudgedRun versuch = pemrak::RunAndJudge(regler, o);
    const pemrak::RunResult& lauf = versuch.Run;
    // A run whose force or state became NaN or infinite has no figures: it
    // neither ran out nor came to rest.
    if (lauf.Aborted) {
        std::cerr << ErrorLine(fuzzy::Fmt(fuzzy::Tr("fuzzysim loco",
                                                    "Bei t = %1 s ist die Kraft des Reglers keine "
                                                    "endliche Zahl: %2"),
                                          {Fixed(lauf.AbortedT, 3), NotFiniteCause(p)}))
                  << '\n';
        return ExitFormatError;
    }
    for (const pemrak::TrackPoint& q : lauf.Track) {
        if (std::isfinite(q.sCm) && std::isfinite(q.vCms)) continue;
        std::cerr << ErrorLine(fuzzy::Fmt(fuzzy::Tr("fuzzysim loco",
                                                    "Bei t = %1 s ist der Zustand der Lok keine endliche Zahl: die "
                                                    "Kraft des Reglers ist f\xC3\xBCr diese Lok zu gro\xC3\x9F."),
                                          {Fixed(q.t, 3)}))
                  << '\n';
        return ExitFormatError;
    }
    if (const auto svg = a.Value("--svg")) {
        std::ostringstream picture;
        WriteLocoSvg(lauf, picture);
        try {
            // Atomically and never onto the project the run was read from.
            fuzzy::WriteFileAtomic(*svg, picture.str(), a.Positional()[0]);
        } catch (const fuzzy::ESaveError& e) {
            std::cerr << ErrorLine(e.what()) << '\n';
            return ExitUnreadable;
        }
    }
    // With --csv the run goes to standard output and the figures to standard
    // error, so that the table can be piped on.
    if (a.Has("--csv")) {
        WriteLocoCsv(lauf, std::cout);
        PrintLocoSummary(versuch, std::cerr);
    } else {
        PrintLocoSummary(versuch, std::cout);
    }
    return ExitOk;
}

}  // namespace fuzzysim
