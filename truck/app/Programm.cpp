#include "truck/app/Programm.h"

#include "widgets/Application.h"
#include "dialogs/Graph.h"
#include "truck/app/Help.h"
#include "truck/app/Info.h"
#include "truck/app/Main.h"
#include "dialogs/RegEdit.h"
#include "truck/app/Werte.h"

namespace dorvane {

Programm::Programm(const QStringList& args) {
    if (widgets::TApplication* app = widgets::TApplication::Instance()) app->SetTitle(ApplicationTitle());
    MainForm = std::make_unique<TMainForm>();
    try {
        MainForm->FormCreate(args);
    } catch (const std::exception& e) {
        widgets::TApplication::ReportException(e);
    }
    InfoForm = std::make_unique<TInfoForm>();
    WerteForm = std::make_unique<TWerteForm>();
    TMainForm& m = *MainForm;
    Graphform = std::make_unique<TGraphform>(GraphVariables{&m.EingangA, &m.EingangB, &m.Ausgang, &m.AusgangKopie});
    RegEditForm = std::make_unique<TRegEditForm>(true);
    HelpForm = std::make_unique<THelpForm>();
    m.SetDialogs(Dialogs{InfoForm.get(), WerteForm.get(), Graphform.get(), RegEditForm.get()});
    THelpForm* help = HelpForm.get();
    m.ShowHelp = [help](int context) { help->ShowContext(context); };
    RegEditForm->setHelpHandler([help](int context) { help->ShowContext(context); });
}

Programm::~Programm() = default;

}  // namespace dorvane
