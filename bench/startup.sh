#!/usr/bin/env bash
# How much later each program's first window shows than a bare Qt window's, measured side by
# side under Xvfb: the four are started in turn, nine rounds, each timed from its start to
# its first window on the display; then the medians and the differences. Run by hand after a
# build:   bench/startup.sh [build-folder]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
rounds=9
# A display of its own, the first free number from 93 on, ready before anything starts.
number=93
while [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
Xvfb ":$number" -noreset -nolisten tcp -screen 0 1280x1024x24 >"${TMPDIR:-/tmp}/startup-xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=":$number"
until xdotool getmouselocation >/dev/null 2>&1; do sleep 0.1; done
data="$(mktemp -d)"
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$data"' EXIT

# name|command|a word of the first window's title
programs=(
    "bare|$build/bench/pellar_barewindow|Bare Qt window"
    "Billwright|$build/invoicing/Billwright --data-folder $data/Billwright|Billwright"
    "PellarSpendlogFREE|$build/expenses/PellarSpendlogFREE --data-folder $data/PellarSpendlogFREE|Spendlog"
    "Slipmaker|$build/deposits/Slipmaker --data-folder $data/Slipmaker|Pellar Banking"
)

declare -A times
for ((round = 1; round <= rounds; round++)); do
    for entry in "${programs[@]}"; do
        IFS='|' read -r name command title <<<"$entry"
        rm -rf "$data/$name"
        cp -R "$root/demo" "$data/$name"
        start=$(date +%s%N)
        $command >"$data/$name.log" 2>&1 &
        pid=$!
        # Asked again and again rather than with --sync, which looks only every half second.
        until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
            if ! kill -0 "$pid" 2>/dev/null; then
                echo "$name ended before its window showed:" >&2
                cat "$data/$name.log" >&2
                exit 1
            fi
            sleep 0.002
        done
        end=$(date +%s%N)
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        times[$name]+="$(((end - start) / 1000)) "
    done
done

median() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
bare=$(echo "${times[bare]}" | median)
printf '%-20s %10s %12s\n' program "median ms" "vs bare ms"
for entry in "${programs[@]}"; do
    IFS='|' read -r name _ _ <<<"$entry"
    m=$(echo "${times[$name]}" | median)
    printf '%-20s %10.1f %12.1f\n' "$name" "$(echo "$m / 1000" | bc -l)" "$(echo "($m - $bare) / 1000" | bc -l)"
done
