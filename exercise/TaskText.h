#pragma once
// A task's text as the file holds it, hard-wrapped for an editor, set for a
// box or a sheet of any width: a blank line ends a paragraph, the lines of a
// paragraph run on, and a line that begins an item ("1. ", "2) ", "- ",
// "* ", "• ", "– ", "P1: ") begins a line of its own, with its indent.

#include <string>
#include <vector>

namespace exercise {

using TaskParagraph = std::vector<std::string>;  // its lines

std::vector<TaskParagraph> TaskParagraphs(const std::string& text);

}  // namespace exercise
