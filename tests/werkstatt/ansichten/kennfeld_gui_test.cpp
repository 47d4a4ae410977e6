// The control surface as a widget: the field on screen is the engine's, a
// click chooses the point under the mouse, hovering tells the exact output.
#include "werkstatt/ansichten/KennfeldAnsicht.h"

#include "tests/werkstatt/ansichten/AnsichtenTest.h"
#include "werkstatt/ansichten/Farbskala.h"
#include "fuzzy/NoRuleRegions.h"

#include "tests/support/SvgTexte.h"
#include "widgets/Zahlformat.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTransform>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

using ansichtentest::Engine;
using ansichtentest::Laden;
using fuzzy::Project;

struct Ansicht {
    ansichten::Kennfeld k;
    explicit Ansicht(const fuzzy::Project& p) {
        k.resize(700, 520);
        k.show();
        k.setProjekt(p);
        k.warteAufErgebnis();
    }
    QSize groesse() const { return k.bild()->size(); }
    QPoint pixel(float a, float b) const {
        return ansichten::PixelPunkt(k.szene(), groesse(), QPointF(a, b)).toPoint();
    }
};

TEST(KennfeldAnsicht, FieldOnScreenIsTheEnginesAtLeast200By200) {
    const fuzzy::Project p = Laden("truck.fuz");
    Ansicht v(p);
    const fuzzy::SurfaceGrid& g = v.k.szene().gitter;
    ASSERT_GE(g.Nx, 200);
    ASSERT_GE(g.Ny, 200);
    for (auto [i, j] : {std::pair{0, 0}, {g.Nx - 1, 0}, {0, g.Ny - 1}, {g.Nx - 1, g.Ny - 1}, {g.Nx / 2, g.Ny / 3}})
        EXPECT_EQ(g.Value(i, j), Engine(p, g.A(i), g.B(j))) << i << ", " << j;
}

TEST(KennfeldAnsicht, LatestProjectWinsWhenEditsComeFasterThanTheField) {
    fuzzy::Project p = Laden("truck.fuz");
    Ansicht v(p);
    // Several edits in a row: the field finally shown is the last one's.
    for (int k = 1; k <= 5; ++k) {
        p.Rules.Set(3, 3, k);
        v.k.setProjekt(p);
    }
    v.k.warteAufErgebnis();
    EXPECT_FALSE(v.k.rechnet());
    EXPECT_EQ(v.k.szene().projekt.Rules, p.Rules);
    const fuzzy::SurfaceGrid& g = v.k.szene().gitter;
    EXPECT_EQ(g.Value(g.Nx / 2, g.Ny / 2), Engine(p, g.A(g.Nx / 2), g.B(g.Ny / 2)));
}

struct KlickFall {
    const char* name;
    double fa, fb;  // place in the plot: 0 = left/bottom, 1 = right/top
};

class KennfeldKlick : public testing::TestWithParam<KlickFall> {};

TEST_P(KennfeldKlick, EmitsThePointUnderTheMouse) {
    const fuzzy::Project p = Laden("truck.fuz");
    Ansicht v(p);
    const KlickFall f = GetParam();
    const QRectF plot = ansichten::KennfeldAufteilen(v.groesse(), true).plot;
    const QPoint pos(static_cast<int>(plot.left() + f.fa * plot.width()),
                     static_cast<int>(plot.bottom() - f.fb * plot.height()));
    QSignalSpy spy(&v.k, &ansichten::Kennfeld::punktGewaehlt);
    QTest::mouseClick(v.k.bild(), Qt::LeftButton, Qt::NoModifier, pos);
    ASSERT_EQ(spy.count(), 1);
    const float a = spy.last().at(0).toFloat(), b = spy.last().at(1).toFloat();
    // One pixel of the plot spans this much of each range.
    const double pa = (p.A.RangeMax - p.A.RangeMin) / plot.width();
    const double pb = (p.B.RangeMax - p.B.RangeMin) / plot.height();
    EXPECT_NEAR(a, p.A.RangeMin + f.fa * (p.A.RangeMax - p.A.RangeMin), 1.5 * pa);
    EXPECT_NEAR(b, p.B.RangeMin + f.fb * (p.B.RangeMax - p.B.RangeMin), 1.5 * pb);
    ASSERT_TRUE(v.k.szene().marke.has_value());
    EXPECT_EQ(v.k.szene().marke->x(), a);
}

INSTANTIATE_TEST_SUITE_P(Stellen, KennfeldKlick,
                         testing::Values(KlickFall{"BottomLeftIsLowestAAndB", 0.002, 0.002},
                                         KlickFall{"TopLeftIsLowestAHighestB", 0.002, 0.998},
                                         KlickFall{"BottomRightIsHighestALowestB", 0.998, 0.002},
                                         KlickFall{"OffCentre", 0.3, 0.8}),
                         [](const testing::TestParamInfo<KlickFall>& i) { return std::string(i.param.name); });

TEST(KennfeldAnsicht, ClickOutsideThePlotChoosesNothing) {
    const fuzzy::Project p = Laden("truck.fuz");
    Ansicht v(p);
    QSignalSpy spy(&v.k, &ansichten::Kennfeld::punktGewaehlt);
    QTest::mouseClick(v.k.bild(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseClick(v.k.bild(), Qt::LeftButton, Qt::NoModifier, QPoint(v.groesse().width() - 5, 200));
    EXPECT_EQ(spy.count(), 0);
}

TEST(KennfeldAnsicht, HoverShowsBothInputsAndTheEnginesOutput) {
    const fuzzy::Project p = Laden("truck.fuz");
    Ansicht v(p);
    QTest::mouseMove(v.k.bild(), v.pixel(-5.0f, 30.0f));
    const QString t = v.k.hinweis();
    const QStringList teile = t.split(QStringLiteral("="));
    ASSERT_EQ(teile.size(), 4) << qPrintable(t);
    float a = 0.0f, b = 0.0f;
    ASSERT_TRUE(zahl::Lesen(teile[1].section(QLatin1Char(';'), 0, 0).trimmed(), a)) << qPrintable(t);
    ASSERT_TRUE(zahl::Lesen(teile[2].section(QChar(0x2192), 0, 0).trimmed(), b)) << qPrintable(t);
    EXPECT_NEAR(a, -5.0, 0.1);
    EXPECT_NEAR(b, 30.0, 1.0);
    EXPECT_TRUE(t.startsWith(QString::fromStdString(p.A.Name)));
    EXPECT_EQ(teile[3].trimmed(), ansichten::Rechenwert(Engine(p, a, b), p.Out));
}

TEST(KennfeldAnsicht, ColourAtAPointMatchesTheValueThere) {
    const fuzzy::Project p = Laden("truck.fuz");
    Ansicht v(p);
    const ansichten::KennfeldSzene& s = v.k.szene();
    QImage bild(v.groesse(), QImage::Format_RGB32);
    {
        QPainter painter(&bild);
        v.k.malen(painter, v.groesse());
    }
    // Away from contour lines and steep places: compare with the sample's colour.
    int geprueft = 0;
    for (int i = 20; i < s.gitter.Nx; i += 40) {
        for (int j = 20; j < s.gitter.Ny; j += 40) {
            const float w = s.gitter.Value(i, j);
            const QPoint pt = v.pixel(s.gitter.A(i), s.gitter.B(j));
            bool eben = true;
            for (int di = -2; di <= 2; ++di)
                for (int dj = -2; dj <= 2; ++dj) eben &= std::fabs(s.gitter.Value(i + di, j + dj) - w) < 0.3f;
            bool linie = false;
            for (double st : s.stufen) linie |= std::fabs(st - w) < (s.skalaMax - s.skalaMin) * 0.02;
            if (!eben || linie) continue;
            const QColor soll = ansichten::Skalenfarbe((w - s.skalaMin) / (s.skalaMax - s.skalaMin));
            const QColor ist(bild.pixel(pt));
            EXPECT_NEAR(ist.red(), soll.red(), 6) << i << ", " << j;
            EXPECT_NEAR(ist.green(), soll.green(), 6) << i << ", " << j;
            EXPECT_NEAR(ist.blue(), soll.blue(), 6) << i << ", " << j;
            ++geprueft;
        }
    }
    EXPECT_GT(geprueft, 3);
}

TEST(KennfeldAnsicht, OneInputProjectShowsTheCurveAndItsPoint) {
    const fuzzy::Project p = Laden("beispiel.fuz");
    Ansicht v(p);
    const ansichten::KennfeldSzene& s = v.k.szene();
    EXPECT_FALSE(s.gitter.TwoInputs);
    EXPECT_EQ(s.gitter.Ny, 1);
    EXPECT_GE(s.gitter.Nx, 200);
    v.k.setMarke(-2.5f, 0.0f);
    EXPECT_EQ(v.k.szene().markeWert, 0.611111104f);
    // A click picks A only; the vertical axis is the output, not an input.
    QSignalSpy spy(&v.k, &ansichten::Kennfeld::punktGewaehlt);
    QTest::mouseClick(v.k.bild(), Qt::LeftButton, Qt::NoModifier, v.pixel(5.0f, 0.0f));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_NEAR(spy.last().at(0).toFloat(), 5.0, 0.1);
    EXPECT_EQ(spy.last().at(1).toFloat(), 0.0f);
}

}  // namespace

// --- where no rule fires ------------------------------------------------------------

namespace {

struct SchraffurFall {
    const char* name;
    fuzzy::Project (*projekt)();
    // A point in a hatched place (when there is one) and one where a rule fires.
    float totA, totB, lebendA, lebendB;
    bool hatSchraffur;
};

class KennfeldSchraffur : public testing::TestWithParam<SchraffurFall> {};

fuzzy::Project Beispiel() { return Laden("beispiel.fuz"); }

TEST_P(KennfeldSchraffur, PlacesWithoutAFiringRuleAreHatchedWithALegendEntryAndNamedOnHover) {
    const SchraffurFall& f = GetParam();
    const fuzzy::Project p = f.projekt();
    Ansicht v(p);
    const ansichten::KennfeldSzene& s = v.k.szene();
    const fuzzy::NoRuleRegions soll = fuzzy::FindNoRuleRegions(p);
    ASSERT_EQ(s.keineRegel.Boxes.size(), soll.Boxes.size());
    EXPECT_EQ(!s.keineRegel.Empty(), f.hatSchraffur);
    EXPECT_EQ(!ansichten::SchraffurLegende(s, v.groesse()).isEmpty(), f.hatSchraffur);

    const QRectF plot = ansichten::KennfeldAufteilen(v.groesse(), s.gitter.TwoInputs).plot;
    const QPointF tot = ansichten::PixelPunkt(s, v.groesse(), QPointF(f.totA, f.totB));
    if (f.hatSchraffur) {
        // Some hatched rectangle covers the dead point, at least a few pixels
        // wide even where the place is a single value, and stays in the plot.
        bool getroffen = false;
        for (const fuzzy::NoRuleBox& box : s.keineRegel.Boxes) {
            const QRectF r = ansichten::SchraffurRechteck(s, plot, box);
            EXPECT_TRUE(plot.adjusted(-0.01, -0.01, 0.01, 0.01).contains(r));
            EXPECT_GE(r.width(), std::min(ansichten::Mindestbreite, plot.width()) - 1e-9);
            getroffen |= r.adjusted(-0.5, -0.5, 0.5, 0.5).contains(tot);
        }
        EXPECT_TRUE(getroffen);
        ASSERT_TRUE(s.keineRegel.Contains(f.totA, f.totB));
        v.k.MausUeber(tot);
        EXPECT_TRUE(v.k.hinweis().contains(QStringLiteral("keine Regel"))) << qPrintable(v.k.hinweis());
    }
    v.k.MausUeber(ansichten::PixelPunkt(s, v.groesse(), QPointF(f.lebendA, f.lebendB)));
    EXPECT_FALSE(v.k.hinweis().contains(QStringLiteral("keine Regel"))) << qPrintable(v.k.hinweis());
}

INSTANTIATE_TEST_SUITE_P(Kennfeld, KennfeldSchraffur,
                         testing::Values(SchraffurFall{"OldLokDistanceEnd", ansichtentest::LokMitToterStelle, 100.0f,
                                                       20.0f, 10.0f, 20.0f, true},
                                         SchraffurFall{"CurveWithDeadPoints", Beispiel, 0.0f, 0.0f, -2.5f, 0.0f, true},
                                         SchraffurFall{"HoleFreeTemplate", ansichtentest::LokOhneLuecke, 0.0f, 0.0f,
                                                       100.0f, -100.0f, false}),
                         [](const testing::TestParamInfo<SchraffurFall>& i) { return std::string(i.param.name); });

TEST(KennfeldAnsicht, HatchingChangesThePixelsOfTheDeadPlaceOnly) {
    // Drawn over the field: inside the hatched band the picture differs
    // from the same field without the hatching; far from it, it does not.
    const fuzzy::Project p = ansichtentest::LokMitToterStelle();
    Ansicht v(p);
    ansichten::KennfeldSzene ohne = v.k.szene();
    ohne.keineRegel = {};
    QImage mit(v.groesse(), QImage::Format_RGB32), leer(v.groesse(), QImage::Format_RGB32);
    {
        QPainter a(&mit), b(&leer);
        ansichten::MaleKennfeld(a, v.groesse(), v.k.szene());
        ansichten::MaleKennfeld(b, v.groesse(), ohne);
    }
    const QRectF plot = ansichten::KennfeldAufteilen(v.groesse(), true).plot;
    int anders = 0;
    const int x = static_cast<int>(plot.right()) - 1;
    for (int y = static_cast<int>(plot.top()) + 2; y < static_cast<int>(plot.bottom()) - 2; ++y)
        anders += mit.pixel(x, y) != leer.pixel(x, y);
    EXPECT_GT(anders, static_cast<int>(plot.height()) / 2);
    const QPoint mitte = ansichten::PixelPunkt(v.k.szene(), v.groesse(), QPointF(0.0, 0.0)).toPoint();
    EXPECT_EQ(mit.pixel(mitte), leer.pixel(mitte));
}

}  // namespace

// --- the hatching in a saved SVG ----------------------------------------------------

namespace {

// The strokes of the hatching (black at 200 of 255) in an SVG, on the picture.
std::vector<QLineF> Schraffurstriche(const QByteArray& svg) {
    std::vector<QLineF> striche;
    QXmlStreamReader r(svg);
    std::vector<std::pair<QTransform, bool>> stapel{{QTransform(), false}};
    while (!r.atEnd()) {
        r.readNext();
        const auto a = r.attributes();
        if (r.isStartElement() && r.name() == QLatin1String("g")) {
            auto g = stapel.back();
            if (a.hasAttribute(QLatin1String("transform")))
                g.first = testsupport::Matrix(a.value(QLatin1String("transform")).toString()) * g.first;
            if (a.hasAttribute(QLatin1String("stroke")))
                g.second = a.value(QLatin1String("stroke")) == QLatin1String("#000000") &&
                           std::fabs(a.value(QLatin1String("stroke-opacity")).toDouble() - 200.0 / 255.0) < 1e-3;
            stapel.push_back(g);
        } else if (r.isEndElement() && r.name() == QLatin1String("g") && stapel.size() > 1) {
            stapel.pop_back();
        } else if (r.isStartElement() && stapel.back().second && r.name() == QLatin1String("polyline")) {
            QPolygonF pt;
            for (const QString& xy :
                 a.value(QLatin1String("points")).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts))
                pt << stapel.back().first.map(QPointF(xy.section(QLatin1Char(','), 0, 0).toDouble(),
                                                      xy.section(QLatin1Char(','), 1, 1).toDouble()));
            for (int k = 1; k < pt.size(); ++k) striche.emplace_back(pt[k - 1], pt[k]);
        }
    }
    return striche;
}

fuzzy::Project LokOhneErsteSpalte() {
    fuzzy::Project p = ansichtentest::LokOhneLuecke();
    for (int r = 1; r <= 5; ++r) p.Rules.Set(r, 1, 0);
    return p;
}

class SvgSchraffur : public testing::TestWithParam<fuzzy::Project (*)()> {};

// Every stroke lies in the picture and over a place where the engine finds
// no rule firing (widened by the least width a single value gets), or in the
// legend's sample.
TEST_P(SvgSchraffur, StaysOverPlacesWithoutAFiringRuleAndInsideThePicture) {
    ansichten::KennfeldSzene s;
    s.projekt = GetParam()();
    s.gitter = fuzzy::ComputeSurface(s.projekt, s.projekt.B.Defined ? 201 : 401, 201);
    ansichten::SzeneAufbereiten(s);
    const QSize g(794, 600);
    const std::vector<QLineF> striche =
        Schraffurstriche(testsupport::AlsSvg(g, [&](QPainter& q, QSize z) { ansichten::MaleKennfeld(q, z, s); }));
    ASSERT_GT(striche.size(), 3u);
    const QRectF plot = ansichten::KennfeldAufteilen(g, s.gitter.TwoInputs).plot;
    std::vector<QRectF> erlaubt{ansichten::SchraffurLegende(s, g).adjusted(-1, -1, 1, 1)};
    for (const fuzzy::NoRuleBox& b : s.keineRegel.Boxes) {
        QRectF r(ansichten::PixelPunkt(s, g, QPointF(b.A.Low.Value, b.HasB ? b.B.Low.Value : 0.0)),
                 ansichten::PixelPunkt(s, g, QPointF(b.A.High.Value, b.HasB ? b.B.High.Value : 0.0)));
        r = r.normalized();
        if (!b.HasB) r = QRectF(r.left(), plot.top(), r.width(), plot.height());
        const double w = ansichten::Mindestbreite + 0.5;
        erlaubt.push_back(r.adjusted(-w, -w, w, w).intersected(plot.adjusted(-0.5, -0.5, 0.5, 0.5)));
    }
    int draussen = 0, ueberRegeln = 0;
    for (const QLineF& l : striche)
        for (double t = 0.0; t <= 1.0; t += 0.125) {
            const QPointF pt = l.pointAt(t);
            draussen += !QRectF(QPointF(0, 0), g).contains(pt);
            ueberRegeln +=
                std::none_of(erlaubt.begin(), erlaubt.end(), [&](const QRectF& r) { return r.contains(pt); });
        }
    EXPECT_EQ(draussen, 0);
    EXPECT_EQ(ueberRegeln, 0);
}

INSTANTIATE_TEST_SUITE_P(Kennfeld, SvgSchraffur,
                         testing::Values(Beispiel, ansichtentest::LokMitToterStelle, LokOhneErsteSpalte));

}  // namespace
