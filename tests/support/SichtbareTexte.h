#pragma once

// What a person can read in a window, gathered from its widget tree, so that
// a test can hold the German and the English edition of the same window side
// by side: every text the English edition shows must differ from its German
// source unless it is a name, a number or a unit that both languages share.

#include "Sprache.h"

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

// Switches the running test program to a language and back to German when it
// ends; windows made in between speak that language.
class SpracheFuer {
public:
    SpracheFuer(fuzzy::Sprache sprache, const QStringList& kataloge);
    ~SpracheFuer();
    SpracheFuer(const SpracheFuer&) = delete;
    SpracheFuer& operator=(const SpracheFuer&) = delete;

private:
    QStringList kataloge_;
};

}  // namespace testsupport
