#!/usr/bin/env bash
# Installs what is missing, builds the dev preset and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/deps.sh
fuzzy_ensure_packages
fuzzy_try_optional_packages
fuzzy_ensure_test_locale
fuzzy_try_web_modules
cmake --preset dev
cmake --build --preset dev
ctest --preset dev
