// The inference computes each input membership once per step instead of once
// per rule, and defuzzification takes each term's centroid from a cache kept
// by the corner writes. The results must stay the very bits of the plain
// rule-by-rule and term-by-term versions, which are kept here as reference.
#include "tests/fuzzy/EngineTest.h"

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

// The centroid as the engine computed it on every call before.
float ReferenceCentroid(const TFuzzy& v, int i) {
    const double a = v.GetParam(i, 1), b = v.GetParam(i, 2), c = v.GetParam(i, 3), d = v.GetParam(i, 4);
    float N = static_cast<float>((b - a) * (2.0 * b + a));
    N = static_cast<float>(3.0 * (c * c - b * b) + N);
    N = static_cast<float>((d - c) * (2.0 * c + d) + N);
    const float D = static_cast<float>(3.0 * (d + c - b - a));
    if (D == 0.0f) return v.GetParam(i, 1);
    return static_cast<float>(double(N) / D);
}

float ReferenceDefuzzify(const TFuzzy& v) {
    float M = 0.0f, S = 0.0f;
    for (int i = 1; i <= v.UsedTerms(); ++i) {
        const float area = v.TermArea(i);
        M = static_cast<float>(double(ReferenceCentroid(v, i)) * area + M);
        S = static_cast<float>(double(area) + S);
    }
    return S == 0.0f ? v.RangeMin : static_cast<float>(double(M) / S);
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
            // Negative heights and -0 are nonsense in a project, but the
            // engine must still give the same bits for them.
            const float heights[] = {1.0f, 0.0f, 0.5f, Uniform(0, 1), 1.7f, 1.0f, 1.0f, -0.0f, -0.5f, 1e-30f};
            v.SetParam(t, fuzzy::ParamH, heights[Index(10)]);
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
            ASSERT_EQ(Bits(fast.Defuzzify()), Bits(ReferenceDefuzzify(reference))) << "project " << project;
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
        for (int i = 1; i <= v.UsedTerms(); ++i)
            ASSERT_EQ(Bits(m[static_cast<std::size_t>(i - 1)]), Bits(v.Membership(i)));
    }
}

// A sum can be -0 when a tiny negative moment underflows; a term without
// area then turns it into +0, and skipping that term would keep the sign.
TEST(Defuzzify, TermWithoutAreaAfterAnUnderflowedMomentKeepsTheReferenceSign) {
    TFuzzy v = MakeVariable(
        "v", -1, 2, {{"klein", -2e-20f, -1e-20f, -1e-20f, 0.0f, 1e-10f}, {"leer", 0.0f, 1.0f, 1.0f, 2.0f, 0.0f}});
    ASSERT_EQ(Bits(v.Defuzzify()), Bits(ReferenceDefuzzify(v)));
    EXPECT_FALSE(std::signbit(v.Defuzzify()));
}

// Every way a corner changes must renew the cached centroid.
struct CornerChange {
    const char* name;
    void (*change)(TFuzzy& v);
};

const CornerChange kCornerChanges[] = {
    {"SetParamOfACorner", [](TFuzzy& v) { v.SetParam(2, 3, v.GetParam(2, 3) + 7.5f); }},
    {"SetParamOfTheFirstCorner", [](TFuzzy& v) { v.SetParam(1, 1, v.GetParam(1, 1) - 3.0f); }},
    {"Clear", [](TFuzzy& v) { v.Clear(); }},
    {"AssignFromAnother",
     [](TFuzzy& v) {
         TFuzzy other = RandomProjects(3).Variable();
         v.Assign(other);
     }},
    {"CopyOfAnother", [](TFuzzy& v) { v = RandomProjects(4).Variable(); }},
};

class CentroidCacheTest : public ::testing::TestWithParam<CornerChange> {};

TEST_P(CentroidCacheTest, CentroidFollowsTheCorners) {
    RandomProjects gen(11);
    for (int n = 0; n < 50; ++n) {
        TFuzzy v = gen.Variable();
        v.TermCount = 5;
        (void)v.Defuzzify();
        GetParam().change(v);
        for (int i = 1; i <= fuzzy::MaxTerms; ++i)
            ASSERT_EQ(Bits(v.TermCentroid(i)), Bits(ReferenceCentroid(v, i))) << "term " << i;
        ASSERT_EQ(Bits(v.Defuzzify()), Bits(ReferenceDefuzzify(v)));
    }
}

INSTANTIATE_TEST_SUITE_P(Changes, CentroidCacheTest, ::testing::ValuesIn(kCornerChanges), CaseName());

}  // namespace
