// Pictures of the lab for the worksheets, and the time from an edit to the
// redrawn truck lab. Built on demand only:
//   labor_bilder [--lang de|en] ORDNER          writes the PNGs into ORDNER
//   labor_bilder --messen [N]    N edits of examples/truck.fuz, times printed

#include "widgets/Application.h"
#include "werkstatt/labor/LokLabor.h"
#include "werkstatt/labor/RegelnVerbessern.h"
#include "werkstatt/labor/StrassenBild.h"
#include "werkstatt/labor/TruckLabor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

fuzzy::Project Beispiel(const char* name) {
    fuzzy::Project p = fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR) + "/examples/" + name);
    return p;
}

void Warte(const std::function<bool()>& bis) {
    if (!QTest::qWaitFor(bis, 600000)) std::fprintf(stderr, "Zeit abgelaufen beim Warten\n");
}

bool Speichere(QWidget& w, const QString& ordner, const char* name) {
    // The layouts settle first: a label that got longer moves what lies below.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QString datei = QDir(ordner).filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
    const bool ok = w.grab().save(datei);
    std::printf("%s %s\n", ok ? "geschrieben:" : "FEHLER beim Schreiben:", qPrintable(datei));
    return ok;
}

// A button's menu as it opens, grabbed on its own.
bool SpeichereMenue(QPushButton& knopf, const QString& ordner, const char* name) {
    QMenu* menue = knopf.menu();
    if (!menue) return false;
    menue->popup(knopf.mapToGlobal(QPoint(0, knopf.height())));
    QTest::qWait(100);
    const bool ok = Speichere(*menue, ordner, name);
    menue->hide();
    return ok;
}

int Messen(int n) {
    const fuzzy::Project truck = Beispiel("truck.fuz");
    labor::TruckLabor lab;
    lab.resize(560, 760);
    lab.show();
    std::vector<double> ms;
    for (int i = 0; i < n; ++i) {
        // An edit as the window makes it: one rule cell changed, then back.
        fuzzy::Project p = truck;
        if (i % 2) p.Rules.Set(3, 3, p.Rules.Get(3, 3) == 1 ? 2 : 1);
        QElapsedTimer t;
        t.start();
        lab.setProjekt(p);
        while (lab.rechnet()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        lab.bild()->repaint();  // the new picture on the screen, drawn now
        ms.push_back(t.nsecsElapsed() / 1.0e6);
    }
    // The two parts alone: the grid run on this thread, and the drawing.
    std::vector<double> rechnen, zeichnen;
    for (int i = 0; i < std::min(n, 10); ++i) {
        QElapsedTimer t;
        t.start();
        auto e = std::make_shared<const labor::TruckErgebnis>(labor::RechneTruckRaster(truck, -1.0f));
        rechnen.push_back(t.nsecsElapsed() / 1.0e6);
        t.restart();
        lab.bild()->setErgebnis(e);
        lab.bild()->repaint();
        zeichnen.push_back(t.nsecsElapsed() / 1.0e6);
    }
    std::sort(rechnen.begin(), rechnen.end());
    std::sort(zeichnen.begin(), zeichnen.end());
    std::printf(
        "davon Rasterlauf: Median %.1f ms, schnellster %.1f ms; Zeichnen: Median %.1f ms, schnellstes %.1f ms\n",
        rechnen[rechnen.size() / 2], rechnen.front(), zeichnen[zeichnen.size() / 2], zeichnen.front());
    std::vector<double> s = ms;
    std::sort(s.begin(), s.end());
    std::printf(
        "Bearbeitung bis neu gezeichnetes Truck-Labor (v = -1 m/s, %d Mal): Median %.1f ms, "
        "schnellste %.1f ms, langsamste %.1f ms\n",
        n, s[s.size() / 2], s.front(), s.back());
    return 0;
}

int Bilder(const QString& ordner) {
    bool ok = true;
    {
        const fuzzy::Project p = Beispiel("truck.fuz");
        labor::TruckLabor lab;
        lab.resize(560, 760);
        lab.show();
        lab.setProjekt(p);
        Warte([&] { return !lab.rechnet(); });
        // A start from the far left with a steep attitude, replayed part way.
        lab.waehleStart(3);
        Warte([&] { return lab.wiedergabeSchritt() >= 120; });
        ok &= Speichere(lab, ordner, "truck_labor");
        lab.setGeschwindigkeit(-10.0f);
        Warte([&] { return !lab.rechnet(); });
        ok &= Speichere(lab, ordner, "truck_labor_schnell");
        // While an edit is computed: the old picture, marked.
        // Every other column of rules gone: some starts no longer dock.
        fuzzy::Project schlecht = p;
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 5; c += 2) schlecht.Rules.Set(r, c, 0);
        lab.setProjekt(schlecht);
        ok &= Speichere(lab, ordner, "truck_labor_rechnet");
        Warte([&] { return !lab.rechnet(); });
        ok &= Speichere(lab, ordner, "truck_labor_luecken");
        // The comparison with the project before the edit, and its menu.
        lab.setVergleich(p, QStringLiteral("truck.fuz"));
        Warte([&] { return !lab.rechnet() && lab.vergleichErgebnis(); });
        ok &= Speichere(lab, ordner, "truck_labor_vergleich");
        ok &= SpeichereMenue(*lab.vergleichKnopf(), ordner, "truck_labor_vergleich_menue");
        // A project the lab cannot run.
        fuzzy::Project ohne = p;
        ohne.Out.Defined = false;
        lab.vergleichBeenden();
        lab.setProjekt(ohne);
        Warte([&] { return !lab.rechnet(); });
        ok &= Speichere(lab, ordner, "truck_labor_undefiniert");
    }
    {
        const fuzzy::Project p = Beispiel("lok.fuz");
        labor::LokLabor lab;
        lab.resize(1000, 560);
        lab.show();
        lab.setProjekt(p);
        Warte([&] { return !lab.rechnet(); });
        ok &= Speichere(lab, ordner, "lok_labor");
        fuzzy::Project anders = p;
        anders.Rules.Set(1, 1, 0);
        lab.setVergleich(anders, QStringLiteral("anders.fuz"));
        Warte([&] { return !lab.rechnet() && lab.vergleichErgebnis(); });
        ok &= Speichere(lab, ordner, "lok_labor_vergleich");
        labor::LokEinstellung e = lab.einstellung();
        e.AbstandCm = 0.0f;
        lab.setEinstellung(e);
        ok &= Speichere(lab, ordner, "lok_labor_fehler");
    }
    {
        fuzzy::Project p = Beispiel("truck.fuz");
        p.Rules = fuzzy::RuleTable{};
        labor::RegelnVerbessern d;
        d.resize(960, 600);
        d.show();
        d.setProjekt(p);
        tuning::Options o;
        o.Kind = tuning::Vehicle::Truck;
        o.Seconds = 60;
        o.Seed = 1;
        d.setOptionen(o);
        int runden = 0;
        QObject::connect(&d, &labor::RegelnVerbessern::fortschritt, [&](int r) { runden = r; });
        d.starten();
        Warte([&] { return runden >= 2 || !d.laeuft(); });
        ok &= Speichere(d, ordner, "regeln_verbessern_laeuft");
        d.abbrechen();
        Warte([&] { return !d.laeuft(); });
        QTest::qWait(50);
        ok &= Speichere(d, ordner, "regeln_verbessern_abgebrochen");
        // A short search to its end on the locomotive.
        fuzzy::Project lok = Beispiel("lok.fuz");
        d.setProjekt(lok);
        o.Kind = tuning::Vehicle::Loco;
        o.Seconds = 3;
        d.setOptionen(o);
        d.starten();
        Warte([&] { return !d.laeuft(); });
        QTest::qWait(50);
        ok &= Speichere(d, ordner, "regeln_verbessern_fertig");
    }
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    widgets::TApplication app(argc, argv, QStringLiteral("Fuzzy-Werkstatt"),
                              {QStringLiteral("gemeinsam"), QStringLiteral("labor")});
    const QStringList args = QCoreApplication::arguments();
    if (args.size() >= 2 && args[1] == QStringLiteral("--messen"))
        return Messen(args.size() >= 3 ? std::max(1, args[2].toInt()) : 30);
    if (args.size() != 2) {
        std::fprintf(stderr, "Aufruf: labor_bilder [--lang de|en] ORDNER | --messen [N]\n");
        return 2;
    }
    QDir().mkpath(args[1]);
    return Bilder(args[1]);
}
