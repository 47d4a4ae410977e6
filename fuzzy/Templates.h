#pragma once
// The projects a new one starts from, for the Werkstatt's "Neu" and for
// `fuzzysim new`: variables with their terms and an empty rule table. The
// empty template spreads its terms evenly; the truck's and the locomotive's
// lie close together where the vehicle has to be precise and far apart where
// it only has to head for its goal, so that filling in the table (by hand or
// with the tuner) can succeed without moving a term.

#include "fuzzy/Project.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fuzzy {

// Where the outer terms of an even spread end.
enum class SpreadEnds {
    // Shoulders whose outer corners lie a whole range width beyond the range:
    // every value of the range, both ends included, and a good way beyond is
    // above 0 in some term. For inputs.
    Shoulders,
    // Triangles with a vertical outer flank at the range end: every centroid,
    // and so every defuzzified value, stays inside the range. For outputs.
    Inside,
};

// Defines v with the given name, range and terms (at most five): triangles
// that meet their neighbours at the peaks, spread evenly from one end of the
// range to the other, the outer ones as `ends` says.
void SpreadTerms(TFuzzy& v, const std::string& name, float min, float max, const std::vector<std::string>& termNames,
                 SpreadEnds ends);

// A small starting point: input A and the output with three terms each, no
// input B, no rules.
Project TemplateEmpty();
// Dorvane's variables: distance in m (-20 .. 20), attitude in degrees
// (-90 .. 90), steering angle in degrees (-100 .. 100, as Dorvane's own
// project); five terms each, no rules.
Project TemplateTruck();
// Pemrak's variables: distance in cm (-5 .. 30, the far shoulder reaching
// beyond the lab's start at 100 cm), velocity in cm/s (-100 .. 20: towards
// the mark up to beyond the 83 cm/s that full force reaches against friction
// 3), force in N (-2.5 .. 2.5); five terms each, no rules.
Project TemplateLoco();

// The template of that name ("leer", "truck", "lok"), or nothing.
std::optional<Project> TemplateNamed(std::string_view name);

}  // namespace fuzzy
