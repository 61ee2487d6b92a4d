#!/usr/bin/env bash
# Installs everything the build, the tests and the screenshots need, from Debian's packages.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
    g++ cmake ninja-build make pkg-config
    qt6-base-dev libfontconfig-dev qt6-charts-dev libqt6opengl6-dev libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev llvm-14
    fonts-dejavu-core
    desktop-file-utils appstream dpkg-dev file lintian qt6-l10n-tools
    xvfb xauth xdotool x11-utils imagemagick poppler-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
