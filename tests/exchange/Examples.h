#pragma once
// The shipped example projects, loaded once per test.

#include "fuzzy/Project.h"
#include "tests/fuzzy/EngineTest.h"

#include <string>

// Loads examples/<name>.fuz; the test fails when the engine complains.
inline fuzzy::Project LoadExample(const std::string& name) {
    RecordingMessages messages;
    fuzzy::SetMessages(&messages);
    fuzzy::Project p = fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR) + "/examples/" + name + ".fuz");
    fuzzy::SetMessages(nullptr);
    EXPECT_TRUE(messages.log.empty()) << name;
    return p;
}
