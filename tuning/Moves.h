#pragma once

// The changes the tuner tries on a project, each keeping what makes the
// project readable to a person:
//
// - Rule tables: by default monotone. Ordered by their centroids, the output
//   term of a cell never falls when input A's term or input B's term moves to
//   the right (both vehicles' sign conventions: more distance or more speed
//   away from the mark asks for more force towards it; a truck further right
//   or turned further left steers further left). Every cell has a rule.
// - Terms: corners on the step grid of their variable (fuzzy::CornerStep);
//   centroids in their order and on their side of the range's middle; no
//   corner past the same corner of the next term to the right (where the start
//   already had one there, not further past it); the end
//   terms stay shoulders (their outer corners stay where they were, once
//   CoverRangeEnds has carried them past a bare end of the range); no term
//   narrower than it can be seen or so wide that it covers (almost) the whole
//   range; and every name still fits its shape (NamesFit).

#include "fuzzy/Project.h"

#include <array>
#include <cstdint>
#include <random>

namespace tuning {

// The generator of the moves: xoshiro256** seeded through SplitMix64. Each
// candidate gets one of its own, made afresh from the seed, the round and its
// place; a seed sequence for std::mt19937_64 would cost more than many a
// candidate's runs.
class Rng {
public:
    using result_type = std::uint64_t;
    explicit Rng(std::uint64_t seed);
    // The generator for these numbers, each mixed in on its own, so that
    // neighbouring seeds, rounds or places give unrelated sequences.
    Rng(std::uint64_t seed, std::uint64_t round, std::uint64_t place);
    static constexpr result_type min() { return 0; }
    static constexpr result_type max() { return ~result_type{0}; }
    result_type operator()();

private:
    std::array<std::uint64_t, 4> s_{};
};

int Pick(Rng& rng, int n);

// Bit of rule cell (row, column) as Score::Reached counts them, 1-based.
inline std::uint32_t CellBit(int row, int column) { return 1u << ((row - 1) * 5 + (column - 1)); }

// Input A (0), input B (1) or the output (2) of a project.
fuzzy::TFuzzy& Variable(fuzzy::Project& p, int which);
const fuzzy::TFuzzy& Variable(const fuzzy::Project& p, int which);
// The rows of the rule table in use: B's terms, or one without input B.
int TableRows(const fuzzy::Project& p);
// Whether cell (row, column) names one of the output's terms.
bool HasRule(const fuzzy::Project& p, int row, int column);
// Whether the corners and heights of every term are the same, bit for bit.
bool SameTerms(const fuzzy::Project& p, const fuzzy::Project& q);
// The rule cells in which the runs of `from` may go otherwise under p: the
// cells that differ, or every bit (Evaluation.h: Everything) when anything
// else does.
std::uint32_t Changed(const fuzzy::Project& p, const fuzzy::Project& from);
// What the cells with a rule around (row, column) say: the rounded mean of
// its neighbours with a rule, or of the nearest further off, or the middle
// output term when there is none.
std::int32_t NeighboursSay(const fuzzy::Project& p, int row, int column);

// The rule table seen in the order of the terms' centroids (ranks count from
// 0, left to right): Get and Set speak of output ranks 1 .. Outs (0: no rule).
// The orders are taken once from the start project; the search keeps them.
class RankedTable {
public:
    explicit RankedTable(const fuzzy::Project& start);

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    int Outs() const { return outs_; }

    int Get(const fuzzy::RuleTable& t, int row, int col) const;
    void Set(fuzzy::RuleTable& t, int row, int col, int rank) const;
    // The bit of the cell at ranks (row, col) in Score::Reached.
    std::uint32_t Bit(int row, int col) const;

    // Every cell has a rule, and the output rank never falls to the right or
    // upwards (rising in both inputs).
    bool Monotone(const fuzzy::RuleTable& t) const;
    // The monotone table nearest to t in a simple sense: the mean of the
    // smallest monotone table above t and the largest one below it, with
    // empty cells taking what the filled ones around them allow.
    void MakeMonotone(fuzzy::RuleTable& t) const;
    // An even table: rank 1 + round((Outs - 1) * (0.5 + ga * (a - 0.5) + gb
    // * (b - 0.5)) + shift), a and b the cell's place from 0 to 1, clamped.
    void Even(fuzzy::RuleTable& t, double ga, double gb, double shift) const;

    // One cell one output term up (or down), with the cells that would then
    // break the order (those above and to the right, or below and to the left)
    // taken along: the table stays monotone.
    void Push(fuzzy::RuleTable& t, int row, int col, int delta) const;

private:
    int rows_ = 1, cols_ = 0, outs_ = 0;
    std::array<int, fuzzy::MaxTerms> row_{}, col_{}, out_{};  // rank -> term (1-based)
    std::array<int, fuzzy::MaxTerms + 1> outRank_{};          // term -> rank (1-based, 0 none)
};

// A changed rule table that keeps the order: one or a block of cells pushed
// up or down (mostly cells a run reached), the whole table shifted by a term
// or by a cell along an input, or a new even table near the current one.
void MonotoneRuleMove(fuzzy::RuleTable& t, const RankedTable& ranks, std::uint32_t reached, Rng& rng);

// A changed rule table in any shape, in the cells a run reached only: one
// cell changed (a term up or down, what a neighbour says, anything but "no
// rule"), the reached cells of a 2x2 block set alike, or those of a row a
// term up or down.
void FreeRuleMove(fuzzy::Project& p, std::uint32_t reached, Rng& rng);

// --- terms ----------------------------------------------------------------------

// Whether the terms of v still mean what those of start (the same variable
// before the search) meant: see the top of this file. `output` for the
// output variable, whose corners stay inside its range.
bool KeepsMeaning(const fuzzy::TFuzzy& v, const fuzzy::TFuzzy& start, bool output);

// Whether each term of v still fits its name on the side of zero that its
// core (the corners b to c, at full height) had in start: a term whose core
// lay above 0 ("positiv klein", "nah") keeps its core above 0 and its foot at
// 0 or above, a term below 0 likewise below, and a term whose core held 0
// ("null", "an der Marke") keeps holding it. A foot that already reached over
// 0 in start may stay there but reach no further.
bool NamesFit(const fuzzy::TFuzzy& v, const fuzzy::TFuzzy& start);
// The same for all three variables of a project.
bool NamesFit(const fuzzy::Project& p, const fuzzy::Project& start);

// An input whose end term stops at or inside the end of the range leaves
// that end (and the gap up to it) without a term, so no rule fires there,
// and a move never changes an end term's outer corners: such a shoulder is
// carried past the end by one grid step (the right end, where a term's
// right foot does not belong to it) or to the end (the left). Returns
// whether anything changed.
bool CoverRangeEnds(fuzzy::TFuzzy& v);

// One corner of one term moved along the grid, by steps in proportion to its
// room; undone when the terms would lose their meaning.
void MoveCorner(fuzzy::TFuzzy& v, const fuzzy::TFuzzy& start, bool output, Rng& rng);
// A whole inner term (or the inner flank of an end term) moved by some steps.
void MoveTerm(fuzzy::TFuzzy& v, const fuzzy::TFuzzy& start, bool output, Rng& rng);
// Every inner corner drawn towards the middle of the range or away from it by
// one factor, then put on the grid; undone when the terms would lose their
// meaning. Returns whether anything changed.
bool ScaleTerms(fuzzy::TFuzzy& v, const fuzzy::TFuzzy& start, bool output, double factor);

}  // namespace tuning
