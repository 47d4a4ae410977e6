// Pictures of the views: valid PNG and SVG files, clear failures, and the
// plot that paints the engine's term diagrams anywhere.
#include "werkstatt/ansichten/Bildexport.h"
#include "werkstatt/ansichten/Farbskala.h"
#include "werkstatt/ansichten/Inspektor.h"
#include "werkstatt/ansichten/KennfeldAnsicht.h"
#include "werkstatt/ansichten/PainterPlot.h"

#include "tests/werkstatt/ansichten/AnsichtenTest.h"
#include "widgets/Ks.h"
#include "tests/support/MessageRecorder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QBuffer>
#include <QLineF>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>

namespace {

using ansichtentest::Laden;
using fuzzy::Project;

// A red square on white in the middle of the scene.
void Quadrat(QPainter& p, QSize g) {
    p.fillRect(QRect(g.width() / 4, g.height() / 4, g.width() / 2, g.height() / 2), Qt::red);
}

TEST(Bildexport, PngHasTheSceneAtTheChosenScale) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("bild.png"));
    QString fehler;
    ASSERT_TRUE(ansichten::SpeichereAnsicht(pfad, QSize(120, 80), Quadrat, &fehler, 2)) << qPrintable(fehler);
    QImage bild;
    ASSERT_TRUE(bild.load(pfad, "PNG"));
    EXPECT_EQ(bild.size(), QSize(240, 160));
    EXPECT_EQ(QColor(bild.pixel(120, 80)), QColor(Qt::red));
    EXPECT_EQ(QColor(bild.pixel(5, 5)), QColor(Qt::white));
}

TEST(Bildexport, SvgIsValidVectorGraphicsOfTheScene) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("bild.SVG"));
    QString fehler;
    ASSERT_TRUE(ansichten::SpeichereAnsicht(pfad, QSize(120, 80), Quadrat, &fehler)) << qPrintable(fehler);
    QSvgRenderer svg(pfad);
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 120, 80));
    QImage bild(120, 80, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    svg.render(&p);
    p.end();
    EXPECT_EQ(QColor(bild.pixel(60, 40)), QColor(Qt::red));
}

struct FehlerFall {
    const char* name;
    QString (*pfad)(const QTemporaryDir&);
    const char* meldung;
};

class BildexportFehler : public testing::TestWithParam<FehlerFall> {};

TEST_P(BildexportFehler, ReportsInGermanAndWritesNothing) {
    QTemporaryDir dir;
    QFile alt(dir.filePath(QStringLiteral("alt.png")));
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.write("alt");
    alt.close();
    const FehlerFall f = GetParam();
    QString fehler;
    EXPECT_FALSE(ansichten::SpeichereAnsicht(f.pfad(dir), QSize(50, 50), Quadrat, &fehler));
    EXPECT_TRUE(fehler.contains(QString::fromUtf8(f.meldung))) << qPrintable(fehler);
    QFile::remove(dir.filePath(QStringLiteral("alt.png")));
    // Nothing else appeared (no half-written or temporary file).
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BildexportFehler,
    testing::Values(FehlerFall{"UnknownSuffix",
                               [](const QTemporaryDir& d) { return d.filePath(QStringLiteral("bild.jpg")); },
                               "Bildformat"},
                    FehlerFall{"MissingFolder",
                               [](const QTemporaryDir& d) { return d.filePath(QStringLiteral("fehlt/bild.png")); },
                               "existiert nicht"},
                    FehlerFall{"FolderInsteadOfFile",
                               [](const QTemporaryDir& d) { return d.path() + QStringLiteral("/.."); }, "Bildformat"},
                    FehlerFall{"FileInPlaceOfFolder",
                               [](const QTemporaryDir& d) { return d.filePath(QStringLiteral("alt.png/bild.svg")); },
                               "existiert nicht"},
                    FehlerFall{"UnwritablePlace", [](const QTemporaryDir&) { return QStringLiteral("/proc/bild.png"); },
                               "nicht gespeichert"}),
    [](const testing::TestParamInfo<FehlerFall>& i) { return std::string(i.param.name); });

TEST(Bildexport, DirectoryNamedLikeAPictureIsRefused) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("ordner.png"));
    ASSERT_TRUE(QDir().mkdir(pfad));
    QString fehler;
    EXPECT_FALSE(ansichten::SpeichereAnsicht(pfad, QSize(50, 50), Quadrat, &fehler));
    EXPECT_TRUE(fehler.contains(QStringLiteral("Ordner"))) << qPrintable(fehler);
    EXPECT_TRUE(QFileInfo(pfad).isDir());
}

TEST(Bildexport, FailureKeepsAnExistingPictureWhole) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("bild.png"));
    QString fehler;
    ASSERT_TRUE(ansichten::SpeichereAnsicht(pfad, QSize(40, 40), Quadrat, &fehler));
    const QByteArray vorher = [&] {
        QFile f(pfad);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    // An empty scene cannot be saved; the old picture stays as it was.
    EXPECT_FALSE(ansichten::SpeichereAnsicht(pfad, QSize(0, 0), Quadrat, &fehler));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), vorher);
}

TEST(Bildexport, SuggestedNameHoldsNoPathOrForbiddenCharacters) {
    const std::pair<const char*, const char*> faelle[] = {
        {"Kraft in N", "kennfeld-Kraft in N.png"},
        {"Weg/Zeit", "kennfeld-Weg_Zeit.png"},
        {"a\\b:c*d?e\"f<g>h|i", "kennfeld-a_b_c_d_e_f_g_h_i.png"},
        {"  ", "kennfeld.png"},
    };
    for (const auto& [name, erwartet] : faelle)
        EXPECT_EQ(ansichten::Dateivorschlag(QStringLiteral("kennfeld"), QString::fromUtf8(name)),
                  QString::fromUtf8(erwartet));
}

// The views' own button: a file name chosen, the picture written; a failure
// shown in an error box, not swallowed and not crashing.
TEST(Bildexport, ButtonsOfBothViewsSaveOrShowTheError) {
    const fuzzy::Project p = Laden("truck.fuz");
    ansichten::Inspektor inspektor;
    ansichten::Kennfeld kennfeld;
    inspektor.resize(900, 600);
    kennfeld.resize(600, 450);
    inspektor.show();
    kennfeld.show();
    inspektor.setProjekt(p);
    kennfeld.setProjekt(p);
    kennfeld.warteAufErgebnis();
    QTemporaryDir dir;
    QString ziel;
    const ansichten::DateiWahl vorher = ansichten::SetDateiWahl([&](QWidget*, const QString&) { return ziel; });
    testsupport::MessageRecorder boxen;
    for (QPushButton* knopf : {inspektor.speichernKnopf(), kennfeld.speichernKnopf()}) {
        for (const char* endung : {"png", "svg"}) {
            ziel = dir.filePath(QStringLiteral("ansicht.") + QLatin1String(endung));
            knopf->click();
            EXPECT_TRUE(QFileInfo(ziel).size() > 1000) << qPrintable(ziel);
            QFile::remove(ziel);
        }
        ziel = dir.filePath(QStringLiteral("fehlt/ansicht.png"));
        knopf->click();
        ASSERT_EQ(boxen.Count(), 1);
        EXPECT_EQ(boxen.Last().kind, widgets::MessageKind::Error);
        EXPECT_TRUE(boxen.Last().text.contains(QStringLiteral("existiert nicht")));
        boxen.Clear();
    }
    ansichten::SetDateiWahl(vorher);
}

// --- the term diagram through any painter -----------------------------------

TEST(PainterPlot, MapsWorldToPixelsLikeThePlotComponent) {
    TKoordinatensystem ks;
    ks.resize(277, 141);
    QImage bild(400, 300, QImage::Format_RGB32);
    QPainter p(&bild);
    const QRect bereich(17, 9, 277, 141);
    ansichten::PainterPlot plot(p, bereich);
    for (auto [x1, x2, y1, y2] :
         {std::tuple{-10.0f, 10.0f, -10.0f, 10.0f}, {100.0f, 300.0f, 0.0f, 1.0f}, {-20.0f, 5.0f, 0.0f, 1.0f}}) {
        ks.setX1(x1);
        ks.setX2(x2);
        ks.setY1(y1);
        ks.setY2(y2);
        plot.setX1(x1);
        plot.setX2(x2);
        plot.setY1(y1);
        plot.setY2(y2);
        for (float f : {-0.5f, 0.0f, 0.25f, 0.5f, 0.7f, 1.0f, 2.0f}) {
            EXPECT_EQ(plot.FracToPixelX(f), ks.FracToPixelX(f)) << f;
            EXPECT_EQ(plot.FracToPixelY(f), ks.FracToPixelY(f)) << f;
        }
        for (float x : {x1, x2, (x1 + x2) / 3}) {
            plot.Setx(x);
            ks.Setx(x);
            EXPECT_EQ(plot.xint(), ks.xint()) << x;
            EXPECT_EQ(plot.Punkt(x, y2), bereich.topLeft() + QPoint(ks.xint(), ks.FracToPixelY(1.0f)));
        }
    }
}

TEST(PainterPlot, DrawTermsPaintsTheTermsInTheirColoursInsideTheArea) {
    const fuzzy::Project pr = Laden("truck.fuz");
    fuzzy::TFuzzy v = pr.A;
    v.InitColours();
    QImage bild(500, 300, QImage::Format_RGB32);
    bild.fill(Qt::black);  // Refresh must whiten exactly the plot's area
    const QRect bereich(50, 40, 400, 200);
    {
        QPainter p(&bild);
        ansichten::PainterPlot plot(p, bereich);
        v.DrawTerms(plot);
        EXPECT_EQ(plot.x1(), v.RangeMin);
        EXPECT_EQ(plot.x2(), v.RangeMax);
    }
    EXPECT_EQ(QColor(bild.pixel(10, 10)), QColor(Qt::black));
    EXPECT_EQ(QColor(bild.pixel(bereich.left() + 2, bereich.top() + 2)), QColor(Qt::white));
    for (int i = 1; i <= v.TermCount; ++i) {
        const fuzzy::TColor c = v.GetColour(i);
        int n = 0;
        for (int y = bereich.top(); y <= bereich.bottom(); ++y)
            for (int x = bereich.left(); x <= bereich.right(); ++x) n += bild.pixel(x, y) == qRgb(c.r, c.g, c.b);
        EXPECT_GT(n, 20) << "term " << i;
    }
}

TEST(PainterPlot, TermLinesStayInsideTheAreaInSvgToo) {
    // Truck's input A has corners at -100 on a range from -20: without
    // cutting, its lines would run far left of the diagram. An SVG keeps no
    // clip, so the lines must be cut before they are drawn.
    const fuzzy::Project pr = Laden("truck.fuz");
    fuzzy::TFuzzy v = pr.A;
    v.InitColours();
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&puffer);
    svg.setSize(QSize(500, 300));
    svg.setViewBox(QRect(0, 0, 500, 300));
    const QRect bereich(100, 40, 300, 200);
    {
        QPainter p(&svg);
        ansichten::PainterPlot plot(p, bereich);
        v.DrawTerms(plot);
    }
    QSvgRenderer renderer(daten);
    ASSERT_TRUE(renderer.isValid());
    QImage bild(500, 300, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    renderer.render(&p);
    p.end();
    int aussen = 0, innen = 0;
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 500; ++x) {
            const bool farbig = qGray(bild.pixel(x, y)) < 200;
            (bereich.adjusted(-1, -1, 1, 1).contains(x, y) ? innen : aussen) += farbig;
        }
    EXPECT_EQ(aussen, 0);
    EXPECT_GT(innen, 100);
}

TEST(PainterPlot, TermDiagramPictureShowsEveryTermAndNothingForAnUndefinedVariable) {
    const fuzzy::Project pr = Laden("lok.fuz");
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("terme.png"));
    QString fehler;
    ASSERT_TRUE(ansichten::SpeichereAnsicht(
        pfad, QSize(400, 200), [&](QPainter& p, QSize g) { ansichten::MaleTermdiagramm(p, g, pr.B); }, &fehler));
    QImage bild(pfad);
    fuzzy::TFuzzy farben = pr.B;
    ansichten::DruckFarben(farben);  // the views' print-safe colours
    for (int i = 1; i <= pr.B.TermCount; ++i) {
        const fuzzy::TColor c = farben.GetColour(i);
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) n += QColor(bild.pixel(x, y)) == QColor(c.r, c.g, c.b);
        EXPECT_GT(n, 20) << "term " << i;
    }
    QImage leer(400, 200, QImage::Format_RGB32);
    leer.fill(Qt::black);
    QPainter p(&leer);
    ansichten::MaleTermdiagramm(p, leer.size(), fuzzy::TFuzzy());
    p.end();
    EXPECT_EQ(leer.pixel(200, 100), qRgb(255, 255, 255));
}

TEST(PainterPlot, CutsLinesToTheRectangle) {
    const QRectF r(0, 0, 10, 10);
    struct Fall {
        QLineF linie;
        bool bleibt;
        QLineF erwartet;
    };
    const Fall faelle[] = {
        {QLineF(1, 1, 9, 9), true, QLineF(1, 1, 9, 9)},    {QLineF(-10, 5, 5, 5), true, QLineF(0, 5, 5, 5)},
        {QLineF(5, 5, 20, 5), true, QLineF(5, 5, 10, 5)},  {QLineF(-5, -5, 15, 15), true, QLineF(0, 0, 10, 10)},
        {QLineF(-5, 1, -1, 9), false, QLineF()},           {QLineF(3, -4, 3, -1), false, QLineF()},
        {QLineF(3, 12, 3, -2), true, QLineF(3, 10, 3, 0)},
    };
    for (const Fall& f : faelle) {
        QLineF l = f.linie;
        ASSERT_EQ(ansichten::Beschneiden(l, r), f.bleibt) << f.linie.x1() << "," << f.linie.y1();
        if (!f.bleibt) continue;
        EXPECT_NEAR(l.x1(), f.erwartet.x1(), 1e-9);
        EXPECT_NEAR(l.y1(), f.erwartet.y1(), 1e-9);
        EXPECT_NEAR(l.x2(), f.erwartet.x2(), 1e-9);
        EXPECT_NEAR(l.y2(), f.erwartet.y2(), 1e-9);
    }
}

}  // namespace
