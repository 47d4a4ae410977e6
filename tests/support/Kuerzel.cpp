#include "tests/support/Kuerzel.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include <set>

namespace testsupport {

namespace {

// The mnemonic of a text in lower case ("&&" is a plain ampersand); a null
// character when it has none.
QChar Kuerzel(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// Letter -> the texts that carry it.
using Belegung = QMap<QChar, QStringList>;

void Eintragen(Belegung& b, const QString& text) {
    const QChar k = Kuerzel(text);
    if (!k.isNull()) b[k] << text;
}

void Melden(QStringList& aus, const QString& wo, const Belegung& b) {
    for (auto it = b.begin(); it != b.end(); ++it)
        if (it.value().size() > 1)
            aus << QStringLiteral("%1: %2 in „%3“").arg(wo, QString(it.key()), it.value().join(QStringLiteral("“, „")));
}

// A menu's own level: its visible actions.
void MenueEbene(QStringList& aus, const QMenu* m, std::set<const QMenu*>& gesehen) {
    if (!m || !gesehen.insert(m).second) return;
    Belegung b;
    for (const QAction* a : m->actions()) {
        if (a->isSeparator() || !a->isVisible()) continue;
        Eintragen(b, a->text());
        MenueEbene(aus, a->menu(), gesehen);
    }
    const QString name = m->title().isEmpty() ? m->objectName() : m->title();
    Melden(aus, QStringLiteral("Menü „%1“").arg(name), b);
}

bool Sichtbar(const QWidget* w, const QWidget* fenster) { return w->window() == fenster && w->isVisibleTo(fenster); }

// Everything on the window that Alt+letter reaches in its present state.
Belegung Fensterebene(const QWidget* fenster) {
    Belegung b;
    for (const QMenuBar* leiste : fenster->findChildren<QMenuBar*>())
        if (Sichtbar(leiste, fenster))
            for (const QAction* a : leiste->actions())
                if (a->isVisible()) Eintragen(b, a->text());
    for (const QTabBar* t : fenster->findChildren<QTabBar*>())
        if (Sichtbar(t, fenster))
            for (int i = 0; i < t->count(); ++i)
                if (t->isTabVisible(i) && t->isTabEnabled(i)) Eintragen(b, t->tabText(i));
    for (const QAbstractButton* k : fenster->findChildren<QAbstractButton*>())
        if (Sichtbar(k, fenster)) Eintragen(b, k->text());
    for (const QGroupBox* g : fenster->findChildren<QGroupBox*>())
        if (Sichtbar(g, fenster)) Eintragen(b, g->title());
    for (const QLabel* l : fenster->findChildren<QLabel*>())
        if (l->buddy() && Sichtbar(l, fenster)) Eintragen(b, l->text());
    return b;
}

}  // namespace

QStringList DoppelteKuerzel(QWidget* fenster) {
    QStringList aus;
    fenster->show();
    QCoreApplication::processEvents();
    // Every menu of the window (the menu bar's and the buttons' are its children too).
    std::set<const QMenu*> gesehen;
    for (const QMenu* m : fenster->findChildren<QMenu*>()) MenueEbene(aus, m, gesehen);

    // The window as it is, then with each page of each tab widget or stack.
    std::set<QString> schon;
    auto pruefen = [&](const QString& zustand) {
        Belegung b = Fensterebene(fenster);
        QStringList hier;
        Melden(hier, zustand, b);
        for (const QString& z : hier)
            if (schon.insert(z.section(QLatin1Char(':'), 1)).second) aus << z;
    };
    pruefen(QStringLiteral("Fenster"));
    for (QStackedWidget* s : fenster->findChildren<QStackedWidget*>()) {
        if (s->window() != fenster) continue;
        // A tab widget's stack turns through the tab widget, as a click would.
        auto* reiter = qobject_cast<QTabWidget*>(s->parentWidget());
        const int vorher = s->currentIndex();
        auto waehlen = [&](int i) { reiter ? reiter->setCurrentIndex(i) : s->setCurrentIndex(i); };
        for (int i = 0; i < s->count(); ++i) {
            waehlen(i);
            pruefen(QStringLiteral("Fenster, Seite %1").arg(i + 1));
        }
        waehlen(vorher);
    }
    fenster->hide();
    return aus;
}

}  // namespace testsupport
