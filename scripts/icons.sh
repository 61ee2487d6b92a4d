#!/usr/bin/env bash
# Draws the PNG sizes of each program's icon from its SVG (packaging/icons/*.svg) into
# packaging/icons/<size>/. The PNGs are kept in the repository, so the build needs no SVG
# renderer; run this after changing an SVG.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if ! command -v rsvg-convert >/dev/null; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get install -y -qq --no-install-recommends librsvg2-bin
fi
for svg in "$root"/packaging/icons/*.svg; do
    name="$(basename "$svg" .svg)"
    for size in 16 24 32 48 64 128 256; do
        mkdir -p "$root/packaging/icons/$size"
        rsvg-convert -w "$size" -h "$size" "$svg" -o "$root/packaging/icons/$size/$name.png"
    done
done
