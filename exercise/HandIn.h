#pragma once
// A hand-in (.fuzabgabe): one student's work on one exercise, in the text
// form of the exercise files (docs/aufgaben.md): who (name, class, and for
// the gradebook an ID number or e-mail address), when, for which exercise
// (its title and the fingerprint of its file), and the work itself (the
// project and the answers, each embedded behind "|").
//
// A hand-in comes from outside like every file: only a regular file of at
// most MaxFileBytes, every field checked, a FormatError with the line for
// whatever does not fit; nothing is half-read.

#include "exercise/Exercise.h"
#include "exercise/Sections.h"
#include "fuzzy/Project.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace exercise {

struct HandIn {
    std::string Name;   // 1 to 100 bytes
    std::string Class;  // 1 to 40 bytes
    // An ID number or an e-mail address for the gradebook (empty: none):
    // letters, digits and . _ @ + - /, at most 100.
    std::string Id;
    std::string Date;         // "2025-03-14T09:30:00Z", UTC
    std::string Title;        // the exercise's title as the student saw it
    std::string Fingerprint;  // ExerciseFingerprint (Package.h) of the exercise file: 64 hexadecimal digits
    std::optional<fuzzy::Project> Project;
    std::optional<Answers> Given;
    int ProjectLine = 0;  // where the file had them
    int AnswersLine = 0;
};

// The fields a person types, checked as the reader checks them: nothing when
// the value fits, else the reason in the active language.
enum class HandInField { Name, Class, Id };
std::optional<std::string> FieldError(HandInField f, std::string_view value);
// Whether an identifier is an e-mail address (else an ID number).
bool IsEmail(std::string_view id);

// The text of the hand-in; ParseHandIn reads it back as the same hand-in.
// Throws FormatError (without a line) for a field that does not fit, and
// fuzzy::ESaveError for a project the project writer refuses.
std::string HandInText(const HandIn& h);
HandIn ParseHandIn(std::string_view bytes);
HandIn ReadHandIn(const std::string& path);

// The moment of a hand-in: SOURCE_DATE_EPOCH where it holds a number of
// seconds (reproducible files, tests), else the clock.
std::int64_t HandInClock();
// Seconds since 1970 as "YYYY-MM-DDTHH:MM:SSZ".
std::string DateText(std::int64_t seconds);

}  // namespace exercise
