#!/usr/bin/env bash
# Fuzzes the project reader with libFuzzer for a given number of seconds:
#   scripts/fuzz.sh [SECONDS]        (default 60)
# Works on a copy of the seed corpus in fuzz/corpus-work/ (kept between runs,
# ignored by git); inputs that crash land in build/fuzz/artifacts/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
. scripts/deps.sh
fuzzy_ensure_packages clang libclang-rt-14-dev
seconds="${1:-60}"
case "$seconds" in
  ''|*[!0-9]*) echo "Aufruf: scripts/fuzz.sh [SEKUNDEN]" >&2; exit 2 ;;
esac

cmake --preset fuzz >/dev/null
cmake --build build/fuzz --target fuzz_project -j 2

work="$root/fuzz/corpus-work"
artifacts="$root/build/fuzz/artifacts"
mkdir -p "$work" "$artifacts"
cp -n "$root"/fuzz/corpus/* "$work"/ 2>/dev/null || true

log="$root/build/fuzz/last-run.log"
set +e
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  build/fuzz/fuzz/fuzz_project "$work" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" 2>&1 | tee "$log" | grep -E '^#[0-9]+[[:space:]]+(INITED|DONE|pulse)|ERROR|SUMMARY|stat::' || true
status=${PIPESTATUS[0]}
set -e

execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
echo "Laufzeit: ${seconds} s, Ausführungen: ${execs:-unbekannt}, Korpus: $(ls "$work" | wc -l) Dateien"
if [ "$status" -ne 0 ]; then
  echo "Der Fuzzer hat einen Fehler gefunden (Exit $status); Eingaben in $artifacts, Protokoll in $log" >&2
  exit 1
fi
