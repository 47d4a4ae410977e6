#include "commands/New.h"

#include "commands/Args.h"
#include "commands/CheckEval.h"
#include "commands/Format.h"
#include "fuzzy/Language.h"
#include "fuzzy/Templates.h"

#include <iostream>

namespace fuzzysim {

int RunNew(const std::vector<std::string>& args) {
    std::vector<std::string> named(args);
    for (std::string& x : named)
        if (x == "-o") x = "--output";
    const Args a(named, {}, {"--output"});
    a.ExpectPositional(1, fuzzy::Tr("fuzzysim", "die Vorlage (leer, truck oder lok)"));
    const std::string& name = a.Positional()[0];
    // The English names of the two German ones; the template keeps its own.
    const auto project = fuzzy::TemplateNamed(name == "empty" ? "leer" : name == "loco" ? "lok" : name);
    if (!project)
        throw UsageError(
            fuzzy::Fmt(fuzzy::Tr("fuzzysim", "Unbekannte Vorlage: %1 (es gibt leer, truck und lok)."), {name}));
    return WriteNewProject(*project, a.Value("--output"),
                           fuzzy::Tr("fuzzysim",
                                     "%1 gibt es schon; fuzzysim new \xC3\xBC"
                                     "berschreibt keine Datei."));
}

}  // namespace fuzzysim
