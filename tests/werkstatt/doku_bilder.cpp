// The README's pictures of the Fuzzy-Werkstatt: every page at the window's
// default size with examples/lok.fuz (the Truck-Labor with examples/truck.fuz,
// which drives the truck), and the worksheet's pages:
//   werkstatt_doku_bilder OUTDIR
// Writes OUTDIR/werkstatt.png (the first page) and OUTDIR/werkstatt/*.png.
// Run by hand when the look changes; not a test.
#include "widgets/Application.h"
#include "werkstatt/ansichten/Inspektor.h"
#include "werkstatt/labor/LokLabor.h"
#include "werkstatt/Main.h"
#include "werkstatt/labor/TruckLabor.h"
#include "werkstatt/seiten/VariablenSeite.h"
#include "werkstatt/seiten/TermDiagramm.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    widgets::TApplication app(argc, argv, QStringLiteral("Fuzzy-Werkstatt"));
    QCoreApplication::setOrganizationName(QStringLiteral("FuzzyLehreDoku"));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out + QStringLiteral("/werkstatt"));
    werkstatt::TMainForm form;
    form.resize(960, 760);
    form.show();
    form.OeffnenDatei(QStringLiteral(FUZZY_SOURCE_DIR "/examples/lok.fuz"));
    QTest::qWait(100);
    const char* namen[] = {"eingang_a", "eingang_b", "ausgang",     "regeln",
                           "inspektor", "kennfeld",  "truck_labor", "lok_labor"};
    auto* truck = static_cast<labor::TruckLabor*>(form.TruckLabor());
    auto* lok = static_cast<labor::LokLabor*>(form.LokLabor());
    for (int i = 0; i < form.Seiten->count() && i < 8; ++i) {
        if (i == 6) {
            form.OeffnenDatei(QStringLiteral(FUZZY_SOURCE_DIR "/examples/truck.fuz"));
            if (!QTest::qWaitFor([&] { return !truck->rechnet(); }, 60000)) return 1;
        }
        if (i == 7) {
            form.OeffnenDatei(QStringLiteral(FUZZY_SOURCE_DIR "/examples/lok.fuz"));
            if (!QTest::qWaitFor([&] { return !lok->rechnet(); }, 60000)) return 1;
        }
        form.Seiten->setCurrentIndex(i);
        if (i == 0) {
            form.SeiteA->WaehleTerm(3);
            form.SeiteA->Diagramm->setFocus();
            form.SeiteA->Diagramm->setAktiverGriff(fuzzy::ParamD);
        }
        if (i == 4) static_cast<ansichten::Inspektor*>(form.Inspektor())->setEingaben(8.0f, -12.0f);
        QTest::qWait(i == 5 ? 1500 : 300);
        const QImage bild = form.grab().toImage();
        bild.save(out + QStringLiteral("/werkstatt/%1.png").arg(QString::fromLatin1(namen[i])));
        if (i == 0) bild.save(out + QStringLiteral("/werkstatt.png"));
    }
    // The worksheet in the print preview, grabbed once it has painted.
    form.OeffnenDatei(QStringLiteral(FUZZY_SOURCE_DIR "/examples/lok.fuz"));
    // The file does not say it drives the locomotive; the picture shows its sheet.
    form.Modell.setzeFahrzeug(werkstatt::Fahrzeug::Lok);
    QTimer::singleShot(1500, [&out] {
        if (QWidget* vorschau = QApplication::activeModalWidget()) {
            vorschau->grab().save(out + QStringLiteral("/werkstatt/druckvorschau.png"));
            vorschau->close();
        }
    });
    form.Drucken1Click();
    return 0;
}
