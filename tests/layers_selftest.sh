#!/usr/bin/env bash
# tests/layers.sh must fail on each broken rule and pass on a clean tree: a
# small tree under the real CONTRIBUTING.md, one case per rule.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# name | file | its text (\n between lines) | expected exit status
cases=(
  'clean|exchange/Ok.cpp|#include "fuzzy/Base.h"\n#include <vector>|0'
  'bare include|exchange/Bare.cpp|#include "Base.h"|1'
  'upward include|fuzzy/Up.cpp|#include "werkstatt/Main.h"|1'
  'sideways include|truck/model/Side.cpp|#include "loco/model/Loco.h"|1'
  'Qt in a Qt-free layer|tuning/Gui.cpp|#include <QString>|1'
  'path that is no file|fuzzy/Gone.cpp|#include "fuzzy/Gone.h"|1'
)

. "$here/selftest_report.sh"
for c in "${cases[@]}"; do
  IFS='|' read -r name file text want <<<"$c"
  tree="$tmp/${name// /_}"
  mkdir -p "$tree/fuzzy" "$tree/werkstatt" "$tree/loco/model" "$(dirname "$tree/$file")"
  cp "$here/../CONTRIBUTING.md" "$tree/"
  : >"$tree/fuzzy/Base.h"
  : >"$tree/werkstatt/Main.h"
  : >"$tree/loco/model/Loco.h"
  printf '%b\n' "$text" >"$tree/$file"
  bash "$here/layers.sh" "$tree" >"$tree.out" 2>&1
  report "$name" $? "$want" "$tree.out"
done
exit $status
