#pragma once

// What a person can read in a window, gathered from its widget tree, so that
// a test can hold the German and the English edition of the same window side
// by side: every text the English edition shows must differ from its German
// source unless it is a name, a number or a unit that both languages share.

#include "fuzzy/Language.h"

#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

namespace testsupport {

struct SichtbarerText {
    QString ort;   // path of object names (or class and index) and the property
    QString text;  // as the widget holds it (rich text with its tags)
};

// Window titles, labels, buttons, group boxes, tabs, menus and their
// actions, tool tips, status tips, placeholders, combo box and list items,
// table headers; hidden pages of stacks and tabs included, so that nothing
// escapes by not being shown at the moment.
std::vector<SichtbarerText> SichtbareTexte(const QWidget* wurzel);

// The places where the two editions disagree in structure, or where the
// English text equals the German and is neither free of letters (numbers,
// signs), nor a unit, nor one of `gleich` (names and words spelt the same in
// both languages). Empty means: everything is translated.
QStringList Unuebersetzt(const std::vector<SichtbarerText>& deutsch, const std::vector<SichtbarerText>& englisch,
                         const QStringList& gleich = {});

// The texts of a window as it is on the screen: shown once, so that its
// layout and menus are made, and hidden again.
std::vector<SichtbarerText> Gezeigt(QWidget* fenster);

// Switches the running test program to a language and back to German when it
// ends; windows made in between speak that language.
class SpracheFuer {
public:
    SpracheFuer(fuzzy::Language sprache, const QStringList& kataloge);
    ~SpracheFuer();
    SpracheFuer(const SpracheFuer&) = delete;
    SpracheFuer& operator=(const SpracheFuer&) = delete;

private:
    QStringList kataloge_;
};

// What stays German in one window of a program (Dorvane, Pemrak): `holen`
// takes the window from a freshly made `Programm`, once in German and once
// in English (`kataloge`). A window without any text counts as a failure.
template <class Programm, class Holen>
QStringList UnuebersetztImProgramm(const Holen& holen, const QStringList& kataloge, const QStringList& gleich) {
    std::vector<SichtbarerText> deutsch, englisch;
    {
        Programm p({});
        deutsch = Gezeigt(holen(p));
    }
    {
        const SpracheFuer sprache(fuzzy::Language::English, kataloge);
        Programm p({});
        englisch = Gezeigt(holen(p));
    }
    if (deutsch.empty()) return {QStringLiteral("das Fenster zeigt keinen Text")};
    return Unuebersetzt(deutsch, englisch, gleich);
}

}  // namespace testsupport
