#!/usr/bin/env bash
# Builds the libFuzzer programs with clang (coverage, AddressSanitizer, UndefinedBehaviorSanitizer)
# into build-fuzz/ (or $PELLAR_FUZZ_BUILD_DIR, which may be a fuzz-enabled sanitizer build) and runs each one for the given seconds
# (default 10) on a fresh copy of its seed corpus, so the repository is never written.
# Stops with a non-zero exit at the first finding; the input that found it is kept in the
# build folder's fuzz-findings/.
#   scripts/fuzz.sh [seconds-per-target]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-10}"
build="${PELLAR_FUZZ_BUILD_DIR:-$root/build-fuzz}"

"$root/scripts/setup.sh"
# A build folder already configured for fuzzing (CI's sanitizer build) is used as it is;
# configuring it again with other flags would rebuild the whole tree.
if ! grep -q '^PELLAR_FUZZ:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -gline-tables-only -DNDEBUG" \
        -DPELLAR_FUZZ=ON -DPELLAR_SANITIZE=ON -DPELLAR_WERROR=ON -DPELLAR_BUILD_BENCH=OFF \
        ${PELLAR_CMAKE_ARGS:-} >/dev/null
fi
cmake --build "$build" --target fuzz_targets -j "$(nproc)"

# The readers that go through the data folder write there for every input: a folder in
# memory keeps that cheap.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
export QT_QPA_PLATFORM=offscreen
# Qt keeps a few allocations for the life of the process; they are not findings.
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"

work="$build/fuzz-run"
findings="$build/fuzz-findings"
rm -rf "$work"
mkdir -p "$work" "$findings"
status=0
for corpus in "$root"/fuzz/corpus/*/; do
    target="$(basename "$corpus")"
    program="$build/fuzz/${target}_fuzz"
    if [ ! -x "$program" ]; then
        echo "$target: not built" >&2
        status=1
        break
    fi
    cp -R "$corpus" "$work/$target"
    log="$work/$target.log"
    if "$program" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$findings/$target-" "$work/$target" >"$log" 2>&1; then
        result=ok
    else
        result="FINDING (see $log)"
        status=1
    fi
    runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)"
    printf '%-16s %12s executions  %s\n' "$target" "${runs:-?}" "$result"
    if [ "$status" -ne 0 ]; then
        tail -n 30 "$log" >&2
        break
    fi
done
exit "$status"
