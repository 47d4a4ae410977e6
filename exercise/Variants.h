#pragma once
// Numbers of one's own: a hand step with `variante = name` draws its point
// (the inputs a and b) from the values the file lists, by the student's
// name. The same name always gets the same numbers, in every program; two
// names seldom share them. The name counts as a person would read it:
// blanks at either end and runs of blanks inside do not matter, nor do the
// cases of the letters A to Z.

#include "exercise/Exercise.h"

#include <string>
#include <string_view>

namespace exercise {

// The name as it is drawn from: trimmed, inner blanks as one, A-Z lower case.
std::string NormalName(std::string_view name);

// The exercise as this student works it: every hand step that draws by name
// gets its point from the name (FromName set); the rest stays as it is. An
// empty name changes nothing (NeedsName() stays true).
Exercise ForStudent(const Exercise& e, std::string_view name);

}  // namespace exercise
