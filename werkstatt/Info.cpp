#include "werkstatt/Info.h"

#include "ui_Info.h"

#include <QPushButton>

namespace werkstatt {

TInfoForm::TInfoForm(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::TInfoForm>()) {
    ui_->setupUi(this);
    ui_->VersionLbl->setText(tr("Version %1").arg(QStringLiteral(WERKSTATT_VERSION)));
    connect(ui_->OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TInfoForm::~TInfoForm() = default;

}  // namespace werkstatt
