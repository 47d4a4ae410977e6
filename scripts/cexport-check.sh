#!/usr/bin/env bash
# The long check of the C export: every probe pair and a million random input
# pairs per shipped example (FUZZY_CEXPORT_PAIRS, or the first argument),
# compiled with gcc and clang at -O0 and -O2, each result compared bit for bit
# with the engine; then the 8-bit AVR figures under simavr, on the grid and
# off it (FUZZY_AVR_RANDOM random pairs per project).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
fuzzy_ensure_packages
fuzzy_try_optional_packages
cmake --preset dev >/dev/null
cmake --build --preset dev --target exchange_c_tests
export FUZZY_CEXPORT_PAIRS="${1:-${FUZZY_CEXPORT_PAIRS:-1000000}}"
# The AVR off the grid: this many random input pairs per project.
export FUZZY_AVR_RANDOM="${FUZZY_AVR_RANDOM:-20000}"
export LC_ALL=C.UTF-8
build/dev/tests/exchange/c/exchange_c_tests \
  --gtest_filter='CExportIdentity.ExamplesGiveTheEnginesBitsOnProbesAndRandomPairs:*CExportAvr*'
