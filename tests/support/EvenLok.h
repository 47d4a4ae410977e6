#pragma once
// The locomotive project as the Werkstatt's template once made it: five
// evenly spread terms on every variable (distance and velocity -100 .. 100,
// force -2.5 .. 2.5), shoulders a whole range width beyond the inputs' ends.
// The hint, inspector, Kennfeld and lab-warning tests pin their sentences and
// places on it, so that the template is free to change. Made in English, it
// names its variables and terms in English, as the template does.

#include "fuzzy/Language.h"
#include "fuzzy/Project.h"
#include "fuzzy/Templates.h"

#include <algorithm>
#include <string>
#include <vector>

inline fuzzy::Project EvenLok() {
    auto n = [](const char* deutsch) { return std::string(fuzzy::Tr("KernVorlagen", deutsch)); };
    const std::vector<std::string> five{n("negativ gro\xC3\x9F"), n("negativ klein"), n("null"), n("positiv klein"),
                                        n("positiv gro\xC3\x9F")};
    fuzzy::Project p;
    fuzzy::SpreadTerms(p.A, n("Abstand in cm"), -100.0f, 100.0f, five, fuzzy::SpreadEnds::Shoulders);
    fuzzy::SpreadTerms(p.B, n("Geschwindigkeit in cm/s"), -100.0f, 100.0f, five, fuzzy::SpreadEnds::Shoulders);
    fuzzy::SpreadTerms(p.Out, n("Kraft in N"), -2.5f, 2.5f, five, fuzzy::SpreadEnds::Inside);
    return p;
}

// The same with the usual diagonal table, every output term used.
inline fuzzy::Project EvenLokWithRules() {
    fuzzy::Project p = EvenLok();
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) p.Rules.Set(r, c, std::clamp(6 - (r + c) / 2, 1, 5));
    return p;
}
