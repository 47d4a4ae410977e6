// Renders Dorvane's windows to PNG files for a look next to the layout:
//   dorvane_shots [--lang de|en] OUTPUT_FOLDER
// Not a test; built on demand (target dorvane_shots).
#include "widgets/Application.h"
#include "dialogs/Graph.h"
#include "truck/app/Help.h"
#include "truck/app/Info.h"
#include "truck/app/Main.h"
#include "widgets/MessageBoxes.h"
#include "truck/app/Programm.h"
#include "dialogs/RegEdit.h"
#include "truck/app/Werte.h"

#include <QDir>
#include <QMessageBox>
#include <QPixmap>
#include <QRadioButton>

#include <cstdio>

namespace {
void Save(QWidget* w, const QDir& dir, const char* name) {
    w->grab().save(dir.filePath(QString::fromLatin1(name)));
    std::printf("%s\n", name);
}
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    widgets::TApplication app(argc, argv, dorvane::ApplicationTitle(), {QStringLiteral("dorvane")});
    if (argc != 2) return 2;
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    dorvane::Programm p({QStringLiteral(FUZZY_SOURCE_DIR "/examples/truck.fuz")});
    dorvane::TMainForm& m = *p.MainForm;
    m.show();
    app.processEvents();
    Save(&m, dir, "main_before.png");
    m.Random = [] { return 0.8; };
    m.TruckBtn1Click();
    for (int i = 0; i < 14; ++i) m.Timer1Timer();
    app.processEvents();
    Save(&m, dir, "main_fuzzy_run.png");
    m.Betriebsart1Click();
    m.TruckBtn1Click();
    app.processEvents();
    Save(&m, dir, "main_hand_placed.png");
    p.WerteForm->show();
    app.processEvents();
    Save(p.WerteForm.get(), dir, "startwerte.png");
    p.WerteForm->hide();
    p.InfoForm->show();
    app.processEvents();
    Save(p.InfoForm.get(), dir, "info.png");
    p.InfoForm->hide();
    p.HelpForm->ShowContext(0);
    app.processEvents();
    Save(p.HelpForm.get(), dir, "hilfe.png");
    p.HelpForm->ShowContext(2);
    app.processEvents();
    Save(p.HelpForm.get(), dir, "hilfe_regeleditor.png");
    p.HelpForm->hide();
    // The shared dialogs with the project's variables, as the menu opens them.
    p.Graphform->show();
    app.processEvents();
    p.Graphform->RadioItems[2]->setChecked(true);
    app.processEvents();
    Save(p.Graphform.get(), dir, "diagramme.png");
    p.Graphform->hide();
    TRegEditForm& r = *p.RegEditForm;
    r.EditEingangA.Assign(m.EingangA);
    r.EditEingangB.Assign(m.EingangB);
    r.EditAusgang.Assign(m.Ausgang);
    r.EditRegeln = m.Regeln;
    r.show();
    app.processEvents();
    Save(&r, dir, "regeleditor.png");
    r.hide();
    // A message box of each kind, with the editor's own texts.
    const struct {
        widgets::MessageKind kind;
        QString text;
        const char* file;
    } boxes[] = {
        {widgets::MessageKind::Warning,
         QCoreApplication::translate("TRegEditForm", "Wählen Sie zunächst einen Ausgangsterm!"), "warnung.png"},
        {widgets::MessageKind::Confirmation,
         QCoreApplication::translate("TRegEditForm", "Sollen die Regeln wirklich gelöscht werden?"),
         "bestaetigung.png"},
        {widgets::MessageKind::Error,
         QCoreApplication::translate("dorvane::TMainForm",
                                     "Die mit dem Parameter übergebene Datei konnte nicht geladen werden!"),
         "fehler.png"},
    };
    for (const auto& b : boxes) {
        const auto box = widgets::BuildMessageBox(b.kind, widgets::DefaultTitle(b.kind), b.text);
        box->show();
        app.processEvents();
        Save(box.get(), dir, b.file);
        box->hide();
    }
    return 0;
}
