#include "truck/app/Info.h"

#include "ui_Info.h"

#include "widgets/Fonts.h"

#include <QPushButton>
#include <QShowEvent>

namespace dorvane {

TInfoForm::TInfoForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TInfoForm>()) {
    ui_->setupUi(this);
    setFont(widgets::PixelFont(widgets::SansFamily(), 13, true));
    setFixedSize(298, 213);
    Panel1 = ui_->Panel1;
    ProgramIcon = ui_->ProgramIcon;
    ProductName = ui_->ProductName;
    Version = ui_->Version;
    OKButton = ui_->OKButton;
    ProgramIcon->setPixmap(QPixmap(QStringLiteral(":/dorvane/truck.png")));
    const QFont small = widgets::PixelFont(widgets::SansFamily(), 11, true);
    ProductName->setFont(small);
    Version->setFont(small);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TInfoForm::~TInfoForm() = default;

void TInfoForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) OKButton->setFocus();
}

}  // namespace dorvane
