#include "exercise/Package.h"

#include "exercise/Reader.h"
#include "exercise/Sections.h"
#include "exercise/Sha256.h"

#include <filesystem>

namespace exercise {

namespace {

bool IsEditionLine(std::string_view line) {
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    if (line.substr(0, 7) != "fassung") return false;
    line.remove_prefix(7);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
    return !line.empty() && line.front() == '=';
}

// The sections both copies share, line for line; `students` marks the
// students' copy in [aufgabe].
std::string Shared(std::string_view exerciseBytes, bool students) {
    std::string out;
    for (const Section& s : SplitSections(exerciseBytes)) {
        if (s.Name == "lehrkraft.de" || s.Name == "lehrkraft.en") continue;
        out += "[" + s.Name + "]\n";
        if (s.Name == "aufgabe" && students) out += "fassung = schueler\n";
        for (const TextLine& l : s.Lines) {
            if (s.Name == "aufgabe" && IsEditionLine(l.Text)) continue;
            out += l.Text + "\n";
        }
    }
    return out;
}

}  // namespace

std::string StudentCopy(std::string_view exerciseBytes) {
    ParseExercise(exerciseBytes);
    return "# Sch\xC3\xBClerfassung einer Aufgabe der Fuzzy-Werkstatt (Format: docs/aufgaben.md).\n"
           "# Students' copy of an exercise of the Fuzzy-Werkstatt.\n" +
           Shared(exerciseBytes, true);
}

std::string ExerciseFingerprint(std::string_view exerciseBytes) { return Sha256Hex(Shared(exerciseBytes, false)); }

std::string PackageStem(const std::string& exercisePath) {
    std::string stem = std::filesystem::path(exercisePath).stem().string();
    std::string clean;
    for (const char c : stem) clean += c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 ? '_' : c;
    while (!clean.empty() && clean.front() == '.') clean.erase(0, 1);
    return clean.empty() ? std::string("aufgabe") : clean;
}

}  // namespace exercise
