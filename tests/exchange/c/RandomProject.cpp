#include "tests/exchange/c/RandomProject.h"

#include "tests/exchange/c/CProbe.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace cprobe {

namespace {

float Uniform(std::mt19937& rng, float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng); }

bool Chance(std::mt19937& rng, double p) { return std::bernoulli_distribution(p)(rng); }

float Height(std::mt19937& rng) {
    const int kind = std::uniform_int_distribution<int>(0, 19)(rng);
    if (kind < 12) return 1.0f;
    if (kind < 16) return Uniform(rng, 0.0f, 1.0f);
    if (kind == 16) return 0.0f;
    if (kind == 17) return -0.0f;
    if (kind == 18) return -Uniform(rng, 0.0f, 1.0f);
    return Uniform(rng, 1.0f, 3.0f);
}

void RandomVariable(std::mt19937& rng, fuzzy::TFuzzy& v, int terms) {
    v.Defined = true;
    v.Name = "v";
    // A scale now and then far from 1, where products and quotients round differently.
    const float scale = Chance(rng, 0.1) ? std::pow(10.0f, Uniform(rng, -6.0f, 12.0f)) : 1.0f;
    float lo = Uniform(rng, -100.0f, 100.0f) * scale;
    float hi = lo + Uniform(rng, 0.001f, 200.0f) * scale;
    if (Chance(rng, 0.1)) lo = -0.0f;
    v.RangeMin = lo;
    v.RangeMax = hi;
    v.TermCount = terms;
    for (int i = 1; i <= terms; ++i) {
        v.SetTermName(i, "t" + std::to_string(i));
        std::array<float, 4> c{};
        for (float& x : c) x = Uniform(rng, lo - (hi - lo) * 0.2f, hi + (hi - lo) * 0.2f);
        if (!Chance(rng, 0.15)) std::sort(c.begin(), c.end());
        // Flanks without width and corners at the zeros.
        if (Chance(rng, 0.2)) c[1] = c[0];
        if (Chance(rng, 0.2)) c[3] = c[2];
        if (Chance(rng, 0.1)) c[2] = c[1];
        if (Chance(rng, 0.1)) c[std::uniform_int_distribution<int>(0, 3)(rng)] = Chance(rng, 0.5) ? 0.0f : -0.0f;
        for (int j = 0; j < 4; ++j) v.SetParam(i, j + 1, c[static_cast<std::size_t>(j)]);
        v.SetParam(i, 5, Height(rng));
    }
}

}  // namespace

fuzzy::Project RandomProject(std::mt19937& rng) {
    fuzzy::Project p;
    RandomVariable(rng, p.A, std::uniform_int_distribution<int>(1, 5)(rng));
    if (!Chance(rng, 0.25)) {
        RandomVariable(rng, p.B, std::uniform_int_distribution<int>(Chance(rng, 0.05) ? 0 : 1, 5)(rng));
    }
    RandomVariable(rng, p.Out, std::uniform_int_distribution<int>(1, 5)(rng));
    const int outTerms = p.Out.TermCount;
    const bool sparse = Chance(rng, 0.2);
    for (auto& e : p.Rules.Entries) {
        if (sparse && !Chance(rng, 0.2)) continue;
        e = Chance(rng, 0.1) ? std::uniform_int_distribution<int>(-1, 7)(rng)
                             : std::uniform_int_distribution<int>(1, outTerms)(rng);
    }
    return p;
}

float RandomInput(std::mt19937& rng, const fuzzy::TFuzzy& v) {
    const int kind = std::uniform_int_distribution<int>(0, 9)(rng);
    if (kind < 7) {
        const float span = v.RangeMax - v.RangeMin;
        return Uniform(rng, v.RangeMin - span * 0.5f, v.RangeMax + span * 0.5f);
    }
    if (kind < 9) {
        const auto probes = Probes(v);
        return probes[std::uniform_int_distribution<std::size_t>(0, probes.size() - 1)(rng)];
    }
    return FromBits(static_cast<std::uint32_t>(rng()));
}

}  // namespace cprobe
