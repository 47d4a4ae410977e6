#!/usr/bin/env bash
# Brings the English catalogues i18n/*_en.ts up to date with the sources
# (new texts arrive as unfinished, vanished ones are dropped), or, with
# --check, fails when a catalogue lags behind the sources or holds a text
# without its English. Translate in Qt Linguist or in the .ts file itself.
#
#   scripts/uebersetzen.sh            update every catalogue
#   scripts/uebersetzen.sh --check    check only; changes nothing
#   scripts/uebersetzen.sh [--check] NAME...   only these catalogues (kern,
#       exchange, fuzzysim, gemeinsam, dorvane, pemrak, werkstatt, labor)
set -euo pipefail
cd "$(dirname "$0")/.."

QT_BIN=${QT_BIN:-/usr/lib/qt6/bin}
LUPDATE=${LUPDATE:-$QT_BIN/lupdate}
LRELEASE=${LRELEASE:-$QT_BIN/lrelease}
# A missing tool skips (exit 2), except under CI=true, where it fails.
skip=2; [ "${CI:-}" = true ] && skip=1
for tool in "$LUPDATE" "$LRELEASE"; do
  [ -x "$tool" ] || { echo "$tool fehlt (Paket qt6-l10n-tools)." >&2; exit $skip; }
done

check=0
if [ "${1:-}" = "--check" ]; then
  check=1
  shift
fi

# Which sources each catalogue holds. The Qt-free ones (kern, exchange,
# fuzzysim) become the table in fuzzy/Katalog.h; the others are embedded in
# their programs as .qm.
declare -A QUELLEN=(
  [kern]="fuzzy lab tuning exercise werkstatt/kern truck/model loco/model"
  [exchange]="exchange"
  [fuzzysim]="commands tools/fuzzysim"
  [gemeinsam]="widgets dialogs"
  [dorvane]="truck/app/Main.cpp truck/app/Main.h truck/app/Main.ui truck/app/Werte.cpp truck/app/Werte.ui truck/app/Info.cpp truck/app/Info.ui truck/app/Help.cpp truck/app/Programm.cpp truck/app/Start.cpp"
  [pemrak]="loco/app/Controls.cpp loco/app/Info.cpp loco/app/Info.ui loco/app/Main.cpp loco/app/Main.ui loco/app/PlotForm.cpp loco/app/PlotForm.ui loco/app/Programm.cpp loco/app/Typ.cpp loco/app/Typ.ui loco/app/Start.cpp"
  [werkstatt]="$(ls werkstatt/*.cpp werkstatt/*.h werkstatt/*.ui | tr '\n' ' ') werkstatt/modell werkstatt/seiten werkstatt/aufgabe werkstatt/blatt werkstatt/klasse"
  [labor]="werkstatt/labor werkstatt/ansichten"
)
OPTIONS=(-I . -locations none -no-obsolete -no-ui-lines -source-language de -target-language en
         -tr-function-alias translate+=Tr,QT_TRANSLATE_NOOP+=FUZZY_TR_NOOP -silent)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fehler=0
namen=("$@")
[ ${#namen[@]} -gt 0 ] || mapfile -t namen < <(printf '%s\n' "${!QUELLEN[@]}" | sort)
for name in "${namen[@]}"; do
  [ -n "${QUELLEN[$name]:-}" ] || { echo "Unbekannter Katalog: $name" >&2; exit 2; }
  ts=i18n/${name}_en.ts
  # shellcheck disable=SC2086  # the lists are words on purpose
  if [ "$check" -eq 0 ]; then
    "$LUPDATE" "${OPTIONS[@]}" ${QUELLEN[$name]} -ts "$ts"
    continue
  fi
  if [ ! -f "$ts" ]; then
    echo "$ts fehlt: scripts/uebersetzen.sh legt ihn an." >&2
    fehler=1
    continue
  fi
  cp "$ts" "$tmp/${name}_en.ts"
  "$LUPDATE" "${OPTIONS[@]}" ${QUELLEN[$name]} -ts "$tmp/${name}_en.ts"
  if ! cmp -s "$ts" "$tmp/${name}_en.ts"; then
    echo "$ts ist nicht auf dem Stand der Quellen (scripts/uebersetzen.sh, dann übersetzen):" >&2
    diff -u "$ts" "$tmp/${name}_en.ts" >"$tmp/diff" || true
    sed -n 1,40p "$tmp/diff" >&2
    fehler=1
  fi
  bericht=$("$LRELEASE" "$ts" -qm "$tmp/${name}.qm" 2>&1)
  if [[ $bericht != *"and 0 unfinished"* || $bericht == *untranslated* ]]; then
    echo "$ts: nicht alles übersetzt:" >&2
    echo "$bericht" >&2
    fehler=1
  fi
done
exit $fehler
