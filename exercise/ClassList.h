#pragma once
// A class list: one student's name per line, as a teacher writes it or
// copies it out of the school's system (UTF-8, blank lines and lines
// starting with # skipped, a byte order mark overread). For the teacher's
// sheet of an exercise whose numbers come from the name: each student's
// numbers and answers.
//
// A file from outside: a regular file of at most MaxFileBytes, lines of at
// most MaxLineBytes, every name checked as a hand-in's name, the same name
// twice refused; a FormatError names the line.

#include <string>
#include <string_view>
#include <vector>

namespace exercise {

constexpr std::size_t MaxClassList = 200;

std::vector<std::string> ParseClassList(std::string_view bytes);
std::vector<std::string> ReadClassList(const std::string& path);

}  // namespace exercise
