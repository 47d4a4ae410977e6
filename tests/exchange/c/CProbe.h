#pragma once
// Compiles the C export of projects with a real C compiler and runs it on
// input pairs, for comparison with the engine bit for bit.

#include "fuzzy/Project.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace cprobe {

// Whether a program is on the PATH.
bool Have(const std::string& program);

struct Outcome {
    int status = -1;
    std::string output;  // standard output and standard error together
};
Outcome Shell(const std::string& command);
std::string Quote(const std::string& s);

// The flags every export promises to compile cleanly with.
const std::vector<std::string>& StrictFlags();

struct Compiler {
    std::string cc;
    std::vector<std::string> flags;
    std::string Label() const;
};

// One evaluation: which project, and its inputs.
struct Case {
    std::uint32_t project = 0;
    float a = 0.0f, b = 0.0f;
};

struct Run {
    bool compiled = false;
    std::string log;                  // the compiler's output when it failed
    std::vector<std::uint32_t> bits;  // the result of each case, as stored
};

// Writes each project's export (named p0, p1, ...) and a driver into dir,
// compiles them with the compiler, runs the driver on the cases. Separately:
// one file per project on the command line; otherwise all in one unit (one
// compiler call however many projects there are).
Run Compile(const std::vector<fuzzy::Project>& projects, const std::vector<Case>& cases, const Compiler& c,
            const std::filesystem::path& dir, bool separately);

// The engine's result bits for one pair: Infer and Defuzzify, as fuzzysim eval.
std::uint32_t EngineBits(fuzzy::Project& p, float a, float b);

std::uint32_t Bits(float v);
float FromBits(std::uint32_t u);

// Equal bits, or both NaN: a NaN's sign and payload are the machine's.
bool SameResult(std::uint32_t x, std::uint32_t y);

// The values where a variable's memberships change: every corner and its
// neighbouring floats, the range's ends, both zeros, huge numbers,
// infinities and NaN.
std::vector<float> Probes(const fuzzy::TFuzzy& v);

}  // namespace cprobe
