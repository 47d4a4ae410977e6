#pragma once

#include "FuzUnits.h"

namespace labor {

// A copy of the project the labs and the tuner work on: the two inputs, the
// output and the rule table. Every background run gets its own copy, because
// inference writes the output's term heights.
struct Projekt {
    fuzzy::TFuzzy A;
    fuzzy::TFuzzy B;
    fuzzy::TFuzzy Out;
    fuzzy::RuleTable Regeln;

    static Projekt Von(const fuzzy::TFuzzy& a, const fuzzy::TFuzzy& b, const fuzzy::TFuzzy& out,
                       const fuzzy::RuleTable& r)
    {
        return Projekt{a, b, out, r};
    }
};

}  // namespace labor
