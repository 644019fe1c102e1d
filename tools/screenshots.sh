#!/usr/bin/env bash
# Takes the README's screenshots from the real game on a headless display:
# docs/menu.png (the main menu) and docs/play.png (the start of a new game).
# Needs a built game (./play.sh or ./test.sh builds it) and xvfb, xdotool
# and imagemagick (tools/install-deps.sh --test installs them).
set -euo pipefail
cd "$(dirname "$0")/.."
exe=${1:-build/larder2}
[ -x "$exe" ] || { echo "no game at $exe: build it first" >&2; exit 1; }

displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$displayfile" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $game_pid $xvfb_pid 2>/dev/null || true' EXIT
game_pid=""
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$displayfile")" SDL_AUDIODRIVER=dummy

"$exe" >/dev/null 2>&1 &
game_pid=$!
sleep 2
window=$(xdotool search --name '^Larder \]\[$' | head -n1)
xdotool windowfocus "$window" 2>/dev/null || true
sleep 1
mkdir -p docs
import -window "$window" docs/menu.png
xdotool key Return          # New Game
sleep 1
xdotool key space           # past the help screen
sleep 0.3
for k in d d s s; do xdotool keydown $k; sleep 0.4; xdotool keyup $k; done
sleep 0.5
import -window "$window" docs/play.png
xdotool key Escape
sleep 0.5
xdotool key Up Return       # Quit
wait "$game_pid" || true
echo "wrote docs/menu.png and docs/play.png"
