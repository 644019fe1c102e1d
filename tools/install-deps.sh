#!/usr/bin/env bash
# Installs the Debian packages the game, its tests and its generators need,
# skipping what is already there. Uses sudo when not run as root.
set -euo pipefail

packages=(build-essential cmake pkg-config python3
          libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev libglu1-mesa-dev libgl1-mesa-dri
          libgtest-dev libbenchmark-dev)
if [ "${1:-}" = "--test" ]; then
    packages+=(xvfb xauth xdotool x11-utils imagemagick desktop-file-utils appstream dpkg-dev)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
