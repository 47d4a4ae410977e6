#!/usr/bin/env bash
# Under "set -o pipefail" a pipeline into a reader that stops early (grep -q,
# head) fails at random: the writer dies of SIGPIPE once the reader has gone,
# and the pipeline reports that. The scripts read such output whole instead
# (a variable, then a test on it). Lists every such line and fails on any.
set -u
root="$(cd "$(dirname "$0")/.." && pwd)"
found=0
for f in "$root"/scripts/*.sh; do
  if grep -nE '\|[[:space:]]*(grep[[:space:]]+(-[a-zA-Z]*q|--quiet)|head)([[:space:]]|$)' "$f"; then
    echo "^ in ${f#"$root"/}: eine Pipe in einen Leser, der vorzeitig aufhört" >&2
    found=1
  fi
done
exit "$found"
