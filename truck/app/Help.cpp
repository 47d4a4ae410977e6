#include "truck/app/Help.h"

#include "widgets/Fonts.h"
#include "fuzzy/Language.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace dorvane {

THelpForm::THelpForm(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(tr("Dorvane – Hilfe"));
    // A window beside the program, not a part that keeps it running: closing
    // the main window ends the program even while the help is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(widgets::PixelFont(widgets::SansFamily(), 13));
    resize(540, 500);
    Browser = new QTextBrowser(this);
    Browser->setAccessibleName(tr("Hilfetext"));
    Browser->setOpenExternalLinks(false);
    Browser->setSearchPaths({Folder()});
    ContentsBtn = new QPushButton(tr("&Inhalt"), this);
    BackBtn = new QPushButton(tr("&Zurück"), this);
    CloseBtn = new QPushButton(tr("&Schließen"), this);
    BackBtn->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ContentsBtn);
    buttons->addWidget(BackBtn);
    buttons->addStretch();
    buttons->addWidget(CloseBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Browser);
    layout->addLayout(buttons);

    connect(ContentsBtn, &QPushButton::clicked, this, [this] { Browser->setSource(PageFor(0)); });
    connect(BackBtn, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(Browser, &QTextBrowser::backwardAvailable, BackBtn, &QPushButton::setEnabled);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
}

QString THelpForm::Folder() {
    // The English pages lie beside the German ones under the same names, so
    // that the links between them hold in both.
    return fuzzy::ActiveLanguage() == fuzzy::Language::English ? QStringLiteral(":/dorvane/help/en")
                                                               : QStringLiteral(":/dorvane/help");
}

QUrl THelpForm::PageFor(int context) {
    const QString page = context == 2 ? QStringLiteral("regeleditor.html") : QStringLiteral("inhalt.html");
    return QUrl(QStringLiteral("qrc") + Folder() + QLatin1Char('/') + page);
}

void THelpForm::ShowContext(int context) {
    Browser->setSource(PageFor(context));
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != this) {
        // Open beside a modal dialog, a free window would be blocked by it.
        hide();
        exec();
        return;
    }
    show();
    raise();
    activateWindow();
}

}  // namespace dorvane
