#pragma once

#include "fuzzy/Sprache.h"

namespace fuzzy {

// A language for a scope: the one before comes back at its end, also when an
// exception or a failed test assertion leaves early.
class SprachBereich {
public:
    explicit SprachBereich(Sprache sprache) : vorher_(AktiveSprache()) { SetzeSprache(sprache); }
    ~SprachBereich() { SetzeSprache(vorher_); }
    SprachBereich(const SprachBereich&) = delete;
    SprachBereich& operator=(const SprachBereich&) = delete;

private:
    Sprache vorher_;
};

}  // namespace fuzzy
