#!/usr/bin/env bash
# Formats the C++ sources git knows with the repository's .clang-format.
# --check: change nothing, list the files that differ, exit 1 if any does.
set -euo pipefail
cd "$(dirname "$0")/.."
# A missing tool skips (exit 2), except under CI=true, where it fails.
skip=2; [ "${CI:-}" = true ] && skip=1
command -v clang-format >/dev/null || { echo "clang-format fehlt (apt-get install clang-format)" >&2; exit $skip; }
git rev-parse --git-dir >/dev/null 2>&1 || { echo "kein git-Arbeitsbaum: nichts zu prüfen" >&2; exit $skip; }
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.c' | grep -v '^examples/arduino/')
if [ "${1:-}" = "--check" ]; then
  # One call for all files; the names of those that differ come from its messages.
  if ! out=$(clang-format --dry-run -Werror "${files[@]}" 2>&1); then
    grep -o '^[^:]*:[0-9]*:[0-9]*: error' <<<"$out" | cut -d: -f1 | sort -u | sed 's/^/nicht formatiert: /'
    exit 1
  fi
  exit 0
fi
clang-format -i "${files[@]}"
