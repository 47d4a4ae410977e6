// How a task's hard-wrapped lines are set: one case per way a line could be
// joined to the wrong neighbour.
#include "exercise/TaskText.h"

#include <gtest/gtest.h>

namespace {

using Paragraphs = std::vector<exercise::TaskParagraph>;

struct Case {
    const char* text;
    Paragraphs expected;
};

class TaskTextTest : public testing::TestWithParam<Case> {};

TEST_P(TaskTextTest, SetsLinesAsTheAuthorMeantThem) {
    EXPECT_EQ(exercise::TaskParagraphs(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TaskTextTest,
    testing::Values(
        // A wrapped sentence runs on; a blank line (even of spaces) ends the paragraph.
        Case{"Open the\ndiagram.\n  \nNext one.", {{"Open the diagram."}, {"Next one."}}},
        // An indented continuation of an item runs on with it, not as a line of its own.
        Case{"1. Find the places. Write\n   down where.\n2) Close them.",
             {{"1. Find the places. Write down where.", "2) Close them."}}},
        // Bullets, the true en dash among them, begin lines.
        Case{"Do:\n- this\n\u2022 that\n\u2013 and more", {{"Do:", "- this", "\u2022 that", "\u2013 and more"}}},
        // A point's label begins a line and keeps its indent and the gaps typed inside it.
        Case{"Read off:\n  P1: x 1      P2: x 2", {{"Read off:", "  P1: x 1      P2: x 2"}}},
        // A number or a word that is no item runs on.
        Case{"up to\n10 cm or\nP: none\n3.5 s", {{"up to 10 cm or P: none 3.5 s"}}}, Case{"", {}}));

}  // namespace
