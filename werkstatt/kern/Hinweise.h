#pragma once

#include "Projekt.h"

#include <string>
#include <vector>

namespace werkstatt {

// Where a hint points to: a variable's page (optionally one term row) or a
// cell of the rule table (row = term of input B, column = term of input A,
// as the table stores them).
struct Ort {
    enum class Seite { EingangA, EingangB, Ausgang, Regeln };
    Seite seite = Seite::EingangA;
    int term = 0;    // 1..5 on a variable page, 0 = the variable itself
    int zeile = 0;   // rule table only
    int spalte = 0;  // rule table only

    friend bool operator==(const Ort& x, const Ort& y) {
        return x.seite == y.seite && x.term == y.term && x.zeile == y.zeile && x.spalte == y.spalte;
    }
};

// The kinds of likely mistake the workshop points out.
enum class HinweisArt {
    BereichVerkehrt,       // the range does not begin below its end
    EckenVerkehrt,         // a <= b <= c <= d does not hold
    HoeheAusserhalb,       // h outside 0 .. 1
    TermAusserhalb,        // the term lies wholly outside its variable's range
    Luecke,                // part of an input's range that no term covers
    NichtDefiniert,        // input A or the output is not defined
    RegelNieAktiv,         // a rule cell that can never fire
    KeinTerm,              // a rule entry that names no output term
    AusgangstermUnbenutzt  // an output term that no rule uses
};

struct Hinweis {
    HinweisArt art;
    Ort ort;
    std::string text;  // German, one sentence
};

// Everything the workshop would point out in p, in page order: input A,
// input B, output, rules.
std::vector<Hinweis> Analysiere(const Projekt& p);

// True when term i of v is above 0 somewhere within v's range.
bool TermWirktImBereich(const fuzzy::TFuzzy& v, int i);

}  // namespace werkstatt
