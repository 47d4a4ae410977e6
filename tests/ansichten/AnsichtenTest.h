#pragma once

#include "FuzUnits.h"

#include <string>

namespace ansichtentest {

inline fuzzy::Project Laden(const std::string& name) {
    return fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR "/examples/") + name);
}

// The crisp output as a control step makes it, on fresh copies.
inline float Engine(const fuzzy::Project& p, float a, float b) {
    fuzzy::TFuzzy A = p.A, B = p.B, Out = p.Out;
    A.Value = a;
    B.Value = b;
    fuzzy::Infer(p.Rules, A, B, Out);
    return Out.Defuzzify();
}

}  // namespace ansichtentest
