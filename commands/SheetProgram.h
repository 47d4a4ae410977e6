#pragma once
// The students' sheet of a package comes from the Werkstatt's own sheet code:
// fuzzysim stays free of Qt and runs the werkstatt program for it, as a
// teacher would (`werkstatt --blatt AUFGABE.fuzaufgabe -o BLATT.pdf`).

#include <optional>
#include <string>

namespace fuzzysim {

// The werkstatt program: FUZZYSIM_WERKSTATT where it is set, else
// "werkstatt" in fuzzysim's own folder, else on PATH. Nothing where none
// can be run.
std::optional<std::string> FindWerkstatt();

// Runs `werkstatt --blatt EXERCISE -o PDF` (in the active language, without a
// display) and waits for it; its messages go to standard error. Returns an
// empty string when the sheet was written, else the reason.
std::string WriteStudentsSheet(const std::string& werkstatt, const std::string& exercise, const std::string& pdf);

}  // namespace fuzzysim
