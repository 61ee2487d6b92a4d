#!/usr/bin/env bash
# Sets up, builds the tree with clang under AddressSanitizer + UndefinedBehaviorSanitizer into
# build-asan/ (or $PELLAR_ASAN_BUILD_DIR) with warnings as errors, and runs every test with
# leak checking on. $PELLAR_ASAN_CMAKE_ARGS adds CMake options (CI adds the fuzz targets).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${PELLAR_ASAN_BUILD_DIR:-$root/build-asan}"
"$root/scripts/setup.sh"

# The test programs also run during the build, to list their tests: same settings there.
symbolizer="$(command -v llvm-symbolizer || command -v llvm-symbolizer-14 || true)"
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1${symbolizer:+:external_symbolizer_path=$symbolizer}"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen

# -O1 and line tables only: the sanitizers need no more, and the build takes half as long.
# The benchmarks measure nothing under a sanitizer.
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
    -DPELLAR_SANITIZE=ON -DPELLAR_WERROR=ON -DPELLAR_BUILD_BENCH=OFF \
    ${PELLAR_ASAN_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j "$(nproc)"
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
