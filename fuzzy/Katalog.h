#pragma once

#include <cstddef>

// The English catalogue of the Qt-free texts, generated at build time from
// the .ts files in i18n/ (tools/katalog). Sorted by context, then source, in
// byte order, so that a lookup is a binary search.
namespace fuzzy::katalog {

struct Eintrag {
    const char* kontext;
    const char* quelle;
    const char* englisch;
};

extern const Eintrag kEnglisch[];
extern const std::size_t kEnglischAnzahl;

}  // namespace fuzzy::katalog
