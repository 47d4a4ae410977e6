#pragma once
// What students may have of an exercise: its students' copy, the file as the
// teacher wrote it without the teacher's text, marked `fassung = schueler`
// (docs/aufgaben.md). The reference solution, the reference answers and the
// teacher's sheet stay with the teacher; the front ends add the students'
// sheet as PDF.
//
// The copy keeps every other line as it is, so that its fingerprint
// (ExerciseFingerprint) is the teacher's file's: a hand-in made from the copy
// is marked by the teacher's file.

#include <string>
#include <string_view>

namespace exercise {

// The students' copy of an exercise file. Throws FormatError (with its line)
// for a file the exercise reader refuses: nothing is packed that no program
// could open.
std::string StudentCopy(std::string_view exerciseBytes);

// The fingerprint of an exercise file: SHA-256 of what the students' copy
// and the teacher's file share (everything but the teacher's text and the
// fassung line), so that both give the same one. Throws FormatError for a
// file whose lines the reader refuses.
std::string ExerciseFingerprint(std::string_view exerciseBytes);

// The name of an exercise's files in a package: the file's name without its
// folder and suffix ("03_lok_tabelle"), or "aufgabe" where nothing is left.
std::string PackageStem(const std::string& exercisePath);

}  // namespace exercise
