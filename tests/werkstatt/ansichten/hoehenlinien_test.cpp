// Contour lines and round divisions.
#include "werkstatt/ansichten/Hoehenlinien.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using ansichten::Hoehenlinie;
using ansichten::RundeTeilung;
using ansichten::Strecke;

std::vector<float> Feld(int nx, int ny, float (*f)(float, float)) {
    std::vector<float> w;
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) w.push_back(f(static_cast<float>(i), static_cast<float>(j)));
    return w;
}

TEST(Hoehenlinie, RampAlongAGivesAStraightLineAcrossEveryRowAtTheRightPlace) {
    // Value = column: the level 2.5 lies halfway between columns 2 and 3.
    const auto w = Feld(6, 5, [](float x, float) { return x; });
    const std::vector<Strecke> l = Hoehenlinie(w, 6, 5, 2.5f);
    ASSERT_EQ(l.size(), 4u);  // one piece per row of cells
    for (const Strecke& s : l) {
        EXPECT_FLOAT_EQ(s.x0, 2.5f);
        EXPECT_FLOAT_EQ(s.x1, 2.5f);
        EXPECT_FLOAT_EQ(std::fabs(s.y1 - s.y0), 1.0f);
    }
}

TEST(Hoehenlinie, RampAlongBRunsAlongTheRowsNotTheColumns) {
    const auto w = Feld(4, 6, [](float, float y) { return 10.0f * y; });
    const std::vector<Strecke> l = Hoehenlinie(w, 4, 6, 42.5f);
    ASSERT_EQ(l.size(), 3u);
    for (const Strecke& s : l) {
        EXPECT_FLOAT_EQ(s.y0, 4.25f);
        EXPECT_FLOAT_EQ(s.y1, 4.25f);
    }
}

TEST(Hoehenlinie, LevelOutsideTheValuesDrawsNothing) {
    const auto w = Feld(5, 5, [](float x, float y) { return x + y; });
    EXPECT_TRUE(Hoehenlinie(w, 5, 5, -1.0f).empty());
    EXPECT_TRUE(Hoehenlinie(w, 5, 5, 9.0f).empty());
}

TEST(Hoehenlinie, CircleIsClosedAroundThePeak) {
    // A cone around (10, 10): the pieces of one level meet end to end.
    const auto w = Feld(21, 21, [](float x, float y) { return 10.0f - std::hypot(x - 10.0f, y - 10.0f); });
    const std::vector<Strecke> l = Hoehenlinie(w, 21, 21, 5.3f);
    ASSERT_FALSE(l.empty());
    for (const Strecke& s : l) {
        EXPECT_NEAR(std::hypot(s.x0 - 10.0f, s.y0 - 10.0f), 4.7, 0.15);
        int treffer = 0;
        for (const Strecke& t : l)
            treffer += (std::fabs(t.x0 - s.x1) < 1e-5f && std::fabs(t.y0 - s.y1) < 1e-5f) ||
                       (std::fabs(t.x1 - s.x1) < 1e-5f && std::fabs(t.y1 - s.y1) < 1e-5f);
        EXPECT_EQ(treffer, 2) << "open end at " << s.x1 << ", " << s.y1;  // itself and its neighbour
    }
}

TEST(Hoehenlinie, SaddleIsDecidedByTheMeanOfItsCorners) {
    // High corners bottom-left and top-right; a high centre joins them, so
    // the two pieces cut off the low corners.
    const std::vector<float> hoch = {1.0f, 0.0f, 0.0f, 1.0f};
    const std::vector<Strecke> l = Hoehenlinie(hoch, 2, 2, 0.4f);
    ASSERT_EQ(l.size(), 2u);
    for (const Strecke& s : l) {
        const float mx = (s.x0 + s.x1) / 2, my = (s.y0 + s.y1) / 2;
        EXPECT_TRUE((mx > 0.5f && my < 0.5f) || (mx < 0.5f && my > 0.5f)) << mx << ", " << my;
    }
    const std::vector<Strecke> m = Hoehenlinie(hoch, 2, 2, 0.6f);
    ASSERT_EQ(m.size(), 2u);
    for (const Strecke& s : m) {
        const float mx = (s.x0 + s.x1) / 2, my = (s.y0 + s.y1) / 2;
        EXPECT_TRUE((mx < 0.5f && my < 0.5f) || (mx > 0.5f && my > 0.5f)) << mx << ", " << my;
    }
}

TEST(Hoehenlinie, ShortFieldGivesNothingInsteadOfReadingBeyondIt) {
    EXPECT_TRUE(Hoehenlinie({1.0f, 2.0f, 3.0f}, 2, 2, 1.5f).empty());
    EXPECT_TRUE(Hoehenlinie({1.0f, 2.0f}, 2, 1, 1.5f).empty());
}

struct TeilungsFall {
    double lo, hi;
    int n;
    std::vector<double> erwartet;
};

TEST(RundeTeilung, RoundStepsWithinTheRange) {
    const std::vector<TeilungsFall> faelle = {
        {-100, 100, 8, {-100, -75, -50, -25, 0, 25, 50, 75, 100}},
        {-10, 10, 6, {-10, -5, 0, 5, 10}},
        {-20, 5, 6, {-20, -15, -10, -5, 0, 5}},
        {0.3, 1.1, 4, {0.4, 0.6, 0.8, 1.0}},
        {-1, 1, 8, {-1, -0.75, -0.5, -0.25, 0, 0.25, 0.5, 0.75, 1}},
    };
    for (const TeilungsFall& f : faelle) {
        const std::vector<double> t = RundeTeilung(f.lo, f.hi, f.n);
        ASSERT_EQ(t.size(), f.erwartet.size()) << f.lo << " .. " << f.hi;
        for (std::size_t k = 0; k < t.size(); ++k) EXPECT_NEAR(t[k], f.erwartet[k], 1e-9);
        for (double v : t) EXPECT_FALSE(std::signbit(v) && v == 0.0) << "-0 would print as -0";
    }
}

TEST(RundeTeilung, EmptyOrBrokenRangeGivesNoMarks) {
    EXPECT_TRUE(RundeTeilung(1, 1, 5).empty());
    EXPECT_TRUE(RundeTeilung(2, 1, 5).empty());
    EXPECT_TRUE(RundeTeilung(0, NAN, 5).empty());
    EXPECT_TRUE(RundeTeilung(0, 1, 0).empty());
}

}  // namespace
