#pragma once
// A shipped example project for the benchmarks, loaded once.

#include "FuzUnits.h"

#include <stdexcept>
#include <string>

struct BenchProject {
    fuzzy::TFuzzy A, B, Out;
    fuzzy::RuleTable Rules;

    explicit BenchProject(const std::string& example) {
        fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR) + "/examples/" + example, A, B, Out, Rules);
        if (!A.Defined || !Out.Defined) throw std::runtime_error(example + ": kein brauchbares Projekt");
    }
};
