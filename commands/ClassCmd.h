#pragma once
// The classroom's subcommands of `fuzzysim aufgabe` (each also under its
// English name):
//
//   paket|package EXERCISE… -o DIR [--ohne-blatt|--no-sheet]
//       the students' copy of each exercise and its students' sheet as PDF
//       (made by the werkstatt program, SheetProgram.h) into DIR;
//   abgabe|handin EXERCISE [PROJECT.fuz] [ANSWERS.fuzantwort] --name N
//       --klasse|--class K [--id I] -o FILE.fuzabgabe
//       one student's hand-in;
//   auswerten|mark EXERCISE FILES_OR_FOLDERS… [--csv|--json] [--moodle FILE]
//       [--threads N]
//       the class's table, one row per hand-in, and the gradebook file;
//   gegenprobe|vet EXERCISE [--loesung|--solution FILE] [--json]
//       the teacher's check of the exercise.
//
// Exit status: 0 done (auswerten: every hand-in marked; gegenprobe: nothing
// unfair found), 1 a hand-in needs the teacher's eye or the check found a
// fault (or a file could not be written), 2 an unusable input or call. With
// --json every error is a JSON document on standard output too.

#include <string>
#include <vector>

namespace fuzzysim {

int RunPackage(const std::vector<std::string>& args);
int RunHandIn(const std::vector<std::string>& args);
int RunMark(const std::vector<std::string>& args);
int RunVet(const std::vector<std::string>& args);

// The document of an unusable call or input under --json: {"error": …}.
void PrintJsonError(const std::string& message);

}  // namespace fuzzysim
