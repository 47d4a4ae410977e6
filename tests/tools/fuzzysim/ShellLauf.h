#pragma once

// What the tool tests need to start fuzzysim through the shell and read what
// it left: a word quoted for sh, the captured result, its output as lines.

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <iterator>
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

// Runs a shell command line (its stdin already redirected), with stderr into
// errFile; the exit status, stdout and what errFile then holds.
inline Result Capture(const std::string& cmd, const std::string& errFile) {
    Result r;
    FILE* p = ::popen((cmd + " 2>" + Quote(errFile)).c_str(), "r");
    if (!p) return r;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) r.out.append(buf, n);
    const int raw = ::pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream e(errFile, std::ios::binary);
    r.err.assign(std::istreambuf_iterator<char>(e), std::istreambuf_iterator<char>());
    return r;
}

inline std::vector<std::string> Lines(const std::string& s) {
    std::vector<std::string> lines;
    std::istringstream in(s);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

}  // namespace shelllauf
