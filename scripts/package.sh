#!/usr/bin/env bash
# Builds the Debian package from a release build and checks it:
#   scripts/package.sh                  build build/package/fuzzy-lehre_*.deb, run lintian,
#                                       appstreamcli and desktop-file-validate on it
#   scripts/package.sh --chroot DIR     then (as root) install it into a bare Debian
#                                       bookworm in DIR (made with debootstrap when DIR
#                                       does not exist yet) and start every program there
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
. scripts/deps.sh

chroot_dir=
case "${1:-}" in
  "") ;;
  --chroot)
    [ $# -eq 2 ] || { echo "Aufruf: scripts/package.sh [--chroot ORDNER]" >&2; exit 2; }
    chroot_dir="$(realpath -m "$2")" ;;
  *) echo "Aufruf: scripts/package.sh [--chroot ORDNER]" >&2; exit 2 ;;
esac

packaging_tools=("${FUZZY_PACKAGING_PACKAGES[@]}")
[ -n "$chroot_dir" ] && packaging_tools+=(debootstrap)
fuzzy_ensure_packages "${packaging_tools[@]}"

# Debian's hardening and optimisation flags, on top of the release build.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
build=build/package
cmake -S . -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=Release \
  -DFUZZY_BUILD_GUI=ON \
  -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  -DCMAKE_STRIP="$root/packaging/strip.sh" \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null

# The programs and the packaged files only, not the test suites. Named
# outright: asking the build for its target list through a pipe lost targets
# at random (grep -q ends early, the writer dies of SIGPIPE under pipefail),
# and a package without its programs must not be built at all.
targets=(packaging_files dorvane pemrak werkstatt fuzzysim)
# A missing target is an error of the build, not a smaller package.
cmake --build "$build" -j 2 --target "${targets[@]}"

rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/*.deb)"
echo "Paket: $deb"
dpkg-deb --field "$deb" Package Version Depends Recommends

echo "== lintian"
lintian --display-info "$deb"

echo "== appstreamcli validate"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
dpkg-deb -x "$deb" "$stage"
appstreamcli validate --no-net "$stage"/usr/share/metainfo/*.metainfo.xml
echo "== desktop-file-validate"
desktop-file-validate "$stage"/usr/share/applications/*.desktop && echo "in Ordnung"

[ -n "$chroot_dir" ] || exit 0

# A bare Debian: only what the package's dependencies pull in.
if [ "$(id -u)" -ne 0 ]; then
  echo "--chroot braucht root (debootstrap, chroot)." >&2
  exit 1
fi
if [ ! -x "$chroot_dir/usr/bin/apt-get" ]; then
  debootstrap --variant=minbase bookworm "$chroot_dir" http://deb.debian.org/debian
fi
cp /etc/resolv.conf "$chroot_dir/etc/resolv.conf"
cp "$deb" "$chroot_dir/tmp/"
in_chroot() { chroot "$chroot_dir" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 HOME=/root "$@"; }
in_chroot apt-get update -qq
in_chroot env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall "/tmp/$(basename "$deb")"

echo "== fuzzysim check im chroot"
in_chroot /usr/bin/fuzzysim check /usr/share/fuzzy-lehre/beispiele/heizung.fuz

# A GUI program counts as started when it is still running after 5 s and
# has written nothing to standard error (a crash or a missing library would);
# each once bare and once with an example project, as a double click starts it.
in_chroot install -d -m 700 /tmp/xdg-runtime
fail=0
examples=/usr/share/fuzzy-lehre/beispiele
for run in "dorvane" "dorvane $examples/truck.fuz" "pemrak" "pemrak $examples/lok.fuz" \
           "werkstatt" "werkstatt $examples/heizung.fuz"; do
  read -r program project <<<"$run"
  [ -x "$chroot_dir/usr/bin/$program" ] || continue
  rc=0
  err="$(in_chroot env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/xdg-runtime \
           timeout 5 "/usr/bin/$program" ${project:+"$project"} 2>&1 >/dev/null)" || rc=$?
  # The offscreen platform says once that it cannot resize a window to its
  # contents' hints; that is the platform's remark, not the program's error.
  err="$(grep -v '^This plugin does not support propagateSizeHints()$' <<<"$err" || true)"
  if [ "$rc" -eq 124 ] && [ -z "$err" ]; then
    echo "/usr/bin/$run: gestartet, nach 5 s beendet"
  else
    echo "/usr/bin/$run: Start fehlgeschlagen (Exit-Status $rc)" >&2
    [ -n "$err" ] && echo "$err" >&2
    fail=1
  fi
done

# What a desktop adds: the MIME database and the menu entries' cache. There a
# project file must have our type, and a double click must open the workshop.
echo "== Dateityp im chroot"
in_chroot env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  shared-mime-info desktop-file-utils libglib2.0-bin >/dev/null
type="$(in_chroot gio info -a standard::content-type "$examples/lok.fuz" | sed -n 's/.*content-type: //p')"
echo "lok.fuz: $type"
[ "$type" = application/x-fuzzy-projekt ] || fail=1
# Read whole first: a pipe that stops early would end gio with SIGPIPE.
mime="$(in_chroot gio mime application/x-fuzzy-projekt)"
echo "$mime"
if [ -x "$chroot_dir/usr/bin/werkstatt" ] &&
   [[ "${mime%%$'\n'*}" != *de.fuzzylehre.werkstatt.desktop* ]]; then
  echo "Ein Doppelklick auf ein Projekt öffnet nicht die Werkstatt." >&2
  fail=1
fi
exit "$fail"
