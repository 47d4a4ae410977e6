// Pictures of the inspector and the control surface for a look at them:
//   ansichten_shots [--lang de|en] OUTPUT_FOLDER
// Shows both views side by side on examples/truck.fuz, examples/lok.fuz and
// examples/beispiel.fuz, saves a grab of each window and the views' own PNG
// and SVG pictures, and prints how long a surface takes from setProjekt to
// the screen. Not a test; built on demand (target ansichten_shots).
#include "widgets/Application.h"
#include "werkstatt/ansichten/Bildexport.h"
#include "fuzzy/Project.h"
#include "werkstatt/ansichten/Inspektor.h"
#include "fuzzy/Surface.h"
#include "werkstatt/ansichten/KennfeldAnsicht.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QTimer>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <cstdio>
#include <functional>
#include <ctime>

namespace {

struct Fall {
    const char* datei;
    float a, b;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    widgets::TApplication app(argc, argv, QStringLiteral("Fuzzy-Werkstatt"),
                              {QStringLiteral("gemeinsam"), QStringLiteral("labor")});
    if (argc != 2) return 2;
    const QDir dir(QString::fromLocal8Bit(argv[1]));

    for (const Fall& f : {Fall{"truck", -6.5f, 25.0f}, Fall{"lok", 40.0f, 8.0f}, Fall{"beispiel", -2.5f, 0.0f}}) {
        fuzzy::Project projekt = fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR "/examples/") + f.datei + ".fuz");

        QWidget fenster;
        fenster.setWindowTitle(QStringLiteral("Inspektor und Kennfeld"));
        auto* layout = new QHBoxLayout(&fenster);
        auto* inspektor = new ansichten::Inspektor(&fenster);
        auto* kennfeld = new ansichten::Kennfeld(&fenster);
        layout->addWidget(inspektor, 3);
        layout->addWidget(kennfeld, 2);
        QObject::connect(inspektor, &ansichten::Inspektor::eingabenGeaendert, kennfeld, &ansichten::Kennfeld::setMarke);
        QObject::connect(kennfeld, &ansichten::Kennfeld::punktGewaehlt, inspektor, &ansichten::Inspektor::setEingaben);
        fenster.resize(1500, 720);
        fenster.show();

        QElapsedTimer uhr;
        uhr.start();
        inspektor->setProjekt(projekt);
        const qint64 inspektorZeit = uhr.nsecsElapsed();
        uhr.restart();
        kennfeld->setProjekt(projekt);
        kennfeld->warteAufErgebnis();
        kennfeld->bild()->repaint();
        const qint64 kennfeldZeit = uhr.nsecsElapsed();
        inspektor->setEingaben(f.a, f.b);
        app.processEvents();
        std::printf("%s: Inspektor %.2f ms, Kennfeld bis auf dem Schirm %.2f ms, Ausgang %s\n", f.datei,
                    inspektorZeit / 1e6, kennfeldZeit / 1e6, qPrintable(inspektor->ausgangAnzeige()->text()));

        // Edits in a row, as a drag makes them: the time from setProjekt to
        // the surface and the inspector painted, wall clock and CPU of the
        // whole process (the machine may be shared).
        constexpr int Runden = 10;
        QImage leinwand(kennfeld->szenengroesse(), QImage::Format_RGB32);
        QImage leinwandI(inspektor->szenengroesse(), QImage::Format_RGB32);
        uhr.restart();
        const fuzzy::RuleTable RegelnVorher = projekt.Rules;
        const std::clock_t cpu0 = std::clock();
        for (int r = 0; r < Runden; ++r) {
            projekt.Rules.Set(1, 1, 1 + r % 5);
            inspektor->setProjekt(projekt);
            {
                QPainter p(&leinwandI);
                inspektor->malen(p, leinwandI.size());
            }
            kennfeld->setProjekt(projekt);
            kennfeld->warteAufErgebnis();
            QPainter p(&leinwand);
            kennfeld->malen(p, leinwand.size());
        }
        projekt.Rules = RegelnVorher;
        const double cpu = double(std::clock() - cpu0) / CLOCKS_PER_SEC * 1000.0 / Runden;
        std::printf("%s: je Bearbeitung %.2f ms Uhrzeit, %.2f ms CPU (Kennfeld %dx%d, beide Szenen gemalt)\n", f.datei,
                    uhr.nsecsElapsed() / 1e6 / Runden, cpu, kennfeld->szene().gitter.Nx, kennfeld->szene().gitter.Ny);

        // The same, part by part (CPU time per edit).
        auto messen = [](const char* was, const std::function<void()>& tun) {
            const std::clock_t c0 = std::clock();
            for (int r = 0; r < Runden; ++r) tun();
            std::printf("    %-40s %6.2f ms CPU\n", was, double(std::clock() - c0) / CLOCKS_PER_SEC * 1000.0 / Runden);
        };
        messen("Inspektor: setProjekt", [&] { inspektor->setProjekt(projekt); });
        messen("Inspektor: Szene malen", [&] {
            QPainter p(&leinwandI);
            p.setRenderHint(QPainter::Antialiasing);
            inspektor->malen(p, leinwandI.size());
        });
        const int n = kennfeld->szene().gitter.Nx, m = kennfeld->szene().gitter.Ny;
        ansichten::KennfeldSzene s;
        messen("Kennfeld: Werte rechnen", [&] { s.gitter = fuzzy::ComputeSurface(projekt, n, m); });
        s.projekt = projekt;
        messen("Kennfeld: Farben und Hoehenlinien", [&] { ansichten::SzeneAufbereiten(s); });
        messen("Kennfeld: Szene malen", [&] {
            QPainter p(&leinwand);
            p.setRenderHint(QPainter::Antialiasing);
            ansichten::MaleKennfeld(p, leinwand.size(), s);
        });

        inspektor->setProjekt(projekt);
        kennfeld->setProjekt(projekt);
        kennfeld->warteAufErgebnis();
        const QString name = QString::fromLatin1(f.datei);
        fenster.grab().save(dir.filePath(name + QStringLiteral("_fenster.png")));
        QString fehler;
        for (const char* endung : {".png", ".svg"}) {
            ansichten::SpeichereAnsicht(
                dir.filePath(name + QStringLiteral("_inspektor") + QLatin1String(endung)), inspektor->szenengroesse(),
                [inspektor](QPainter& p, QSize g) { inspektor->malen(p, g); }, &fehler, 2);
            ansichten::SpeichereAnsicht(
                dir.filePath(name + QStringLiteral("_kennfeld") + QLatin1String(endung)), kennfeld->szenengroesse(),
                [kennfeld](QPainter& p, QSize g) { kennfeld->malen(p, g); }, &fehler, 2);
        }
        // The SVG pictures drawn back by an SVG renderer, to look at them.
        for (const char* teil : {"_inspektor", "_kennfeld"}) {
            QSvgRenderer svg(dir.filePath(name + QLatin1String(teil) + QStringLiteral(".svg")));
            QImage bild(svg.defaultSize(), QImage::Format_RGB32);
            bild.fill(Qt::white);
            QPainter p(&bild);
            svg.render(&p);
            p.end();
            bild.save(dir.filePath(name + QLatin1String(teil) + QStringLiteral("_svg.png")));
        }
    }

    // The dialogs of "Bild speichern…" and the views' context menu, each
    // grabbed as it opens and then closed.
    {
        ansichten::Kennfeld kennfeld;
        kennfeld.resize(600, 500);
        kennfeld.show();
        kennfeld.setProjekt(fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR "/examples/truck.fuz")));
        kennfeld.warteAufErgebnis();
        auto offen = [&](const char* name) {
            QWidget* w = QApplication::activePopupWidget();
            if (!w) w = QApplication::activeModalWidget();
            if (w) w->grab().save(dir.filePath(QString::fromLatin1(name) + QStringLiteral(".png")));
            return w;
        };
        QTimer::singleShot(300, [&] {
            if (QWidget* m = offen("kontextmenue")) m->close();
        });
        QContextMenuEvent klick(QContextMenuEvent::Mouse, QPoint(100, 100),
                                kennfeld.bild()->mapToGlobal(QPoint(100, 100)));
        QApplication::sendEvent(kennfeld.bild(), &klick);
        QTimer::singleShot(500, [&] {
            auto* datei = qobject_cast<QFileDialog*>(offen("bild_speichern_datei"));
            if (!datei) return;
            datei->selectFile(dir.filePath(QStringLiteral("kennfeld_dialog.png")));
            QTimer::singleShot(500, [&] {
                if (auto* d = qobject_cast<QDialog*>(offen("bild_speichern_groesse"))) d->reject();
            });
            static_cast<QDialog*>(datei)->accept();
        });
        kennfeld.bildSpeichern();
    }
    return 0;
}
