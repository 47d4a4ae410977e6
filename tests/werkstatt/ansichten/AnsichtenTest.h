#pragma once

#include "fuzzy/Project.h"
#include "fuzzy/Templates.h"
#include "tests/support/EvenLok.h"

#include <algorithm>

#include <string>

namespace ansichtentest {

inline fuzzy::Project Laden(const std::string& name) {
    return fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR "/examples/") + name);
}

// The evenly spread locomotive project with the usual diagonal table: no
// place without a rule.
inline fuzzy::Project LokOhneLuecke() { return EvenLokWithRules(); }

// The same with the old template's last distance term, 50/100/100/100: its
// right foot is open, so at exactly 100 cm no term and no rule fires.
inline fuzzy::Project LokMitToterStelle() {
    fuzzy::Project p = LokOhneLuecke();
    const float ecken[] = {50.0f, 100.0f, 100.0f, 100.0f};
    for (int k = 0; k < 4; ++k) p.A.SetParam(5, fuzzy::ParamA + k, ecken[k]);
    return p;
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
