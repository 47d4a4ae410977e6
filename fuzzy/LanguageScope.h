#pragma once

#include "fuzzy/Language.h"

namespace fuzzy {

// A language for a scope: the one before comes back at its end, also when an
// exception or a failed test assertion leaves early.
class LanguageScope {
public:
    explicit LanguageScope(Language sprache) : vorher_(ActiveLanguage()) { SetLanguage(sprache); }
    ~LanguageScope() { SetLanguage(vorher_); }
    LanguageScope(const LanguageScope&) = delete;
    LanguageScope& operator=(const LanguageScope&) = delete;

private:
    Language vorher_;
};

}  // namespace fuzzy
