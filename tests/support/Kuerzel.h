#pragma once

// The mnemonics of a window (the letter after '&' that Alt+letter reaches)
// and where two entries that compete for the same keys share one. Competing
// are the actions of one menu, and everything on the window at the same
// time: the menu bar's titles, the tabs, buttons, group boxes and labels
// with a buddy, once for every page of each tab widget or stack.

#include "tests/support/SichtbareTexte.h"

#include <QString>
#include <QStringList>

class QWidget;

namespace testsupport {

// One line per letter that two entries of one menu level or of the window
// share: where, the letter and the texts. Empty when every mnemonic is
// unique. The window is shown while its pages are gone through.
QStringList DoppelteKuerzel(QWidget* fenster);

// The same in German and in English (`kataloge`), each line naming the
// language: `bauen` makes the window anew and returns its owner, which
// `fenster` takes it from (a program and one of its windows, a dialog).
template <class Bauen, class Fenster>
QStringList DoppelteKuerzelBeiderSprachen(const Bauen& bauen, const Fenster& fenster, const QStringList& kataloge) {
    QStringList aus;
    {
        auto besitzer = bauen();
        for (const QString& z : DoppelteKuerzel(fenster(besitzer))) aus << QStringLiteral("Deutsch: ") + z;
    }
    {
        const SpracheFuer sprache(fuzzy::Language::English, kataloge);
        auto besitzer = bauen();
        for (const QString& z : DoppelteKuerzel(fenster(besitzer))) aus << QStringLiteral("Englisch: ") + z;
    }
    return aus;
}

}  // namespace testsupport
