#pragma once

#include "fuzzy/Project.h"
#include "werkstatt/kern/Bearbeitung.h"

#include <QString>

namespace werkstatt {

// What the undo stack keeps per step: the project, the file it belongs to
// and the key of what that file holds (only a new project changes the file).
struct Stand {
    fuzzy::Project projekt;
    QString datei;
    Fahrzeug fahrzeug = Fahrzeug::Unbestimmt;
    QString inhalt;  // Inhaltsschluessel of the project as the file holds it; empty without a file
};

}  // namespace werkstatt
