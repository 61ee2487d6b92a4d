#!/usr/bin/env bash
# Sets up, builds and runs every test headless.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
PELLAR_CMAKE_ARGS="${PELLAR_CMAKE_ARGS:-} -DPELLAR_WERROR=ON" "$root/scripts/build.sh"
build="${PELLAR_BUILD_DIR:-$root/build}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
