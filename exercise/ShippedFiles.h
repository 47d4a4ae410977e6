#pragma once
// The example projects shipped in examples/ (the German ones; the English
// ones carry the same numbers), built into the program: the teacher's check
// tries whether one passes an exercise unchanged.

#include <string_view>
#include <vector>

namespace exercise {

struct ShippedFile {
    const char* Name;  // "lok.fuz"
    std::string_view Bytes;
};

const std::vector<ShippedFile>& ShippedFiles();

}  // namespace exercise
