#pragma once
// What an exercise's printed sheets need beyond what the page shows of it:
// the teacher's note, whether the students draw, the lab the sheet shows and
// its settings, the points of the hand steps as exact numbers.

#include <nlohmann/json.hpp>

#include <string_view>

namespace webengine {

// The exercise of `data` (a .fuzaufgabe): {teacherNoteParagraphs (the
// teacher's text in the request's language, as exercise::TaskParagraphs sets
// it), drawing, plant: "truck"|"loco"|"", truckSpeed, locoRuns: [{friction,
// distance, dt, masses}] (the lab the teacher's sheet shows), hand: [{point,
// a, b}]}, every number as its shortest exact text; or {refused: {detail}}
// with the reader's reason and line.
nlohmann::json SheetInfo(const nlohmann::json& req, std::string_view data);

// {speed} (a number as a file writes it) for the project of `data`: what the
// sheet's truck lab says beyond the lab's figures, as the Werkstatt's lab
// says it: the largest |x| and |attitude| at the end as exact numbers, how
// many starts meet no firing rule already at the start and how many later on
// their way, and where the steering falls then (the output's range start);
// {defined: false} without input A or the output.
nlohmann::json TruckSheet(const nlohmann::json& req, std::string_view data);

}  // namespace webengine
