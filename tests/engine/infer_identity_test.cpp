// The inference computes each input membership once per step instead of once
// per rule. Its results must stay the very bits of the rule-by-rule version,
// which is kept here as the reference.
#include "EngineTest.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

using fuzzy::RuleTable;
using fuzzy::TFuzzy;

namespace {

// The rule-by-rule inference as the engine did it before: zero the used
// heights, then every rule asks both memberships and drives its term.
void ReferenceInfer(const RuleTable& Rules, const TFuzzy& A, const TFuzzy& B, TFuzzy& Out) {
    for (int k = 1; k <= Out.UsedTerms(); ++k) Out.SetParam(k, fuzzy::ParamH, 0.0f);
    auto drive = [&Out](std::int32_t k, float w) {
        if (k > 0 && k <= fuzzy::MaxTerms)
            Out.SetParam(k, fuzzy::ParamH, fuzzy::MaxSingle(w, Out.GetParam(k, fuzzy::ParamH)));
    };
    if (B.Defined) {
        for (int i = 1; i <= A.UsedTerms(); ++i)
            for (int j = 1; j <= B.UsedTerms(); ++j)
                drive(Rules.Get(j, i), fuzzy::MinSingle(A.Membership(i), B.Membership(j)));
    } else {
        for (int i = 1; i <= A.UsedTerms(); ++i) drive(Rules.Get(1, i), A.Membership(i));
    }
}

std::uint32_t Bits(float f) {
    std::uint32_t u;
    std::memcpy(&u, &f, sizeof u);
    return u;
}

// Random variables of the kinds projects hold, and some they should not:
// points, shoulders, zero or odd heights, term counts outside 0..5.
class RandomProjects {
public:
    explicit RandomProjects(std::uint32_t seed) : rng_(seed) {}

    TFuzzy Variable() {
        TFuzzy v;
        v.Defined = true;
        v.RangeMin = Uniform(-100, 0);
        v.RangeMax = Uniform(0, 100);
        const int counts[] = {0, 1, 2, 3, 4, 5, 5, 5, 7, -1};
        v.TermCount = counts[Index(10)];
        for (int t = 1; t <= fuzzy::MaxTerms; ++t) {
            std::array<float, 4> c{};
            for (float& x : c) x = Index(6) == 0 ? 0.0f : Uniform(v.RangeMin, v.RangeMax);
            std::sort(c.begin(), c.end());
            if (Index(5) == 0) c[1] = c[0];  // vertical flank
            if (Index(5) == 0) c[3] = c[2];
            for (int j = 0; j < 4; ++j) v.SetParam(t, j + 1, c[static_cast<std::size_t>(j)]);
            const float heights[] = {1.0f, 0.0f, 0.5f, Uniform(0, 1), 1.7f};
            v.SetParam(t, fuzzy::ParamH, heights[Index(5)]);
        }
        return v;
    }

    RuleTable Rules() {
        RuleTable r;
        for (auto& e : r.Entries) e = static_cast<std::int32_t>(Index(9)) - 2;  // -2 .. 6
        return r;
    }

    // Mostly inside the range, sometimes exactly on a corner of a term.
    float InputFor(const TFuzzy& v) {
        if (Index(4) == 0) return v.GetParam(1 + Index(5), 1 + Index(4));
        return Uniform(v.RangeMin - 10, v.RangeMax + 10);
    }

    int Index(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    float Uniform(float lo, float hi) { return std::uniform_real_distribution<float>(lo, hi)(rng_); }

private:
    std::mt19937 rng_;
};

struct IdentityCase {
    const char* name;
    bool bDefined;
    std::uint32_t seed;
};

const IdentityCase kIdentityCases[] = {
    {"TwoInputs", true, 1},
    {"TwoInputsOtherSeed", true, 77},
    {"OneInputUsesRowOne", false, 5},
};

class InferIdentityTest : public EngineTest, public ::testing::WithParamInterface<IdentityCase> {};

TEST_P(InferIdentityTest, HeightsAndCrispOutputAreTheBitsOfTheRuleByRuleInference) {
    RandomProjects gen(GetParam().seed);
    for (int project = 0; project < 300; ++project) {
        TFuzzy A = gen.Variable(), B = gen.Variable(), Out = gen.Variable();
        B.Defined = GetParam().bDefined;
        const RuleTable R = gen.Rules();
        for (int step = 0; step < 60; ++step) {
            A.Value = gen.InputFor(A);
            B.Value = gen.InputFor(B);
            // The slots beyond the output's terms keep old heights; start both
            // versions from the same ones.
            TFuzzy fast = Out, reference = Out;
            fuzzy::Infer(R, A, B, fast);
            ReferenceInfer(R, A, B, reference);
            for (int k = 1; k <= fuzzy::MaxTerms; ++k)
                ASSERT_EQ(Bits(fast.GetParam(k, fuzzy::ParamH)), Bits(reference.GetParam(k, fuzzy::ParamH)))
                    << "project " << project << " step " << step << " term " << k;
            ASSERT_EQ(Bits(fast.Defuzzify()), Bits(reference.Defuzzify())) << "project " << project;
            Out = fast;  // the next step starts from these heights, as in a run
        }
    }
    EXPECT_TRUE(messages.log.empty());
}

INSTANTIATE_TEST_SUITE_P(Random, InferIdentityTest, ::testing::ValuesIn(kIdentityCases), CaseName());

TEST(Memberships, EqualMembershipOfEachUsedTerm) {
    RandomProjects gen(9);
    for (int n = 0; n < 500; ++n) {
        TFuzzy v = gen.Variable();
        v.Value = gen.InputFor(v);
        std::array<float, fuzzy::MaxTerms> m{};
        ASSERT_EQ(v.Memberships(m), v.UsedTerms());
        for (int i = 1; i <= v.UsedTerms(); ++i) ASSERT_EQ(Bits(m[static_cast<std::size_t>(i - 1)]), Bits(v.Membership(i)));
    }
}

}  // namespace
