// Marking a class on 2 threads, as `fuzzysim aufgabe auswerten` and the
// Werkstatt's class overview do it: 30 hand-ins, 15 of the locomotive
// exercise 03 and 15 of the truck exercise 05, each lot with right and wrong
// attempts, a broken file, a hand-in for the other exercise and a student
// who handed in twice. Wall-clock time of both lots together, and the CPU
// time of all threads (on a busy machine the wall clock says more about the
// other programs).
#include "exercise/HandIn.h"
#include "exercise/Marking.h"
#include "exercise/Package.h"
#include "exercise/Reader.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <time.h>
#include <unistd.h>

namespace {

const std::string kDir = FUZZY_SOURCE_DIR "/examples/aufgaben/";

struct Lot {
    exercise::Exercise e;
    std::string bytes;
    std::vector<std::string> files;
};

std::string HandInFile(const std::filesystem::path& dir, const std::string& file, const std::string& name,
                       const std::string& exercise, const std::string& project) {
    const std::string ex = kDir + exercise + ".fuzaufgabe";
    exercise::HandIn h;
    h.Name = name;
    h.Class = "10b";
    h.Id = std::to_string(std::hash<std::string>{}(name) % 100000);
    h.Date = "2025-03-14T09:30:00Z";
    h.Title = exercise::ReadExercise(ex).Title.Active();
    h.Fingerprint = exercise::ExerciseFingerprint(exercise::ReadBoundedFile(ex));
    h.Project = fuzzy::LoadProject(kDir + project);
    const std::string path = (dir / file).string();
    std::ofstream(path, std::ios::binary) << exercise::HandInText(h);
    return path;
}

// 15 hand-ins of `exercise`: 11 right or wrong, a duplicate, a foreign one, a broken one, an empty one.
Lot MakeLot(const std::filesystem::path& dir, const std::string& exercise, const std::string& other) {
    Lot l{exercise::ReadExercise(kDir + exercise + ".fuzaufgabe"),
          exercise::ReadBoundedFile(kDir + exercise + ".fuzaufgabe"),
          {}};
    for (int i = 0; i < 11; ++i)
        l.files.push_back(HandInFile(dir, exercise + "-" + std::to_string(i) + ".fuzabgabe",
                                     "Schueler " + exercise + " " + std::to_string(i), exercise,
                                     exercise + (i % 3 == 1 ? ".falsch.fuz" : ".loesung.fuz")));
    l.files.push_back(HandInFile(dir, exercise + "-doppelt.fuzabgabe", "Schueler " + exercise + " 0", exercise,
                                 exercise + ".falsch.fuz"));
    l.files.push_back(
        HandInFile(dir, exercise + "-fremd.fuzabgabe", "Fremd " + exercise, other, other + ".loesung.fuz"));
    const std::string broken = (dir / (exercise + "-kaputt.fuzabgabe")).string();
    std::ofstream(broken, std::ios::binary) << "[abgabe]\nformat = 1\nname = \n";
    l.files.push_back(broken);
    const std::string empty = (dir / (exercise + "-leer.fuzabgabe")).string();
    std::ofstream(empty, std::ios::binary) << "";
    l.files.push_back(empty);
    return l;
}

double ProcessSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

void MarkThirtyHandIns(benchmark::State& state) {
    char pattern[] = "/tmp/klasse_bench_XXXXXX";
    const std::filesystem::path dir = ::mkdtemp(pattern);
    const std::vector<Lot> lots{MakeLot(dir, "03_lok_tabelle", "05_truck_12_regeln"),
                                MakeLot(dir, "05_truck_12_regeln", "03_lok_tabelle")};
    exercise::MarkOptions o;
    o.Threads = 2;
    const double cpuBefore = ProcessSeconds();
    std::size_t rows = 0;
    for (auto _ : state)
        for (const Lot& l : lots) rows += exercise::MarkClass(l.e, l.bytes, l.files, o).Rows.size();
    state.counters["hand_ins"] = double(rows) / double(state.iterations());
    state.counters["cpu_s_all_threads"] =
        benchmark::Counter((ProcessSeconds() - cpuBefore) / double(state.iterations()));
    std::filesystem::remove_all(dir);
}
BENCHMARK(MarkThirtyHandIns)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
