// Feeds arbitrary bytes to the three importers (FLL, FIS, FCL). Each either
// refuses with an ImportError or gives a project that then survives the
// whole way round: written as a project file, read back the same, exported
// to every format and imported again, bit for bit (ImportRoundTrip.h).
#include "fuzz/ImportRoundTrip.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string fault = importfuzz::RoundTripFault(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
