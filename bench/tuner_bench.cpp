// The tuner measured: the figures it reaches from the blank templates in a
// given time (per seed), and how its rounds per second grow with threads.
// A timing program, run by hand from a release build:
//
//   tuner_bench goals truck|lok [--terms] [--seconds S] [--threads N] [--seeds A-B]
//   tuner_bench threads truck|lok [--terms] [--rounds R] [--repeat K] [--seed S]
//
// "goals" prints one line per seed with the figures the goals name; "threads"
// runs the same rounds with 1 and with 2 threads (identical results) and
// prints the times, the ratio, the CPU load of the machine, and a check that
// both runs gave the same project.
#include "fuzzy/FuzUnits.h"
#include "fuzzy/Project.h"
#include "fuzzy/Templates.h"
#include "tuning/Tuner.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Args {
    std::string mode, vehicle;
    bool terms = false;
    double seconds = 60.0;
    int threads = 2;
    int firstSeed = 1, lastSeed = 5;
    int rounds = 200;
    int repeat = 3;
    bool roundsGiven = false;
    bool free = false;
    std::string save;   // directory for the results of "goals"
    std::string start;  // a project to start from instead of the template
};

Args Parse(int argc, char** argv) {
    Args a;
    if (argc < 3) {
        std::fprintf(stderr, "usage: tuner_bench goals|threads truck|lok [options]\n");
        std::exit(2);
    }
    a.mode = argv[1];
    a.vehicle = argv[2];
    for (int i = 3; i < argc; ++i) {
        const std::string o = argv[i];
        auto next = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "%s needs a value\n", o.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        if (o == "--terms")
            a.terms = true;
        else if (o == "--seconds")
            a.seconds = std::atof(next().c_str());
        else if (o == "--threads")
            a.threads = std::atoi(next().c_str());
        else if (o == "--rounds") {
            a.rounds = std::atoi(next().c_str());
            a.roundsGiven = true;
        } else if (o == "--free")
            a.free = true;
        else if (o == "--repeat")
            a.repeat = std::atoi(next().c_str());
        else if (o == "--start")
            a.start = next();
        else if (o == "--save")
            a.save = next();
        else if (o == "--seed") {
            a.firstSeed = a.lastSeed = std::atoi(next().c_str());
        } else if (o == "--seeds") {
            const std::string v = next();
            const auto dash = v.find('-');
            a.firstSeed = std::atoi(v.substr(0, dash).c_str());
            a.lastSeed = dash == std::string::npos ? a.firstSeed : std::atoi(v.substr(dash + 1).c_str());
        } else {
            std::fprintf(stderr, "unknown option %s\n", o.c_str());
            std::exit(2);
        }
    }
    return a;
}

double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec) + double(u.ru_stime.tv_sec) +
           1e-6 * double(u.ru_utime.tv_usec + u.ru_stime.tv_usec);
}

double LoadAverage() {
    std::ifstream in("/proc/loadavg");
    double l = -1.0;
    in >> l;
    return l;
}

bool SameProject(const fuzzy::Project& a, const fuzzy::Project& b) {
    return fuzzy::ProjectText(a) == fuzzy::ProjectText(b);
}

void Goals(const Args& a, tuning::Vehicle v, const fuzzy::Project& start) {
    std::printf("%s, %s, %.0f s, %d threads, load %.2f at the start\n", a.vehicle.c_str(),
                a.terms ? "rules and terms" : "rules only", a.seconds, a.threads, LoadAverage());
    for (int seed = a.firstSeed; seed <= a.lastSeed; ++seed) {
        tuning::Options o;
        o.Kind = v;
        o.Terms = a.terms;
        o.Seconds = a.roundsGiven ? 0.0 : a.seconds;
        o.MaxRounds = a.roundsGiven ? a.rounds : 0;
        o.Monotone = !a.free;
        o.Seed = static_cast<std::uint64_t>(seed);
        o.Threads = a.threads;
        const double cpu0 = CpuSeconds();
        const tuning::Result r = tuning::Tune(start, o);
        const double cpu = CpuSeconds() - cpu0;
        const tuning::Score& s = r.BestScore;
        if (v == tuning::Vehicle::Truck)
            std::printf(
                "seed %d: docked %d / %d at -1 m/s, %d / %d at -10 m/s, left road %d; rounds %d, last "
                "improvement round %d at %.1f s; %.1f s, cpu %.1f s, load %.2f\n",
                seed, s.Truck.Grid[0].Docked, s.Truck.Grid[0].Starts, s.Truck.Grid[1].Docked, s.Truck.Grid[1].Starts,
                s.Truck.LeftRoad(), r.Rounds, r.BestRound, r.BestSeconds, r.Seconds, cpu, LoadAverage());
        else
            std::printf(
                "seed %d: good %d / %d, at rest %d, latest rest %.3f s, overshoot %.3f cm, sign changes %d, "
                "force outside %d; rounds %d, last improvement round %d at %.1f s; %.1f s, cpu %.1f s, load %.2f\n",
                seed, s.Loco.Good, s.Loco.Runs, s.Loco.AtRest, s.Loco.LatestRest, s.Loco.Overshoot,
                s.Loco.MostSignChanges, s.Loco.ForceOutside, r.Rounds, r.BestRound, r.BestSeconds, r.Seconds, cpu,
                LoadAverage());
        if (!a.save.empty())
            fuzzy::SaveProject(
                a.save + "/" + a.vehicle + (a.terms ? "_terms" : "_rules") + "_" + std::to_string(seed) + ".fuz",
                r.Best);
        std::fflush(stdout);
    }
}

void Threads(const Args& a, tuning::Vehicle v, const fuzzy::Project& start) {
    std::printf("%s, %s, %d rounds, seed %d, best of %d\n", a.vehicle.c_str(),
                a.terms ? "rules and terms" : "rules only", a.rounds, a.firstSeed, a.repeat);
    double best[3] = {1e300, 1e300, 1e300};
    fuzzy::Project result[3];
    for (int k = 0; k < a.repeat; ++k)
        for (int threads = 1; threads <= 2; ++threads) {
            tuning::Options o;
            o.Kind = v;
            o.Terms = a.terms;
            o.Seconds = 0;
            o.MaxRounds = a.rounds;
            o.Seed = static_cast<std::uint64_t>(a.firstSeed);
            o.Threads = threads;
            const double load = LoadAverage();
            const auto t0 = std::chrono::steady_clock::now();
            const tuning::Result r = tuning::Tune(start, o);
            const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
            std::printf("  %d thread(s): %.3f s, %.1f rounds/s, %ld candidates; load %.2f before\n", threads, s,
                        r.Rounds / s, r.Evaluations, load);
            std::fflush(stdout);
            best[threads] = std::min(best[threads], s);
            result[threads] = r.Best;
        }
    std::printf("best: 1 thread %.3f s, 2 threads %.3f s, ratio %.2f; same result: %s\n", best[1], best[2],
                best[1] / best[2], SameProject(result[1], result[2]) ? "yes" : "NO");
}

}  // namespace

int main(int argc, char** argv) {
    const Args a = Parse(argc, argv);
    const tuning::Vehicle v = a.vehicle == "truck" ? tuning::Vehicle::Truck : tuning::Vehicle::Loco;
    const fuzzy::Project start = !a.start.empty()              ? fuzzy::LoadProject(a.start)
                                 : v == tuning::Vehicle::Truck ? fuzzy::TemplateTruck()
                                                               : fuzzy::TemplateLoco();
    if (a.mode == "goals")
        Goals(a, v, start);
    else
        Threads(a, v, start);
    return 0;
}
