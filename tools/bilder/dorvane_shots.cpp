// Renders Dorvane's windows to PNG files for a look next to the layout:
//   dorvane_shots OUTPUT_FOLDER
// Not a test; built on demand (target dorvane_shots).
#include "Application.h"
#include "Help.h"
#include "Info.h"
#include "Main.h"
#include "Programm.h"
#include "Werte.h"

#include <QDir>
#include <QPixmap>

#include <cstdio>

namespace {
void Save(QWidget* w, const QDir& dir, const char* name) {
    w->grab().save(dir.filePath(QString::fromLatin1(name)));
    std::printf("%s\n", name);
}
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    widgets::TApplication app(argc, argv, dorvane::ApplicationTitle());
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
    return 0;
}
