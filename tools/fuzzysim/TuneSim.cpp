#include "TuneSim.h"

#include "Args.h"
#include "CheckEval.h"
#include "ProjectWriter.h"
#include "Tuner.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <iomanip>
#include <iostream>
#include <sstream>

namespace fuzzysim {

namespace {

// Set by Ctrl+C: the tuner stops and the best project so far is written.
std::atomic<bool> gInterrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void OnInterrupt(int) { gInterrupted.store(true); }

// Restores the previous handler when the run is over.
class InterruptGuard {
public:
    InterruptGuard() {
        gInterrupted.store(false);
        previous_ = std::signal(SIGINT, OnInterrupt);
    }
    ~InterruptGuard() { std::signal(SIGINT, previous_); }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    void (*previous_)(int);
};

long WholeNumber(const Args& a, const char* option, double lo, double hi, long fallback, const char* what) {
    const auto v = a.Number(option);
    if (!v) return fallback;
    if (!(*v >= lo && *v <= hi) || *v != std::floor(*v))
        throw UsageError(std::string(option) + " erwartet " + what + '.');
    return static_cast<long>(*v);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

}  // namespace

void PrintBeforeAfter(const tuning::Score& before, const tuning::Score& after, std::ostream& out) {
    out << "vorher:\n";
    for (const auto& l : Lines(tuning::Describe(before))) out << "  " << l << '\n';
    out << "nachher:\n";
    for (const auto& l : Lines(tuning::Describe(after))) out << "  " << l << '\n';
}

int RunTune(const std::vector<std::string>& args) {
    // "-o OUT" is the usual spelling; the option parser knows long names only.
    std::vector<std::string> renamed = args;
    for (auto& s : renamed)
        if (s == "-o") s = "--output";
    const Args a(renamed, {"--terms"}, {"--vehicle", "--seconds", "--seed", "--output", "--threads", "--rounds"});
    a.ExpectPositional(1, "die Projektdatei (DATEI)");

    tuning::Options o;
    const auto vehicle = a.Value("--vehicle");
    if (!vehicle) throw UsageError("Es fehlt: --vehicle truck oder --vehicle loco");
    if (*vehicle == "truck")
        o.Kind = tuning::Vehicle::Truck;
    else if (*vehicle == "loco")
        o.Kind = tuning::Vehicle::Loco;
    else
        throw UsageError("--vehicle erwartet truck oder loco, nicht " + *vehicle + '.');
    o.Terms = a.Has("--terms");
    const auto rounds = a.Number("--rounds");
    o.MaxRounds = static_cast<int>(WholeNumber(a, "--rounds", 1, 1.0e6, 0, "eine ganze Zahl von 1 bis 1000000"));
    // With --rounds alone the run is limited by rounds only and so repeats
    // exactly; otherwise by time (60 s unless given).
    const auto seconds = a.Number("--seconds");
    if (seconds && !(*seconds > 0 && *seconds <= 86400))
        throw UsageError("--seconds erwartet eine Zeit in Sekunden von mehr als 0 bis 86400.");
    o.Seconds = seconds ? *seconds : (rounds ? 0.0 : 60.0);
    o.Seed = static_cast<std::uint64_t>(
        WholeNumber(a, "--seed", 0, 9.0e15, 1, "eine ganze Zahl von 0 bis 9000000000000000"));
    o.Threads = static_cast<int>(WholeNumber(a, "--threads", 1, 256, 0, "eine ganze Zahl von 1 bis 256"));
    const auto outFile = a.Value("--output");
    if (!outFile || outFile->empty()) throw UsageError("Es fehlt: -o AUSGABE (die Datei f\xC3\xBCr das Ergebnis)");

    Project p;
    const int status = LoadForTool(a.Positional()[0], p);
    if (status != ExitOk) return status;
    const tuning::Project start{p.A, p.B, p.Out, p.Rules};
    if (const auto why = tuning::Unsuitable(start, o.Kind)) {
        std::cerr << "Fehler: " << *why << '\n';
        return ExitFormatError;
    }

    std::cout << "Optimierung f\xC3\xBCr " << (o.Kind == tuning::Vehicle::Truck ? "den Truck" : "die Lok") << ": "
              << (o.Terms ? "Regeln und Termecken" : "Regeln") << ", Startwert " << o.Seed << ", "
              << (o.Threads > 0 ? std::to_string(o.Threads) : std::string("alle")) << " Threads";
    if (o.MaxRounds > 0) std::cout << ", h\xC3\xB6" "chstens " << o.MaxRounds << " Runden";
    if (o.Seconds > 0) std::cout << ", h\xC3\xB6" "chstens " << o.Seconds << " s";
    std::cout << "\n" << std::flush;

    // Progress on standard error, at most one line a second.
    auto lastShown = std::chrono::steady_clock::now();
    auto progress = [&](const tuning::Progress& pr) {
        const auto now = std::chrono::steady_clock::now();
        if (pr.Round > 0 && now - lastShown < std::chrono::seconds(1)) return;
        lastShown = now;
        std::cerr << "  " << std::setw(3) << static_cast<int>(pr.Fraction * 100 + 0.5) << " %  Runde " << pr.Round
                  << ", " << pr.Evaluations << " Kandidaten, " << pr.Improvements << " Verbesserungen: "
                  << tuning::OneLine(*pr.Best) << '\n';
    };
    tuning::Result r;
    {
        const InterruptGuard guard;
        r = tuning::Tune(start, o, &gInterrupted, progress);
    }

    PrintBeforeAfter(r.Start, r.BestScore, std::cout);
    std::cout << "Runden: " << r.Rounds << ", Kandidaten: " << r.Evaluations << ", Verbesserungen: " << r.Improvements
              << ", Zeit: " << std::fixed << std::setprecision(1) << r.Seconds << " s"
              << (r.Cancelled ? " (abgebrochen, das Beste bisher wird geschrieben)" : "") << '\n';
    if (!tuning::Better(r.BestScore, r.Start))
        std::cout << "Keine Verbesserung gefunden; das Ergebnis bewertet sich wie der Anfang.\n";
    else
        std::cout << "zuletzt verbessert in Runde " << r.BestRound << " nach " << std::fixed << std::setprecision(1)
                  << r.BestSeconds << " s\n";
    try {
        fuzzy::SaveProject(*outFile, r.Best.A, r.Best.B, r.Best.Out, r.Best.Rules);
    } catch (const fuzzy::ESaveError& e) {
        std::cerr << "Fehler: " << e.what() << '\n';
        return ExitUnreadable;
    }
    std::cout << "geschrieben: " << *outFile << '\n';
    return ExitOk;
}

}  // namespace fuzzysim
