// Screenshots of the workshop's pages and dialogs:
//   werkstatt_shots [--lang de|en] OUTDIR [project.fuz]
#include "widgets/Application.h"
#include "werkstatt/Hilfe.h"
#include "werkstatt/Info.h"
#include "werkstatt/labor/LokLabor.h"
#include "werkstatt/ansichten/Inspektor.h"
#include "werkstatt/ansichten/KennfeldAnsicht.h"
#include "werkstatt/Main.h"
#include "werkstatt/labor/TruckLabor.h"
#include "werkstatt/seiten/RegelSeite.h"
#include "dialogs/RuleGrid.h"
#include "werkstatt/seiten/TermDiagramm.h"
#include "werkstatt/seiten/VariablenSeite.h"
#include "widgets/SingEdit.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

// Runs `oeffnen`, which shows a modal dialog, saves the dialog's picture as
// NAME.png and closes it.
void Modal(const QString& out, const char* name, const std::function<void()>& oeffnen) {
    QTimer wache;
    wache.setInterval(50);
    int runden = 0;
    QObject::connect(&wache, &QTimer::timeout, [&] {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) return;
        // Laid out and painted first.
        if (++runden < 6) return;
        wache.stop();
        w->grab().save(out + QStringLiteral("/dialog_%1.png").arg(QString::fromLatin1(name)));
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
        else
            w->close();
    });
    wache.start();
    oeffnen();
}

}  // namespace

int main(int argc, char** argv) {
    widgets::TApplication app(argc, argv, QStringLiteral("Fuzzy-Werkstatt"),
                              {QStringLiteral("werkstatt"), QStringLiteral("labor")});
    QCoreApplication::setOrganizationName(QStringLiteral("FuzzyLehreShots"));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString projekt = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                     : QStringLiteral(FUZZY_SOURCE_DIR "/examples/lok.fuz");  // docs/werkstatt.png
    QDir().mkpath(out);
    werkstatt::TMainForm form;
    form.resize(960, 760);
    form.show();
    form.OeffnenDatei(projekt);
    QTest::qWait(100);
    const char* namen[] = {"eingang_a", "eingang_b", "ausgang", "regeln"};
    for (int i = 0; i < 4; ++i) {
        form.Seiten->setCurrentIndex(i);
        if (i == 0) {
            form.SeiteA->WaehleTerm(3);
            form.SeiteA->Diagramm->setFocus();
            form.SeiteA->Diagramm->setAktiverGriff(fuzzy::ParamD);
            form.SeiteA->setMarke(-7.5f);
        }
        if (i == 3) form.SeiteRegeln->WaehleRegel(2, 3);
        QTest::qWait(100);
        form.grab().save(out + QStringLiteral("/werkstatt_%1.png").arg(QString::fromLatin1(namen[i])));
    }
    // The inspector and the surface, where the window has them.
    for (int i = 4; i < form.Seiten->count(); ++i) {
        form.Seiten->setCurrentIndex(i);
        QTest::qWait(1500);
        form.grab().save(out + QStringLiteral("/werkstatt_tab%1.png").arg(i));
    }
    // Both labs comparing with the state before an edit.
    form.OeffnenDatei(QStringLiteral(FUZZY_SOURCE_DIR "/examples/truck.fuz"));
    // A table with holes: some starts no longer dock.
    for (int spalte = 1; spalte <= 5; ++spalte) form.Modell.setzeRegel(4, spalte, 3);
    auto* truck = static_cast<labor::TruckLabor*>(form.TruckLabor());
    form.VergleichVorher(truck);
    form.Seiten->setCurrentWidget(truck);
    (void)QTest::qWaitFor([truck] { return !truck->rechnet() && truck->vergleichErgebnis(); }, 60000);
    QTest::qWait(200);
    form.grab().save(out + QStringLiteral("/werkstatt_truck_vergleich.png"));
    form.OeffnenDatei(QStringLiteral(FUZZY_SOURCE_DIR "/examples/lok.fuz"));
    form.Modell.setzeRegel(3, 3, 1);
    auto* lok = static_cast<labor::LokLabor*>(form.LokLabor());
    form.VergleichVorher(lok);
    form.Seiten->setCurrentWidget(lok);
    (void)QTest::qWaitFor([lok] { return !lok->rechnet() && lok->vergleichErgebnis(); }, 60000);
    QTest::qWait(200);
    form.grab().save(out + QStringLiteral("/werkstatt_lok_vergleich.png"));
    // The default window size.
    form.resize(900, 720);
    form.Modell.undoStack().undo();
    lok->vergleichBeenden();
    QTest::qWait(1500);
    form.grab().save(out + QStringLiteral("/werkstatt_lok_900.png"));
    // The help at the inference step, with the inspector's picture.
    form.Seiten->setCurrentIndex(4);
    form.Anleitung1Click();
    if (auto* hilfe = form.findChild<werkstatt::THilfeForm*>()) {
        hilfe->resize(640, 760);
        hilfe->zeigeAbschnitt(QStringLiteral("schritt"));
        QTest::qWait(200);
        hilfe->grab().save(out + QStringLiteral("/werkstatt_hilfe_schritt.png"));
        hilfe->zeigeAbschnitt(QStringLiteral("vorzeichen"));
        QTest::qWait(200);
        hilfe->grab().save(out + QStringLiteral("/werkstatt_hilfe_vorzeichen.png"));
        hilfe->close();
    }
    // A one-input project: input B "nicht verwendet".
    form.OeffnenDatei(QStringLiteral(FUZZY_SOURCE_DIR "/examples/beispiel.fuz"));
    form.Seiten->setCurrentIndex(1);
    QTest::qWait(100);
    form.grab().save(out + QStringLiteral("/werkstatt_ohne_b.png"));
    form.Seiten->setCurrentIndex(3);
    QTest::qWait(100);
    form.grab().save(out + QStringLiteral("/werkstatt_regeln_ohne_b.png"));
    // A template with its hints.
    form.NeuClick(werkstatt::Vorlage::Lok);
    form.Seiten->setCurrentIndex(2);
    QTest::qWait(100);
    form.grab().save(out + QStringLiteral("/werkstatt_vorlage_lok.png"));
    // Where no rule fires: the old Lok template's open right foot at 100 cm,
    // its hint clicked, the hatched surface and the inspector's sentence.
    {
        fuzzy::Project p = fuzzy::TemplateLoco();
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 5; ++c) p.Rules.Set(r, c, std::clamp(6 - (r + c) / 2, 1, 5));
        const float ecken[] = {50.0f, 100.0f, 100.0f, 100.0f};
        for (int k = 0; k < 4; ++k) p.A.SetParam(5, fuzzy::ParamA + k, ecken[k]);
        p.Rules.Set(2, 2, 0);
        p.Rules.Set(2, 3, 0);
        p.Rules.Set(3, 2, 0);
        form.Modell.neu(p, QStringLiteral("alte Vorlage Lok"));
        QTest::qWait(100);
        for (int i = 0; i < form.HinweisListe->count(); ++i) {
            QListWidgetItem* item = form.HinweisListe->item(i);
            if (!item->text().contains(QStringLiteral("Zelle")) && !item->text().contains(QStringLiteral("A = ")))
                continue;
            form.HinweisListe->setCurrentItem(item);
            form.HinweisClick(item);
            break;
        }
        QTest::qWait(100);
        form.grab().save(out + QStringLiteral("/werkstatt_hinweis_zellen.png"));
        for (int i = 0; i < form.HinweisListe->count(); ++i) {
            QListWidgetItem* item = form.HinweisListe->item(i);
            if (!item->text().contains(QStringLiteral("= 100 cm"))) continue;
            form.HinweisListe->setCurrentItem(item);
            form.HinweisClick(item);
            break;
        }
        QTest::qWait(100);
        form.grab().save(out + QStringLiteral("/werkstatt_hinweis_terme.png"));
        form.Seiten->setCurrentWidget(form.Kennfeld());
        QTest::qWait(1500);
        form.grab().save(out + QStringLiteral("/werkstatt_kennfeld_schraffiert.png"));
        form.Seiten->setCurrentWidget(form.Inspektor());
        form.Inspektor()->setEingaben(100.0f, 0.0f);
        QTest::qWait(100);
        form.grab().save(out + QStringLiteral("/werkstatt_inspektor_keine_regel.png"));
    }
    // A one-input project with its dead points hatched on the curve.
    form.OeffnenDatei(QStringLiteral(FUZZY_SOURCE_DIR "/examples/beispiel.fuz"));
    form.Seiten->setCurrentWidget(form.Kennfeld());
    QTest::qWait(1500);
    form.grab().save(out + QStringLiteral("/werkstatt_kennlinie_schraffiert.png"));

    // The menus, opened.
    form.Seiten->setCurrentIndex(0);
    form.Modell.setzeRegel(1, 1, 0);
    for (QAction* a : form.menuBar()->actions()) {
        QMenu* m = a->menu();
        if (!m) continue;
        m->popup(form.mapToGlobal(form.menuBar()->actionGeometry(a).bottomLeft()));
        QTest::qWait(150);
        m->grab().save(out + QStringLiteral("/menue_%1.png").arg(m->objectName()));
        m->hide();
    }
    // The dialogs.
    Modal(out, "info", [&] { form.Info1Click(); });
    Modal(out, "oeffnen", [&] { form.OeffnenDialog(); });
    Modal(out, "speichern", [&] { form.SpeichernDialog(QStringLiteral("beispiel.fuz")); });
    Modal(out, "import", [&] { form.ImportDialog(); });
    Modal(out, "export", [&] { form.ExportDialog(QString()); });
    Modal(out, "pdf", [&] { form.PdfDialog(QStringLiteral("beispiel-arbeitsblatt.pdf")); });
    Modal(out, "druckvorschau", [&] { form.Drucken1Click(); });
    Modal(out, "bild_speichern", [&] { form.SeiteA->BildClick(); });
    Modal(out, "aenderungen", [&] { form.AenderungenSichern(); });
    Modal(out, "bereich", [&] {
        form.SeiteA->MinEdit->setText(QStringLiteral("-20"));
        form.SeiteA->MinEditFertig();
    });
    Modal(out, "keine_zahl", [&] {
        form.SeiteA->MinEdit->setText(QStringLiteral("zwei"));
        form.SeiteA->MinEditFertig();
    });
    Modal(out, "import_fehler", [&] { form.ImportierenDatei(QStringLiteral("regler.txt")); });
    Modal(out, "nicht_gefunden", [&] {
        form.WerkstattOrdner = QStringLiteral("/nirgends");
        form.Modell.undoStack().setClean();
        form.ImProgrammOeffnen(werkstatt::Fahrzeugprogramm::Dorvane);
    });
    Modal(out, "regeln_verbessern", [&] { form.RegelnVerbessern1Click(); });
    // The help at its beginning.
    form.Anleitung1Click();
    if (auto* hilfe = form.findChild<werkstatt::THilfeForm*>()) {
        hilfe->resize(560, 520);
        hilfe->zeigeAbschnitt(QString());
        QTest::qWait(200);
        hilfe->grab().save(out + QStringLiteral("/werkstatt_hilfe.png"));
        hilfe->close();
    }
    return 0;
}
