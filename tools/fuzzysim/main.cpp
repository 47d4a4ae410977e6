// fuzzysim: the fuzzy engine on the command line, without any GUI.
#include "fuzzy/Language.h"
#include "commands/CommandLine.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    // The language first: every word from here on is in it.
    fuzzy::SetLanguage(fuzzy::LanguageFromEnvironment());
    return fuzzysim::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc));
}
