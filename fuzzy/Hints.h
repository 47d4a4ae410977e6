#pragma once
// The hints on a project: what the reader accepts but is most likely a
// mistake, and where no rule fires. `fuzzysim check` and the Werkstatt list
// the same hints from here.

#include "fuzzy/Project.h"
#include "fuzzy/NoRuleRegions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace fuzzy {

enum class HintKind {
    NotDefined,         // input A or the output is not defined
    RangeReversed,      // the range does not begin below its end
    CornersOutOfOrder,  // a <= b <= c <= d does not hold
    HeightOutside,      // h outside 0 .. 1
    TooLarge,           // numbers too large for single precision: an input's range wider than the largest
                        // single, or an output corner or range end beyond LargestOutputNumber()
    TermOutsideRange,   // the term lies wholly outside its variable's range
    Gap,                // part of an input's range where no term is above 0 (while there is no rule;
                        // with rules such a part is a NoRuleFires region)
    RuleNeverRead,      // an entry outside the terms the inference reads
    RuleNamesNoTerm,    // an entry that names no output term
    RuleCannotFire,     // a rule whose input term is above 0 nowhere in its range
    OutputTermUnused,   // an output term that no rule uses
    NoRules,            // no rule at all
    NoRuleFires,        // a region of the inputs where no rule fires
};

// The page of a project a hint belongs to.
enum class HintPage { InputA, InputB, Output, Rules };

// Where a hint points: a page and on it the terms or the rule cells concerned.
struct HintPlace {
    HintPage Page = HintPage::InputA;
    std::uint8_t Terms = 0;   // bit i - 1: term i of the page's variable
    std::uint32_t Cells = 0;  // bit (row - 1) * 5 + (column - 1): row = term of B, column = term of A

    bool HasTerm(int i) const;
    bool HasCell(int row, int column) const;
    // The first term or cell concerned (by number, row by row), 0 when none.
    int FirstTerm() const;
    int FirstRow() const;
    int FirstColumn() const;

    friend bool operator==(const HintPlace& x, const HintPlace& y) {
        return x.Page == y.Page && x.Terms == y.Terms && x.Cells == y.Cells;
    }
};

struct Hint {
    HintKind Kind = HintKind::NotDefined;
    HintPlace Place;
    std::string Text;                 // one sentence, in the active language
    std::optional<NoRuleBox> Region;  // NoRuleFires: the box the sentence speaks of
};

// Everything worth pointing out, in page order (input A, input B, output,
// rules), then the regions where no rule fires.
std::vector<Hint> ProjectHints(const Project& p);

// The sentence for one region where no rule fires, e.g. "Bei Abstand = 100 cm
// feuert keine Regel, denn dort ist kein Term von Abstand größer als 0: Kraft
// fällt auf −2,5 N (Bereichsanfang)."
std::string NoRuleText(const Project& p, const NoRuleBox& box);

// The same for one point of the inputs (b is ignored without input B), for
// an inspector that shows a step in which no rule fires.
std::string NoRuleAtText(const Project& p, float a, float b);

// The largest magnitude of the output's corners and range ends for which the
// centroid cannot overflow in single precision (about 4.6e18): with at most
// five terms of height up to 1 and every corner within +-M, each term's area
// is at most 2M and its centroid within +-M, so the defuzzifier's sum of
// centroid times area stays below 10 M^2, and the centroid's own numerator
// below 7.5 M^2. 16 M^2 <= FLT_MAX leaves room for the rounding of the sums.
float LargestOutputNumber();

// Why the output comes out as no finite number: the hint on numbers too
// large for single precision, or the overflow of the centroid in general.
std::string NotFiniteCause(const Project& p);

// A number as the hints write it: the decimal sign of the active language
// (German comma, English point), a true minus sign, as many digits as single
// precision needs to name exactly this value.
std::string GermanNumber(float v);

}  // namespace fuzzy
