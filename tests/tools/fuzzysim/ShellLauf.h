#pragma once

// What the tool tests need to start fuzzysim through the shell and read what
// it left: a word quoted for sh, the captured result, its output as lines.

#include <sstream>
#include <string>
#include <vector>

namespace shelllauf {

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::vector<std::string> Lines(const std::string& s) {
    std::vector<std::string> lines;
    std::istringstream in(s);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

}  // namespace shelllauf
