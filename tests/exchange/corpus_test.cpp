// The importers' fuzz property on every seed of the fuzz corpus, so that the
// ordinary test run holds what the fuzzer checks: each file is refused or
// comes back bit for bit through the writer, the reader and every export.
#include "fuzz/ImportRoundTrip.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

TEST(ImportCorpus, EverySeedKeepsTheRoundTrip) {
    const std::filesystem::path dir = std::filesystem::path(FUZZY_SOURCE_DIR) / "fuzz" / "corpus-import";
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(importfuzz::RoundTripFault(text), "") << entry.path().filename();
        ++files;
    }
    EXPECT_GE(files, 15);
}

}  // namespace
