#include "werkstatt/labor/SchrittWahl.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace labor {

SchrittWahl::SchrittWahl(QWidget* parent) : QWidget(parent) {
    Zurueck_ = new QToolButton(this);
    Zurueck_->setIcon(style()->standardIcon(QStyle::SP_MediaSeekBackward));
    Zurueck_->setToolTip(tr("Einen Schritt zurück"));
    Zurueck_->setAccessibleName(tr("Schritt zurück"));
    Zurueck_->setAutoRepeat(true);
    Vor_ = new QToolButton(this);
    Vor_->setIcon(style()->standardIcon(QStyle::SP_MediaSeekForward));
    Vor_->setToolTip(tr("Einen Schritt weiter"));
    Vor_->setAccessibleName(tr("Schritt weiter"));
    Vor_->setAutoRepeat(true);
    Spielen_ = new QToolButton(this);
    Spielen_->setToolTip(tr("Den Lauf von hier an abspielen oder anhalten"));
    Spielen_->setAccessibleName(tr("Abspielen oder anhalten"));
    Schieber_ = new QSlider(Qt::Horizontal, this);
    Schieber_->setObjectName(QStringLiteral("zeit"));
    Schieber_->setAccessibleName(tr("Schritt im Lauf"));
    Schieber_->setToolTip(tr("Die Zeit im gewählten Lauf: Jeder Punkt ist ein Regelschritt."));
    // Narrow enough that the lab, "Warum?" and an exercise fit a 1280 px screen.
    Schieber_->setMinimumWidth(100);
    Warum_ = new QPushButton(tr("Waru&m?"), this);
    Warum_->setObjectName(QStringLiteral("warum"));
    Warum_->setCheckable(true);
    Warum_->setToolTip(
        tr("Den Inspektor neben dem Labor zeigen: Er nimmt den gewählten Schritt auseinander – "
           "Eingänge, Zugehörigkeitsgrade, Feuerstärken der Regeln, Ausgangsterme und Schwerpunkt."));
    Text_ = new QLabel(this);
    Text_->setObjectName(QStringLiteral("schrittText"));
    Text_->setWordWrap(true);
    Text_->setTextFormat(Qt::PlainText);
    Text_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* zeile = new QHBoxLayout;
    zeile->setContentsMargins(0, 0, 0, 0);
    zeile->addWidget(Zurueck_);
    zeile->addWidget(Spielen_);
    zeile->addWidget(Vor_);
    zeile->addWidget(Schieber_, 1);
    zeile->addWidget(Warum_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(zeile);
    layout->addWidget(Text_);

    connect(Schieber_, &QSlider::valueChanged, this, [this](int k) {
        if (Letzter_ >= 0) emit punktGewaehlt(k);
        Knoepfe();
    });
    connect(Zurueck_, &QToolButton::clicked, this, [this] {
        anhalten();
        setPunkt(punkt() - 1);
    });
    connect(Vor_, &QToolButton::clicked, this, [this] {
        anhalten();
        setPunkt(punkt() + 1);
    });
    connect(Spielen_, &QToolButton::clicked, this, [this] {
        if (spieltAb()) {
            anhalten();
            return;
        }
        // At the end, playing starts again from the beginning.
        if (punkt() >= Letzter_) setPunkt(0);
        abspielen(TaktMs_);
    });
    connect(Warum_, &QPushButton::toggled, this, &SchrittWahl::warumGeschaltet);
    connect(&Takt_, &QTimer::timeout, this, &SchrittWahl::Weiter);
    setLauf(-1);
}

void SchrittWahl::setLauf(int letzter) {
    Takt_.stop();
    Letzter_ = std::max(letzter, -1);
    {
        const QSignalBlocker b(Schieber_);
        Schieber_->setRange(0, std::max(Letzter_, 0));
        Schieber_->setValue(0);
        Schieber_->setPageStep(std::max(1, Letzter_ / 20));
    }
    Knoepfe();
}

int SchrittWahl::punkt() const { return Letzter_ >= 0 ? Schieber_->value() : -1; }

void SchrittWahl::setPunkt(int k) {
    if (Letzter_ < 0) return;
    k = std::clamp(k, 0, Letzter_);
    if (k == Schieber_->value())
        emit punktGewaehlt(k);
    else
        Schieber_->setValue(k);  // reports it
    Knoepfe();
}

void SchrittWahl::abspielen(int taktMs) {
    if (Letzter_ < 0) return;
    TaktMs_ = std::max(taktMs, 1);
    Takt_.start(TaktMs_);
    Knoepfe();
}

void SchrittWahl::anhalten() {
    Takt_.stop();
    Knoepfe();
}

void SchrittWahl::setText(const QString& text) { Text_->setText(text); }

QString SchrittWahl::text() const { return Text_->text(); }

void SchrittWahl::Weiter() {
    if (Letzter_ < 0 || punkt() >= Letzter_) {
        anhalten();
        return;
    }
    setPunkt(punkt() + 1);
    if (punkt() >= Letzter_) anhalten();
}

void SchrittWahl::Knoepfe() {
    const bool lauf = Letzter_ >= 0;
    Schieber_->setEnabled(lauf);
    Zurueck_->setEnabled(lauf && Schieber_->value() > 0);
    Vor_->setEnabled(lauf && Schieber_->value() < Letzter_);
    Spielen_->setEnabled(lauf && Letzter_ > 0);
    Spielen_->setIcon(style()->standardIcon(spieltAb() ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
}

}  // namespace labor
