#pragma once

// How well a controller does on its vehicle, as a score that compares
// lexicographically and prints in the active language.
//
// First, for both vehicles: how much of the inputs' ranges has no firing rule
// (where the output falls to the start of its range whatever the table says);
// a project that leaves such a place is worse than every one that does not.
//
// Truck: the grid at -1 m/s and at -10 m/s; then the number of docked starts
// at both speeds together, then the number of starts that left the road, then
// the worst end position (|x| in tenths of a metre plus |attitude| in degrees,
// each measured against its goal of 0.1 m and 1 degree), then, to tell
// otherwise equal tables apart, the number of arrivals.
//
// Locomotive: masses 1, 2 and 4 kg at steps of 0.055 s and 0.1 s, friction 3,
// 100 cm from the mark; then the number of good runs: at rest within 0.5 cm
// and 0.5 cm/s up to the end, never more than 0.5 cm past the mark, the force
// always within the output's range; then the number of runs at rest at all
// (a run that never comes to rest is worse than any run that does, however
// early it ends: one that runs past the mark and out is no better than one
// that stands still); then the force's sign changes beyond 8 in a run, summed
// over the runs (up to 8 a run are free: braking and creeping in take a few, a
// jittering controller takes dozens); then the latest time of coming to rest
// of the runs at rest, then the largest overshoot, then how far from rest the
// runs end.
//
// Every key is a figure that Describe shows, so a better score is better in
// at least one figure a person can read; Explain says which, by how much, and
// what got worse on the way.

#include "fuzzy/Project.h"
#include "truck/model/Grid.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

namespace tuning {

enum class Vehicle { Truck, Loco };

// The speeds of the truck grid that the score judges.
constexpr std::array<float, 2> TruckSpeeds{-1.0f, -10.0f};
// A scored truck run ends after 150 m of driving (no docking run of the grid
// comes near it), or earlier as lost when the rear point is 30 m beside the
// target line or 10 m above its start: a truck circling for ever or leaving
// the picture costs little. Docked starts are therefore the same as in
// dorvane::RunFuzzy; only the figures of runs that never dock may differ.
int TruckScoreSteps(float speed);

struct TruckFigures {
    std::array<dorvane::GridFigures, 2> Grid;  // at TruckSpeeds[0] and [1]
    int Docked() const { return Grid[0].Docked + Grid[1].Docked; }
    int Starts() const { return Grid[0].Starts + Grid[1].Starts; }
    int LeftRoad() const { return Grid[0].LeftRoad() + Grid[1].LeftRoad(); }
    int Arrived() const { return Grid[0].Arrived + Grid[1].Arrived; }
};

// Force sign changes a locomotive run may make without a penalty.
constexpr int FreeSignChanges = 8;
// How far past the mark a good run may go, cm.
constexpr double GoodOvershootCm = 0.5;

struct LocoFigures {
    int Runs = 0;
    int AtRest = 0;             // within 0.5 cm and 0.5 cm/s up to the end
    int Good = 0;               // at rest, overshoot <= 0.5 cm, force within the output range
    int ForceOutside = 0;       // runs in which the force left the output range
    int MostSignChanges = 0;    // of the force, in one run
    int ExcessSignChanges = 0;  // beyond FreeSignChanges, summed over the runs
    double LatestRest = 0.0;    // s, the latest of the runs at rest (0 when none is)
    double MeanRest = 0.0;      // s, the mean of the runs at rest (0 when none is)
    double Overshoot = 0.0;     // cm past the mark, the largest of all runs
    double EndMiss = 0.0;       // sum over the runs of |s| + |v| at the end (cm, cm/s)
};

struct Score {
    Vehicle Kind = Vehicle::Truck;
    // False when the evaluation was cut short (cancelled, or beaten by a
    // bound before its end): such a score is worse than every complete one.
    bool Complete = false;
    // Pieces of the inputs' ranges without a firing rule (NoRuleRegions::DeadPieces).
    int NoRulePieces = 0;
    TruckFigures Truck;
    LocoFigures Loco;
    // The rule cells that fired in some step of some run, counting a term as
    // firing wherever it lies between its outer corners (a few cells more at
    // most, never one less): bit (row - 1) * 5 + (column - 1), as
    // NoRuleBox::Cells.
    std::uint32_t Reached = 0;
    // Compared in this order, smaller is better.
    std::array<double, 8> Keys{};
};

// a is strictly better than b.
bool Better(const Score& a, const Score& b);

// How the figures write their decimals: the command-line tool keeps the point
// its output has always had (scripts read it); the Werkstatt shows the decimal
// sign of the active language (Comma: the German comma, the English point) as
// in the rest of its windows.
enum class Decimals { Point, Comma };

// The figures in the active language, one line each, without a final newline.
std::string Describe(const Score& s, Decimals d = Decimals::Point);
// The first figures in one short line, for a progress display.
std::string OneLine(const Score& s, Decimals d = Decimals::Point);

// What changed from `before` to `after`, in the active language: one sentence
// naming the figures that got better (the one that decides first, with how
// much), one naming those that got worse; empty when no figure changed.
std::string Explain(const Score& before, const Score& after, Decimals d = Decimals::Point);

// Why a project cannot be scored for the vehicle (active language), or nothing.
std::optional<std::string> Unsuitable(const fuzzy::Project& p, Vehicle v);

// Runs the vehicle's test set on a copy of the project. When bound is given,
// the evaluation stops as soon as the project is sure to score worse than the
// bound (returning an incomplete score); a set cancel flag stops it too.
Score Evaluate(const fuzzy::Project& p, Vehicle v, const Score* bound = nullptr,
               const std::atomic<bool>* cancel = nullptr);

}  // namespace tuning
