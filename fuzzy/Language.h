#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// Every text a person reads is written in German in the source and looked up
// in the catalogue of the active language at the moment it is shown. lupdate
// reads Tr(...) as translate(...) and FUZZY_TR_NOOP(...) as
// QT_TRANSLATE_NOOP(...) (scripts/uebersetzen.sh), so the Qt-free texts live
// in the same .ts files as the windows' texts.
//
//   throw Error(Fmt(Tr("Import", "Zeile %1: …"), {std::to_string(line)}));
//
// FUZZY_TR_NOOP marks a text in a table; Tr(context, entry) translates it
// where it is used.
#define FUZZY_TR_NOOP(context, text) text

namespace fuzzy {

enum class Language { German, English };

// The language of this process; German until set. Set it once at the start,
// before any thread reads a text (the tests switch between their cases).
Language ActiveLanguage();
void SetLanguage(Language sprache);

// "de", "en", also with region, code set or modifier ("en_GB.UTF-8",
// "de_AT@euro"); nullopt for any other language.
std::optional<Language> LanguageFromName(std::string_view name);

// The language the environment asks for, read as gettext reads it: LC_ALL,
// else LC_MESSAGES, else LANG names the locale; an unset, empty, "C" or
// "POSIX" locale means German (today's texts, byte for byte). Otherwise the
// list in LANGUAGE (colon-separated), if set, else the locale itself: its
// first entry that is German or English decides; none of them: German.
Language LanguageFromEnvironment();
Language LanguageFromEnvironment(const std::function<const char*(const char*)>& getenv);

// The text in the active language: the German source itself in German, and
// where the catalogue has no translation. The result lives as long as the
// program.
const char* Tr(const char* context, const char* source);

// The pattern with %1 … %9 replaced by the arguments, in one pass (an argument
// that contains "%2" stays as it is). A % not followed by the number of an
// argument stays.
std::string Fmt(std::string_view pattern, std::initializer_list<std::string_view> args);

// The decimal separator of the active language: ',' in German, '.' in English.
char DecimalSign();

}  // namespace fuzzy
