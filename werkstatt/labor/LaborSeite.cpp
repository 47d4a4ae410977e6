#include "LaborSeite.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace labor {

void LaborSeite::VergleichBauen(const QString& tipp) {
    VergleichBtn_ = new QPushButton(tr("&Vergleichen mit…"), this);
    VergleichBtn_->setObjectName(QStringLiteral("vergleichen"));
    VergleichBtn_->setToolTip(tipp);
    auto* menue = new QMenu(VergleichBtn_);
    menue->addAction(tr("Projekt aus &Datei…"), this, [this] { emit vergleichAusDateiGewuenscht(); });
    menue->addAction(tr("Stand &vor der letzten Änderung"), this, [this] { emit vergleichVorherGewuenscht(); });
    menue->addSeparator();
    QAction* ende = menue->addAction(tr("Vergleich &beenden"), this, &LaborSeite::vergleichBeenden);
    connect(menue, &QMenu::aboutToShow, this, [this, ende] { ende->setEnabled(HatVergleich_); });
    VergleichBtn_->setMenu(menue);
    VergleichZahlen_ = new QLabel(this);
    VergleichZahlen_->setObjectName(QStringLiteral("vergleich"));
    VergleichZahlen_->setWordWrap(true);
    VergleichZahlen_->setTextFormat(Qt::PlainText);
    VergleichZahlen_->setStyleSheet(QStringLiteral("color: #505050;"));
    VergleichZahlen_->setVisible(false);
}

void LaborSeite::setVergleich(const fuzzy::Project& p, const QString& name) {
    Vergleich_ = p;
    VergleichName_ = name;
    HatVergleich_ = true;
    VergleichZahlen_->setVisible(true);
    VergleichNeu();
}

void LaborSeite::vergleichBeenden() {
    HatVergleich_ = false;
    VergleichZahlen_->clear();
    VergleichZahlen_->setVisible(false);
    VergleichWeg();
}

}  // namespace labor
