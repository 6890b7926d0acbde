#!/usr/bin/env bash
# Installs what Ziftora needs on Debian 12 (only what is missing), then configures and builds it.
# Used by run.sh and test.sh; safe to run again.
#   scripts/setup.sh                      install, configure and build (preset "default")
#   scripts/setup.sh --install PKG...     only install those packages that are missing
set -euo pipefail
cd "$(dirname "$0")/.."

install_missing() {
  local missing=() p sudo=""
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -gt 0 ] || return 0
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

if [ "${1:-}" = "--install" ]; then
  shift
  install_missing "$@"
  exit 0
fi

install_missing cmake ninja-build g++ qt6-base-dev qt6-svg-dev libgl-dev fonts-liberation2 libbenchmark-dev
# Printing (a private print queue in the tests, PDF text read back); Qt's own texts in German;
# building and checking the Debian package (lintian, Debian's package checker, brings man-db for
# the manual pages).
install_missing cups cups-client poppler-utils
install_missing qt6-translations-l10n dpkg-dev file desktop-file-utils appstream lintian

cmake --preset default
cmake --build --preset default
