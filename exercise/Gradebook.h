#pragma once
// The class's marks for a gradebook: a CSV file that Moodle's grade import
// takes as it is, and beside it the rows it must not get.
//
// What the import expects, and why the file looks as it does:
// - a header row, then one row per student: the identifier (the ID number,
//   or the e-mail address, mapped to the user in the import form), the
//   grade, the feedback;
// - the grade with a decimal point (the import reads it in any language),
//   an empty field for no grade, never more than 100 (the import's maximum
//   unless the site raised it; an exercise gives at most 100 points);
// - fields in double quotes, a quote inside doubled; no line break inside;
// - one row without a known user aborts the whole import, and a row whose
//   identifier is empty is not skipped but lands on the student before it.
//   So only rows with an identifier of the kind the column holds go in;
//   every other row (no identifier, the other kind, two hand-ins of one
//   student, another exercise, a file that was not read, no grade) goes into
//   the second file with the reason, for the teacher to enter by hand.

#include "exercise/Marking.h"

#include <string>
#include <vector>

namespace exercise {

struct Gradebook {
    // The column's kind: true when it holds e-mail addresses (more rows had
    // one than an ID number), else ID numbers.
    bool Emails = false;
    std::string Import;  // the CSV for the import
    std::string Left;    // the CSV of the rows left out, with their reasons
    // One sentence per row left out, for the terminal or a message.
    std::vector<std::string> LeftOut;
    int Imported = 0;
};

Gradebook GradebookFiles(const ClassResult& c);

// The feedback of a row as the import's feedback column holds it: the
// verdict, the points and the failed criteria with their reasons; markup
// characters escaped (the gradebook shows feedback as HTML).
std::string Feedback(const ClassResult& c, const MarkedHandIn& r);

// Points with a decimal point, whole where whole ("7", "7.5").
std::string GradeText(double points);

}  // namespace exercise
