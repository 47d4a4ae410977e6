#include "truck/app/Werte.h"

#include "ui_Werte.h"

#include "widgets/Fonts.h"
#include "widgets/SingEdit.h"

#include <QCheckBox>
#include <QShowEvent>

namespace dorvane {

TWerteForm::TWerteForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TWerteForm>()) {
    ui_->setupUi(this);
    setFont(widgets::PixelFont(widgets::SansFamily(), 11, true));
    setFixedSize(393, 298);
    Bevel1 = ui_->Bevel1;
    Label4 = ui_->Label4;
    Label1 = ui_->Label1;
    AbstandEdit = ui_->AbstandEdit;
    Label2 = ui_->Label2;
    LageEdit = ui_->LageEdit;
    Label3 = ui_->Label3;
    GeschwindigkeitEdit = ui_->GeschwindigkeitEdit;
    Bevel2 = ui_->Bevel2;
    CheckBox1 = ui_->CheckBox1;
    OKBtn = ui_->OKBtn;
    CancelBtn = ui_->CancelBtn;

    QPalette purple = Label4->palette();
    purple.setColor(QPalette::WindowText, QColor(128, 0, 128));
    Label4->setPalette(purple);
    // Escape closes with "Abbrechen" by QDialog's own key handling.
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

TWerteForm::~TWerteForm() = default;

void TWerteForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) OKBtn->setFocus();
}

}  // namespace dorvane
