#!/usr/bin/env bash
# Sets up, builds and makes the Debian package build/pellar_<version>_amd64.deb (or in
# $PELLAR_BUILD_DIR). Its Depends are worked out from the programs' shared libraries.
#   scripts/package.sh
# Install it with:  sudo apt-get install ./build/pellar_<version>_amd64.deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
build="${PELLAR_BUILD_DIR:-$root/build}"
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/pellar_*_amd64.deb
