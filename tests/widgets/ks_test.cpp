#include "widgets/Ks.h"

#include "fuzzy/FuzUnits.h"

#include <gtest/gtest.h>

#include <QPalette>
#include <QWidget>

#include <memory>

namespace {

const QRgb White = qRgb(255, 255, 255);

// A plot of the given size on a white panel, with its scale computed for
// that size as a window built from its layout would have it.
struct Plot {
    QWidget panel;
    TKoordinatensystem* ks;

    explicit Plot(int w = 277, int h = 141) {
        QPalette pal = panel.palette();
        pal.setColor(QPalette::Window, Qt::white);
        panel.setPalette(pal);
        panel.resize(w + 10, h + 10);
        ks = new TKoordinatensystem(&panel);
        ks->setGeometry(2, 2, w, h);
        ks->UpdateScale();
    }
    const QImage& img() { return ks->Image(); }
    QRgb at(int x, int y) { return img().pixel(x, y); }
    // Pixels of the canvas that differ from the white panel within a rectangle.
    int Marked(const QRect& r) {
        int n = 0;
        const QRect c = r.intersected(img().rect());
        for (int y = c.top(); y <= c.bottom(); ++y)
            for (int x = c.left(); x <= c.right(); ++x)
                if (img().pixel(x, y) != White) ++n;
        return n;
    }
    int CountColour(const QRect& r, QRgb colour) {
        int n = 0;
        const QRect c = r.intersected(img().rect());
        for (int y = c.top(); y <= c.bottom(); ++y)
            for (int x = c.left(); x <= c.right(); ++x)
                if (img().pixel(x, y) == colour) ++n;
        return n;
    }
};

// --- conversions --------------------------------------------------------------

struct PixelCase {
    const char* name;
    float frac;
    int column;  // FracToPixelX
    int row;     // FracToPixelY
};

class KsFracToPixel : public ::testing::TestWithParam<PixelCase> {};

TEST_P(KsFracToPixel, RoundsHalfToEvenAndLimitsRowsOnly) {
    Plot p;
    EXPECT_EQ(p.ks->FracToPixelX(GetParam().frac), GetParam().column);
    EXPECT_EQ(p.ks->FracToPixelY(GetParam().frac), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(
    Fractions, KsFracToPixel,
    ::testing::Values(PixelCase{"HalfGoesToEvenNeighbour", 0.5f, 148, 71}, PixelCase{"Lower", 0.0f, 50, 111},
                      PixelCase{"Upper", 1.0f, 247, 30}, PixelCase{"AboveTopIsMinusTen", 2.0f, 444, -10},
                      PixelCase{"BelowBottomIsHeight", -2.0f, -344, 141},
                      PixelCase{"NotANumberIsLowerEdge", std::numeric_limits<float>::quiet_NaN(), 50, 111},
                      PixelCase{"HugeStaysInIntRange", 1e30f, 1000050, -10}),
    [](const ::testing::TestParamInfo<PixelCase>& row) { return std::string(row.param.name); });

TEST(KsConversion, WorldOriginMapsToCentrePixel) {
    Plot p;
    EXPECT_EQ(p.ks->PlotWidth(), 197);
    EXPECT_EQ(p.ks->PlotHeight(), 81);
    p.ks->Setx(0.0f);
    p.ks->Sety(0.0f);
    EXPECT_EQ(p.ks->xint(), 148);
    EXPECT_EQ(p.ks->yint(), 71);
}

TEST(KsConversion, WritingXintAndYintSetsTheWorldPointOnly) {
    Plot p;
    p.ks->Setx(3.0f);
    p.ks->Sety(4.0f);
    const int xintBefore = p.ks->xint();
    const int yintBefore = p.ks->yint();
    p.ks->setXint(148);
    p.ks->setYint(71);
    EXPECT_FLOAT_EQ(p.ks->GetX(), -0.0507617f);
    EXPECT_FLOAT_EQ(p.ks->GetY(), -0.1234567f);
    EXPECT_NEAR(p.ks->GetX(), -0.0507617f, 5e-8f);
    EXPECT_NEAR(p.ks->GetY(), -0.1234567f, 5e-8f);
    EXPECT_EQ(p.ks->xint(), xintBefore);
    EXPECT_EQ(p.ks->yint(), yintBefore);
}

// --- bounds -------------------------------------------------------------------

TEST(KsBounds, EachWriteReordersAtOnce) {
    struct Row {
        const char* name;
        float x1, x2;  // written in this order
        float lo, hi;  // resulting range, starting from -10 .. 10
    };
    const Row rows[] = {
        {"LowerAboveUpperSwapsWithOldUpper", 20.0f, 30.0f, 10.0f, 30.0f},
        {"NewRangeAboveOldSwallowsTheOldUpper", 100.0f, 300.0f, 10.0f, 300.0f},
        {"NewRangeOverlappingOld", 0.0f, 300.0f, 0.0f, 300.0f},
        {"UpperBelowLower", -20.0f, -30.0f, -30.0f, -20.0f},
    };
    for (const Row& r : rows) {
        Plot p;
        p.ks->setX1(r.x1);
        p.ks->setX2(r.x2);
        EXPECT_EQ(p.ks->x1(), r.lo) << r.name;
        EXPECT_EQ(p.ks->x2(), r.hi) << r.name;
    }
    Plot p;
    p.ks->setX2(2.0f);
    p.ks->setX1(5.0f);
    EXPECT_EQ(p.ks->x1(), 2.0f);
    EXPECT_EQ(p.ks->x2(), 5.0f);
    p.ks->setY1(7.0f);
    p.ks->setY2(-3.0f);
    EXPECT_EQ(p.ks->y1(), -3.0f);
    EXPECT_EQ(p.ks->y2(), 7.0f);
    EXPECT_EQ(p.ks->SpanY(), 10.0f);
}

TEST(KsBounds, PropertiesSetFromALayout) {
    Plot p;
    // Written upper bound first, so the old range does not swallow the new one.
    ASSERT_TRUE(p.ks->setProperty("x2", 300.0f));
    ASSERT_TRUE(p.ks->setProperty("x1", 100.0f));
    ASSERT_TRUE(p.ks->setProperty("Skalenart", TKoordinatensystem::ganz));
    ASSERT_TRUE(p.ks->setProperty("Stiftart", TKoordinatensystem::pmXor));
    ASSERT_TRUE(p.ks->setProperty("KSFarbe", QColor(128, 128, 128)));
    ASSERT_TRUE(p.ks->setProperty("wx", 200.0f));
    EXPECT_EQ(p.ks->x1(), 100.0f);
    EXPECT_EQ(p.ks->x2(), 300.0f);
    EXPECT_EQ(p.ks->Skalenart(), TKoordinatensystem::ganz);
    EXPECT_EQ(p.ks->penMode(), fuzzy::PenMode::Xor);
    EXPECT_EQ(p.ks->KSFarbe(), fuzzy::colours::Grey);
    EXPECT_EQ(p.ks->xint(), 148);
}

// --- pen position and world point -------------------------------------------

TEST(KsWorldPoint, MoveAndLineChangeXintButNotX) {
    Plot p;
    p.ks->Setx(1.0f);
    p.ks->Sety(2.0f);
    p.ks->MoveToWorld(-10.0f, -10.0f);
    EXPECT_EQ(p.ks->xint(), 50);
    EXPECT_EQ(p.ks->yint(), 111);
    EXPECT_EQ(p.ks->Canvas().penPos(), QPoint(50, 111));
    p.ks->LineToWorld(10.0f, 10.0f);
    EXPECT_EQ(p.ks->xint(), 247);
    EXPECT_EQ(p.ks->yint(), 30);
    EXPECT_EQ(p.ks->Canvas().penPos(), QPoint(247, 30));
    EXPECT_EQ(p.ks->GetX(), 1.0f);
    EXPECT_EQ(p.ks->GetY(), 2.0f);
    // Writing x and y in turn never moves the pen.
    p.ks->Setx(-10.0f);
    p.ks->Sety(-10.0f);
    EXPECT_EQ(p.ks->Canvas().penPos(), QPoint(247, 30));
}

// --- degenerate settings ----------------------------------------------------

TEST(KsDegenerate, ZeroSpanMapsToTheLowerEdge) {
    Plot p;
    p.ks->setX1(3.0f);
    p.ks->setX2(3.0f);
    EXPECT_EQ(p.ks->SpanX(), 0.0f);
    EXPECT_EQ(p.ks->NormX(3.0f), 0.0f);
    EXPECT_EQ(p.ks->NormX(-100.0f), 0.0f);
    p.ks->Setx(50.0f);
    EXPECT_EQ(p.ks->xint(), 50);
    p.ks->setXint(200);
    EXPECT_EQ(p.ks->GetX(), 3.0f);
    p.ks->DrawAxes();
    p.ks->MoveToWorld(3.0f, 0.0f);
    p.ks->LineToWorld(4.0f, 5.0f);
    EXPECT_GT(p.Marked(p.img().rect()), 0);
}

TEST(KsDegenerate, TinyPlotsDoNotCrash) {
    struct Row {
        const char* name;
        int w, h;
    };
    const Row rows[] = {{"ZeroPlotArea", 80, 60}, {"NegativePlotArea", 40, 20}, {"OnePixel", 1, 1}, {"NoSize", 0, 0}};
    for (const Row& r : rows) {
        Plot p(r.w, r.h);
        EXPECT_EQ(p.ks->PlotWidth(), r.w - 80) << r.name;
        EXPECT_EQ(p.ks->PixelToFracX(10), r.w == 80 ? 0.0f : p.ks->PixelToFracX(10)) << r.name;
        if (r.w == 80) {
            EXPECT_EQ(p.ks->PixelToFracX(123), 0.0f) << r.name;
            EXPECT_EQ(p.ks->PixelToFracY(7), 0.0f) << r.name;
        }
        p.ks->setXint(3);
        p.ks->setYint(3);
        p.ks->setSkalenart(TKoordinatensystem::ganz);
        p.ks->setRasteranzahl(4);
        p.ks->MoveToWorld(-10.0f, -10.0f);
        p.ks->LineToWorld(10.0f, 10.0f);
        p.ks->TextOut(0, 0, "Text");
        p.ks->Refresh();
        EXPECT_EQ(p.img().size(), QSize(r.w, r.h).expandedTo(QSize(0, 0))) << r.name;
    }
}

TEST(KsDegenerate, RasteranzahlZeroDrawsOneLinePerAxisAtTheLowerBound) {
    Plot p;
    p.ks->setKSFarbe(QColor(128, 128, 128));
    p.ks->setRasteranzahl(0);
    const QRgb grey = qRgb(128, 128, 128);
    // The left vertical line (column 50) and the bottom horizontal one (row 111).
    EXPECT_GT(p.CountColour(QRect(50, 30, 1, 82), grey), 20);
    EXPECT_GT(p.CountColour(QRect(50, 111, 198, 1), grey), 50);
    // No other grid line: the middle and right columns stay clear above the bottom line.
    EXPECT_EQ(p.Marked(QRect(148, 30, 1, 80)), 0);
    EXPECT_EQ(p.Marked(QRect(247, 30, 1, 80)), 0);
}

TEST(KsDegenerate, HugeRasteranzahlIsLimited) {
    Plot p;
    p.ks->setSkalenart(TKoordinatensystem::keine);
    p.ks->setRasteranzahl(2000000000);
    EXPECT_EQ(p.ks->Rasteranzahl(), 2000000000);
    // The plot area is filled with grid; nothing hangs.
    EXPECT_GT(p.Marked(QRect(50, 30, 198, 82)), 1000);
}

// --- grid and labels ----------------------------------------------------------

TEST(KsGrid, DottedGridLinesAtEveryStep) {
    Plot p;
    p.ks->setKSFarbe(QColor(128, 128, 128));
    p.ks->setSkalenart(TKoordinatensystem::keine);
    p.ks->setRasteranzahl(4);
    const QRgb grey = qRgb(128, 128, 128);
    // Columns of i/4 over a plot width of 197: 50, 99 (49.25), 148 (98.5 -> 98), 198 (147.75), 247.
    for (int column : {50, 99, 148, 198, 247}) {
        const int dots = p.CountColour(QRect(column, 31, 1, 79), grey);
        EXPECT_GT(dots, 25) << "column " << column;
        EXPECT_LT(dots, 79) << "column " << column << " should be dotted";
    }
    // Rows of i/4 over a plot height of 81: 111, 91 (20.25), 71 (40.5 -> 40), 50 (60.75), 30.
    for (int row : {111, 91, 71, 50, 30}) EXPECT_GT(p.CountColour(QRect(51, row, 195, 1), grey), 60) << "row " << row;
    // Between grid lines nothing is drawn.
    EXPECT_EQ(p.Marked(QRect(60, 60, 30, 5)), 0);
    // Afterwards the pen is the graph pen again.
    EXPECT_EQ(p.ks->Canvas().penStyle(), Qt::SolidLine);
    EXPECT_EQ(p.ks->Canvas().penColor(), QColor(Qt::black));
    EXPECT_EQ(p.ks->Canvas().fontColor(), QColor(128, 128, 128));
}

TEST(KsGrid, LabelsPerScaleKind) {
    struct Row {
        const char* name;
        TKoordinatensystem::TSkala kind;
        int xLabels;
        int yLabels;
    };
    const Row rows[] = {{"WholeLabelsEveryLine", TKoordinatensystem::ganz, 5, 5},
                        {"PartialLabelsFirstAndLast", TKoordinatensystem::teilweise, 2, 2},
                        {"NoneNoLabels", TKoordinatensystem::keine, 0, 0}};
    for (const Row& r : rows) {
        Plot p(400, 300);  // room enough that labels do not touch each other
        p.ks->setSkalenart(r.kind);
        p.ks->setRasteranzahl(4);
        const int plotW = p.ks->PlotWidth();
        const int rowBottom = p.ks->FracToPixelY(0.0f);
        int xLabels = 0;
        for (int i = 0; i <= 4; ++i) {
            const int column = p.ks->FracToPixelX(static_cast<float>(i) / 4);
            // Labels start MarginY div 3 rows below the plot area.
            if (p.Marked(QRect(column - 8, rowBottom + 10, 16, 14)) > 0) ++xLabels;
        }
        int yLabels = 0;
        for (int i = 0; i <= 4; ++i) {
            const int row = p.ks->FracToPixelY(static_cast<float>(i) / 4);
            if (p.Marked(QRect(2, row - 3, 45, 6)) > 0) ++yLabels;
        }
        EXPECT_EQ(xLabels, r.xLabels) << r.name;
        EXPECT_EQ(yLabels, r.yLabels) << r.name;
        // The grid is drawn in every case.
        EXPECT_GT(p.Marked(QRect(50 + plotW / 2, 40, 1, 100)), 20) << r.name;
    }
}

TEST(KsGrid, NegativeRasteranzahlDrawsNothing) {
    Plot p;
    p.ks->setSkalenart(TKoordinatensystem::ganz);
    p.ks->setRasteranzahl(-1);
    EXPECT_EQ(p.Marked(p.img().rect()), 0);
}

// --- lines, pen modes, background -------------------------------------------

TEST(KsLines, LineToWorldDrawsInGraphFarbeWithoutItsEndPoint) {
    Plot p;
    p.ks->setGraphFarbe(QColor(0, 0, 255));
    p.ks->MoveToWorld(-10.0f, 0.0f);
    p.ks->LineToWorld(10.0f, 0.0f);
    const QRgb blue = qRgb(0, 0, 255);
    EXPECT_EQ(p.at(50, 71), blue);
    EXPECT_EQ(p.at(148, 71), blue);
    EXPECT_EQ(p.at(246, 71), blue);
    EXPECT_EQ(p.at(247, 71), White);  // the end point belongs to the next segment
    EXPECT_EQ(p.at(148, 70), White);
    EXPECT_EQ(p.at(148, 72), White);
}

QImage Pattern(QSize size) {
    QImage img(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) img.setPixel(x, y, qRgb((x * 7) & 255, (y * 13) & 255, (x ^ y) & 255));
    return img;
}

TEST(KsLines, ExclusiveOrStrokeTwiceRestoresTheBackground) {
    struct Row {
        const char* name;
        int width;
        QColor colour;
    };
    const Row rows[] = {{"ThinPen", 1, QColor(255, 0, 0)},
                        {"BroadPenOfTheTruck", 20, QColor(0, 255, 255)},
                        {"EvenBroadPen", 4, QColor(12, 34, 56)}};
    for (const Row& r : rows) {
        Plot p(371, 459);
        p.ks->SetBackground(Pattern(QSize(371, 459)));
        const QImage before = p.img().copy();
        p.ks->setStiftart(fuzzy::PenMode::Xor);
        p.ks->setGraphFarbe(r.colour);
        p.ks->Canvas().setPenWidth(r.width);
        auto stroke = [&] {
            p.ks->MoveToWorld(-8.0f, -8.0f);
            p.ks->LineToWorld(7.0f, 3.0f);
            p.ks->LineToWorld(-2.0f, 9.0f);
            p.ks->LineToWorld(-8.0f, -8.0f);
        };
        stroke();
        ASSERT_NE(p.img(), before) << r.name;
        // Where the first stroke passed, the pixel is background xor colour.
        const QRgb mid = p.at(p.ks->FracToPixelX(p.ks->NormX(-0.5f)), p.ks->FracToPixelY(p.ks->NormY(-2.5f)));
        const QRgb under = before.pixel(p.ks->FracToPixelX(p.ks->NormX(-0.5f)), p.ks->FracToPixelY(p.ks->NormY(-2.5f)));
        EXPECT_EQ(mid & 0xffffff, (under ^ r.colour.rgb()) & 0xffffff) << r.name;
        stroke();
        EXPECT_EQ(p.img(), before) << r.name;
    }
}

TEST(KsLines, BroadPenCoversItsWidth) {
    Plot p(371, 459);
    p.ks->Canvas().setPenWidth(20);
    p.ks->Canvas().setPenColor(Qt::black);
    p.ks->Canvas().MoveTo(100, 200);
    p.ks->Canvas().LineTo(200, 200);
    const QRgb black = qRgb(0, 0, 0);
    EXPECT_EQ(p.at(150, 191), black);
    EXPECT_EQ(p.at(150, 208), black);
    EXPECT_EQ(p.at(150, 185), White);
    EXPECT_EQ(p.at(150, 215), White);
}

TEST(KsCanvas, RefreshRestoresWhatLiesBeneath) {
    Plot p;
    p.ks->DrawAxes();
    p.ks->MoveToWorld(-10.0f, -10.0f);
    p.ks->LineToWorld(10.0f, 10.0f);
    ASSERT_GT(p.Marked(p.img().rect()), 0);
    p.ks->Refresh();
    EXPECT_EQ(p.Marked(p.img().rect()), 0);

    const QImage picture = Pattern(QSize(100, 50));
    p.ks->SetBackground(picture);
    EXPECT_EQ(p.img(), picture.scaled(QSize(277, 141), Qt::IgnoreAspectRatio, Qt::FastTransformation));
    p.ks->ClearBackground();
    EXPECT_EQ(p.Marked(p.img().rect()), 0);
}

TEST(KsCanvas, ResizeKeepsTheCanvasTheWidgetsSize) {
    Plot p;
    p.ks->DrawAxes();
    p.ks->resize(300, 200);
    EXPECT_EQ(p.img().size(), QSize(300, 200));
    EXPECT_EQ(p.Marked(p.img().rect()), 0);
    // The scale follows only when UpdateScale is called.
    EXPECT_EQ(p.ks->PlotWidth(), 197);
    p.ks->UpdateScale();
    EXPECT_EQ(p.ks->PlotWidth(), 220);
}

TEST(KsCanvas, ShowingClearsEarlierDrawing) {
    Plot p;
    p.ks->DrawAxes();
    ASSERT_GT(p.Marked(p.img().rect()), 0);
    p.panel.show();
    EXPECT_EQ(p.Marked(p.img().rect()), 0);
    p.ks->DrawAxes();
    EXPECT_GT(p.Marked(p.img().rect()), 0);
    // The widget shows its canvas.
    const QImage shown = p.ks->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, p.img());
}

// --- the term diagram drawn through the component ---------------------------

fuzzy::TFuzzy Variable(float lo, float hi) {
    fuzzy::TFuzzy v;
    v.Name = "Abstand";
    v.RangeMin = lo;
    v.RangeMax = hi;
    v.Defined = true;
    v.InitColours();
    return v;
}

void AddTerm(fuzzy::TFuzzy& v, const char* name, float a, float b, float c, float d, float h) {
    ++v.TermCount;
    const int i = v.TermCount;
    v.SetTermName(i, name);
    v.SetParam(i, fuzzy::ParamA, a);
    v.SetParam(i, fuzzy::ParamB, b);
    v.SetParam(i, fuzzy::ParamC, c);
    v.SetParam(i, fuzzy::ParamD, d);
    v.SetParam(i, fuzzy::ParamH, h);
}

struct DiagramPlot : Plot {
    DiagramPlot() {
        ks->setSkalenart(TKoordinatensystem::teilweise);
        ks->setKSFarbe(QColor(128, 128, 128));
        QFont f(QStringLiteral("Liberation Serif"));
        f.setPixelSize(11);
        ks->setFont(f);
    }
};

TEST(KsTermDiagram, UndefinedVariableDrawsNothingAndKeepsTheRange) {
    DiagramPlot p;
    fuzzy::TFuzzy v = Variable(100.0f, 300.0f);
    v.Defined = false;
    v.DrawTerms(*p.ks);
    EXPECT_EQ(p.Marked(p.img().rect()), 0);
    EXPECT_EQ(p.ks->x1(), -10.0f);
    EXPECT_EQ(p.ks->x2(), 10.0f);
}

TEST(KsTermDiagram, RangeFollowsTheVariableBothWays) {
    DiagramPlot p;
    p.ks->setX1(-20.0f);
    p.ks->setX2(0.0f);
    fuzzy::TFuzzy far = Variable(100.0f, 300.0f);
    far.DrawTerms(*p.ks);
    EXPECT_EQ(p.ks->x1(), 100.0f);
    EXPECT_EQ(p.ks->x2(), 300.0f);
    fuzzy::TFuzzy near = Variable(-20.0f, 0.0f);
    near.DrawTerms(*p.ks);
    EXPECT_EQ(p.ks->x1(), -20.0f);
    EXPECT_EQ(p.ks->x2(), 0.0f);
}

TEST(KsTermDiagram, TermHeightsReachTheirFractionOfThePlot) {
    DiagramPlot p;
    fuzzy::TFuzzy v = Variable(0.0f, 100.0f);
    AddTerm(v, "halb", 10.0f, 20.0f, 30.0f, 40.0f, 0.5f);
    AddTerm(v, "voll", 50.0f, 60.0f, 80.0f, 90.0f, 1.0f);
    v.DrawTerms(*p.ks);
    const QRgb blue = qRgb(0, 0, 255);  // term 1
    const QRgb red = qRgb(255, 0, 0);   // term 2
    // h = 0.5: row 111 - round-half-even(40.5) = 71; h = 1: the top grid line, row 30.
    const int halfRow = p.ks->FracToPixelY(0.5f);
    const int topRow = p.ks->FracToPixelY(1.0f);
    ASSERT_EQ(halfRow, 71);
    ASSERT_EQ(topRow, 30);
    const int b1 = p.ks->FracToPixelX(p.ks->NormX(25.0f));
    const int b2 = p.ks->FracToPixelX(p.ks->NormX(70.0f));
    EXPECT_EQ(p.at(b1, halfRow), blue);
    // Below the abbreviations (row 10, one text line high) and above h = 0.5.
    const int belowText = 10 + p.ks->Canvas().TextHeight(QStringLiteral("h")) + 1;
    EXPECT_EQ(p.CountColour(QRect(0, belowText, 277, halfRow - belowText), blue), 0) << "term 1 rises above h = 0.5";
    EXPECT_EQ(p.at(b2, topRow), red);
    EXPECT_EQ(p.CountColour(QRect(b2 - 5, belowText, 10, topRow - belowText), red), 0)
        << "term 2 rises above the top line";
    // The abbreviations stand on row 10 from the column of corner b.
    const int colB1 = p.ks->FracToPixelX(p.ks->NormX(20.0f));
    EXPECT_GT(p.CountColour(QRect(colB1, 10, 12, 12), blue), 0);
    EXPECT_EQ(p.CountColour(QRect(0, 10, colB1, 12), blue), 0);
    // Font colour back to KSFarbe, graph colour of the last term kept.
    EXPECT_EQ(p.ks->Canvas().fontColor(), QColor(128, 128, 128));
    EXPECT_EQ(p.ks->graphFarbe(), QColor(255, 0, 0));
}

}  // namespace
