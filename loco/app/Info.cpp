#include "loco/app/Info.h"

#include "ui_Info.h"

#include "widgets/Fonts.h"

#include <QShowEvent>

namespace pemrak {

TInfoform::TInfoform(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::TInfoform>()) {
    ui_->setupUi(this);
    setFont(widgets::PixelFont(widgets::SansFamily(), 13, true));
    setFixedSize(257, 195);
    Panel1 = ui_->Panel1;
    Image1 = ui_->Image1;
    Label1 = ui_->Label1;
    ProductName = ui_->ProductName;
    OKButton = ui_->OKButton;
    // Raised inside, lowered outside: a frame that stands out of a groove.
    Panel1->setFrameShape(QFrame::Box);
    Panel1->setFrameShadow(QFrame::Sunken);
    Panel1->setLineWidth(1);
    Panel1->setMidLineWidth(0);
    Image1->setPixmap(QPixmap(QStringLiteral(":/pemrak/info.png")));
    const QFont klein = widgets::PixelFont(widgets::SansFamily(), 11, true);
    ProductName->setFont(klein);
    OKButton->setFont(klein);
    Label1->adjustSize();
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

TInfoform::~TInfoform() = default;

void TInfoform::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) OKButton->setFocus();
}

}  // namespace pemrak
