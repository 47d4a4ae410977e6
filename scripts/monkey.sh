#!/usr/bin/env bash
# The long GUI monkey run: both programs at once, under AddressSanitizer and
# UndefinedBehaviorSanitizer (the asan preset), for SECONDS each.
#   scripts/monkey.sh SECONDS [SEED]
# Prints each program's figures (events, clicks, keys, runs, messages) and
# every fault with the events that led to it; exits non-zero on a fault or a
# sanitizer report. The seed is printed: MONKEY_SEED=S MONKEY_EVENTS=N with
# the same build replays a run event by event.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?"Aufruf: scripts/monkey.sh SEKUNDEN [SEED]"}
seed=${2:-$(date +%s)}
. scripts/deps.sh
fuzzy_ensure_packages
cmake --preset asan >/dev/null
cmake --build --preset asan --target truck_app_monkey loco_app_monkey

export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0:use_tls=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export MONKEY_SEED=$seed MONKEY_SECONDS=$seconds MONKEY_EVENTS=0
echo "Monkey: $seconds s per program, seed $seed"

logs=build/asan/monkey
mkdir -p "$logs"
pids=()
for p in truck loco; do
  build/asan/tests/$p/${p}_app_monkey --gtest_filter='*RandomEvents*' >"$logs/$p.log" 2>&1 &
  pids+=($!)
done
status=0
for i in 0 1; do
  wait "${pids[$i]}" || status=1
done
for p in truck loco; do
  echo "--- $p ($logs/$p.log)"
  grep -E '^(Dorvane|Pemrak):|^  (FAULT|message)|ERROR: |runtime error|\[  (PASSED|FAILED) ' "$logs/$p.log" || true
done
exit $status
