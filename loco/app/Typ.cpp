#include "loco/app/Typ.h"

#include "ui_Typ.h"

#include "widgets/Fonts.h"

#include <QButtonGroup>
#include <QShowEvent>

namespace pemrak {

TTypForm::TTypForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TTypForm>()) {
    ui_->setupUi(this);
    setFont(widgets::PixelFont(widgets::SansFamily(), 11, true));
    setFixedSize(355, 100);
    RadioGroup1 = ui_->RadioGroup1;
    RadioItems[0] = ui_->RadioItem0;
    RadioItems[1] = ui_->RadioItem1;
    OKBtn = ui_->OKBtn;
    CancelBtn = ui_->CancelBtn;
    group_ = new QButtonGroup(this);
    group_->addButton(RadioItems[0], 0);
    group_->addButton(RadioItems[1], 1);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TTypForm::~TTypForm() = default;

int TTypForm::ItemIndex() const { return group_->checkedId(); }

void TTypForm::SetItemIndex(int index) {
    if (index >= 0 && index < 2) RadioItems[index]->setChecked(true);
}

void TTypForm::FormActivate() { SetItemIndex(Hand ? 0 : 1); }

void TTypForm::FormClose() { Hand = ItemIndex() == 0; }

void TTypForm::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TTypForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormActivate();
        OKBtn->setFocus();
    }
}

}  // namespace pemrak
