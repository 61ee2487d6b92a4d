#!/usr/bin/env bash
# Configures and builds the whole tree into build/ (or $PELLAR_BUILD_DIR); with
# $PELLAR_BUILD_TARGET, only that target and what it needs.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PELLAR_BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${PELLAR_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j "$(nproc)" ${PELLAR_BUILD_TARGET:+--target "$PELLAR_BUILD_TARGET"}
