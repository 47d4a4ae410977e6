#pragma once

// Whether every text of a window with a fixed layout fits the box the layout
// gives it: a label's line within its width (a word-wrapped label's lines
// within its height), a button's caption beside its picture, a check box or
// radio item with its indicator, a group box's title. A text may also not run
// into a neighbour: a label that sizes itself to its text must end before the
// next control on its line. The fonts are the ones the window really uses.

#include "tests/support/SichtbareTexte.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QWidget>

namespace textepassen {

inline QString Ohne(const QString& text) {
    QString t = text;
    t.remove(QLatin1Char('&'));
    return t;
}

// The part of `w` (in its parent's coordinates) that its text covers, or an
// empty rectangle for a widget without a text of its own.
inline QRect TextFlaeche(const QWidget& w) {
    if (const auto* l = qobject_cast<const QLabel*>(&w)) {
        if (l->text().isEmpty() || l->wordWrap()) return {};
        const QRect c = l->contentsRect().translated(l->pos());
        const int breite = QFontMetrics(l->font()).horizontalAdvance(Ohne(l->text()));
        const Qt::Alignment a = l->alignment();
        int x = c.left();
        if (a & Qt::AlignRight) x = c.right() + 1 - breite;
        if (a & Qt::AlignHCenter) x = c.left() + (c.width() - breite) / 2;
        return QRect(x, c.top(), breite, c.height());
    }
    return {};
}

inline QString Wo(const QWidget& w, const QString& text) {
    return w.objectName() + QStringLiteral(" „") + text + QStringLiteral("“");
}

// The texts of `wurzel`'s tree that do not fit, each with the reason.
inline QStringList NichtPassend(const QWidget& wurzel) {
    QStringList fehler;
    const QList<QWidget*> alle = wurzel.findChildren<QWidget*>();
    for (QWidget* w : alle) {
        if (!w->isVisibleTo(&wurzel)) continue;
        if (const auto* l = qobject_cast<const QLabel*>(w)) {
            if (l->text().isEmpty()) continue;
            const QRect c = l->contentsRect();
            const QFontMetrics fm(l->font());
            if (l->wordWrap()) {
                if (l->heightForWidth(l->width()) > l->height())
                    fehler << Wo(*l, l->text()) + QStringLiteral(": %1 Zeilen-Pixel, Platz %2")
                                                      .arg(l->heightForWidth(l->width()))
                                                      .arg(l->height());
                continue;
            }
            const int breite = fm.horizontalAdvance(Ohne(l->text()));
            if (breite > c.width())
                fehler << Wo(*l, l->text()) + QStringLiteral(": %1 px breit, Platz %2").arg(breite).arg(c.width());
            // A neighbour on the same parent that the text runs into; frames
            // around a group of controls are no neighbours.
            const QRect flaeche = TextFlaeche(*l);
            for (QObject* o : l->parentWidget()->children()) {
                auto* n = qobject_cast<QWidget*>(o);
                if (!n || n == l || !n->isVisibleTo(&wurzel)) continue;
                if (QString::fromLatin1(n->metaObject()->className()) == QLatin1String("QFrame")) continue;
                if (const auto* nl = qobject_cast<const QLabel*>(n); nl && nl->text().isEmpty()) continue;
                const QRect belegt = qobject_cast<const QLabel*>(n) ? TextFlaeche(*n) : n->geometry();
                if (!belegt.isEmpty() && flaeche.intersects(belegt))
                    fehler << Wo(*l, l->text()) + QStringLiteral(" läuft in ") + n->objectName();
            }
            continue;
        }
        if (const auto* b = qobject_cast<const QPushButton*>(w)) {
            const int rand = 2 * b->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, b);
            const int bild = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
            const int breite = QFontMetrics(b->font()).horizontalAdvance(Ohne(b->text())) + bild + rand;
            if (breite > b->width())
                fehler << Wo(*b, b->text()) + QStringLiteral(": %1 px breit, Platz %2").arg(breite).arg(b->width());
            continue;
        }
        if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
            const auto* b = static_cast<const QAbstractButton*>(w);
            if (b->sizeHint().width() > b->width())
                fehler << Wo(*b, b->text()) +
                              QStringLiteral(": %1 px breit, Platz %2").arg(b->sizeHint().width()).arg(b->width());
            continue;
        }
        if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
            // The title sits in the frame's top edge, with a little room at both ends.
            const int breite = QFontMetrics(g->font()).horizontalAdvance(Ohne(g->title())) + 16;
            if (breite > g->width())
                fehler << Wo(*g, g->title()) + QStringLiteral(": %1 px breit, Platz %2").arg(breite).arg(g->width());
        }
    }
    return fehler;
}

// The same for one window of a program made in English: `holen` takes it
// from a freshly made `Programm`.
template <class Programm, class Holen>
QStringList NichtPassendAufEnglisch(const Holen& holen, const QStringList& kataloge) {
    const testsupport::SpracheFuer englisch(fuzzy::Language::English, kataloge);
    Programm p({});
    QWidget* w = holen(p);
    w->show();
    QCoreApplication::processEvents();
    const QStringList fehler = NichtPassend(*w);
    w->hide();
    return fehler;
}

}  // namespace textepassen
