#!/usr/bin/env bash
# Builds (incrementally) and starts a program with our example project:
#   scripts/run.sh dorvane [project.fuz]
#   scripts/run.sh pemrak  [project.fuz]
#   scripts/run.sh werkstatt [project.fuz]   (without a project: an empty one)
#   scripts/run.sh fuzzysim [arguments...]   (defaults to checking the worked example)
#   … --lang en                              (any of them in English; de: German)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
. scripts/deps.sh
fuzzy_ensure_packages
what="${1:-dorvane}"
[ $# -gt 0 ] && shift
# "--lang en" (or de) anywhere after the program's name goes to the program;
# without it the locale decides.
lang=()
rest=()
while [ $# -gt 0 ]; do
  case "$1" in
    --lang) lang=(--lang "${2:-}"); shift; [ $# -gt 0 ] && shift ;;
    --lang=*) lang=("$1"); shift ;;
    *) rest+=("$1"); shift ;;
  esac
done
set -- ${rest[@]+"${rest[@]}"}
cmake --preset release >/dev/null
case "$what" in
  dorvane)
    cmake --build --preset release --target dorvane
    exec build/release/truck/dorvane ${lang[@]+"${lang[@]}"} "${1:-$root/examples/truck.fuz}" ;;
  pemrak)
    cmake --build --preset release --target pemrak
    exec build/release/loco/pemrak ${lang[@]+"${lang[@]}"} "${1:-$root/examples/lok.fuz}" ;;
  werkstatt)
    # Dorvane and Pemrak too: "In Dorvane öffnen" starts them from beside the workshop.
    cmake --build --preset release --target werkstatt dorvane pemrak
    exec build/release/werkstatt/werkstatt ${lang[@]+"${lang[@]}"} "$@" ;;
  fuzzysim)
    cmake --build --preset release --target fuzzysim >&2
    if [ $# -eq 0 ]; then set -- check "$root/examples/beispiel.fuz"; fi
    exec build/release/tools/fuzzysim/fuzzysim ${lang[@]+"${lang[@]}"} "$@" ;;
  *)
    echo "Aufruf: scripts/run.sh dorvane|pemrak|werkstatt [projekt.fuz] | fuzzysim [argumente]" >&2
    exit 2 ;;
esac
