#!/usr/bin/env bash
# Sets up, builds the one program (not the tests) and starts it on a fresh copy of the demo
# data folder.
#   scripts/run.sh [Billwright|Slipmaker|PellarSpendlogFREE]    (Billwright when not named)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
program="${1:-Billwright}"
case "$program" in
    Billwright) folder=invoicing ;;
    Slipmaker) folder=deposits ;;
    PellarSpendlogFREE) folder=expenses ;;
    *) echo "Unknown program '$program': Billwright, Slipmaker or PellarSpendlogFREE." >&2; exit 2 ;;
esac

"$root/scripts/setup.sh"
PELLAR_BUILD_TARGET="$program" "$root/scripts/build.sh"
build="${PELLAR_BUILD_DIR:-$root/build}"
binary="$build/$folder/$program"
if [ ! -x "$binary" ]; then
    echo "$program is not part of this build yet." >&2
    exit 1
fi

# A fresh copy each time, so the demo always starts the same and the repository never changes.
data="$build/demo-data"
rm -rf "$data"
mkdir -p "$data"
cp -R "$root/demo/." "$data/"
exec "$binary" --data-folder "$data"
