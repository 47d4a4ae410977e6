#include "dialogs/Graph.h"

#include "tests/dialogs/DialogTest.h"
#include "widgets/Ks.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace {

using dialogtest::MakeVariable;

const QRgb White = qRgb(255, 255, 255);
const QRgb Grey = qRgb(128, 128, 128);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Red = qRgb(255, 0, 0);

struct MainWindowState {
    fuzzy::TFuzzy EingangA =
        MakeVariable("Abstand", -20, 0, {{"nah", -20, -20, -15, -10, 1}, {"fern", -15, -5, 0, 0, 1}});
    fuzzy::TFuzzy EingangB;  // a project with one input
    fuzzy::TFuzzy Ausgang = MakeVariable("Kraft", 100, 300,
                                         {{"bremsen", 100, 120, 140, 160, 1},
                                          {"rollen", 140, 180, 220, 260, 1},
                                          {"ziehen", 200, 240, 280, 300, 1},
                                          {"schieben", 150, 160, 170, 180, 1},
                                          {"halten", 250, 260, 270, 280, 1}});
    fuzzy::TFuzzy AusgangKopie;

    MainWindowState() {
        Ausgang.SetParam(2, fuzzy::ParamH, 0.5f);
        AusgangKopie.Assign(Ausgang);
    }
    GraphVariables Vars() { return {&EingangA, &EingangB, &Ausgang, &AusgangKopie}; }
};

struct Dialog {
    MainWindowState state;
    std::unique_ptr<TGraphform> form;
    Dialog() : form(std::make_unique<TGraphform>(state.Vars())) {}

    TKoordinatensystem& ks() { return *form->Koordinatensystem2; }
    const QImage& img() { return ks().Image(); }
    int Count(QRgb colour) {
        int n = 0;
        const QImage& im = img();
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x)
                if (im.pixel(x, y) == colour) ++n;
        return n;
    }
    bool Blank() { return Count(White) == img().width() * img().height(); }
    int Row(float h) { return ks().FracToPixelY(h); }
    int Column(float x) { return ks().FracToPixelX(ks().NormX(x)); }
};

TEST(GraphFirstShowing, NamesWithoutSelectionAndAnEmptyDiagram) {
    Dialog d;
    d.form->show();
    EXPECT_EQ(d.form->RadioItems[0]->text(), QStringLiteral("Abstand"));
    EXPECT_EQ(d.form->RadioItems[1]->text(), QString());
    EXPECT_EQ(d.form->RadioItems[2]->text(), QStringLiteral("Kraft"));
    EXPECT_EQ(d.form->ItemIndex(), -1);
    EXPECT_TRUE(d.Blank());
    EXPECT_EQ(d.form->focusWidget(), d.form->OKBtn);
}

TEST(GraphFirstShowing, LayoutCaptionsBeforeTheFirstShowing) {
    Dialog d;
    EXPECT_EQ(d.form->windowTitle(), QStringLiteral("Diagramme der Fuzzyvariablen"));
    EXPECT_EQ(d.form->RadioItems[0]->text(), QStringLiteral("Eingang A"));
    EXPECT_EQ(d.form->RadioItems[1]->text(), QStringLiteral("Eingang B"));
    EXPECT_EQ(d.form->RadioItems[2]->text(), QStringLiteral("Ausgang"));
    EXPECT_EQ(d.form->RadioGroup1->title(), QStringLiteral("Fuzzyvariable"));
    EXPECT_EQ(d.form->size(), QSize(480, 193));
    EXPECT_EQ(d.form->Bevel1->geometry(), QRect(8, 16, 300, 161));
    EXPECT_EQ(d.form->Panel1->geometry(), QRect(16, 24, 281, 145));
    EXPECT_EQ(d.ks().geometry(), QRect(2, 2, 277, 141));
    EXPECT_EQ(d.form->RadioGroup1->geometry(), QRect(320, 12, 145, 121));
    EXPECT_EQ(d.form->OKBtn->geometry(), QRect(352, 152, 77, 27));
    EXPECT_TRUE(d.form->OKBtn->isDefault());
    // The plot as the layout sets it up.
    EXPECT_EQ(d.ks().Skalenart(), TKoordinatensystem::teilweise);
    EXPECT_EQ(d.ks().ksFarbe(), QColor(128, 128, 128));
    EXPECT_EQ(d.ks().graphFarbe(), QColor(0, 0, 0));
    EXPECT_EQ(d.ks().Rasteranzahl(), 4);
    EXPECT_EQ(d.ks().PlotWidth(), 197);
    EXPECT_EQ(d.ks().PlotHeight(), 81);
    EXPECT_EQ(d.ks().font().pixelSize(), 11);
    EXPECT_FALSE(d.ks().font().bold());
}

TEST(GraphSelect, EachVariableDrawnOverItsRange) {
    struct Row {
        const char* name;
        int item;
        float lo, hi;
        int terms;
    };
    const Row rows[] = {{"InputA", 0, -20, 0, 2}, {"Output", 2, 100, 300, 5}};
    for (const Row& r : rows) {
        Dialog d;
        d.form->show();
        d.form->SetItemIndex(r.item);
        EXPECT_EQ(d.ks().x1(), r.lo) << r.name;
        EXPECT_EQ(d.ks().x2(), r.hi) << r.name;
        EXPECT_EQ(d.ks().y1(), 0.0f) << r.name;
        EXPECT_EQ(d.ks().y2(), 1.0f) << r.name;
        EXPECT_GT(d.Count(Grey), 100) << r.name << ": grid";
        EXPECT_GT(d.Count(Blue), 20) << r.name << ": first term";
        EXPECT_EQ(d.Count(qRgb(128, 0, 128)) > 0, r.terms == 5) << r.name << ": fifth term only with five";
    }
}

TEST(GraphSelect, OutputAtTheHeightsOfTheCopy) {
    Dialog d;
    d.form->show();
    // Control steps overwrite the heights of the output; the copy keeps them.
    d.state.Ausgang.SetParam(1, fuzzy::ParamH, 0.0f);
    d.state.Ausgang.SetParam(2, fuzzy::ParamH, 1.0f);
    d.form->SetItemIndex(2);
    const int column1 = d.Column(130);  // between b and c of term 1 (h = 1)
    const int column2 = d.Column(200);  // between b and c of term 2 (h = 0.5)
    EXPECT_EQ(d.img().pixel(column1, d.Row(1.0f)), Blue);
    EXPECT_EQ(d.img().pixel(column2, d.Row(0.5f)), Red);
    EXPECT_NE(d.img().pixel(column2, d.Row(1.0f)), Red);
}

TEST(GraphSelect, UndefinedVariableLeavesTheLastDiagram) {
    Dialog d;
    d.form->show();
    d.form->SetItemIndex(0);
    const QImage before = d.img().copy();
    d.form->SetItemIndex(1);
    EXPECT_EQ(d.form->ItemIndex(), 1);
    EXPECT_EQ(d.img(), before);
    EXPECT_EQ(d.ks().x1(), -20.0f);
}

TEST(GraphSelect, ColoursAreResetToTheDefaults) {
    Dialog d;
    d.state.AusgangKopie.SetColour(1, fuzzy::colours::Black);
    d.form->show();
    d.form->SetItemIndex(2);
    EXPECT_EQ(d.state.AusgangKopie.GetColour(1), fuzzy::colours::Blue);
    EXPECT_GT(d.Count(Blue), 20);
}

TEST(GraphReopen, RedrawsTheItemSelectedBefore) {
    Dialog d;
    d.form->show();
    d.form->SetItemIndex(2);
    const QImage first = d.img().copy();
    d.form->hide();
    // Another project meanwhile: the dialog reads the current objects.
    d.state.EingangA.Name = "Weg";
    d.state.AusgangKopie.SetParam(1, fuzzy::ParamH, 0.25f);
    d.form->show();
    EXPECT_EQ(d.form->ItemIndex(), 2);
    EXPECT_EQ(d.form->RadioItems[0]->text(), QStringLiteral("Weg"));
    EXPECT_NE(d.img(), first);
    EXPECT_EQ(d.img().pixel(d.Column(130), d.Row(0.25f)), Blue);
}

TEST(GraphReopen, UndefinedSelectionShowsAnEmptyPanelAgain) {
    Dialog d;
    d.form->show();
    d.form->SetItemIndex(0);
    d.form->SetItemIndex(1);
    ASSERT_FALSE(d.Blank());
    d.form->hide();
    d.form->show();
    EXPECT_TRUE(d.Blank());
}

TEST(GraphVariablesMissing, NullPointersCountAsUndefined) {
    GraphVariables none;
    TGraphform form(none);
    form.show();
    form.SetItemIndex(0);
    form.SetItemIndex(2);
    EXPECT_EQ(form.RadioItems[0]->text(), QString());
    EXPECT_EQ(form.ItemIndex(), 2);
}

TEST(GraphScreenshot, FiveTermsAndTheirAbbreviations) {
    Dialog d;
    d.form->show();
    d.form->RadioItems[2]->click();
    EXPECT_EQ(d.form->ItemIndex(), 2);
    // The abbreviations stand on row 10 from the column of each corner b.
    EXPECT_GT(d.Count(qRgb(0, 255, 255)), 10);
    int blueOnRow10 = 0;
    for (int y = 10; y < 22; ++y)
        for (int x = d.Column(120); x < d.Column(120) + 12; ++x) blueOnRow10 += d.img().pixel(x, y) == Blue;
    EXPECT_GT(blueOnRow10, 0);
    dialogtest::SaveShot(*d.form, QStringLiteral("graph_output"));
}

}  // namespace
