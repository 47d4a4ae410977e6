#!/usr/bin/env bash
# The browser tests: builds the page, then runs web/tests in headless
# Chromium. Exit 77 (skipped) with a message naming what is missing.
#   run.sh FUZZYSIM EDIT_REFERENCE WERKSTATT
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
# Under CI=true a missing part fails instead: a green run has run everything.
skip() {
  if [ "${CI:-}" = true ]; then echo "FAILED (CI=true, nothing may skip): $*" >&2; exit 1; fi
  echo "SKIPPED: $*" >&2
  exit 77
}
chromium="${FUZZY_CHROMIUM:-}"
if [ -z "$chromium" ]; then
  for c in /usr/lib/chromium/chromium /usr/bin/chromium /usr/bin/chromium-browser; do
    [ -x "$c" ] && { chromium=$c; break; }
  done
fi
[ -n "$chromium" ] && [ -x "$chromium" ] || skip "no Chromium (Debian: chromium)"
command -v node >/dev/null || skip "no node (Debian: nodejs)"
for m in playwright-core axe-core; do
  [ -d "$root/web/node_modules/$m" ] || skip "no $m in web/node_modules (cd web && npm ci)"
done
command -v pdftotext >/dev/null || skip "no pdftotext (Debian: poppler-utils)"
set +e
bash "$root/scripts/web.sh" --check
rc=$?
set -e
[ $rc -eq 77 ] && skip "the page cannot be built here (see above)"
[ $rc -eq 0 ] || exit $rc
bash "$root/scripts/web.sh"
export FUZZYSIM="$1" EDIT_REFERENCE="$2" WERKSTATT="${3:-}" FUZZY_CHROMIUM="$chromium" FUZZY_SITE="$root/build/web/site" FUZZY_ROOT="$root"
cd "$root/web"
exec node --test --test-concurrency=1 tests/
