// The templates a new project starts from: inputs covered to both range ends
// by shoulders, so any complete rule table leaves no point without a rule;
// outputs whose terms stay inside their range.
#include "fuzzy/NoRuleRegions.h"
#include "fuzzy/Templates.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using fuzzy::Project;

struct TemplateCase {
    const char* name;
    Project (*make)();
};

class Templates : public ::testing::TestWithParam<TemplateCase> {};

TEST_P(Templates, AnyCompleteTableLeavesNoPointWithoutARule) {
    Project p = GetParam().make();
    std::mt19937 rng(7);
    const int rows = p.B.Defined ? p.B.UsedTerms() : 1;
    for (int n = 0; n < 40; ++n) {
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= p.A.UsedTerms(); ++c)
                p.Rules.Set(r, c, std::uniform_int_distribution<int>(1, p.Out.UsedTerms())(rng));
        const fuzzy::NoRuleRegions regions = fuzzy::FindNoRuleRegions(p);
        ASSERT_TRUE(regions.Empty()) << "table " << n << ": " << regions.Boxes.size() << " boxes";
    }
}

TEST_P(Templates, InputEndsAreShouldersReachingBeyondTheRange) {
    const Project p = GetParam().make();
    for (const fuzzy::TFuzzy* v : {&p.A, &p.B}) {
        if (!v->Defined) continue;
        SCOPED_TRACE(v->Name);
        const int n = v->UsedTerms();
        EXPECT_LT(v->GetParam(1, fuzzy::ParamA), v->RangeMin);
        EXPECT_EQ(v->GetParam(1, fuzzy::ParamB), v->GetParam(1, fuzzy::ParamA));
        EXPECT_EQ(v->GetParam(1, fuzzy::ParamC), v->RangeMin);
        EXPECT_GT(v->GetParam(n, fuzzy::ParamD), v->RangeMax);
        EXPECT_EQ(v->GetParam(n, fuzzy::ParamC), v->GetParam(n, fuzzy::ParamD));
        EXPECT_EQ(v->GetParam(n, fuzzy::ParamB), v->RangeMax);
        EXPECT_TRUE(fuzzy::FindTermGaps(*v).empty());
    }
}

TEST_P(Templates, OutputTermsAndTheirCentroidsStayInsideTheRange) {
    const Project p = GetParam().make();
    for (int i = 1; i <= p.Out.UsedTerms(); ++i) {
        EXPECT_GE(p.Out.GetParam(i, fuzzy::ParamA), p.Out.RangeMin);
        EXPECT_LE(p.Out.GetParam(i, fuzzy::ParamD), p.Out.RangeMax);
        EXPECT_GT(p.Out.TermCentroid(i), p.Out.RangeMin);
        EXPECT_LT(p.Out.TermCentroid(i), p.Out.RangeMax);
        EXPECT_GT(p.Out.TermArea(i), 0.0f);
    }
}

INSTANTIATE_TEST_SUITE_P(All, Templates,
                         ::testing::Values(TemplateCase{"Leer", fuzzy::TemplateEmpty},
                                           TemplateCase{"Truck", fuzzy::TemplateTruck},
                                           TemplateCase{"Lok", fuzzy::TemplateLoco}),
                         [](const auto& i) { return std::string(i.param.name); });

// Full force against friction 3 drives the locomotive up to 2.5 / 3 m/s.
TEST(Templates, LokVelocityRangeCoversWhatTheLocomotiveReaches) {
    const Project p = fuzzy::TemplateLoco();
    EXPECT_LE(p.B.RangeMin, -250.0f / 3.0f);
    EXPECT_GE(p.B.RangeMax, 250.0f / 3.0f);
}

TEST(Templates, KnownByTheirNamesOnly) {
    EXPECT_TRUE(fuzzy::TemplateNamed("leer"));
    EXPECT_EQ(fuzzy::TemplateNamed("lok")->B.Name, "Geschwindigkeit in cm/s");
    EXPECT_EQ(fuzzy::TemplateNamed("truck")->A.Name, "Abstand in m");
    EXPECT_FALSE(fuzzy::TemplateNamed("Lok"));
    EXPECT_FALSE(fuzzy::TemplateNamed(""));
}

}  // namespace
