// The templates a new project starts from: inputs covered to both range ends
// by shoulders, so any complete rule table leaves no point without a rule;
// outputs whose terms stay inside their range.
#include "fuzzy/NoRuleRegions.h"
#include "fuzzy/StepGrid.h"
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
        // Full height from the range's end (at least) to far beyond it.
        EXPECT_LT(v->GetParam(1, fuzzy::ParamA), v->RangeMin);
        EXPECT_EQ(v->GetParam(1, fuzzy::ParamB), v->GetParam(1, fuzzy::ParamA));
        EXPECT_GE(v->GetParam(1, fuzzy::ParamC), v->RangeMin);
        EXPECT_GT(v->GetParam(n, fuzzy::ParamD), v->RangeMax);
        EXPECT_EQ(v->GetParam(n, fuzzy::ParamC), v->GetParam(n, fuzzy::ParamD));
        EXPECT_LE(v->GetParam(n, fuzzy::ParamB), v->RangeMax);
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

// Full force against friction 3 drives the locomotive up to 2.5 / 3 m/s:
// towards the mark within the range, away from it within the far shoulder.
TEST(Templates, LokVelocityTermsCoverWhatTheLocomotiveReaches) {
    const Project p = fuzzy::TemplateLoco();
    EXPECT_LE(p.B.RangeMin, -250.0f / 3.0f);
    EXPECT_GE(p.B.GetParam(p.B.UsedTerms(), fuzzy::ParamC), 250.0f / 3.0f);
}

// The locomotive lab starts 100 cm from the mark: the far shoulder of the
// distance holds it at full height, so a table's far column decides there.
TEST(Templates, LokStartLiesInTheFarShoulder) {
    Project p = fuzzy::TemplateLoco();
    p.A.Value = 100.0f;
    EXPECT_EQ(p.A.Membership(p.A.UsedTerms()), 1.0f);
    for (int t = 1; t < p.A.UsedTerms(); ++t) EXPECT_EQ(p.A.Membership(t), 0.0f) << t;
}

// Every corner of the templates lies on the step grid the editor snaps to,
// and Dorvane's steering range (+-100 degrees) is the truck's.
TEST(Templates, CornersLieOnTheEditorsGrid) {
    for (const Project& p : {fuzzy::TemplateTruck(), fuzzy::TemplateLoco(), fuzzy::TemplateEmpty()})
        for (const fuzzy::TFuzzy* v : {&p.A, &p.B, &p.Out}) {
            if (!v->Defined) continue;
            for (int t = 1; t <= v->UsedTerms(); ++t)
                for (int k = fuzzy::ParamA; k <= fuzzy::ParamD; ++k)
                    EXPECT_TRUE(fuzzy::IsOnStepGrid(v->GetParam(t, k), fuzzy::CornerStep(*v)))
                        << v->Name << " term " << t << " corner " << k << ": " << v->GetParam(t, k);
        }
    EXPECT_EQ(fuzzy::TemplateTruck().Out.RangeMin, -100.0f);
    EXPECT_EQ(fuzzy::TemplateTruck().Out.RangeMax, 100.0f);
}

TEST(Templates, KnownByTheirNamesOnly) {
    EXPECT_TRUE(fuzzy::TemplateNamed("leer"));
    EXPECT_EQ(fuzzy::TemplateNamed("lok")->B.Name, "Geschwindigkeit in cm/s");
    EXPECT_EQ(fuzzy::TemplateNamed("truck")->A.Name, "Abstand in m");
    EXPECT_FALSE(fuzzy::TemplateNamed("Lok"));
    EXPECT_FALSE(fuzzy::TemplateNamed(""));
}

}  // namespace
