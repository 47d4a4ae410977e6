// What the Werkstatt writes after an edit, for the browser tests: reads a
// project, makes the edits given on the command line as the Werkstatt's
// model makes them (a corner or height set to a number, a rule cell set to an
// output term) and writes the project with the one project writer.
//
//   web_edit_reference IN OUT param VAR TERM PARAM NUMBER | rule ROW COL TERM ...
#include "fuzzy/FuzUnits.h"
#include "fuzzy/Numbers.h"
#include "fuzzy/Project.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

namespace {

fuzzy::TFuzzy& Role(fuzzy::Project& p, const std::string& r) {
    if (r == "A") return p.A;
    if (r == "B") return p.B;
    if (r == "Out") return p.Out;
    std::cerr << "unknown variable " << r << '\n';
    std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: web_edit_reference IN OUT [param VAR TERM PARAM NUMBER | rule ROW COL TERM]...\n";
        return 2;
    }
    fuzzy::Project p = fuzzy::LoadProject(argv[1]);
    for (int i = 3; i < argc;) {
        const std::string op = argv[i];
        if (op == "param" && i + 4 < argc) {
            const fuzzy::RealResult v = fuzzy::ParseProjectReal(argv[i + 4]);
            if (v.status != fuzzy::RealStatus::Ok) return 2;
            Role(p, argv[i + 1]).SetParam(std::atoi(argv[i + 2]), std::atoi(argv[i + 3]), v.value);
            i += 5;
        } else if (op == "rule" && i + 3 < argc) {
            p.Rules.Set(std::atoi(argv[i + 1]), std::atoi(argv[i + 2]), std::atoi(argv[i + 3]));
            i += 4;
        } else {
            std::cerr << "unknown edit " << op << '\n';
            return 2;
        }
    }
    std::ofstream(argv[2], std::ios::binary) << fuzzy::ProjectText(p);
    return 0;
}
