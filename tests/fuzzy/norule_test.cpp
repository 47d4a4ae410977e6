// Where no rule fires: the exact points of the old Lok template's dead corner,
// a hole-free project, each term's firing interval under the flank rules, and
// agreement with the engine's own inference on random projects.
#include "tests/fuzzy/EngineTest.h"
#include "fuzzy/NoRuleRegions.h"

#include <cmath>
#include <limits>
#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace {

using fuzzy::Interval;
using fuzzy::NoRuleRegions;
using fuzzy::Project;

const std::vector<std::string> kFive{"ng", "nk", "nu", "pk", "pg"};

// Five triangles whose peaks spread from one range end to the other, the end
// terms with their plateau a single point at the range end: the old templates.
fuzzy::TFuzzy OldSpread(const std::string& name, float lo, float hi) {
    const float s = (hi - lo) / 4;
    std::vector<TermDef> t;
    for (int k = 0; k < 5; ++k) {
        const float peak = k == 4 ? hi : lo + s * static_cast<float>(k);
        const float left = k == 0 ? lo : lo + s * static_cast<float>(k - 1);
        const float right = k == 4 ? hi : (k == 3 ? hi : lo + s * static_cast<float>(k + 1));
        t.push_back({kFive[static_cast<std::size_t>(k)], left, peak, peak, right, 1.0f});
    }
    return MakeVariable(name, lo, hi, t);
}

// The old Lok template with the usual diagonal table.
Project OldLok() {
    Project p;
    p.A = OldSpread("Abstand in cm", -100, 100);
    p.B = OldSpread("Geschwindigkeit in cm/s", -60, 60);
    p.Out = OldSpread("Kraft in N", -2.5f, 2.5f);
    for (int r = 1; r <= 5; ++r)
        for (int c = 1; c <= 5; ++c) p.Rules.Set(r, c, std::clamp(6 - (r + c) / 2, 1, 5));
    return p;
}

bool Fires(const Project& p, float a, float b, float* out = nullptr) {
    fuzzy::TFuzzy A, B, Out;
    A.Assign(p.A);
    B.Assign(p.B);
    Out.Assign(p.Out);
    A.Value = a;
    B.Value = b;
    fuzzy::Infer(p.Rules, A, B, Out);
    if (out) *out = Out.Defuzzify();
    for (int k = 1; k <= Out.UsedTerms(); ++k)
        if (Out.GetParam(k, fuzzy::ParamH) > 0.0f) return true;
    return false;
}

TEST(NoRuleRegions, OldLokTemplateFallsToRangeMinAtExactlyHundredCentimetres) {
    const Project p = OldLok();
    float out = 0;
    EXPECT_FALSE(Fires(p, 100.0f, 0.0f, &out));
    EXPECT_EQ(out, -2.5f);
    const NoRuleRegions r = fuzzy::FindNoRuleRegions(p);
    ASSERT_TRUE(r.TwoInputs);
    EXPECT_EQ(r.Fallback, -2.5f);
    ASSERT_EQ(r.Boxes.size(), 2u);
    // The velocity 60 cm/s for every distance, and the distance 100 cm for every velocity.
    const fuzzy::NoRuleBox& speed = r.Boxes[0];
    EXPECT_TRUE(speed.WholeA);
    EXPECT_TRUE(speed.B.IsPoint());
    EXPECT_EQ(speed.B.Low.Value, 60.0f);
    const fuzzy::NoRuleBox& distance = r.Boxes[1];
    EXPECT_TRUE(distance.A.IsPoint());
    EXPECT_EQ(distance.A.Low.Value, 100.0f);
    EXPECT_TRUE(distance.A.Low.Included && distance.A.High.Included);
    EXPECT_TRUE(distance.WholeB);
    EXPECT_TRUE(distance.GapA);
    EXPECT_EQ(distance.TermsA, (1u << 3) | (1u << 4)) << "the two terms whose right foot is there";
    EXPECT_EQ(distance.Cells, 0u) << "no cell decides where no term of A is above 0";
    // Just below, the table decides again.
    EXPECT_TRUE(Fires(p, std::nextafter(100.0f, 0.0f), 0.0f));
    EXPECT_FALSE(r.Contains(std::nextafter(100.0f, 0.0f), 0.0f));
}

TEST(NoRuleRegions, ShouldersBeyondTheRangeLeaveNoHole) {
    Project p = OldLok();
    for (fuzzy::TFuzzy* v : {&p.A, &p.B}) {
        const float s = (v->RangeMax - v->RangeMin) / 4;
        v->SetParam(1, 1, v->RangeMin - s);
        v->SetParam(1, 2, v->RangeMin - s);
        v->SetParam(5, 3, v->RangeMax + s);
        v->SetParam(5, 4, v->RangeMax + s);
    }
    EXPECT_TRUE(fuzzy::FindNoRuleRegions(p).Empty());
}

// The ends of a box are tight: the value just outside an included end, or an
// excluded end itself, has a firing rule.
void ExpectTight(const Project& p, const fuzzy::NoRuleBox& box) {
    auto outside = [](const fuzzy::IntervalEnd& e, float away) {
        return e.Included ? std::nextafter(e.Value, away) : e.Value;
    };
    const float a = box.A.Low.Value, b = box.B.Low.Value;
    EXPECT_FALSE(Fires(p, a, b));
    if (!box.WholeA) {
        EXPECT_TRUE(Fires(p, outside(box.A.Low, -INFINITY), b) || Fires(p, outside(box.A.High, INFINITY), b));
    }
    if (!box.WholeB) {
        EXPECT_TRUE(Fires(p, a, outside(box.B.Low, -INFINITY)) || Fires(p, a, outside(box.B.High, INFINITY)));
    }
}

// Holes in the table show as boxes naming the cells that decide there.
TEST(NoRuleRegions, EmptyCellIsReportedWithItsCellAndExactEnds) {
    Project p = OldLok();
    for (fuzzy::TFuzzy* v : {&p.A, &p.B}) {
        v->SetParam(1, 1, v->RangeMin - 1);
        v->SetParam(1, 2, v->RangeMin - 1);
        v->SetParam(5, 3, v->RangeMax + 1);
        v->SetParam(5, 4, v->RangeMax + 1);
    }
    // B null with A null: alone it decides at (0, 0) and, because the falling
    // flanks of the neighbours round to 0 a few units of the last place before
    // their foot, a hair below (and the rising ones a hair above).
    p.Rules.Set(3, 3, 0);
    const NoRuleRegions r = fuzzy::FindNoRuleRegions(p);
    ASSERT_EQ(r.Boxes.size(), 1u);
    const fuzzy::NoRuleBox& b = r.Boxes[0];
    EXPECT_TRUE(b.Contains(0.0f, 0.0f));
    EXPECT_LT(b.A.Low.Value, 0.0f);
    EXPECT_GT(b.A.Low.Value, -1e-12f);
    EXPECT_GE(b.A.High.Value, 0.0f);
    EXPECT_LT(b.A.High.Value, 1e-12f);
    EXPECT_EQ(b.Cells, 1u << 12);
    EXPECT_TRUE(b.HasCell(3, 3));
    EXPECT_FALSE(b.GapA || b.GapB);
    ExpectTight(p, b);
    // A second empty cell beside it: A null and A positiv klein with B null
    // now decide up to and with 50, where positiv groß starts to rise.
    p.Rules.Set(3, 4, 0);
    const NoRuleRegions r2 = fuzzy::FindNoRuleRegions(p);
    ASSERT_EQ(r2.Boxes.size(), 1u);
    EXPECT_EQ(r2.Boxes[0].A.High.Value, 50.0f);
    EXPECT_TRUE(r2.Boxes[0].A.High.Included);
    EXPECT_EQ(r2.Boxes[0].Cells, (1u << 12) | (1u << 13));
    ExpectTight(p, r2.Boxes[0]);
}

// --- a single term's firing interval --------------------------------------------

struct TermCase {
    const char* name;
    float a, b, c, d, h;
    bool fires;
    float lo;
    bool loIn;
    float hi;
    bool hiIn;
};

const TermCase kTerms[] = {
    {"RisingFootIsOut", 1, 5, 10, 10, 1, true, 1, false, 10, false},
    // Just above 0 the quotient of the flank rounds to 0 for the two smallest numbers.
    {"RisingFromZeroStartsAtTheThirdNumber", 0, 5, 10, 10, 1, true, 3 * std::numeric_limits<float>::denorm_min(), true,
     10, false},
    {"VerticalLeftFlankCountsItsFoot", 2, 2, 5, 8, 1, true, 2, true, 8, false},
    {"ShoulderBeyondTheEndReachesIt", 5, 10, 30, 30, 1, true, 5, false, 20, true},
    {"ShoulderBeforeTheStartReachesIt", -30, -30, -20, -5, 1, true, -10, true, -5, false},
    {"HeightZeroNeverFires", 0, 5, 5, 10, 0, false, 0, false, 0, false},
    {"NegativeHeightNeverFires", 0, 5, 5, 10, -1, false, 0, false, 0, false},
    {"SinglePointNeverFires", 3, 3, 3, 3, 1, false, 0, false, 0, false},
    {"ReversedCornersFireWhereTheEngineSays", 6, 2, 4, 8, 1, true, 6, true, 8, false},
    {"OutsideTheRange", 30, 40, 50, 60, 1, false, 0, false, 0, false},
};

class TermFiring : public ::testing::TestWithParam<TermCase> {};

TEST_P(TermFiring, IntervalFollowsTheFlankRules) {
    const TermCase& t = GetParam();
    const fuzzy::TFuzzy v = MakeVariable("x", -10, 20, {{"t", t.a, t.b, t.c, t.d, t.h}});
    Interval in;
    ASSERT_EQ(fuzzy::TermFiringInterval(v, 1, in), t.fires);
    if (!t.fires) return;
    EXPECT_EQ(in.Low.Value, t.lo);
    EXPECT_EQ(in.Low.Included, t.loIn);
    EXPECT_EQ(in.High.Value, t.hi);
    EXPECT_EQ(in.High.Included, t.hiIn);
}

INSTANTIATE_TEST_SUITE_P(Terms, TermFiring, ::testing::ValuesIn(kTerms),
                         [](const auto& i) { return std::string(i.param.name); });

// A flank so long and a height so small that the engine's quotient rounds to
// 0 well past the foot: the firing interval starts where the engine says.
TEST(NoRuleRegions, UnderflowingFlankStartsWhereTheEngineDoes) {
    const float tiny = std::numeric_limits<float>::denorm_min();
    const fuzzy::TFuzzy v = MakeVariable("x", 0, 1e30f, {{"t", 0, 1e30f, 1e30f, 1e30f, tiny}});
    Interval in;
    ASSERT_TRUE(fuzzy::TermFiringInterval(v, 1, in));
    ASSERT_TRUE(in.Low.Included);
    fuzzy::TFuzzy probe = v;
    probe.Value = in.Low.Value;
    EXPECT_GT(probe.Membership(1), 0.0f);
    probe.Value = std::nextafter(in.Low.Value, 0.0f);
    EXPECT_EQ(probe.Membership(1), 0.0f);
    EXPECT_GT(in.Low.Value, 1.0f);
}

TEST(NoRuleRegions, NothingToSayWithoutInputAOrOutput) {
    Project p = OldLok();
    p.Out.Defined = false;
    EXPECT_TRUE(fuzzy::FindNoRuleRegions(p).Empty());
    p = OldLok();
    p.A.Defined = false;
    EXPECT_TRUE(fuzzy::FindNoRuleRegions(p).Empty());
    p = OldLok();
    p.B.RangeMin = 70;  // an empty range of B: no point at all
    EXPECT_TRUE(fuzzy::FindNoRuleRegions(p).Empty());
}

TEST(NoRuleRegions, WithoutRulesTheWholeRangeIsOneBox) {
    Project p = OldLok();
    p.Rules = {};
    const NoRuleRegions r = fuzzy::FindNoRuleRegions(p);
    ASSERT_EQ(r.Boxes.size(), 1u);
    EXPECT_TRUE(r.Boxes[0].WholeA && r.Boxes[0].WholeB);
    EXPECT_EQ(r.Boxes[0].Cells, (1u << 25) - 1);
}

// --- agreement with the inference ----------------------------------------------

// Corners from a small set, so that terms share corners, meet at their feet,
// have vertical flanks, reversed corners, a point, heights of 0 or below.
class RandomProjects {
public:
    explicit RandomProjects(unsigned seed) : rng_(seed) {}

    Project Next() {
        Project p;
        p.A = Variable("A");
        if (Pick(4) != 0) p.B = Variable("B");
        p.Out = Variable("Out");
        if (Pick(10) == 0) p.Out.TermCount = 0;
        for (auto& e : p.Rules.Entries) {
            const int r = Pick(10);
            e = r < 3 ? 0 : r == 3 ? -1 : r == 4 ? 7 : 1 + Pick(5);
        }
        return p;
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    float Corner() {
        static const float values[] = {-12, -10, -10, -7.5f, -5, -2.5f, 0, 0, 0.1f, 2.5f, 5, 7.5f, 10, 10, 12};
        return values[Pick(static_cast<int>(std::size(values)))];
    }
    fuzzy::TFuzzy Variable(const std::string& name) {
        std::vector<TermDef> terms;
        const int n = 1 + Pick(5);
        for (int i = 0; i < n; ++i) {
            std::array<float, 4> c{Corner(), Corner(), Corner(), Corner()};
            if (Pick(6) != 0) std::sort(c.begin(), c.end());
            static const float heights[] = {1, 1, 1, 0.5f, 0, -0.5f, 1e-40f};
            terms.push_back({"t" + std::to_string(i), c[0], c[1], c[2], c[3], heights[Pick(7)]});
        }
        float lo = Corner(), hi = Corner();
        if (lo > hi && Pick(8) != 0) std::swap(lo, hi);
        return MakeVariable(name, lo, hi, terms);
    }
    std::mt19937 rng_;
};

// Values to try along one input: a grid, every corner and range end with its
// neighbours, and the ends of every reported box with theirs.
std::vector<float> Samples(const fuzzy::TFuzzy& v, const NoRuleRegions& r, bool isA) {
    std::vector<float> s;
    auto add = [&](float x) {
        for (float y : {std::nextafter(x, -INFINITY), x, std::nextafter(x, INFINITY)})
            if (y >= v.RangeMin && y <= v.RangeMax) s.push_back(y);
    };
    for (int k = 0; k <= 24; ++k) add(v.RangeMin + (v.RangeMax - v.RangeMin) * static_cast<float>(k) / 24);
    add(v.RangeMin);
    add(v.RangeMax);
    for (int i = 1; i <= v.UsedTerms(); ++i)
        for (int j = 1; j <= 4; ++j) add(v.GetParam(i, j));
    for (const auto& b : r.Boxes) {
        const Interval& side = isA ? b.A : b.B;
        add(side.Low.Value);
        add(side.High.Value);
    }
    return s;
}

TEST(NoRuleRegions, AgreesWithTheInferenceOnRandomProjects) {
    RandomProjects gen(20240515);
    int projects = 0, dead = 0, alive = 0;
    for (int n = 0; n < 400; ++n) {
        const Project p = gen.Next();
        const NoRuleRegions r = fuzzy::FindNoRuleRegions(p);
        const std::vector<float> as = Samples(p.A, r, true);
        const std::vector<float> bs = p.B.Defined ? Samples(p.B, r, false) : std::vector<float>{0.0f};
        ++projects;
        for (const float a : as)
            for (const float b : bs) {
                float out = 0;
                const bool fires = Fires(p, a, b, &out);
                const bool reported = r.Contains(a, b);
                if (fires == reported) {
                    ADD_FAILURE() << "project " << n << " at (" << a << ", " << b << "): "
                                  << (fires ? "a rule fires inside a box" : "no rule fires, and no box says so");
                    return;
                }
                if (!fires) {
                    EXPECT_EQ(out, p.Out.RangeMin);
                    ++dead;
                } else {
                    ++alive;
                }
            }
    }
    // The generator reaches both kinds of point often.
    EXPECT_GT(dead, 1000);
    EXPECT_GT(alive, 1000);
    EXPECT_EQ(projects, 400);
}

}  // namespace
