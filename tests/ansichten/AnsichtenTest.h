#pragma once

#include "FuzUnits.h"
#include "Templates.h"

#include <algorithm>

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

// The Lok template with the usual diagonal table: no place without a rule.
inline Projekt LokOhneLuecke() {
    const fuzzy::Project t = fuzzy::TemplateLoco();
    Projekt p{t.A, t.B, t.Out, t.Rules};
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) p.R.Set(r, c, std::clamp(6 - (r + c) / 2, 1, 5));
    return p;
}

// The same with the old template's last distance term, 50/100/100/100: its
// right foot is open, so at exactly 100 cm no term and no rule fires.
inline Projekt LokMitToterStelle() {
    Projekt p = LokOhneLuecke();
    const float ecken[] = {50.0f, 100.0f, 100.0f, 100.0f};
    for (int k = 0; k < 4; ++k) p.A.SetParam(5, fuzzy::ParamA + k, ecken[k]);
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
