// Pictures of the lesson's windows: the labs' step picker with the
// inspector beside them ("Warum?"), the exercise panel with a failed and a
// passed attempt, and the editor an exercise locks (with its tooltip):
//   aufgabe_shots OUTDIR        (run under a display, e.g. xvfb-run -a)
#include "widgets/Application.h"
#include "werkstatt/aufgabe/AufgabenPanel.h"
#include "werkstatt/Main.h"
#include "werkstatt/seiten/RegelSeite.h"
#include "werkstatt/seiten/VariablenSeite.h"
#include "werkstatt/labor/LokLabor.h"
#include "werkstatt/labor/SchrittWahl.h"
#include "werkstatt/labor/TruckLabor.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

namespace {

// The whole screen: a tooltip is a window of its own.
void Bild(const QString& out, const char* name) {
    QTest::qWait(300);
    QApplication::primaryScreen()->grabWindow(0).save(out + QStringLiteral("/%1.png").arg(QLatin1String(name)));
}

QString Aufgaben(const char* datei) {
    return QStringLiteral(FUZZY_SOURCE_DIR "/examples/aufgaben/%1").arg(QLatin1String(datei));
}

}  // namespace

int main(int argc, char** argv) {
    widgets::TApplication app(argc, argv, QStringLiteral("Fuzzy-Werkstatt"),
                              {QStringLiteral("werkstatt"), QStringLiteral("labor")});
    QCoreApplication::setOrganizationName(QStringLiteral("FuzzyLehreShots"));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    werkstatt::TMainForm form;
    form.move(0, 0);
    form.resize(1360, 840);
    form.show();

    // "Warum?" in the truck lab: a start far out, a step on its way.
    form.OeffnenDatei(QStringLiteral(FUZZY_SOURCE_DIR "/examples/truck.fuz"));
    auto* truck = form.TruckLabor();
    form.Seiten->setCurrentWidget(truck);
    (void)QTest::qWaitFor([truck] { return !truck->rechnet(); }, 60000);
    truck->schrittAuswahl()->warumKnopf()->click();
    truck->waehleSchritt(20, 40);
    Bild(out, "labor_warum_truck");
    auto* lok = form.LokLabor();
    form.OeffnenDatei(QStringLiteral(FUZZY_SOURCE_DIR "/examples/lok.fuz"));
    form.Seiten->setCurrentWidget(lok);
    (void)QTest::qWaitFor([lok] { return !lok->rechnet(); }, 60000);
    lok->schrittAuswahl()->warumKnopf()->click();
    lok->waehleLauf(2, 30);
    Bild(out, "labor_warum_lok");

    // How long after "Aufgabe öffnen…" each shipped exercise's status shows.
    for (const char* name : {"01_regelschritt", "02_termdiagramm", "03_lok_tabelle", "04_luecke", "05_truck_12_regeln",
                             "06_schnelle_lok", "07_tuner_vergleich", "08_sv_kurve"}) {
        QElapsedTimer uhr;
        uhr.start();
        form.AufgabeOeffnen(Aufgaben(name) + QStringLiteral(".fuzaufgabe"));
        (void)QTest::qWaitFor([&] { return !form.Aufgabe()->rechnet(); }, 60000);
        qInfo("%s: status after %lld ms", name, static_cast<long long>(uhr.elapsed()));
    }

    // The exercise panel: a wrong attempt, checked, then the reference.
    form.AufgabeOeffnen(Aufgaben("03_lok_tabelle.fuzaufgabe"));
    form.OeffnenDatei(Aufgaben("03_lok_tabelle.falsch.fuz"));
    form.Seiten->setCurrentWidget(form.SeiteRegeln);
    (void)QTest::qWaitFor([&] { return !form.Aufgabe()->rechnet(); }, 60000);
    form.Aufgabe()->pruefenKnopf()->click();
    Bild(out, "aufgabe_falsch");
    form.OeffnenDatei(Aufgaben("03_lok_tabelle.loesung.fuz"));
    (void)QTest::qWaitFor([&] { return !form.Aufgabe()->rechnet(); }, 60000);
    form.Aufgabe()->pruefenKnopf()->click();
    Bild(out, "aufgabe_bestanden");

    // The locked editor: the range and the terms of a rules-only exercise.
    form.Seiten->setCurrentWidget(form.SeiteA);
    QTest::qWait(200);
    auto* feld = form.SeiteA->HinzuBtn;
    QToolTip::showText(feld->mapToGlobal(QPoint(feld->width() / 2, feld->height())), feld->toolTip(), feld);
    Bild(out, "aufgabe_gesperrt");
    return 0;
}
