// Pictures of the exercise panel with the boxes of a calculation by hand, on
// a screen of 1366 x 768 (a school projector's): the exercises 01 and 02,
// with empty boxes, partly wrong answers (one of them no number) and all
// right with the verdict of "Prüfen"; the others as a student opens them:
//   xvfb-run -s "-screen 0 1366x768x24" werkstatt_aufgabe_bilder OUTDIR [--lang en]
// Writes OUTDIR/aufgabe_NN_{leer,teils,hinweise,richtig}.png (03 to 08: leer only), and
// "Warum?" beside the panel in both labs (aufgabe_03_warum, aufgabe_05_warum). Run by hand
// when the look changes; not a test.
#include "exercise/Reader.h"
#include "werkstatt/aufgabe/AufgabenPanel.h"
#include "werkstatt/labor/LaborSeite.h"
#include "werkstatt/labor/LokLabor.h"
#include "werkstatt/labor/SchrittWahl.h"
#include "werkstatt/labor/TruckLabor.h"
#include "werkstatt/Main.h"
#include "widgets/Application.h"

#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>

#include <utility>
#include <vector>

namespace {

using Eintraege = std::vector<std::pair<const char*, const char*>>;  // "P1:key", text

void Tippen(werkstatt::AufgabenPanel& panel, const Eintraege& eintraege) {
    for (const auto& [wo, text] : eintraege) {
        const QStringList teile = QString::fromLatin1(wo).split(QLatin1Char(':'));
        if (QLineEdit* feld = panel.antwortFeld(teile[0], teile[1])) {
            feld->selectAll();
            feld->insert(QString::fromUtf8(text));
        }
    }
}

bool Warten(werkstatt::AufgabenPanel& panel) {
    return QTest::qWaitFor([&] { return !panel.rechnet() && panel.ergebnis().has_value(); }, 60000);
}

}  // namespace

int main(int argc, char** argv) {
    widgets::TApplication app(argc, argv, QStringLiteral("Fuzzy-Werkstatt"),
                              {QStringLiteral("werkstatt"), QStringLiteral("labor")});
    QCoreApplication::setOrganizationName(QStringLiteral("FuzzyLehreDoku"));
    const QString out = argc > 1 && argv[1][0] != '-' ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(out);
    const bool englisch = fuzzy::ActiveLanguage() == fuzzy::Language::English;
    werkstatt::TMainForm form;
    // The whole screen, as a maximised window has it (Xvfb has no window manager).
    form.setGeometry(QApplication::primaryScreen()->availableGeometry());
    form.show();
    QTest::qWait(300);
    struct Fall {
        const char* aufgabe;
        Eintraege teils, richtig;
    };
    const char* komma = englisch ? "." : ",";
    auto zahl = [komma](const char* deutsch) {
        static std::vector<QByteArray> texte;
        texte.push_back(QByteArray(deutsch).replace(',', komma));
        return texte.back().constData();
    };
    const std::vector<Fall> faelle{
        {"01_regelschritt",
         {{"P1:zugehoerigkeit.a.2", zahl("0,6")},
          {"P1:zugehoerigkeit.a.3", zahl("0,4")},
          {"P1:zugehoerigkeit.b.1", zahl("0,5")},
          {"P1:zugehoerigkeit.b.2", zahl("0,5")},
          {"P1:feuerstaerke.1.2", zahl("0,6")},
          {"P1:feuerstaerke.2.2", "0,5x"}},
         {{"P1:zugehoerigkeit.a.1", "0"},
          {"P1:feuerstaerke.1.2", zahl("0,5")},
          {"P1:feuerstaerke.2.2", zahl("0,5")},
          {"P1:feuerstaerke.1.3", zahl("0,4")},
          {"P1:feuerstaerke.2.3", zahl("0,4")},
          {"P1:hoehe.1", zahl("0,4")},
          {"P1:hoehe.2", zahl("0,5")},
          {"P1:hoehe.3", zahl("0,5")},
          {"P1:ausgang", zahl("52,1")}}},
        {"02_termdiagramm",
         {{"P1:zugehoerigkeit.a.1", "1"}, {"P2:zugehoerigkeit.a.2", zahl("0,2")}, {"P2:zugehoerigkeit.a.3", "o,8"}},
         {{"P2:zugehoerigkeit.a.2", zahl("0,8")},
          {"P2:zugehoerigkeit.a.3", zahl("0,2")},
          {"P3:zugehoerigkeit.a.2", zahl("0,3")},
          {"P3:zugehoerigkeit.a.3", zahl("0,7")}}},
        // The others as a student opens them.
        {"03_lok_tabelle", {}, {}},
        {"04_luecke", {}, {}},
        {"05_truck_12_regeln", {}, {}},
        {"06_schnelle_lok", {}, {}},
        {"07_tuner_vergleich", {}, {}},
        {"08_sv_kurve", {}, {}},
    };
    for (const Fall& f : faelle) {
        if (!form.AufgabeOeffnen(
                QStringLiteral(FUZZY_SOURCE_DIR "/examples/aufgaben/%1.fuzaufgabe").arg(QLatin1String(f.aufgabe))))
            return 1;
        werkstatt::AufgabenPanel& panel = *form.Aufgabe();
        const QString name = QString::fromLatin1(f.aufgabe).left(2);
        auto bild = [&](const char* stand) {
            QTest::qWait(300);
            form.grab().save(out + QStringLiteral("/aufgabe_%1_%2.png").arg(name, QLatin1String(stand)));
        };
        if (!Warten(panel)) return 1;
        bild("leer");
        if (f.teils.empty()) continue;
        Tippen(panel, f.teils);
        if (!Warten(panel)) return 1;
        bild("teils");
        // The verdict of the half-done answers, with the exercise's hints.
        panel.pruefenKnopf()->click();
        if (!Warten(panel)) return 1;
        bild("hinweise");
        {
            auto* t = panel.findChild<QSplitter*>(QStringLiteral("teile"));
            qInfo("%s: the verdict scrolls by %d px; parts %d %d %d, least %d %d", f.aufgabe,
                  panel.urteilBereich()->verticalScrollBar()->maximum(), t->sizes()[0], t->sizes()[1], t->sizes()[2],
                  t->widget(0)->minimumSizeHint().height(), t->widget(1)->minimumSizeHint().height());
        }
        Tippen(panel, f.richtig);
        if (!Warten(panel)) return 1;
        panel.pruefenKnopf()->click();
        bild("richtig");
    }
    // "Warum?" beside the panel: a step of a lab exercise taken apart.
    auto warum = [&](const char* aufgabe, QWidget* labor, labor::SchrittWahl* wahl, auto schritt) {
        if (!form.AufgabeOeffnen(
                QStringLiteral(FUZZY_SOURCE_DIR "/examples/aufgaben/%1.fuzaufgabe").arg(QLatin1String(aufgabe))))
            return false;
        if (!Warten(*form.Aufgabe())) return false;
        form.Seiten->setCurrentWidget(labor);
        QTest::qWait(300);
        if (!wahl->warumKnopf()->isChecked()) wahl->warumKnopf()->click();
        schritt();
        QTest::qWait(300);
        qInfo("%s: window %dx%d, minimum %dx%d, inspector %d of %d", aufgabe, form.width(), form.height(),
              form.minimumSizeHint().width(), form.minimumSizeHint().height(),
              static_cast<labor::LaborSeite*>(labor)->inspektor()->height(),
              static_cast<labor::LaborSeite*>(labor)->inspektor()->minimumSizeHint().height());
        form.grab().save(out + QStringLiteral("/aufgabe_%1_warum.png").arg(QString::fromLatin1(aufgabe).left(2)));
        return true;
    };
    auto* lok = form.LokLabor();
    auto* truck = form.TruckLabor();
    if (!warum("03_lok_tabelle", lok, lok->schrittAuswahl(), [&] {
            (void)QTest::qWaitFor([lok] { return !lok->rechnet(); }, 60000);
            lok->waehleLauf(0, 11);
        }))
        return 1;
    if (!warum("05_truck_12_regeln", truck, truck->schrittAuswahl(), [&] {
            (void)QTest::qWaitFor([truck] { return !truck->rechnet(); }, 60000);
            truck->waehleSchritt(20, 40);
        }))
        return 1;
    return 0;
}
