#pragma once
// The numbers a student gives for the hand steps of an exercise, one box
// each, as the Werkstatt's panel, the browser page and the students' sheet
// ask for them: keyed as an answers file keys them (docs/aufgaben.md), in
// the order of the exercise's points and of each point's questions, and
// only where the check reads a value (a firing strength only where a rule
// names an output term).

#include "exercise/Exercise.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exercise {

struct AnswerField {
    std::string Point;  // the hand step's point, the section of the answers ("P1")
    Quantity Asked = Quantity::Membership;
    // As in an answers file: "zugehoerigkeit.a.2", "feuerstaerke.1.3", "hoehe.2", "ausgang".
    std::string Key;
    char Input = 'A';  // Membership: 'A' or 'B'
    int Term = 0;      // Membership, Heights: the term's number from 1
    int Row = 0;       // Firing: the term of B (1 without input B)
    int Column = 0;    // Firing: the term of A
};

// Every box of every hand step, for the project the hand steps are worked
// out on (the exercise's StartProject()).
std::vector<AnswerField> AnswerFields(const Exercise& e, const fuzzy::Project& p);

// Where the answer of a key lies in a point's answers; nullptr for a key
// that names none (an unknown word, a term outside 1 to 5).
std::optional<float>* AnswerSlot(PointAnswers& p, std::string_view key);
const std::optional<float>* AnswerSlot(const PointAnswers& p, std::string_view key);

// A number typed as an answer, read as an answers file reads its values: a
// decimal point or a decimal comma (never both), an exponent, blanks around
// it, "-" or the true minus "−"; at most MaxMagnitude. Never the C library's
// locale. Nothing for an empty text or anything else.
std::optional<float> AnswerNumber(std::string_view text);

}  // namespace exercise
