#pragma once

#include "FuzUnits.h"

#include <string>

namespace ansichtentest {

struct Projekt {
    fuzzy::TFuzzy A, B, Out;
    fuzzy::RuleTable R;
};

inline Projekt Laden(const std::string& name) {
    Projekt p;
    fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR "/examples/") + name, p.A, p.B, p.Out, p.R);
    return p;
}

// The crisp output as a control step makes it, on fresh copies.
inline float Engine(const Projekt& p, float a, float b) {
    fuzzy::TFuzzy A = p.A, B = p.B, Out = p.Out;
    A.Value = a;
    B.Value = b;
    fuzzy::Infer(p.R, A, B, Out);
    return Out.Defuzzify();
}

}  // namespace ansichtentest
