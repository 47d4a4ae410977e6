#pragma once
// A second reading of a project's text that says where it stops fitting the
// format: the line and what was expected there. LoadProject itself only tells
// that the file is no project; this pass serves tools that name the place.

#include <string>
#include <string_view>
#include <vector>

namespace fuzzy {

struct ProjectDiagnosis {
    bool ok = true;        // the reader would load the text without a format error
    int line = 0;          // the line of the first format error (from 1)
    std::string expected;  // active language: what the reader needed there
    std::string found;     // active language: what stands there ("„abc“", "eine leere Zeile", "das Dateiende")
    // Real lines that do not parse and quietly read as 0: "Zeile 9: „1,5“ wird als 0 gelesen ...".
    std::vector<std::string> zeroReads;
    // The same one by one: the line and what it says without the line.
    std::vector<int> zeroReadLines;
    std::vector<std::string> zeroReadCauses;
    // The last line the reader takes; anything after it is not read.
    int linesRead = 0;

    // "Zeile 12: erwartet wird ..., gefunden: ..." (empty when ok).
    std::string Describe() const;
};

// Diagnoses the raw bytes of a project file (Windows-1252) as LoadProjectBytes
// reads them.
ProjectDiagnosis DiagnoseProject(std::string_view bytes);

}  // namespace fuzzy
