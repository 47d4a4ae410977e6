#include "loco/app/PlotForm.h"

#include "ui_PlotForm.h"

#include "widgets/Fonts.h"
#include "widgets/Ks.h"
#include "loco/model/LocoModel.h"

#include <QShowEvent>

#include <algorithm>

namespace pemrak {

TPlotForm::TPlotForm(const Aufzeichnung* punkte, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TPlotForm>()),
      punkte_(punkte) {
    ui_->setupUi(this);
    setFont(widgets::PixelFont(widgets::SansFamily(), 11, true));
    setFixedSize(479, 278);
    Panel1 = ui_->Panel1;
    Koordinatensystem1 = ui_->Koordinatensystem1;
    OKBtn = ui_->OKBtn;
    QPalette weiss = Panel1->palette();
    weiss.setColor(QPalette::Window, Qt::white);
    Panel1->setPalette(weiss);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TPlotForm::~TPlotForm() = default;

void TPlotForm::FormActivate() {
    const Aufzeichnung leer;
    const Aufzeichnung& r = punkte_ ? *punkte_ : leer;
    const int n = r.Gueltig();
    float vmin = 1000000.0f;
    // Point 1 takes part even in an empty recording (it is (0, 0) then, or
    // the first point of a run whose counter has wrapped).
    for (int i = 1; i <= (n > 1 ? n : 1); ++i) vmin = std::min(vmin, r.Get(i).v);
    TKoordinatensystem& k = *Koordinatensystem1;
    k.setX1(0.0f);
    k.setX2(100.0f);
    k.setY1(vmin);
    k.setY2(0.0001f);
    k.UpdateScale();
    k.Refresh();
    k.DrawAxes();
    k.MoveToWorld(100.0f, 0.0f);
    for (int i = 1; i <= n; ++i) k.LineToWorld(r.Get(i).s, r.Get(i).v);
}

void TPlotForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormActivate();
        OKBtn->setFocus();
    }
}

}  // namespace pemrak
