#pragma once
// Marking a class: every hand-in of one exercise checked as the exercise
// checks a project, with its points, in one table that fuzzysim, the
// Werkstatt and the page show alike (ClassJson).
//
// A file that cannot be read, a hand-in for another exercise (another
// fingerprint), and two hand-ins of one student (the same name and class,
// or the same identifier) each get a row that says so; none of them stops
// the class.

#include "exercise/Check.h"
#include "exercise/Exercise.h"
#include "exercise/HandIn.h"
#include "exercise/Points.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exercise {

// At most this many hand-ins are marked at once.
constexpr std::size_t MaxHandIns = 1000;

// The hand-ins among paths: a file as it is (any name), a folder's regular
// files ending in .fuzabgabe (not its subfolders), in the order of their
// names. A path that is neither stays in the list, so that its row says why.
// Throws FormatError beyond MaxHandIns.
std::vector<std::string> HandInFiles(const std::vector<std::string>& paths);

struct MarkedHandIn {
    std::string File;  // as given
    // Read: the file is a hand-in. Otherwise Problem says why not.
    bool Read = false;
    // The hand-in was read but cannot be judged (no project where the
    // exercise needs one, answers that do not fit): Problem says why.
    std::string Problem;
    HandIn In;
    bool Foreign = false;                  // made for another exercise (another fingerprint)
    std::vector<std::string> DuplicateOf;  // the files of the same student's other hand-ins
    std::optional<CheckResult> Result;
    Score Points;
    // Whether the row is a mark that may go into a gradebook.
    bool Gradable() const { return Read && Problem.empty() && !Foreign && DuplicateOf.empty() && Points.Graded; }
};

struct ClassResult {
    std::string Title;        // the exercise's, in the active language
    std::string Fingerprint;  // the exercise file's
    Worth Criteria;           // what each criterion is worth for this class
    CheckResult Start;        // the starting project's check: the names of the criteria
    std::vector<MarkedHandIn> Rows;
    bool Cancelled = false;
};

struct MarkOptions {
    int Threads = 0;
    const std::atomic<bool>* Cancel = nullptr;
    // After each hand-in, from the marking's thread.
    std::function<void(std::size_t done, std::size_t all)> Progress;
};

// Marks the hand-ins (files as HandInFiles lists them) by the exercise read
// from exerciseBytes.
ClassResult MarkClass(const Exercise& e, std::string_view exerciseBytes, const std::vector<std::string>& files,
                      const MarkOptions& options = {});
// One hand-in by itself (the check of a single .fuzabgabe).
MarkedHandIn MarkOne(const Exercise& e, const std::string& fingerprint, const Worth& worth, const HandIn& h,
                     const CheckOptions& options = {});

// The verdict of a row as ClassJson writes it: "passed", "failed",
// "refused", "foreign" for a hand-in to another exercise (or another version
// of this one; its check is in the row all the same), or for a row without a
// check "unreadable" or "unusable".
std::string RowState(const MarkedHandIn& r);
// The same in words, in the active language.
std::string RowStateText(const MarkedHandIn& r);
// What a teacher must look at in this row, one sentence each: why it could
// not be read or judged, another exercise, the duplicates.
std::vector<std::string> RowNotes(const MarkedHandIn& r);

// The table as JSON, the same for every front end: "exercise" (title,
// fingerprint, totalPoints, criteria with id, name, points, metAtStart and
// where they apply point or speed) and "rows" (file, name, class, id, date,
// state, stateText, graded, points, pointsText, total, foreign, duplicateOf,
// notes, criteria with passed, measured, measuredText, unit and points, and
// hints). Two-space indented.
std::string ClassJson(const ClassResult& c);

// The table as CSV for a spreadsheet: a header row, one row per hand-in,
// every field quoted; a field that a spreadsheet would take for a formula
// (= + - @ at its start) starts with an apostrophe.
std::string ClassCsv(const ClassResult& c);

}  // namespace exercise
