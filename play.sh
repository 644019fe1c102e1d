#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it on its bundled data.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# the game and the script runner: everything `cmake --install build` installs
cmake --build build -j"$(nproc)" --target larder2 morscript_cli
exec ./build/larder2
