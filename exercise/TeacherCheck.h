#pragma once
// The teacher's check of an exercise (`fuzzysim aufgabe gegenprobe`, and the
// Werkstatt when a teacher opens an exercise of their own): what makes it
// unfair or useless before a class works on it.
//
// - the reference solution fails (or there is none to try);
// - the starting project already passes, or a shipped example or template
//   passes unchanged (a student could hand it in as it is);
// - a criterion can never fail or always fails: by its limit (no start docks
//   fewer than 0; a force that cannot leave a locked range), by a fixed
//   project (the exercise lets nothing change), by physics (no locomotive of
//   that mass is at rest so soon with the output's largest force);
// - a number the check compares with is not finite;
// - a hint names an answer;
// - a hand step's output by the textbook's min/max inference (each term
//   clipped at its height, the maximum of them, its centroid) lies farther
//   from the engine's (each term scaled, the areas summed) than the step's
//   tolerance, so that a class computing by the book fails;
// - and, for the points: which criteria the starting project already meets
//   (they earn nothing unless the exercise says startpunkte).

#include "exercise/Check.h"
#include "exercise/Exercise.h"

#include <optional>
#include <string>
#include <vector>

namespace exercise {

struct Finding {
    // "reference_fails", "no_reference", "start_passes", "example_passes",
    // "never_fails", "always_fails", "not_finite", "hint_answer", "method_differs",
    // "start_meets" (a note on the points, not a fault).
    std::string Kind;
    std::string Text;  // in the active language
    int Line = 0;      // of the section concerned, 0 for the whole file
    bool Fault() const { return Kind != "start_meets"; }
};

struct NamedProject {
    std::string Name;  // as a person knows it ("lok.fuz", "Vorlage lok")
    fuzzy::Project Project;
};

struct TeacherCheckInput {
    // The reference solution, where there is one.
    std::optional<fuzzy::Project> Reference;
    std::optional<Answers> ReferenceAnswers;
    // What a student could hand in without any work: the shipped examples
    // and the templates (ShippedProjects()).
    std::vector<NamedProject> Examples;
};

// The shipped example projects (examples/*.fuz) and the templates of "Neu".
std::vector<NamedProject> ShippedProjects();

// The crisp output of one step by the textbook's min/max inference: the
// rules' strengths and the terms' heights as the engine's (minimum, maximum),
// each output term clipped at its height, the maximum of the clipped terms,
// and the centroid of that area. Nothing when no rule fires.
std::optional<float> MinMaxOutput(const fuzzy::Project& p, float a, std::optional<float> b);

std::vector<Finding> TeacherCheck(const Exercise& e, const TeacherCheckInput& in, const CheckOptions& options = {});

}  // namespace exercise
