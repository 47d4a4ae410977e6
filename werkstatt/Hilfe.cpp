#include "werkstatt/Hilfe.h"

#include "fuzzy/Language.h"
#include "ui_Hilfe.h"

#include <QImage>
#include <QPushButton>
#include <QTextDocument>
#include <QTextBrowser>
#include <QUrl>

namespace werkstatt {

namespace {

// The page in the program's language; both have the same anchors.
QUrl Anleitung() {
    return QUrl(fuzzy::ActiveLanguage() == fuzzy::Language::English ? QStringLiteral("qrc:/werkstatt/hilfe_en.html")
                                                                    : QStringLiteral("qrc:/werkstatt/hilfe.html"));
}

}  // namespace

THilfeForm::THilfeForm(QWidget* parent) : QDialog(parent), ui_(std::make_unique<Ui::THilfeForm>()) {
    ui_->setupUi(this);
    ui_->Text->setSource(Anleitung());
    connect(ui_->SchliessenBtn, &QPushButton::clicked, this, &QDialog::close);
}

THilfeForm::~THilfeForm() = default;

QTextBrowser* THilfeForm::Text() const { return ui_->Text; }

QUrl THilfeForm::SchrittbildUrl() { return QUrl(QStringLiteral("bild:inspektor")); }

void THilfeForm::setSchrittbild(const QImage& bild) {
    QTextDocument* d = ui_->Text->document();
    d->addResource(QTextDocument::ImageResource, SchrittbildUrl(), bild);
    // Laid out again, the image takes the place the text keeps for it.
    d->markContentsDirty(0, d->characterCount());
}

void THilfeForm::zeigeAbschnitt(const QString& anker) {
    QUrl url = Anleitung();
    if (!anker.isEmpty()) url.setFragment(anker);
    ui_->Text->setSource(url);
    if (!anker.isEmpty()) ui_->Text->scrollToAnchor(anker);
}

}  // namespace werkstatt
