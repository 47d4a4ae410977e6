#!/usr/bin/env bash
# Runs fuzzysim on every example with the subcommands a user reaches and
# compares a SHA-256 of each run's output (standard output, standard error,
# exit status and every file written; the first 16 hex digits) with the list
# beside this script. A
# restructuring of the code must leave all of them byte for byte alone.
#
#   fuzzysim_outputs.sh FUZZYSIM              compare, exit 1 on any difference
#   fuzzysim_outputs.sh FUZZYSIM --update     rewrite the list from this build
#
# When an output changes on purpose (a fixed fault), run with --update from a
# build of the fixed code, look at `git diff` of the list: only the lines of
# the outputs that were meant to change may differ. Commit the list with the fix.
set -euo pipefail
bin=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../.." && pwd)
list="$here/fuzzysim_outputs.sha256"
update=0
[ "${2:-}" = "--update" ] && update=1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
export LC_ALL=C.UTF-8
examples=(beispiel heizung lok truck truck_einachsig)
for e in "${examples[@]}"; do cp "$src/examples/$e.fuz" "$e.fuz"; done
cp "$src/tests/pemrak/data/kaputt.fuz" kaputt.fuz

# One fixed set of inputs for eval: inside, on and beyond the usual ranges,
# one malformed line, one line with a single number.
cat >eval.txt <<'EOF'
0 0
-10 20
25.5 -3
1e6 -1e6
-0.001 0.001
abc
7
100 100
EOF

out=results.txt
: >"$out"
# run NAME ARGS...: one line per run, the SHA-256 of its standard output,
# standard error, exit status and of the files named in $files (or "fehlt").
run() {
  local name=$1
  shift
  local status=0
  "$bin" "$@" <"${stdin:-/dev/null}" >o.txt 2>e.txt || status=$?
  {
    cat o.txt
    printf '\n--stderr--\n'
    cat e.txt
    printf '\n--status %s--\n' "$status"
    for f in ${files:-}; do
      printf '\n--%s--\n' "$f"
      if [ -f "$f" ]; then cat "$f"; else echo fehlt; fi
    done
  } >all.txt
  printf '%s  %s\n' "$(sha256sum <all.txt | cut -c1-16)" "$name" >>"$out"
}

for e in "${examples[@]}"; do
  run "$e check" check "$e.fuz"
  run "$e check --json" check "$e.fuz" --json
  stdin=eval.txt run "$e eval" eval "$e.fuz"
  stdin=eval.txt run "$e eval --heights" eval "$e.fuz" --heights
  run "$e format" format "$e.fuz"
  for to in fll fis fcl; do
    files="$e.$to" run "$e export --to $to" export "$e.fuz" --to "$to" -o "$e.$to"
    files="$e-$to.fuz" run "$e import $to" import "$e.$to" -o "$e-$to.fuz"
  done
  files="$e-c.c $e-c.h" run "$e export --to c" export "$e.fuz" --to c -o "$e-c.c" --name ctl
done

for e in truck truck_einachsig beispiel; do
  run "$e truck" truck "$e.fuz"
  run "$e truck --start --speed" truck "$e.fuz" --start -15,40 --speed -8
  run "$e truck --grid" truck "$e.fuz" --grid
  files="$e-truck.svg" run "$e truck --csv --svg" truck "$e.fuz" --start 5,-30 --csv --svg "$e-truck.svg"
done

for e in lok heizung; do
  run "$e loco" loco "$e.fuz"
  files="$e-loco.svg" run "$e loco --csv --svg" loco "$e.fuz" --mass 3 --friction 2 --distance 80 --csv --svg "$e-loco.svg"
done

# The refusals: a damaged file, a missing one.
for e in kaputt fehlt; do
  run "$e check" check "$e.fuz"
  stdin=eval.txt run "$e eval" eval "$e.fuz"
  run "$e truck" truck "$e.fuz"
  files="$e.fll" run "$e export --to fll" export "$e.fuz" --to fll -o "$e.fll"
done

for t in leer truck lok; do
  run "new $t" new "$t"
  files="new-$t.fuz" run "new $t -o" new "$t" -o "new-$t.fuz"
done

if [ $update = 1 ]; then
  {
    echo "# SHA-256 of fuzzysim's outputs on the examples; made by fuzzysim_outputs.sh --update"
    cat "$out"
  } >"$list"
  echo "neu geschrieben: $list ($(wc -l <"$out") Zeilen)"
  exit 0
fi
if diff <(grep -v '^#' "$list") "$out"; then
  echo "alle $(wc -l <"$out") Ausgaben unverändert"
else
  echo "Ausgaben von fuzzysim weichen ab (links: Liste, rechts: dieser Build); gewollt? dann --update" >&2
  exit 1
fi
