#pragma once

// Where the shipped example projects and exercises lie, in the program's
// language: the English edition offers examples/en/ (the same numbers with
// English names) wherever the German one offers the German examples.

#include "fuzzy/Language.h"

#include <QString>
#include <QStringList>

namespace widgets {

// The folders that may hold the examples, in the order they are tried:
// installed, ../share/<package>/beispiele beside the program's folder; in the
// build tree, the sources' examples/.
QStringList BeispielKandidaten(const QString& programmOrdner);

// The examples' folder for a language: its en/ subfolder for English when
// that exists, else the folder itself. `unterordner` (such as "aufgaben")
// is looked for inside the language's folder first, then inside the
// German one. Empty when there is none.
QString Beispielordner(const QString& programmOrdner, fuzzy::Language sprache, const QString& unterordner = {});

// The same for the running program in its active language.
QString Beispielordner(const QString& unterordner = {});

// The example projects (*.fuz) of that folder, sorted by name, as full paths.
QStringList BeispielProjekte(const QString& ordner);

}  // namespace widgets
