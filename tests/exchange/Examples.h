#pragma once
// The shipped example projects, loaded once per test.

#include "EngineTest.h"

#include <string>

struct ExampleProject {
    fuzzy::TFuzzy A, B, Out;
    fuzzy::RuleTable Rules;
};

// Loads examples/<name>.fuz; the test fails when the engine complains.
inline ExampleProject LoadExample(const std::string& name) {
    RecordingMessages messages;
    fuzzy::SetMessages(&messages);
    ExampleProject p;
    fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR) + "/examples/" + name + ".fuz", p.A, p.B, p.Out, p.Rules);
    fuzzy::SetMessages(nullptr);
    EXPECT_TRUE(messages.log.empty()) << name;
    return p;
}
