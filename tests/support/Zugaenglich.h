#pragma once

// What a screen reader says of a window's controls: every control a person
// can reach (it takes focus, or it is a button, field, list, slider, tab bar
// or table) must have a name, from its own text, a label that is its buddy,
// or an accessible name. A control without one is read out as "button" or
// "edit", and a keyboard or screen-reader user cannot tell what it does.

#include "tests/support/SichtbareTexte.h"

#include <QStringList>
#include <QWidget>

namespace testsupport {

// One line per control below `wurzel` (hidden pages of tabs and stacks
// included) whose accessible interface has no name: its path of object
// names (or class and index) and its class. Empty when every control is
// named.
QStringList OhneZugaenglichenNamen(QWidget* wurzel);

// The same in German and in English (`kataloge`), each line naming the
// language; `bauen` and `fenster` as for DoppelteKuerzelBeiderSprachen. The
// window is shown once, so that its layout and lazily made parts exist.
template <class Bauen, class Fenster>
QStringList OhneNamenBeiderSprachen(const Bauen& bauen, const Fenster& fenster, const QStringList& kataloge) {
    QStringList aus;
    const auto pruefen = [&](const QString& sprache) {
        auto besitzer = bauen();
        QWidget* w = fenster(besitzer);
        w->show();
        for (const QString& z : OhneZugaenglichenNamen(w)) aus << sprache + z;
        w->hide();
    };
    pruefen(QStringLiteral("Deutsch: "));
    {
        const SpracheFuer englisch(fuzzy::Language::English, kataloge);
        pruefen(QStringLiteral("Englisch: "));
    }
    return aus;
}

}  // namespace testsupport
