#!/usr/bin/env bash
# Builds the game as a web page: installs what is missing (Debian's
# emscripten and the JavaScript parser its optimizer needs, through sudo when
# not root), compiles into build-web/ and leaves the site in build-web/site/
# (index.html and its files), which any static file server can serve.
#   ./web.sh           build
#   ./web.sh --serve   build, then serve it on http://127.0.0.1:8000/
set -euo pipefail
cd "$(dirname "$0")"

serve=0
case "${1:-}" in
    --serve) serve=1 ;;
    "") ;;
    *) echo "usage: $0 [--serve]" >&2; exit 2 ;;
esac

missing=()
command -v emcc >/dev/null || missing+=(emscripten)
[ -d /usr/share/nodejs/acorn ] || missing+=(node-acorn)
if [ ${#missing[@]} -gt 0 ]; then
    sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get install -y "${missing[@]}"
fi

# emscripten's JavaScript optimizer finds Debian's acorn here.
export NODE_PATH=/usr/share/nodejs
build="${LARDER_WEB_BUILD_DIR:-build-web}"
# The data is packed at the installed data folder below /usr/local.
emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr/local >/dev/null
cmake --build "$build" -j"$(nproc)" --target larder2
echo "The site is in $build/site/"

if [ "$serve" -eq 1 ]; then
    echo "Serving it on http://127.0.0.1:8000/ (Ctrl-C stops)"
    exec python3 -m http.server 8000 --bind 127.0.0.1 --directory "$build/site"
fi
