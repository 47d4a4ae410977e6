#!/usr/bin/env bash
# What a reader follows in the documents leads somewhere: every relative link
# in README.md, CONTRIBUTING.md, docs/**.md, web/README.md and bench/README.md
# names a file or folder that exists (and a heading there, when it has an
# anchor); every repository path those files name in backticks exists (NAME
# and * stand for any part of a name, {a,b} for both); README.md's folder
# table lists every top-level folder. Prints each fault with its file and
# line and fails on any.
#   bash tests/doc_links.sh [ROOT]
set -uo pipefail
root="$(cd "${1:-$(dirname "$0")/..}" && pwd)"
cd "$root" || exit 2

docs=()
for f in README.md CONTRIBUTING.md web/README.md bench/README.md; do
  [ -f "$f" ] && docs+=("$f")
done
while IFS= read -r -d '' f; do docs+=("${f#./}"); done < <(find ./docs -name '*.md' -type f -print0 2>/dev/null)
if [ ! -f README.md ] || [ ! -f CONTRIBUTING.md ]; then
  echo "doc_links: README.md or CONTRIBUTING.md missing in $root" >&2
  exit 1
fi

# Folders the build or the tools make (from .gitignore): named in the texts,
# never in the tree of a fresh clone.
ignored=()
if [ -f .gitignore ]; then
  while IFS= read -r pattern; do
    case "$pattern" in ''|'#'*|*'*'*) continue ;; esac
    pattern="${pattern#/}"
    ignored+=("${pattern%/}")
  done <.gitignore
fi
is_ignored() {
  local p
  for p in ${ignored[@]+"${ignored[@]}"}; do
    case "$1" in "$p" | "$p"/*) return 0 ;; esac
  done
  return 1
}

# One line per finding: H file slug | L file line target | P file line path |
# T folder (a folder README.md's table lists).
scan=$(awk '
function lower(s) {
  s = tolower(s)
  gsub(/Ä/, "ä", s); gsub(/Ö/, "ö", s); gsub(/Ü/, "ü", s)
  return s
}
# The anchor a heading gets: lower case, punctuation and symbols dropped,
# blanks as hyphens.
function slug(h,   s) {
  s = lower(h)
  gsub(/—|–|▸|…|„|“|”|‘|’|×|°|·|→|←|≤|≥|✓|✗|−/, "", s)
  gsub(/[!-,.\/:-@[-^`{-~]/, "", s)
  gsub(/ /, "-", s)
  return s
}
# Expands the first {a,b,...} in p, recursively.
function expand(p, out,   lb, rb, pre, post, n, parts, i) {
  lb = index(p, "{")
  if (lb == 0) { out[++out[0]] = p; return }
  rb = index(substr(p, lb), "}")
  if (rb == 0) { out[++out[0]] = p; return }
  pre = substr(p, 1, lb - 1)
  post = substr(p, lb + rb)
  n = split(substr(p, lb + 1, rb - 2), parts, ",")
  for (i = 1; i <= n; i++) expand(pre parts[i] post, out)
}
FNR == 1 { fence = 0; open = 0; delete seen }
/^[ \t]*```/ { fence = !fence; open = 0; next }
fence { next }
/^#+ / {
  h = $0; sub(/^#+ +/, "", h); sub(/ +#* *$/, "", h)
  s = slug(h)
  if (s in seen) { seen[s]++; s = s "-" seen[s] } else seen[s] = 0
  print "H\t" FILENAME "\t" s
}
/^[ \t]*$/ { open = 0 }
{
  line = $0
  # A span may run on from the line before: up to its closing backtick.
  if (open) {
    if (!index(line, "`")) next
    line = substr(line, index(line, "`") + 1)
    open = 0
  }
  # A backtick without its partner opens a span that closes on a later line.
  n = gsub(/`/, "`", line)
  if (n % 2) {
    match(line, /`[^`]*$/)
    line = substr(line, 1, RSTART - 1)
    open = 1
  }
  # Backticked spans: repository paths; then drop them, links are outside.
  rest = line
  while (match(rest, /`[^`]+`/)) {
    span = substr(rest, RSTART + 1, RLENGTH - 2)
    rest = substr(rest, RSTART + RLENGTH)
    if (span ~ /^#include "[^"]+"$/) { sub(/^#include "/, "", span); sub(/"$/, "", span) }
    if (span ~ /[ \t]/ || span !~ /\// || span ~ /^[\/:~$.]/ || span ~ /:\/\//) continue
    delete out; out[0] = 0
    expand(span, out)
    for (i = 1; i <= out[0]; i++) print "P\t" FILENAME "\t" FNR "\t" out[i]
  }
  gsub(/`[^`]+`/, "", line)
  while (match(line, /\]\([^)]*\)/)) {
    target = substr(line, RSTART + 2, RLENGTH - 3)
    line = substr(line, RSTART + RLENGTH)
    sub(/[ \t]+".*"$/, "", target)
    print "L\t" FILENAME "\t" FNR "\t" target
  }
}
FILENAME == "README.md" && /^\| *`/ {
  cell = $0; sub(/^\| */, "", cell); sub(/ *\|.*/, "", cell)
  while (match(cell, /`[^`]+`/)) {
    name = substr(cell, RSTART + 1, RLENGTH - 2)
    cell = substr(cell, RSTART + RLENGTH)
    sub(/\/.*/, "", name)
    print "T\t" name
  }
}
' "${docs[@]}") || { echo "doc_links: awk failed" >&2; exit 2; }

faults=0
fault() {
  echo "$1" >&2
  faults=$((faults + 1))
}

declare -A anchors listed
while IFS=$'\t' read -r kind a b c; do
  case "$kind" in
    H) anchors["$a#$b"]=1 ;;
    T) listed["$a"]=1 ;;
  esac
done <<<"$scan"

# Links.
while IFS=$'\t' read -r kind file line target; do
  [ "$kind" = L ] || continue
  case "$target" in *:*) continue ;; esac  # a scheme: http:, mailto:
  path="${target%%#*}"
  anchor=""
  [ "$path" != "$target" ] && anchor="${target#*#}"
  dir=$(dirname "$file")
  if [ -z "$path" ]; then
    resolved="$file"
  else
    resolved="$dir/$path"
    if [ ! -e "$resolved" ]; then
      fault "$file:$line: link to $target: no such file"
      continue
    fi
  fi
  if [ -n "$anchor" ] && [[ "$resolved" == *.md ]]; then
    key=$(realpath --relative-to="$root" "$resolved")
    [ -n "${anchors["$key#$anchor"]+x}" ] || fault "$file:$line: link to $target: $key has no heading #$anchor"
  fi
done <<<"$scan"

# Paths in backticks.
while IFS=$'\t' read -r kind file line path; do
  [ "$kind" = P ] || continue
  top="${path%%/*}"
  [ -d "$top" ] || continue           # not a path of this repository
  is_ignored "$path" && continue      # made by the build
  pattern="${path//NAME/*}"
  if [[ "$pattern" == *'*'* ]]; then
    compgen -G "$pattern" >/dev/null || fault "$file:$line: \`$path\` matches no file"
  elif [ ! -e "$path" ]; then
    fault "$file:$line: \`$path\` does not exist"
  fi
done <<<"$scan"

# Every top-level folder has its row in README.md's folder table.
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  tops=$(git -C "$root" ls-files | awk -F/ 'NF > 1 { print $1 }' | sort -u)
else
  tops=$(find . -mindepth 1 -maxdepth 1 -type d ! -name .git -printf '%f\n' | sort)
fi
while IFS= read -r top; do
  [ -n "$top" ] || continue
  is_ignored "$top" && continue
  [ -n "${listed["$top"]+x}" ] || fault "README.md: the folder table has no row for $top/"
done <<<"$tops"

if [ "$faults" -gt 0 ]; then
  echo "doc_links: $faults fault(s) in ${#docs[@]} documents" >&2
  exit 1
fi
echo "doc_links: ${#docs[@]} documents, every link and path leads somewhere"
