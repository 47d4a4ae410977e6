# Sourced by the other scripts: installs what is missing from Debian's packages.
FUZZY_PACKAGES=(
  cmake ninja-build g++ pkg-config
  libgtest-dev libgmock-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  nlohmann-json3-dev libbenchmark-dev libfmt-dev libfast-float-dev
  fuzzylite
  fonts-liberation fonts-dejavu-core qt6-translations-l10n
  qt6-l10n-tools qt6-tools-dev
  clang-format
  poppler-utils
)
# Only scripts/package.sh needs these (building and checking the .deb); the
# build and the tests do without them.
FUZZY_PACKAGING_PACKAGES=(dpkg-dev lintian appstream desktop-file-utils file xz-utils)

# Optional: the C export's tests compile with clang beside gcc and run the
# 8-bit AVR under simavr. Installed where possible; without them those tests
# are skipped with a message naming what is missing.
FUZZY_OPTIONAL_PACKAGES=(clang gcc-avr avr-libc simavr)
# Optional: the browser page (scripts/web.sh) and its tests in headless
# Chromium; without them the test web_page is skipped with a message.
FUZZY_OPTIONAL_PACKAGES+=(emscripten esbuild nodejs npm chromium)

# Prints those of the named packages that are not installed.
fuzzy_missing_packages() {
  local p
  for p in "$@"; do
    # Read whole: a pipe into grep -q fails at random under pipefail.
    [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)" = "install ok installed" ] || echo "$p"
  done
}

fuzzy_try_optional_packages() {
  local missing
  mapfile -t missing < <(fuzzy_missing_packages "${FUZZY_OPTIONAL_PACKAGES[@]}")
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing (optional): ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq || true
    apt-get install -y -qq --no-install-recommends "${missing[@]}" ||
      echo "Optional packages not installed (${missing[*]}); their tests are skipped." >&2
  else
    echo "Optional, for all tests of the C export: sudo apt-get install ${missing[*]}" >&2
  fi
  return 0
}

# The page's test driver (web/package-lock.json), where npm reaches its registry.
fuzzy_try_web_modules() {
  [ -d web/node_modules/playwright-core ] && return 0
  command -v npm >/dev/null || return 0
  (cd web && npm ci --no-audit --no-fund --loglevel=error) ||
    echo "web/node_modules not installed; the browser tests are skipped." >&2
  return 0
}

fuzzy_ensure_packages() {
  local missing
  mapfile -t missing < <(fuzzy_missing_packages "${FUZZY_PACKAGES[@]}" "$@")
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
  else
    echo "Missing packages. Please run:" >&2
    echo "  sudo apt-get install ${missing[*]}" >&2
    return 1
  fi
}
