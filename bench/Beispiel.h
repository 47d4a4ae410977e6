#pragma once
// A shipped example project for the benchmarks.

#include "fuzzy/Project.h"

#include <stdexcept>
#include <string>

inline fuzzy::Project LoadExample(const std::string& example) {
    fuzzy::Project p = fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR) + "/examples/" + example);
    if (!p.A.Defined || !p.Out.Defined) throw std::runtime_error(example + ": kein brauchbares Projekt");
    return p;
}
