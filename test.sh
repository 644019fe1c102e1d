#!/usr/bin/env bash
# Installs what is missing, builds everything, starts a headless display when
# none is set, and runs every test through ctest. LARDER_BUILD_DIR and
# LARDER_CMAKE_ARGS choose another build (the CI's sanitizer build uses them).
set -euo pipefail
cd "$(dirname "$0")"
build="${LARDER_BUILD_DIR:-build}"
tools/install-deps.sh --test
# shellcheck disable=SC2086
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${LARDER_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j"$(nproc)"

xvfb_pid=""
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true; }
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    displayfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$displayfile" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$displayfile" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(head -n1 "$displayfile")"
    rm -f "$displayfile"
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    echo "Headless display $DISPLAY"
fi
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
cd "$build"
ctest --output-on-failure -j2 "$@"
