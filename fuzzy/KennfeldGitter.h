#pragma once

#include "fuzzy/Project.h"

#include <array>
#include <vector>

namespace fuzzy {

// The crisp output for one pair of inputs, exactly as a control step makes
// it: set both values, Infer, Defuzzify. The project is scratch: the inputs'
// values and the output's heights are overwritten, so pass a copy, never the
// pristine one.
float Stellwert(Project& arbeit, float a, float b);

// The output over A x B, sampled on nx x ny points that include the corners
// of both ranges: A runs from RangeMin to RangeMax of input A in nx steps,
// B likewise. Without input B the field is a single row, the curve over A.
struct KennfeldGitter {
    int nx = 0;
    int ny = 0;
    float aMin = 0.0f, aMax = 0.0f;
    float bMin = 0.0f, bMax = 0.0f;
    bool zweiEingaenge = false;
    // Row by row: Werte[j * nx + i] is the output at (A(i), B(j)).
    std::vector<float> Werte;
    // The smallest and largest output in the field (0 for an empty field).
    float minimum = 0.0f, maximum = 0.0f;

    float A(int i) const;
    float B(int j) const;
    float Wert(int i, int j) const { return Werte[static_cast<std::size_t>(j) * nx + i]; }
    bool leer() const { return Werte.empty(); }
};

// Sets up the sample positions (no values yet); nx and ny below 2 count as 2,
// ny as 1 without input B. Empty when input A or the output is not defined.
KennfeldGitter KennfeldVorbereiten(const Project& p, int nx, int ny);

// Fills rows jVon..jBis-1 of a prepared field; rows are independent, so
// callers may split them across threads (each call works on its own copy).
void KennfeldZeilen(KennfeldGitter& k, const Project& p, int jVon, int jBis);

// Prepares and fills the whole field, then sets minimum and maximum.
KennfeldGitter BerechneKennfeld(const Project& p, int nx, int ny);

// Sets minimum and maximum from the values.
void KennfeldGrenzen(KennfeldGitter& k);

// What a single control step does, taken apart for the inspector: every
// membership degree, every rule's firing strength, every output term's
// activation with the rule cell that set it, and the crisp result.
struct Auswertung {
    bool zweiEingaenge = false;
    float a = 0.0f, b = 0.0f;
    // Degree of each term of A and of B (index term - 1); 0 beyond TermCount.
    std::array<float, MaxTerms> gradA{};
    std::array<float, MaxTerms> gradB{};
    // Firing strength of the rule in row r (term of B), column c (term of A),
    // [r - 1][c - 1]: min of the two degrees, or A's degree alone in row 1
    // without input B; 0 where the rules are not read.
    std::array<std::array<float, MaxTerms>, MaxTerms> staerke{};
    // Activation of each output term as Infer leaves it (its height).
    std::array<float, MaxTerms> aktivierung{};
    // The rule cell (row, column, from 1) that sets each output term's
    // activation: the first cell in Infer's order whose strength equals it.
    // {0, 0} when the activation is 0 (no rule lifts the term).
    std::array<std::array<int, 2>, MaxTerms> massgeblich{};
    // Out after Infer: its heights are the activations.
    TFuzzy skaliert;
    float ausgang = 0.0f;
};

Auswertung SchrittZerlegen(const Project& p, float a, float b);

}  // namespace fuzzy
