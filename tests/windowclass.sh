#!/usr/bin/env bash
# Each program's window belongs to its menu entry: under a bare X server, its WM_CLASS is the
# StartupWMClass its desktop file names, and it carries an icon.
#   tests/windowclass.sh <packaging folder> <program>...
set -euo pipefail
packaging="$1"; shift
scratch="$(mktemp -d)"
exec 3> "$scratch/display"
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 >/dev/null 2>&1 &
server=$!
# The server is waited for: one still ending would remove the next one's socket.
trap 'kill $server 2>/dev/null; wait $server 2>/dev/null; rm -rf "$scratch"' EXIT
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$scratch/display")"
unset QT_QPA_PLATFORM
failed=0
for program in "$@"; do
    name="$(basename "$program")"
    wanted="$(sed -n 's/^StartupWMClass=//p' "$packaging/org.pellar.$name.desktop")"
    mkdir -p "$scratch/$name"
    "$program" --data-folder "$scratch/$name" >"$scratch/$name.log" 2>&1 &
    pid=$!
    window=""
    for _ in $(seq 100); do
        window="$(xdotool search --onlyvisible --pid $pid 2>/dev/null | head -1 || true)"
        [ -n "$window" ] && break
        sleep 0.1
    done
    if [ -z "$window" ]; then
        echo "$name: no window shown"; cat "$scratch/$name.log"; failed=1
    else
        class="$(xprop -id "$window" WM_CLASS)"
        # The icon may follow the window by a moment.
        for _ in $(seq 20); do
            icon="$(xprop -id "$window" -len 8 _NET_WM_ICON | head -c 200 || true)"
            [[ "$icon" == *"Icon ("* ]] && break
            sleep 0.1
        done
        if [[ "$class" != *"\"$wanted\""* ]]; then
            echo "$name: $class, but the desktop file wants $wanted"; failed=1
        elif [[ "$icon" != *"Icon ("* ]]; then
            echo "$name: the window has no icon"; failed=1
        else
            echo "$name: $class, with an icon"
        fi
    fi
    kill $pid 2>/dev/null || true
    wait $pid 2>/dev/null || true
done
exit $failed
