// The boxes of the hand steps: a typed number reads as the answers file
// reads it, a key lands where the file's reader puts it, and the boxes are
// exactly the numbers the check reads (a wrong number in any box fails its
// quantity, the engine's numbers in all of them pass).
#include "exercise/AnswerFields.h"
#include "exercise/Check.h"
#include "exercise/Reader.h"
#include "fuzzy/Surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>

namespace {

std::string Shipped(const char* name) {
    return std::string(FUZZY_SOURCE_DIR) + "/examples/aufgaben/" + name + ".fuzaufgabe";
}

// --- typed numbers -------------------------------------------------------------------

struct Typed {
    const char* text;
    std::optional<float> value;
};

std::ostream& operator<<(std::ostream& o, const Typed& t) { return o << '"' << t.text << '"'; }

class TypedNumbers : public testing::TestWithParam<Typed> {};

TEST_P(TypedNumbers, ReadAsTheAnswersFileReadsThem) {
    const Typed& t = GetParam();
    const std::optional<float> v = exercise::AnswerNumber(t.text);
    ASSERT_EQ(v.has_value(), t.value.has_value());
    if (v) {
        EXPECT_EQ(*v, *t.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, TypedNumbers,
    testing::Values(Typed{"0,6", 0.6f}, Typed{"0.6", 0.6f}, Typed{" 0,6\t", 0.6f}, Typed{"-0,5", -0.5f},
                    Typed{"\xE2\x88\x92"
                          "0,5",
                          -0.5f},
                    Typed{"52", 52.0f}, Typed{"1e-3", 0.001f},
                    Typed{"1e\xE2\x88\x92"
                          "3",
                          0.001f},
                    Typed{"1000000", 1.0e6f},
                    // No number: never 0.
                    Typed{"", std::nullopt}, Typed{"  ", std::nullopt}, Typed{"0,6x", std::nullopt},
                    Typed{"o,5", std::nullopt}, Typed{"1.000,5", std::nullopt}, Typed{"1,2,3", std::nullopt},
                    Typed{"0 ,5", std::nullopt}, Typed{"nan", std::nullopt}, Typed{"inf", std::nullopt},
                    Typed{"0x1p3", std::nullopt}, Typed{"2e6", std::nullopt}, Typed{"1e400", std::nullopt},
                    Typed{"--1", std::nullopt}, Typed{",", std::nullopt}));

// Whatever a box takes, the file takes as the same number, and the reverse.
TEST_P(TypedNumbers, TheFileReaderAgrees) {
    const Typed& t = GetParam();
    std::string text = t.text;
    // The file's own minus; its lines are trimmed anyway.
    for (std::size_t at; (at = text.find("\xE2\x88\x92")) != std::string::npos;) text.replace(at, 3, "-");
    if (text.find_first_not_of(" \t") == std::string::npos) return;  // an empty line is no answer there either
    std::optional<float> file;
    try {
        file = exercise::ParseAnswers("[antworten]\nformat = 1\n[P1]\nausgang = " + text + "\n").Points["P1"].Output;
    } catch (const exercise::FormatError&) {}
    EXPECT_EQ(file, exercise::AnswerNumber(t.text));
}

// --- keys ------------------------------------------------------------------------------

class Keys : public testing::TestWithParam<const char*> {};

// A key lands in the very place the file's reader fills, and nowhere else.
TEST_P(Keys, LandWhereTheFileReaderPutsThem) {
    const std::string key = GetParam();
    exercise::Answers file = exercise::ParseAnswers("[antworten]\nformat = 1\n[P1]\n" + key + " = 0.25\n");
    exercise::PointAnswers& p = file.Points["P1"];
    std::optional<float>* slot = exercise::AnswerSlot(p, key);
    ASSERT_NE(slot, nullptr);
    ASSERT_TRUE(slot->has_value());
    EXPECT_EQ(**slot, 0.25f);
    slot->reset();
    EXPECT_EQ(exercise::AnswersText(file), exercise::AnswersText(exercise::Answers{{{"P1", {}}}}))
        << "nothing else was set";
}

INSTANTIATE_TEST_SUITE_P(Answers, Keys,
                         testing::Values("zugehoerigkeit.a.1", "zugehoerigkeit.a.5", "zugehoerigkeit.b.3",
                                         "feuerstaerke.1.2", "feuerstaerke.5.1", "feuerstaerke.2.5", "hoehe.1",
                                         "hoehe.5", "ausgang"));

class NoKeys : public testing::TestWithParam<const char*> {};

TEST_P(NoKeys, NameNoPlaceAndTheFileRefusesThemToo) {
    exercise::PointAnswers p;
    EXPECT_EQ(exercise::AnswerSlot(p, GetParam()), nullptr);
    EXPECT_THROW(exercise::ParseAnswers(std::string("[antworten]\nformat = 1\n[P1]\n") + GetParam() + " = 1\n"),
                 exercise::FormatError);
}

INSTANTIATE_TEST_SUITE_P(Answers, NoKeys,
                         testing::Values("hoehe.6", "hoehe.0", "hoehe.10", "hoehe.", "zugehoerigkeit.c.1",
                                         "zugehoerigkeit.a", "feuerstaerke.1x2", "feuerstaerke.1.6", "feuerstaerke.12",
                                         "ausgang.1", "ausgan", "x"));

// --- the boxes are what the check reads ------------------------------------------------

struct Boxes {
    const char* exercise;
    std::size_t count;  // boxes in all
};

std::ostream& operator<<(std::ostream& o, const Boxes& b) { return o << b.exercise; }

class ShippedBoxes : public testing::TestWithParam<Boxes> {};

// The engine's own numbers for every box of the exercise.
exercise::Answers EngineAnswers(const exercise::Exercise& e, const fuzzy::Project& p) {
    exercise::Answers a;
    for (const exercise::AnswerField& f : exercise::AnswerFields(e, p)) {
        const exercise::HandCheck& h =
            *std::find_if(e.Hand.begin(), e.Hand.end(), [&](const auto& x) { return x.Point == f.Point; });
        const fuzzy::StepBreakdown s = fuzzy::BreakDownStep(p, h.A, h.B.value_or(0.0f));
        float v = 0.0f;
        switch (f.Asked) {
        case exercise::Quantity::Membership:
            v = (f.Input == 'A' ? s.DegreeA : s.DegreeB)[static_cast<std::size_t>(f.Term - 1)];
            break;
        case exercise::Quantity::Firing:
            v = s.Strength[static_cast<std::size_t>(f.Row - 1)][static_cast<std::size_t>(f.Column - 1)];
            break;
        case exercise::Quantity::Heights: v = s.Activation[static_cast<std::size_t>(f.Term - 1)]; break;
        case exercise::Quantity::Output: v = s.Output; break;
        }
        *exercise::AnswerSlot(a.Points[f.Point], f.Key) = v;
    }
    return a;
}

const char* QuantityId(exercise::Quantity q) {
    switch (q) {
    case exercise::Quantity::Membership: return "hand.membership";
    case exercise::Quantity::Firing: return "hand.firing";
    case exercise::Quantity::Heights: return "hand.heights";
    case exercise::Quantity::Output: return "hand.output";
    }
    return "";
}

TEST_P(ShippedBoxes, EveryBoxIsANumberTheCheckReads) {
    const exercise::Exercise e = exercise::ReadExercise(Shipped(GetParam().exercise));
    const fuzzy::Project p = e.StartProject();
    const std::vector<exercise::AnswerField> boxes = exercise::AnswerFields(e, p);
    ASSERT_EQ(boxes.size(), GetParam().count);
    const exercise::Answers right = EngineAnswers(e, p);
    EXPECT_TRUE(exercise::Check(e, p, right).Passed()) << "the engine's numbers in every box pass";
    for (const exercise::AnswerField& f : boxes) {
        exercise::Answers wrong = right;
        std::optional<float>& v = *exercise::AnswerSlot(wrong.Points[f.Point], f.Key);
        v = *v + 1.0f;  // beyond every tolerance of the shipped exercises
        const exercise::CheckResult r = exercise::Check(e, p, wrong);
        for (const exercise::CriterionResult& c : r.Criteria)
            EXPECT_EQ(c.Passed, !(c.Point == f.Point && c.Id == QuantityId(f.Asked))) << f.Point << ' ' << f.Key;
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, ShippedBoxes,
                         testing::Values(Boxes{"01_regelschritt", 3 + 3 + 9 + 3 + 1}, Boxes{"02_termdiagramm", 3 * 3},
                                         Boxes{"08_sv_kurve", 2}));

// A cell without a rule has no box; a rule the project gains gets one.
TEST(AnswerFields, FollowTheRulesOfTheProjectTheyAreFor) {
    exercise::Exercise e = exercise::ReadExercise(Shipped("01_regelschritt"));
    fuzzy::Project p = e.StartProject();
    const auto count = [&] { return exercise::AnswerFields(e, p).size(); };
    const std::size_t before = count();
    p.Rules.Set(1, 1, 0);
    EXPECT_EQ(count(), before - 1);
    p.Rules.Set(1, 1, 9);  // names no output term: no rule
    EXPECT_EQ(count(), before - 1);
    p.Rules.Set(1, 1, 2);
    EXPECT_EQ(count(), before);
}

}  // namespace
