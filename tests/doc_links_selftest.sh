#!/usr/bin/env bash
# tests/doc_links.sh must pass on a clean tree and fail on each kind of
# fault, naming it: a small tree of documents, one case per fault.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A clean tree: README.md links into docs/ (with an anchor) and lists both
# folders; CONTRIBUTING.md names files, a glob, a NAME and a {a,b} pair; a
# link and a path inside a code block and a folder the build makes are no
# faults.
clean() {
  local t=$1
  mkdir -p "$t/docs/en" "$t/fuzzy"
  : >"$t/fuzzy/Project.h"
  : >"$t/fuzzy/Hints.h"
  printf 'build/\n' >"$t/.gitignore"
  cat >"$t/README.md" <<'MD'
# Title

See [the format](docs/format.md#the-rule-table-5--5) and [English](docs/en/format.md).

```sh
cat [not a link](nowhere.md) `fuzzy/Gone.h`
```

| folder | contents |
|---|---|
| `docs/`, `docs/en/` | documents |
| `fuzzy/` | the engine |
MD
  cat >"$t/CONTRIBUTING.md" <<'MD'
# Working on this code

Read `fuzzy/Project.h` and `fuzzy/{Project,Hints}.h`, `#include "fuzzy/Hints.h"`,
a catalogue `fuzzy/NAME.h`, every `fuzzy/*.h`, the output in `build/dev/x`, and
[the README](README.md#title).
MD
  printf '# Format\n\n## The rule table (5 × 5)\n' >"$t/docs/format.md"
  printf '# Format\n\nBack to [the format](../format.md).\n' >"$t/docs/en/format.md"
}

# name | file to change | sed expression | expected exit | what the message names
cases=(
  'clean|README.md|s/x/x/|0|every link'
  'broken link|docs/en/format.md|s#../format.md#../formats.md#|1|docs/en/format.md:3'
  'broken anchor|README.md|s/#the-rule-table-5--5/#the-rules/|1|no heading #the-rules'
  'wrong path|CONTRIBUTING.md|s#fuzzy/Project.h#fuzzy/Sprache.h#|1|fuzzy/Sprache.h'
  'wrong path in a pair|CONTRIBUTING.md|s#{Project,Hints}#{Project,Hint}#|1|fuzzy/Hint.h'
  'folder not in the table|README.md|/the engine/d|1|no row for fuzzy/'
)

. "$here/selftest_report.sh"
for c in "${cases[@]}"; do
  IFS='|' read -r name file expr want says <<<"$c"
  tree="$tmp/${name// /_}"
  clean "$tree"
  sed -i "$expr" "$tree/$file"
  bash "$here/doc_links.sh" "$tree" >"$tree.out" 2>&1
  report "$name" $? "$want" "$tree.out" "$says"
done
exit $status
