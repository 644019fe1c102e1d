# Helpers for the end-to-end tests: start the game, find its window, type.
set -u
fail() { echo "FAIL: $*" >&2; exit 1; }

# start_game EXE [WORKDIR [ARGS...]]: runs the game in the background, output
# in $OUT.
start_game() {
    local exe=$1 workdir=${2:-$(mktemp -d)}
    shift $(($# < 2 ? $# : 2))
    OUT=$(mktemp -d)
    (cd "$workdir" && exec "$exe" "$@" >"$OUT/stdout" 2>"$OUT/stderr") &
    GAME_PID=$!
    WINDOW=""
    for _ in $(seq 200); do
        WINDOW=$(xdotool search --name '^Larder \]\[$' 2>/dev/null | head -n1 || true)
        [ -n "$WINDOW" ] && grep -q "Entering menu loop" "$OUT/stdout" 2>/dev/null && break
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended before its menu: $(cat "$OUT/stderr")"
        sleep 0.1
    done
    [ -n "$WINDOW" ] || fail "no game window appeared"
    # With no window manager the keyboard goes where the focus is set; the
    # window must be mapped before it can take it, so keep asking.
    for _ in $(seq 100); do
        xdotool windowfocus "$WINDOW" 2>/dev/null || true
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$WINDOW" ] && break
        sleep 0.1
    done
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$WINDOW" ] || fail "the game window never took the keyboard focus"
    sleep 0.5
}

# key NAME...: one key press each, a little apart so every frame sees them.
key() {
    for k in "$@"; do
        xdotool key --delay 100 "$k"
        sleep 0.3
    done
}

# wait_game SECONDS: waits for the game to end; its status is in $STATUS.
wait_game() {
    local limit=$1
    for _ in $(seq $((limit * 10))); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$GAME_PID" 2>/dev/null; then
        kill "$GAME_PID"
        fail "the game did not end within $limit s"
    fi
    wait "$GAME_PID"
    STATUS=$?
}

# expect_lines_in_order FILE LINE...: each line appears, after the one before.
expect_lines_in_order() {
    local file=$1 last=0 n
    shift
    for line in "$@"; do
        n=$(grep -n -F -x -- "$line" "$file" | cut -d: -f1 | awk -v after="$last" '$1 > after {print; exit}')
        [ -n "$n" ] || fail "missing or out of order: '$line' (after line $last of $file)"
        last=$n
    done
}
