#pragma once
// Where no rule fires: the input points at which every rule's firing strength
// is 0, so that Defuzzify falls back to the output's RangeMin. Worked out
// exactly, value for value of single precision, from the terms' corners under
// the engine's own membership rules (a rising flank is 0 at its foot, a
// vertical left flank counts its foot, a right foot is never inside, a
// height of 0 never fires), not by sampling.

#include "fuzzy/Project.h"

#include <cstdint>
#include <vector>

namespace fuzzy {

// One end of an interval of input values and whether that value belongs to it.
struct IntervalEnd {
    float Value = 0.0f;
    bool Included = true;
};

// The input values between two ends. It holds at least one value; a single
// point has both ends equal and included.
struct Interval {
    IntervalEnd Low, High;

    bool Contains(float x) const;
    bool IsPoint() const { return Low.Value == High.Value; }
};

// A box of input points where no rule fires: A x B, or A alone without input B.
struct NoRuleBox {
    Interval A;
    Interval B;           // meaningful only when HasB
    bool HasB = false;    // the project has two inputs
    bool WholeA = false;  // the side spans the variable's whole range
    bool WholeB = false;  // (always true without input B)
    // The rule cells that decide somewhere in the box (their A term and their
    // B term are both above 0 there) and hold no rule that works: bit
    // (row - 1) * 5 + (column - 1), row = term of B, column = term of A, as
    // the table stores them. Without input B only row 1.
    std::uint32_t Cells = 0;
    // The input terms above 0 somewhere in the box or right beside it, the
    // ones to widen for a gap: bit i - 1 for term i.
    std::uint8_t TermsA = 0, TermsB = 0;
    // Nowhere in the box is a term of A (of B) above 0: that alone explains it.
    bool GapA = false, GapB = false;
    // In part of the box, not all of it, no term of A (of B) is above 0.
    bool PartlyGapA = false, PartlyGapB = false;

    bool HasCell(int row, int column) const;
    // (a, b) lies in the box; b is ignored without input B.
    bool Contains(float a, float b) const;
};

struct NoRuleRegions {
    bool TwoInputs = false;
    float Fallback = 0.0f;  // what Defuzzify gives there: the output's RangeMin
    // Together they are exactly the points of A's range (x B's range, both ends
    // included) where no rule fires. Each box is as large as it can be; boxes
    // may overlap. Ordered by A's low end, then B's.
    std::vector<NoRuleBox> Boxes;
    // The inputs' ranges cut where a term starts or stops being above 0 give
    // a grid of pieces; this many of them have no firing rule. A coarse
    // measure of how much is uncovered, for a search to drive down.
    int DeadPieces = 0;

    bool Empty() const { return Boxes.empty(); }
    bool Contains(float a, float b) const;
};

// Nothing is reported when input A or the output is not defined, or an input
// range is empty (RangeMin above RangeMax): then there is no point to speak of.
// Input B counts when it is defined, as for Infer.
NoRuleRegions FindNoRuleRegions(const Project& p);

// Whether a rule fires at a point anywhere, inside the inputs' ranges or
// beyond them (where the labs' vehicles may drive): some used output term
// gets an activation above 0 from Infer. Keeps its own copy of the project,
// so one object serves many points of one thread.
class RuleFiring {
public:
    explicit RuleFiring(const Project& p) : P_(p) {}
    // b is ignored without input B.
    bool At(float a, float b);

private:
    Project P_;
};

// The values where term i of v is above 0, as the interval of v's range they
// cover (both ends as they belong); false when the term is above 0 nowhere in
// the range. i counts from 1.
bool TermFiringInterval(const TFuzzy& v, int i, Interval& within);

// A stretch of an input's range where none of its terms is above 0, with the
// terms right beside it (bit i - 1 for term i).
struct TermGap {
    Interval Values;
    std::uint8_t Terms = 0;
};

// Every such stretch, in order; none when the range is empty.
std::vector<TermGap> FindTermGaps(const TFuzzy& v);

}  // namespace fuzzy
