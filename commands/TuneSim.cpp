#include "commands/TuneSim.h"

#include "commands/Args.h"
#include "fuzzy/AtomicFile.h"
#include "fuzzy/Messages.h"
#include "commands/CheckEval.h"
#include "fuzzy/Project.h"
#include "fuzzy/Language.h"
#include "tuning/Tuner.h"

#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <optional>
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

// `what` is in the active language already.
long WholeNumber(const Args& a, const char* option, double lo, double hi, long fallback, const char* what) {
    const auto v = a.Number(option);
    if (!v) return fallback;
    if (!(*v >= lo && *v <= hi) || *v != std::floor(*v))
        throw UsageError(fuzzy::Fmt(fuzzy::Tr("fuzzysim tune", "%1 erwartet %2."), {option, what}));
    return static_cast<long>(*v);
}

std::string Fixed1(double v) {
    std::ostringstream s;
    s << std::fixed << std::setprecision(1) << v;
    return s.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

bool SameBits(float x, float y) { return std::memcmp(&x, &y, sizeof x) == 0; }

bool SameVariable(const fuzzy::TFuzzy& x, const fuzzy::TFuzzy& y) {
    if (x.Defined != y.Defined || x.Name != y.Name || x.TermCount != y.TermCount) return false;
    if (!SameBits(x.RangeMin, y.RangeMin) || !SameBits(x.RangeMax, y.RangeMax)) return false;
    for (int i = 1; i <= fuzzy::MaxTerms; ++i) {
        if (x.GetTermName(i) != y.GetTermName(i)) return false;
        for (int j = 1; j <= 5; ++j)
            if (!SameBits(x.GetParam(i, j), y.GetParam(i, j))) return false;
    }
    return true;
}

// Silences the engine's messages: the file was read and reported on once.
class QuietMessages final : public fuzzy::IMessages {
public:
    QuietMessages() { fuzzy::SetMessages(this); }
    ~QuietMessages() override { fuzzy::SetMessages(nullptr); }
    QuietMessages(const QuietMessages&) = delete;
    QuietMessages& operator=(const QuietMessages&) = delete;
    void Warning(const std::string&) override {}
    void Error(const std::string&) override {}
};

// The bytes of the project file just loaded as p, or nothing when they no
// longer read as p (the file changed in between, or grew beyond any project).
std::optional<std::string> BytesOf(const std::string& file, const Project& p) {
    constexpr std::size_t Limit = 1 << 20;
    std::ifstream in(file, std::ios::binary);
    std::string bytes(Limit + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > Limit) return std::nullopt;
    Project again;
    {
        const QuietMessages quiet;
        again = fuzzy::LoadProjectBytes(bytes);
    }
    if (!SameVariable(p.A, again.A) || !SameVariable(p.B, again.B) || !SameVariable(p.Out, again.Out) ||
        p.Rules != again.Rules)
        return std::nullopt;
    return bytes;
}

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

}  // namespace

void PrintBeforeAfter(const tuning::Score& before, const tuning::Score& after, std::ostream& out) {
    out << fuzzy::Tr("fuzzysim tune", "vorher:") << '\n';
    for (const auto& l : Lines(tuning::Describe(before))) out << "  " << l << '\n';
    out << fuzzy::Tr("fuzzysim tune", "nachher:") << '\n';
    for (const auto& l : Lines(tuning::Describe(after))) out << "  " << l << '\n';
    const std::string why = tuning::Explain(before, after);
    if (!why.empty()) out << why << '\n';
}

void PrintChanges(const Project& before, const Project& after, std::ostream& out) {
    int cells = 0;
    for (std::size_t k = 0; k < before.Rules.Entries.size(); ++k)
        cells += before.Rules.Entries[k] != after.Rules.Entries[k];
    out << fuzzy::Fmt(fuzzy::Tr("fuzzysim tune", "Regeln ge\xC3\xA4ndert: %1 von 25 Zellen"), {std::to_string(cells)})
        << '\n';
    const std::vector<tuning::TermChange> terms = tuning::ChangedTerms(before, after);
    if (terms.empty()) return;
    out << fuzzy::Tr("fuzzysim tune", "Terme ge\xC3\xA4ndert (Ecken a, b, c, d vorher -> nachher):") << '\n';
    for (const tuning::TermChange& c : terms) {
        const fuzzy::TFuzzy& x = c.Variable == 0 ? before.A : c.Variable == 1 ? before.B : before.Out;
        const fuzzy::TFuzzy& y = c.Variable == 0 ? after.A : c.Variable == 1 ? after.B : after.Out;
        auto corners = [&](const fuzzy::TFuzzy& v) {
            std::string s;
            for (int k = 1; k <= 4; ++k) s += (k > 1 ? ", " : "") + Short(v.GetParam(c.Term, k));
            return s;
        };
        out << "  " << x.Name << ", " << x.GetTermName(c.Term) << ": " << corners(x) << " -> " << corners(y) << '\n';
    }
}

int RunTune(const std::vector<std::string>& args) {
    // "-o OUT" is the usual spelling; the option parser knows long names only.
    std::vector<std::string> renamed = args;
    for (auto& s : renamed)
        if (s == "-o") s = "--output";
    const Args a(renamed, {"--terms", "--free-rules"},
                 {"--vehicle", "--seconds", "--seed", "--output", "--threads", "--rounds"});
    a.ExpectPositional(1, fuzzy::Tr("fuzzysim", "die Projektdatei (DATEI)"));

    tuning::Options o;
    const auto vehicle = a.Value("--vehicle");
    if (!vehicle) throw UsageError(fuzzy::Tr("fuzzysim tune", "Es fehlt: --vehicle truck oder --vehicle loco"));
    if (*vehicle == "truck")
        o.Kind = tuning::Vehicle::Truck;
    else if (*vehicle == "loco")
        o.Kind = tuning::Vehicle::Loco;
    else
        throw UsageError(
            fuzzy::Fmt(fuzzy::Tr("fuzzysim tune", "--vehicle erwartet truck oder loco, nicht %1."), {*vehicle}));
    o.Terms = a.Has("--terms");
    o.Monotone = !a.Has("--free-rules");
    const auto rounds = a.Number("--rounds");
    o.MaxRounds = static_cast<int>(
        WholeNumber(a, "--rounds", 1, 1.0e6, 0, fuzzy::Tr("fuzzysim tune", "eine ganze Zahl von 1 bis 1000000")));
    // With --rounds alone the run is limited by rounds only and so repeats
    // exactly; otherwise by time (60 s unless given).
    const auto seconds = a.Number("--seconds");
    if (seconds && !(*seconds > 0 && *seconds <= 86400))
        throw UsageError(
            fuzzy::Tr("fuzzysim tune", "--seconds erwartet eine Zeit in Sekunden von mehr als 0 bis 86400."));
    o.Seconds = seconds ? *seconds : (rounds ? 0.0 : 60.0);
    o.Seed = static_cast<std::uint64_t>(WholeNumber(
        a, "--seed", 0, 9.0e15, 1, fuzzy::Tr("fuzzysim tune", "eine ganze Zahl von 0 bis 9000000000000000")));
    o.Threads = static_cast<int>(
        WholeNumber(a, "--threads", 1, 256, 0, fuzzy::Tr("fuzzysim tune", "eine ganze Zahl von 1 bis 256")));
    const auto outFile = a.Value("--output");
    if (!outFile || outFile->empty())
        throw UsageError(fuzzy::Tr("fuzzysim tune", "Es fehlt: -o AUSGABE (die Datei f\xC3\xBCr das Ergebnis)"));

    const std::string& inFile = a.Positional()[0];
    if (SameFile(inFile, *outFile))
        throw UsageError(fuzzy::Tr(
            "fuzzysim tune", "-o AUSGABE darf nicht die Eingabedatei sein: das Ergebnis ersetzt nie den Anfang."));
    Project p;
    const int status = LoadForTool(inFile, p);
    if (status != ExitOk) return status;
    // Without an improvement the output is the input, byte for byte.
    const std::optional<std::string> original = BytesOf(inFile, p);
    if (!original) {
        std::cerr << ErrorLine(fuzzy::Fmt(fuzzy::Tr("fuzzysim tune",
                                                    "%1 lie\xC3\x9F sich nicht ein zweites Mal gleich lesen "
                                                    "(w\xC3\xA4hrenddessen ge\xC3\xA4ndert oder gr\xC3\xB6\xC3\x9F"
                                                    "er als 1 MiB)."),
                                          {inFile}))
                  << '\n';
        return ExitUnreadable;
    }
    const fuzzy::Project& start = p;
    if (const auto why = tuning::Unsuitable(start, o.Kind)) {
        std::cerr << ErrorLine(*why) << '\n';
        return ExitFormatError;
    }

    std::string plan =
        fuzzy::Fmt(o.Kind == tuning::Vehicle::Truck
                       ? fuzzy::Tr("fuzzysim tune", "Optimierung f\xC3\xBCr den Truck: %1, Startwert %2, %3")
                       : fuzzy::Tr("fuzzysim tune", "Optimierung f\xC3\xBCr die Lok: %1, Startwert %2, %3"),
                   {o.Terms      ? (o.Monotone ? fuzzy::Tr("fuzzysim tune", "monotone Regeln und Termecken")
                                               : fuzzy::Tr("fuzzysim tune", "Regeln in beliebiger Ordnung und Termecken"))
                    : o.Monotone ? fuzzy::Tr("fuzzysim tune", "monotone Regeln")
                                 : fuzzy::Tr("fuzzysim tune", "Regeln in beliebiger Ordnung"),
                    std::to_string(o.Seed),
                    o.Threads > 0 ? fuzzy::Fmt(fuzzy::Tr("fuzzysim tune", "%1 Threads"), {std::to_string(o.Threads)})
                                  : std::string(fuzzy::Tr("fuzzysim tune", "alle Threads"))});
    if (o.MaxRounds > 0)
        plan += fuzzy::Fmt(fuzzy::Tr("fuzzysim tune",
                                     ", h\xC3\xB6"
                                     "chstens %1 Runden"),
                           {std::to_string(o.MaxRounds)});
    if (o.Seconds > 0)
        plan += fuzzy::Fmt(fuzzy::Tr("fuzzysim tune",
                                     ", h\xC3\xB6"
                                     "chstens %1 s"),
                           {Short(o.Seconds)});
    std::cout << plan << "\n" << std::flush;

    // Progress on standard error, at most one line a second.
    auto lastShown = std::chrono::steady_clock::now();
    auto progress = [&](const tuning::Progress& pr) {
        const auto now = std::chrono::steady_clock::now();
        if (pr.Round > 0 && now - lastShown < std::chrono::seconds(1)) return;
        lastShown = now;
        std::ostringstream percent;
        percent << std::setw(3) << static_cast<int>(pr.Fraction * 100 + 0.5);
        std::cerr << fuzzy::Fmt(fuzzy::Tr("fuzzysim tune", "  %1 %  Runde %2, %3 Kandidaten, %4 Verbesserungen: %5"),
                                {percent.str(), std::to_string(pr.Round), std::to_string(pr.Evaluations),
                                 std::to_string(pr.Improvements), tuning::OneLine(*pr.Best)})
                  << '\n';
    };
    tuning::Result r;
    {
        const InterruptGuard guard;
        r = tuning::Tune(start, o, &gInterrupted, progress);
    }

    PrintBeforeAfter(r.Start, r.BestScore, std::cout);
    std::cout << fuzzy::Fmt(r.Cancelled ? fuzzy::Tr("fuzzysim tune",
                                                    "Runden: %1, Kandidaten: %2, Verbesserungen: %3, Zeit: %4 s "
                                                    "(abgebrochen, das Beste bisher wird geschrieben)")
                                        : fuzzy::Tr("fuzzysim tune",
                                                    "Runden: %1, Kandidaten: %2, Verbesserungen: %3, Zeit: %4 s"),
                            {std::to_string(r.Rounds), std::to_string(r.Evaluations), std::to_string(r.Improvements),
                             Fixed1(r.Seconds)})
              << '\n';
    const bool improved = tuning::Better(r.BestScore, r.Start);
    if (!improved)
        std::cout << fuzzy::Tr("fuzzysim tune",
                               "Keine Verbesserung gefunden; geschrieben wird der Anfang, unver\xC3\xA4ndert.")
                  << '\n';
    else {
        std::cout << fuzzy::Fmt(fuzzy::Tr("fuzzysim tune", "zuletzt verbessert in Runde %1 nach %2 s"),
                                {std::to_string(r.BestRound), Fixed1(r.BestSeconds)})
                  << '\n';
        PrintChanges(start, r.Best, std::cout);
        const std::string unfired = tuning::UnfiredText(r, start);
        if (!unfired.empty()) std::cout << unfired << '\n';
        if (r.OffGrid > 0)
            std::cout << fuzzy::Fmt(fuzzy::Tr("fuzzysim tune",
                                              "%1 Termecken bleiben neben dem Raster des Editors: gerundet "
                                              "w\xC3\xA4re das Ergebnis schlechter."),
                                    {std::to_string(r.OffGrid)})
                      << '\n';
    }
    try {
        if (improved)
            fuzzy::SaveProject(*outFile, r.Best);
        else
            fuzzy::WriteFileAtomic(*outFile, *original);
    } catch (const fuzzy::ESaveError& e) {
        std::cerr << ErrorLine(e.what()) << '\n';
        return ExitUnreadable;
    }
    std::cout << fuzzy::Fmt(fuzzy::Tr("fuzzysim tune", "geschrieben: %1"), {*outFile}) << '\n';
    return ExitOk;
}

}  // namespace fuzzysim
