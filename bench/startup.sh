#!/usr/bin/env bash
# How much later each program's first window shows than a bare Qt window's, measured side by
# side under Xvfb: the four are started in turn, nine rounds (or ROUNDS), each timed from
# its start to its first window on the display; then the medians and the differences. Run
# by hand after a build:   [ROUNDS=n] bench/startup.sh [build-folder]
#
# The display is watched, not asked: one xev, started before the first round, reports each
# window the server maps as it happens. Asking again and again (a new xdotool every few
# milliseconds) took a core's share from the program being timed, and more from a program
# that uses two threads than from the bare window.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
rounds=${ROUNDS:-9}
# A display of its own, the first free number from 93 on, ready before anything starts.
number=93
while [ -e "/tmp/.X$number-lock" ]; do number=$((number + 1)); done
Xvfb ":$number" -noreset -nolisten tcp -screen 0 1280x1024x24 >"${TMPDIR:-/tmp}/startup-xvfb.log" 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=":$number"
until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done
data="$(mktemp -d)"
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$data"' EXIT

# name|command|a word of the first window's title, in any case
programs=(
    "bare|$build/bench/pellar_barewindow|Bare Qt window"
    "Billwright|$build/invoicing/Billwright --data-folder $data/Billwright|Billwright"
    "PellarSpendlogFREE|$build/expenses/PellarSpendlogFREE --data-folder $data/PellarSpendlogFREE|Spendlog"
    "Slipmaker|$build/deposits/Slipmaker --data-folder $data/Slipmaker|Pellar Banking"
)

# Every window the display maps, a line each: "MapNotify ..." then "event 0x.., window 0x..".
coproc watch { exec stdbuf -oL xev -root -event substructure; }
trap 'kill $xvfb "$watch_PID" 2>/dev/null || true; rm -rf "$data"' EXIT

# xev needs a moment to connect and ask for the events; round 0 would show it had not.
sleep 0.5

# Waits for a window of the title to be mapped; prints the time the map was seen. Fails when
# the program ends first, or shows nothing for ten seconds.
awaitWindow() {
    local title=$1 pid=$2 line seen waited=0
    while true; do
        if ! IFS= read -r -t 1 line <&"${watch[0]}"; then
            kill -0 "$pid" 2>/dev/null || return 1
            ((++waited < 10)) || return 1
            continue
        fi
        [[ $line == MapNotify* ]] || continue
        seen=$EPOCHREALTIME
        IFS= read -r line <&"${watch[0]}"
        local window=${line##*window }
        window=${window%%,*}
        # A window of another title (none is expected) is passed over.
        if xprop -id "$window" WM_NAME 2>/dev/null | grep -qi "$title"; then
            echo "$seen"
            return 0
        fi
    done
}

declare -A times
# Round 0 is not counted: it fills the disk cache, and its bare window shows that xev is
# watching (a window mapped before xev asked would never be reported).
for ((round = 0; round <= rounds; round++)); do
    for entry in "${programs[@]}"; do
        IFS='|' read -r name command title <<<"$entry"
        rm -rf "$data/$name"
        cp -R "$root/demo" "$data/$name"
        start=$EPOCHREALTIME
        $command >"$data/$name.log" 2>&1 &
        pid=$!
        if ! end=$(awaitWindow "$title" "$pid"); then
            echo "$name ended, or showed no window, in its round $round:" >&2
            cat "$data/$name.log" >&2
            exit 1
        fi
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        ((round > 0)) && times[$name]+="$((${end/./} - ${start/./})) "
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
