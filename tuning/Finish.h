#pragma once

// What a search's result goes through before it is handed out. Each step
// tries a change and keeps it only when the score stays at least as good, so
// the finished project never scores worse than the search's best.

#include "tuning/Evaluation.h"

namespace tuning {

struct Finishing {
    Vehicle Kind = Vehicle::Truck;
    fuzzy::Project Best;
    Evaluation Eval;  // of Best, complete
    // When given, a candidate whose terms no longer fit their names as in
    // this project (NamesFit) is never taken.
    const fuzzy::Project* Names = nullptr;
    // Corners PutOnGrid had to leave off the grid.
    int OffGrid = 0;

    // Takes candidate when it scores at least as well as Best.
    bool Take(const fuzzy::Project& candidate);
};

// Cells a run reached that have no rule get what their neighbours say, or
// failing that the output term nearest to it that keeps the score.
void FillReachedCells(Finishing& f);

// Every corner onto its variable's step grid (fuzzy::CornerStep): all at once
// when that keeps the score, otherwise corner by corner, each to the nearer
// grid point or the other one beside it; what neither allows is counted in
// OffGrid.
void PutOnGrid(Finishing& f);

// The output's end terms back as far out as they were at the start, each
// where the score allows it.
void OutputEndsOut(Finishing& f, const fuzzy::Project& start);

// Rules in cells that no lab run of Best fires (FiredCells) go back to what
// start had there; in a monotone table as near to it as the order allows.
// Such a cell changes no run, so the score stays. A cell start left empty
// keeps the rule it got. Returns the cells that still differ from start
// although no run fires them.
std::uint32_t UnfiredCellsBack(Finishing& f, const fuzzy::Project& start, bool monotone);

}  // namespace tuning
