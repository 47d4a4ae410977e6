#pragma once
// Reading exercises (.fuzaufgabe) and a student's answers (.fuzantwort), the
// text format of docs/aufgaben.md. Both are files from outside: only regular
// files, at most MaxFileBytes, lines of at most MaxLineBytes, UTF-8 without
// control characters, every number checked against its range. Whatever does
// not fit is refused with a FormatError naming the line, in the active
// language; nothing is half-read.

#include "exercise/Exercise.h"
#include "exercise/Sections.h"

#include <string>
#include <string_view>
#include <vector>

namespace exercise {

// The bytes of a file from outside: a regular file of at most MaxFileBytes.
// Throws FormatError (no line) when it is none or cannot be read.
std::string ReadBoundedFile(const std::string& path);

Exercise ParseExercise(std::string_view bytes);
Exercise ReadExercise(const std::string& path);

Answers ParseAnswers(std::string_view bytes);
Answers ReadAnswers(const std::string& path);

// The text of an answers file that ParseAnswers reads back as the same
// answers (numbers in their shortest exact form).
std::string AnswersText(const Answers& a);

// The lines of a section that embeds a file, each behind "|" (comments and
// blank lines skipped; any other line is refused with its line): the text
// joined with "\n" and each text line's line in the file.
struct EmbeddedLines {
    std::string Text;
    std::vector<int> Lines;
};
EmbeddedLines EmbeddedOf(const Section& s);
// The project of such a section, read as a .fuz file is read (UTF-8 here,
// Windows-1252 there); a line that does not fit is refused with the line of
// the file, and so is a line after the project's end that is not blank.
fuzzy::Project EmbeddedProject(const Section& s);
// A text as such a section holds it: "| " before each line.
std::string EmbedLines(std::string_view text);

// Whether the text starts like an answers file (its first section is
// [antworten]): how a command line tells answers from a project.
bool LooksLikeAnswers(std::string_view bytes);

}  // namespace exercise
