#pragma once
// Import's answer in one value for table-driven tests: the project and its
// notes, or the refusal with its line and message.

#include "exchange/Exchange.h"

#include <string>
#include <string_view>
#include <vector>

struct ImportOutcome {
    bool ok = false;
    fuzzy::TFuzzy A, B, Out;
    fuzzy::RuleTable Rules;
    std::vector<std::string> notes;
    int line = 0;
    std::string message;
    std::string described;
    const std::string& Describe() const { return described; }
};

inline ImportOutcome TryImport(exchange::Format f, std::string_view text) {
    ImportOutcome o;
    try {
        exchange::Imported r = exchange::Import(f, text);
        o.ok = true;
        o.A = r.project.A;
        o.B = r.project.B;
        o.Out = r.project.Out;
        o.Rules = r.project.Rules;
        o.notes = r.notes;
    } catch (const exchange::ImportError& e) {
        o.line = e.Line();
        o.message = e.what();
        o.described = e.Describe();
    }
    return o;
}
