#include "Hilfe.h"

#include "ui_Hilfe.h"

#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

namespace werkstatt {

THilfeForm::THilfeForm(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::THilfeForm>()) {
    ui_->setupUi(this);
    ui_->Text->setSource(QUrl(QStringLiteral("qrc:/werkstatt/hilfe.html")));
    connect(ui_->SchliessenBtn, &QPushButton::clicked, this, &QDialog::close);
}

THilfeForm::~THilfeForm() = default;

QTextBrowser* THilfeForm::Text() const { return ui_->Text; }

void THilfeForm::zeigeAbschnitt(const QString& anker) {
    QUrl url(QStringLiteral("qrc:/werkstatt/hilfe.html"));
    if (!anker.isEmpty()) url.setFragment(anker);
    ui_->Text->setSource(url);
    if (!anker.isEmpty()) ui_->Text->scrollToAnchor(anker);
}

}  // namespace werkstatt
