#pragma once
// The boxes of an exercise's hand steps filled from an answers file, as the
// Werkstatt's exercise panel fills them when a .fuzantwort is opened.

#include <nlohmann/json.hpp>

#include <string_view>

namespace webengine {

// {answers: the .fuzantwort file (Latin1.h)} for the exercise of `data` (a
// .fuzaufgabe): {points: {P1: {key: number}}} for every box the exercise
// asks, the number as its shortest exact text (a box the file leaves out is
// absent), or {refused: {detail}} with the reader's reason and line where
// the file is no answers file or does not fit the exercise.
nlohmann::json AnswerBoxes(const nlohmann::json& req, std::string_view data);

}  // namespace webengine
