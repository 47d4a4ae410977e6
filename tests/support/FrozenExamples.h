#pragma once
// The shipped example projects as the figure tests took their numbers from
// them (tests/data), so that better shipped controllers do not move those
// figures.

#include "fuzzy/Project.h"

#include <string>

inline fuzzy::Project FrozenExample(const std::string& name) {
    return fuzzy::LoadProject(std::string(FUZZY_SOURCE_DIR) + "/tests/data/" + name);
}
