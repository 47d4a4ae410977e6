#!/usr/bin/env bash
# Fuzzes the project reader or the three importers with libFuzzer:
#   scripts/fuzz.sh [project|import] [SECONDS]        (default: project, 60 s)
#   scripts/fuzz.sh [project|import] --runs N         N executions instead of a time
# Works on a copy of the target's seed corpus (fuzz/corpus/ for the reader,
# fuzz/corpus-import/ for the importers) in fuzz/corpus-work[-import]/ (kept
# between runs, ignored by git); inputs that fail land in build/fuzz/artifacts/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
usage() { echo "Aufruf: scripts/fuzz.sh [project|import] [SEKUNDEN | --runs ANZAHL]" >&2; exit 2; }

target=project
case "${1:-}" in
  project|import) target="$1"; shift ;;
esac
limit=(-max_total_time=60)
what="60 s"
case "${1:-}" in
  "") ;;
  --runs)
    [[ "${2:-}" =~ ^[0-9]+$ ]] || usage
    limit=(-runs="$2"); what="$2 Ausführungen"; shift 2 ;;
  *)
    [[ "$1" =~ ^[0-9]+$ ]] || usage
    limit=(-max_total_time="$1"); what="$1 s"; shift ;;
esac
[ $# -eq 0 ] || usage

. scripts/deps.sh
fuzzy_ensure_packages clang libclang-rt-14-dev

cmake --preset fuzz >/dev/null
cmake --build build/fuzz --target "fuzz_$target" -j 2

if [ "$target" = project ]; then
  seeds="$root/fuzz/corpus"; work="$root/fuzz/corpus-work"; max_len=8192
else
  seeds="$root/fuzz/corpus-import"; work="$root/fuzz/corpus-work-import"; max_len=8192
fi
artifacts="$root/build/fuzz/artifacts"
mkdir -p "$work" "$artifacts"
cp -n "$seeds"/* "$work"/ 2>/dev/null || true

log="$root/build/fuzz/last-run-$target.log"
start=$(date +%s)
set +e
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" \
UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
  "build/fuzz/fuzz/fuzz_$target" "$work" \
    "${limit[@]}" -timeout=10 -rss_limit_mb=2048 -max_len="$max_len" \
    -print_final_stats=1 -artifact_prefix="$artifacts/" >"$log" 2>&1
status=$?
set -e
# Read from the log, not through a pipe that might end early.
grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|ERROR|SUMMARY|stat::' "$log" || true

execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
echo "Ziel: fuzz_$target, Grenze: $what, Laufzeit: $(( $(date +%s) - start )) s, Ausführungen: ${execs:-unbekannt}, Korpus: $(ls "$work" | wc -l) Dateien"
# libFuzzer ends with 72 when it is interrupted (Ctrl+C, SIGTERM): no finding.
if [ "$status" -eq 72 ]; then
  echo "Unterbrochen; bis dahin ohne Befund."
  exit 0
fi
if [ "$status" -ne 0 ]; then
  echo "Der Fuzzer hat einen Fehler gefunden (Exit $status); Eingaben in $artifacts, Protokoll in $log" >&2
  exit 1
fi
