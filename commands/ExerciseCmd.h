#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace exercise {
struct CheckResult;
struct Exercise;
}  // namespace exercise

namespace fuzzysim {

// `fuzzysim aufgabe check EXERCISE [PROJECT.fuz] [ANSWERS.fuzantwort] [--json]`:
// judges a student's project and answers by the exercise. Exit status 0 when
// every check passed, 1 when one failed or the project changed what the
// exercise does not allow, 2 for an unusable file or a wrong call.
// `fuzzysim aufgabe start EXERCISE [-o PROJECT.fuz]`: writes the starting project.
int RunExercise(const std::vector<std::string>& args);

// The document of `aufgabe check --json`: "title", "verdict", "passed",
// "teacherMarks", "changes", "criteria" (id, name, measured, limit, their
// texts measuredText and limitText as the text output writes them, compare,
// unit, passed, reasons, and where they apply point, speed, starts, runs,
// boxes) and "hints".
void PrintExerciseJson(const exercise::Exercise& e, const exercise::CheckResult& r, std::ostream& out);
// The same for a person, one line per criterion.
void PrintExerciseText(const exercise::Exercise& e, const exercise::CheckResult& r, std::ostream& out);

}  // namespace fuzzysim
