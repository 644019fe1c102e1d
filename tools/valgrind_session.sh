#!/usr/bin/env bash
# Plays one whole session of the real game under valgrind's memcheck on a
# headless display and prints its error and leak summary: the menu, a story
# game (walking, firing, the console, the info panel), the editor (tiles laid,
# nothing saved), a survival game, the credits, and Quit from the menu.
# Everything runs in a temporary copy of data/, so the shipped files are
# never touched. It is slow (a frame takes about a second under valgrind on
# a software GL), which is why the keys are spaced out and held long.
#
#   tools/valgrind_session.sh [path/to/larder2]     (default build/larder2)
#
# The full report is kept in the file named at the end. Needs valgrind,
# xvfb and xdotool (tools/install-deps.sh --test installs the last two).
set -euo pipefail
cd "$(dirname "$0")/.."
exe=$(realpath "${1:-build/larder2}")
[ -x "$exe" ] || { echo "no game at $exe: build it first" >&2; exit 1; }
command -v valgrind >/dev/null || { echo "valgrind is not installed" >&2; exit 1; }

work=$(mktemp -d)
cp -r data "$work/data"
report="$work/valgrind.txt"

displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$displayfile" >/dev/null 2>&1 &
xvfb_pid=$!
game_pid=""
trap 'kill $game_pid $xvfb_pid 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$displayfile")" SDL_AUDIODRIVER=dummy
rm -f "$displayfile"

(cd "$work" && exec valgrind --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
     --num-callers=30 --log-file="$report" "$exe" >"$work/stdout" 2>"$work/stderr") &
game_pid=$!

# waits_for TEXT [SECONDS]: until the game has printed a line holding TEXT.
waits_for() {
    local limit=${2:-600}
    for _ in $(seq $((limit * 2))); do
        grep -q -F -- "$1" "$work/stdout" 2>/dev/null && return 0
        kill -0 "$game_pid" 2>/dev/null || { echo "the game ended early" >&2; return 1; }
        sleep 0.5
    done
    echo "timed out waiting for: $1" >&2
    return 1
}
# press KEY...: one press each, with time for the slow frames to see it.
press() {
    for k in "$@"; do
        xdotool key --window "$window" "$k"
        sleep 3
    done
}
# hold KEY SECONDS
hold() {
    xdotool keydown --window "$window" "$1"
    sleep "$2"
    xdotool keyup --window "$window" "$1"
    sleep 2
}

waits_for "Entering menu loop"
window=$(xdotool search --name '^Larder \]\[$' | head -n1)
xdotool windowfocus "$window" 2>/dev/null || true
sleep 3

press Return                   # New Game
waits_for "Massloading entities"
sleep 10
press space                    # the help screen down
hold d 8
hold s 6
xdotool mousemove --window "$window" 600 300 mousedown 1; sleep 4; xdotool mouseup 1; sleep 2
press grave h e a l m e Return grave
press i i
hold w 6
press Escape                   # back to the menu
sleep 10

press e                        # the editor
xdotool mousemove --window "$window" 300 300 click 1; sleep 3
press x x z
xdotool mousemove --window "$window" 400 200 click 1; sleep 3
press Escape
sleep 10

press Down Return              # Survival
sleep 15
press Return                   # the help screen down
hold a 6
xdotool mousemove --window "$window" 500 200 mousedown 1; sleep 4; xdotool mouseup 1; sleep 2
press Escape
sleep 10

press Down Return              # Credits
sleep 20
press Escape
sleep 10
press Down Return              # Quit

for _ in $(seq 1200); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.5; done
status=0
wait "$game_pid" || status=$?
game_pid=""
echo "The game ended with status $status; its output: $(wc -l <"$work/stdout") lines in $work/stdout"
grep -E "ERROR SUMMARY|definitely lost:|indirectly lost:|possibly lost:" "$report" || true
# A definite loss is the game's own when the frame that called the allocator
# is in the game's sources; the rest are inside the system's libraries.
ours=$(awk '/definitely lost in loss record/ {record = 1; next}
            record && /^==[0-9]+== +by / {if ($0 ~ /\.(cpp|h):[0-9]+\)/) n++; record = 0}
            END {print n + 0}' "$report")
echo "Definite losses allocated by the game's own code: $ours"
echo "Full report: $report"
