// main() of the test executables without a window.
#include "tests/support/CiSkips.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    return testsupport::FailSkipsInCi(RUN_ALL_TESTS());
}
