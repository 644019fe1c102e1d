#!/usr/bin/env bash
# Builds the site with the README's command, ./web.sh, into the folder given.
# Exit 77 (skipped) when emscripten is missing and cannot be installed.
set -uo pipefail
source_dir=$1
build_dir=$2
if LARDER_WEB_BUILD_DIR="$build_dir" "$source_dir/web.sh"; then
    exit 0
fi
if ! command -v emcc >/dev/null; then
    echo "SKIPPED: emscripten is not installed and could not be installed (apt-get install emscripten node-acorn)"
    exit 77
fi
exit 1
