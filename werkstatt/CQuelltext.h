#pragma once
// The workshop's C export: the controller as C source with its header side
// by side, for a microcontroller (see exchange/ExportC.h).

#include "fuzzy/Project.h"

#include <QString>

#include <optional>

namespace werkstatt {

// Whether a file chosen for the export names C source (.c, any case).
bool IstCQuelltext(const QString& datei);

// Writes the project's C export (NAME fuzzy) to datei and its header, datei
// with .h, beside it; each whole or not at all. Neither may be the project's
// own file. Returns the German message when something is refused or fails.
std::optional<QString> CQuelltextSchreiben(const fuzzy::Project& p, const QString& quelle, const QString& projektDatei,
                                           const QString& datei);

}  // namespace werkstatt
