#include "loco/app/Programm.h"

#include "widgets/Application.h"
#include "dialogs/Graph.h"
#include "loco/app/Info.h"
#include "loco/app/Main.h"
#include "loco/app/PlotForm.h"
#include "dialogs/RegEdit.h"
#include "loco/app/Typ.h"

namespace pemrak {

Programm::Programm(const QStringList& args) {
    if (widgets::TApplication* app = widgets::TApplication::Instance()) app->SetTitle(AnwendungsTitel());
    MainForm = std::make_unique<TMainForm>();
    try {
        MainForm->FormCreate(args);
    } catch (const std::exception& e) {
        widgets::TApplication::ReportException(e);
    }
    TypForm = std::make_unique<TTypForm>();
    Infoform = std::make_unique<TInfoform>();
    TMainForm& m = *MainForm;
    Graphform = std::make_unique<TGraphform>(GraphVariables{&m.EingangA, &m.EingangB, &m.Ausgang, &m.AusgangKopie});
    RegEditForm = std::make_unique<TRegEditForm>(false);
    PlotForm = std::make_unique<TPlotForm>(&m.Punkte);
    m.SetDialoge(Dialoge{TypForm.get(), Infoform.get(), Graphform.get(), RegEditForm.get(), PlotForm.get()});
}

Programm::~Programm() = default;

}  // namespace pemrak
