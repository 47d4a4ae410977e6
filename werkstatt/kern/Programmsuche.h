#pragma once

#include <optional>
#include <string>
#include <vector>

namespace werkstatt {

// The two programs the workshop can hand a project to.
enum class Fahrzeugprogramm { Dorvane, Pemrak };

// The program's file name ("dorvane", "pemrak") and its name in messages.
std::string Dateiname(Fahrzeugprogramm p);
std::string Anzeigename(Fahrzeugprogramm p);

// Where the program may sit, relative to the folder of the werkstatt binary,
// in the order they are tried: installed, the program lies in the same
// folder; in the build tree it lies in ../truck or ../loco.
std::vector<std::string> Kandidaten(const std::string& werkstattOrdner, Fahrzeugprogramm p);

// The first candidate that is a regular, executable file; nothing when
// none is.
std::optional<std::string> FindeProgramm(const std::string& werkstattOrdner, Fahrzeugprogramm p);

}  // namespace werkstatt
