// The labs' pictures for paper: saved as PNG and SVG, labels readable (none
// on top of another), and the curves and tracks told apart without colour.

#include "werkstatt/labor/BahnenBild.h"
#include "werkstatt/ansichten/Bildexport.h"
#include "werkstatt/labor/KurvenDiagramm.h"
#include "tests/werkstatt/labor/LaborTest.h"
#include "werkstatt/labor/LokLabor.h"
#include "widgets/SingEdit.h"
#include "tests/support/SvgTexte.h"
#include "werkstatt/labor/TruckLabor.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <set>

namespace {

using labortest::Beispiel;

std::string Liste(const std::vector<QString>& l) {
    QString s;
    for (const QString& z : l) s += z + QLatin1Char('\n');
    return s.toStdString();
}

template <typename Lab>
bool Fertig(Lab& lab) {
    return QTest::qWaitFor([&] { return !lab.rechnet() && lab.ergebnis(); }, 60000);
}

// The three masses and the three verdicts each have a pen of their own, so a
// grey printout still tells them apart.
TEST(LaborBild, EveryCurveAndVerdictHasItsOwnDashPattern) {
    std::set<int> stile;
    for (int m = 0; m < 3; ++m) stile.insert(static_cast<int>(labor::LokLabor::Stil(m)));
    EXPECT_EQ(stile.size(), 3u);
    stile.clear();
    for (const labor::TruckUrteil u :
         {labor::TruckUrteil::Angedockt, labor::TruckUrteil::NichtAngedockt, labor::TruckUrteil::StrasseVerlassen})
        stile.insert(static_cast<int>(labor::BahnStil(u)));
    EXPECT_EQ(stile.size(), 3u);
}

// Colours that differ in hue only print as one grey: the lightness of the
// three masses (and verdicts) lies apart.
TEST(LaborBild, ColoursStayApartInGrey) {
    auto grau = [](const QColor& c) { return 0.299 * c.red() + 0.587 * c.green() + 0.114 * c.blue(); };
    const QColor massen[] = {labor::LokLabor::Farbe(0), labor::LokLabor::Farbe(1), labor::LokLabor::Farbe(2)};
    const QColor urteile[] = {labor::BahnFarbe(labor::TruckUrteil::Angedockt),
                              labor::BahnFarbe(labor::TruckUrteil::NichtAngedockt),
                              labor::BahnFarbe(labor::TruckUrteil::StrasseVerlassen)};
    for (const auto* f : {massen, urteile})
        for (int i = 0; i < 3; ++i)
            for (int k = i + 1; k < 3; ++k)
                EXPECT_GT(std::abs(grau(f[i]) - grau(f[k])), 25.0)
                    << f[i].name().toStdString() << " / " << f[k].name().toStdString();
}

TEST(LaborBild, LocomotivePictureLabelsDoNotOverlap) {
    labor::LokLabor lab;
    const fuzzy::Project p = Beispiel("lok.fuz");
    lab.setProjekt(p);
    ASSERT_TRUE(Fertig(lab));
    for (const QSize g : {ansichten::Exportgroesse(QSize(800, 600)), QSize(640, 420)}) {
        const auto texte = testsupport::Texte(testsupport::AlsSvg(g, [&](QPainter& q, QSize s) { lab.malen(q, s); }));
        ASSERT_GT(texte.size(), 10u);
        const auto fehler = testsupport::Ueberlappungen(texte);
        EXPECT_TRUE(fehler.empty()) << g.width() << "x" << g.height() << ":\n" << Liste(fehler);
    }
}

TEST(LaborBild, TruckPictureLabelsDoNotOverlapAndStayInside) {
    labor::TruckLabor lab;
    const fuzzy::Project p = Beispiel("truck.fuz");
    lab.setProjekt(p);
    ASSERT_TRUE(Fertig(lab));
    for (const QSize g : {ansichten::Exportgroesse(QSize(600, 700)), QSize(420, 520)}) {
        const auto texte = testsupport::Texte(testsupport::AlsSvg(g, [&](QPainter& q, QSize s) {
            labor::MaleBahnen(q, s, *lab.ergebnis(), labor::BahnenTitel(*lab.ergebnis()));
        }));
        ASSERT_GE(texte.size(), 3u);
        const auto fehler = testsupport::Ueberlappungen(texte);
        EXPECT_TRUE(fehler.empty()) << g.width() << "x" << g.height() << ":\n" << Liste(fehler);
        bool titel = false;
        for (const auto& t : texte) {
            titel = titel || t.text.startsWith(QStringLiteral("Truck-Labor: 164 Starts"));
            EXPECT_TRUE(QRectF(0, 0, g.width(), g.height()).contains(t.kasten))
                << "„" << t.text.toStdString() << "“ abgeschnitten in " << g.width() << "x" << g.height();
        }
        EXPECT_TRUE(titel) << "a saved picture says what it shows";
    }
}

// "Bild speichern…" on both labs writes the picture the suffix names; before
// a result exists nothing is written.
TEST(LaborBild, BothLabsSaveTheirPictureAsPngAndSvg) {
    testsupport::MessageRecorder boxen;
    QTemporaryDir dir;
    QString ziel;
    const auto vorher = ansichten::SetDateiWahl([&](QWidget*, const QString&) { return ziel; });
    labor::TruckLabor truck;
    labor::LokLabor lok;
    const fuzzy::Project t = Beispiel("truck.fuz"), l = Beispiel("lok.fuz");
    ziel = dir.filePath(QStringLiteral("leer.png"));
    EXPECT_FALSE(truck.bildSpeichern());
    EXPECT_FALSE(QFileInfo::exists(ziel));
    truck.setProjekt(t);
    lok.setProjekt(l);
    ASSERT_TRUE(Fertig(truck));
    ASSERT_TRUE(Fertig(lok));
    for (QPushButton* knopf : {truck.speichernKnopf(), lok.speichernKnopf()})
        for (const char* endung : {"png", "svg"}) {
            ziel = dir.filePath(QStringLiteral("labor.") + QLatin1String(endung));
            knopf->click();
            QFile f(ziel);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << ziel.toStdString();
            const QByteArray anfang = f.read(200);
            EXPECT_TRUE(anfang.startsWith("\x89PNG") || anfang.contains("<svg")) << ziel.toStdString();
            f.close();
            QFile::remove(ziel);
        }
    ansichten::SetDateiWahl(vorher);
    EXPECT_EQ(boxen.Count(), 0);
}

}  // namespace

namespace {

// Closing the lab as a window of its own while a field has the focus: the
// field loses it while the lab is being destroyed, and its "editing
// finished" must not reach the lab any more (the picture tool crashed so).
TEST(LaborSchliessen, FieldWithFocusDoesNotReachADestroyedLab) {
    auto* lab = new labor::LokLabor;
    lab->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(lab));
    QApplication::setActiveWindow(lab);
    lab->reibungFeld()->setFocus();
    QCoreApplication::processEvents();
    ASSERT_TRUE(lab->reibungFeld()->hasFocus());
    delete lab;
    SUCCEED();
}

}  // namespace
