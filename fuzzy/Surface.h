#pragma once

#include "fuzzy/Project.h"

#include <array>
#include <vector>

namespace fuzzy {

// The output over A x B, sampled on nx x ny points that include the corners
// of both ranges: A runs from RangeMin to RangeMax of input A in nx steps,
// B likewise. Without input B the field is a single row, the curve over A.
struct SurfaceGrid {
    int Nx = 0;
    int Ny = 0;
    float AMin = 0.0f, AMax = 0.0f;
    float BMin = 0.0f, BMax = 0.0f;
    bool TwoInputs = false;
    // Row by row: Values[j * Nx + i] is the output at (A(i), B(j)).
    std::vector<float> Values;
    // The smallest and largest output in the field (0 for an empty field).
    float Min = 0.0f, Max = 0.0f;

    float A(int i) const;
    float B(int j) const;
    float Value(int i, int j) const { return Values[static_cast<std::size_t>(j) * Nx + i]; }
    bool Empty() const { return Values.empty(); }
};

// Sets up the sample positions (no values yet); nx and ny below 2 count as 2,
// ny as 1 without input B. Empty when input A or the output is not defined.
SurfaceGrid PrepareSurface(const Project& p, int nx, int ny);

// Fills rows jVon..jBis-1 of a prepared field; rows are independent, so
// callers may split them across threads (each call works on its own copy).
void FillSurfaceRows(SurfaceGrid& k, const Project& p, int jVon, int jBis);

// Prepares and fills the whole field, then sets minimum and maximum.
SurfaceGrid ComputeSurface(const Project& p, int nx, int ny);

// Sets minimum and maximum from the values.
void SetSurfaceBounds(SurfaceGrid& k);

// What a single control step does, taken apart for the inspector: every
// membership degree, every rule's firing strength, every output term's
// activation with the rule cell that set it, and the crisp result.
struct StepBreakdown {
    bool TwoInputs = false;
    float A = 0.0f, B = 0.0f;
    // Degree of each term of A and of B (index term - 1); 0 beyond TermCount.
    std::array<float, MaxTerms> DegreeA{};
    std::array<float, MaxTerms> DegreeB{};
    // Firing strength of the rule in row r (term of B), column c (term of A),
    // [r - 1][c - 1]: min of the two degrees, or A's degree alone in row 1
    // without input B; 0 where the rules are not read.
    std::array<std::array<float, MaxTerms>, MaxTerms> Strength{};
    // Activation of each output term as Infer leaves it (its height).
    std::array<float, MaxTerms> Activation{};
    // The rule cell (row, column, from 1) that sets each output term's
    // activation: the first cell in Infer's order whose strength equals it.
    // {0, 0} when the activation is 0 (no rule lifts the term).
    std::array<std::array<int, 2>, MaxTerms> Decisive{};
    // Out after Infer: its heights are the activations.
    TFuzzy Scaled;
    float Output = 0.0f;
};

StepBreakdown BreakDownStep(const Project& p, float a, float b);

}  // namespace fuzzy
