#!/usr/bin/env bash
# Runs fuzzysim on every example with the subcommands a user reaches and
# compares a SHA-256 of each run's output (standard output, standard error,
# exit status and every file written; the first 16 hex digits) with the lists
# beside this script: fuzzysim_outputs.sha256 for German, the language of the
# C locale, and fuzzysim_outputs_en.sha256 for English. A restructuring of the
# code must leave all of them byte for byte alone.
#
# German must come out the same whichever way it is chosen: under LC_ALL=C.UTF-8
# (the list), LANG=C, LANG=de_DE.UTF-8 and with --lang de against an English
# locale. English the same under LANG=en_US.UTF-8 (the list) and with --lang en
# against the C locale. The locales need not be installed: the language is read
# from the variables, not through setlocale.
#
#   fuzzysim_outputs.sh FUZZYSIM              compare, exit 1 on any difference
#   fuzzysim_outputs.sh FUZZYSIM --update     rewrite both lists from this build
#
# When an output changes on purpose (a fixed fault, a new translation), run with
# --update from a build of the changed code, look at `git diff` of the lists:
# only the lines of the outputs that were meant to change may differ. Commit
# the lists with the change.
set -euo pipefail
bin=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
src=$(cd "$here/../../.." && pwd)
list="$here/fuzzysim_outputs.sha256"
list_en="$here/fuzzysim_outputs_en.sha256"
update=0
[ "${2:-}" = "--update" ] && update=1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
# The script's own tools in a fixed locale; each run of fuzzysim gets its own.
export LC_ALL=C.UTF-8
# The C export writes its day into its comment. The lists hold the day they
# were recorded on (2026-12-08, noon UTC), so they hold on any day in any zone.
export SOURCE_DATE_EPOCH=1796731200
examples=(beispiel heizung lok truck truck_einachsig)

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

# run NAME ARGS...: one line per run, the SHA-256 of its standard output,
# standard error, exit status and of the files named in $files (or "fehlt").
# The run sees only the language variables in $umgebung, and $vorn before,
# $hinten after its arguments.
run() {
  local name=$1
  shift
  local status=0
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "${umgebung[@]}" \
    "$bin" "${vorn[@]}" "$@" "${hinten[@]}" <"${stdin:-/dev/null}" >o.txt 2>e.txt || status=$?
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

# suite NAME: every run in a fresh folder $work/NAME (a run must not find the
# files of another language's runs), the lines in $work/NAME.txt.
suite() {
  mkdir "$work/$1"
  cd "$work/$1"
  cp ../eval.txt .
  for e in "${examples[@]}"; do cp "$src/examples/$e.fuz" "$e.fuz"; done
  cp "$src/tests/loco/model/data/kaputt.fuz" kaputt.fuz
  out="$work/$1.txt"
  : >"$out"
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

  # The help, whole and per command, and the answers to a wrong call.
  run "--help" --help
  for c in check eval export format import loco new truck tune; do
    run "$c --help" "$c" --help
  done
  run "ohne Befehl"
  run "unbekannter Befehl" frobnicate
  run "unbekannte Option" check beispiel.fuz --bogus
  run "loco --time zu lang" loco lok.fuz --time 5000
  run "tune ohne --vehicle" tune truck.fuz -o neu.fuz
  cd "$work"
}

vorn=()
hinten=()
umgebung=(LC_ALL=C.UTF-8)
suite de
umgebung=(LANG=C)
suite de_lang_c
umgebung=(LANG=de_DE.UTF-8)
suite de_lang_de
umgebung=(LANG=en_US.UTF-8)
vorn=(--lang de)
suite de_option
vorn=()
suite en
umgebung=(LC_ALL=C.UTF-8)
hinten=(--lang en)
suite en_option

fehler=0
# same NAME OTHER WHAT: the runs of suite OTHER must be those of suite NAME.
same() {
  if ! diff "$work/$1.txt" "$work/$2.txt" >&2; then
    echo "$3 weicht ab (links: $1, rechts: $2)" >&2
    fehler=1
  fi
}
same de de_lang_c "Deutsch unter LANG=C"
same de de_lang_de "Deutsch unter LANG=de_DE.UTF-8"
same de de_option "Deutsch mit --lang de"
same en en_option "Englisch mit --lang en"
# English has to be chosen at all: the text of check is fuzzysim's own.
if [ "$(grep ' check$' "$work/de.txt")" = "$(grep ' check$' "$work/en.txt")" ]; then
  echo "check gibt unter LANG=en_US.UTF-8 dasselbe aus wie auf Deutsch" >&2
  fehler=1
fi

if [ $update = 1 ]; then
  {
    echo "# SHA-256 of fuzzysim's outputs on the examples; made by fuzzysim_outputs.sh --update"
    cat "$work/de.txt"
  } >"$list"
  {
    echo "# SHA-256 of fuzzysim's English outputs on the examples; made by fuzzysim_outputs.sh --update"
    cat "$work/en.txt"
  } >"$list_en"
  echo "neu geschrieben: $list, $list_en ($(wc -l <"$work/de.txt") Zeilen je Sprache)"
  exit $fehler
fi
for pair in "$list:de" "$list_en:en"; do
  liste=${pair%:*} name=${pair##*:}
  if diff <(grep -v '^#' "$liste") "$work/$name.txt"; then
    echo "alle $(wc -l <"$work/$name.txt") Ausgaben ($name) unverändert"
  else
    echo "Ausgaben von fuzzysim ($name) weichen ab (links: Liste, rechts: dieser Build); gewollt? dann --update" >&2
    fehler=1
  fi
done
exit $fehler
