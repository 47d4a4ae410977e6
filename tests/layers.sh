#!/usr/bin/env bash
# The include rule and the layers, checked against CONTRIBUTING.md's layout
# table (its "may use" column is the source):
#   - a project header is included by its path from the repository root
#     ("fuzzy/Project.h"), never by a bare name that the order of -I flags
#     would resolve; only generated headers (ui_*.h, the C export's *_regler.h)
#     come from the build folder;
#   - a file includes only its own layer and the layers its row lists;
#   - Qt headers only where the row names Qt.
#   tests/layers.sh [ROOT]      exit 0 when every include keeps the rules
# ROOT defaults to the repository; the suite also runs it on a small tree
# with a rule broken on purpose (tests/layers_selftest.sh).
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root" || exit 2

# folder -> what it may use, from the rows of the table under "## Layout".
declare -A uses=()
while IFS= read -r row; do
  folders_cell=$(printf '%s' "$row" | awk -F'|' '{print $2}')
  uses_cell=$(printf '%s' "$row" | awk -F'|' '{print $(NF-1)}')
  allowed=$(printf '%s' "$uses_cell" | grep -oE '`[a-z/]+/`' | tr -d '`' | tr '\n' ' ')
  printf '%s' "$uses_cell" | grep -qw 'Qt' && allowed+=" Qt"
  printf '%s' "$uses_cell" | grep -qw 'anything' && allowed+=" *"
  for f in $(printf '%s' "$folders_cell" | grep -oE '`[a-z/]+/`' | tr -d '`'); do
    uses[$f]="$allowed"
  done
done < <(awk '/^## Layout/{on=1; next} /^## /{on=0} on && /^\| `/' CONTRIBUTING.md)
if [ ${#uses[@]} -eq 0 ]; then
  echo "layers: no layout table found in $root/CONTRIBUTING.md" >&2
  exit 2
fi

table=$(for f in "${!uses[@]}"; do printf '%s\t%s\n' "$f" "${uses[$f]}"; done)

if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' | grep -vE '^(build|examples)/')
else
  mapfile -t files < <(find . \( -name '*.cpp' -o -name '*.h' \) | sed 's#^\./##' | grep -vE '^(build|examples)/')
fi
[ ${#files[@]} -gt 0 ] || exit 0

# file:line:text of every include, then one pass over them; an included path
# is looked up in the list of files.
grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' "${files[@]}" /dev/null |
  awk -v table="$table" -v filelist="$(printf '%s\n' "${files[@]}")" '
  BEGIN {
    n = split(table, rows, "\n")
    for (i = 1; i <= n; i++) { split(rows[i], kv, "\t"); if (kv[1] != "") uses[kv[1]] = " " kv[2] " " }
    m = split(filelist, fl, "\n")
    for (i = 1; i <= m; i++) exists[fl[i]] = 1
    status = 0
  }
  function layer(p,   f, best) {
    best = ""
    for (f in uses) if (index(p, f) == 1 && length(f) > length(best)) best = f
    return best
  }
  function fail(msg) { print msg; status = 1 }
  {
    file = $0; sub(/:.*/, "", file)
    rest = substr($0, length(file) + 2)
    line = rest; sub(/:.*/, "", line)
    text = substr(rest, length(line) + 2)
    sub(/^[ \t]*#[ \t]*include[ \t]*/, "", text)
    own = layer(file)
    allowed = (own == "") ? "" : " " own uses[own]
    if (substr(text, 1, 1) == "\"") {
      name = substr(text, 2); sub(/".*/, "", name)
      if (name ~ /^ui_.*\.h$/ || name ~ /_regler\.h$/) next
      if (index(name, "/") == 0) { fail(file ":" line ": \"" name "\" by its bare name: include it by its path from the repository root"); next }
      if (!(name in exists)) { fail(file ":" line ": \"" name "\" is no file of the repository (paths start at its root)"); next }
      target = layer(name)
      if (own == "" || allowed ~ / \* /) next
      if (index(allowed, " " target " ") == 0)
        fail(file ":" line ": " own " may not use " target " (\"" name "\"; see CONTRIBUTING.md, Layout)")
    } else if (text ~ /^<Q/) {
      if (own == "" || allowed ~ / \* / || allowed ~ / Qt /) next
      fail(file ":" line ": " own " stays free of Qt (" text ")")
    }
  }
  END { exit status }'
status=$?
[ $status -eq 0 ] && echo "layers: ${#files[@]} files keep the include rule and their layers"
exit $status
