#!/usr/bin/env bash
# A survival game recorded with --record (walking, firing, Escape), played
# again with --replay: the same number of frames and the same world state,
# status 0. A cut recording is refused with status 2.
source "$(dirname "$0")/lib.sh"
exe=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
rec="$work/survival.l2r"
printf '#!/bin/sh\nexec "%s" --record "%s"\n' "$exe" "$rec" >"$work/record.sh"
chmod +x "$work/record.sh"

start_game "$work/record.sh"
key Down Return  # Survival
key Return       # takes the help screen down
xdotool keydown d; sleep 0.5; xdotool keyup d
xdotool mousemove --window "$WINDOW" 600 300 mousedown 1; sleep 0.4; xdotool mouseup 1
key Escape Down Down Return
wait_game 20
[ "$STATUS" -eq 0 ] || fail "recording run: exit status $STATUS"
recorded=$(grep -E '^Recorded [0-9]+ frames to ' "$OUT/stdout") || fail "no recording message"
frames=$(echo "$recorded" | sed -E 's/^Recorded ([0-9]+) frames.*/\1/')
state=$(echo "$recorded" | sed -E 's/.*\(state ([0-9a-f]{8})\)$/\1/')

timeout 60 "$exe" --replay "$rec" >"$work/replay.out" 2>"$work/replay.err"
status=$?
[ "$status" -eq 0 ] || fail "replay: exit status $status: $(cat "$work/replay.err")"
grep -q -x -F "Replay of $frames frames ended (state $state)" "$work/replay.out" ||
    fail "replay ended otherwise: $(grep Replay "$work/replay.out") (expected $frames frames, state $state)"

head -c 100 "$rec" >"$work/cut.l2r"
timeout 20 "$exe" --replay "$work/cut.l2r" >/dev/null 2>"$work/cut.err"
status=$?
[ "$status" -eq 2 ] || fail "a cut recording gave status $status"
grep -q "truncated" "$work/cut.err" || fail "no clear message: $(cat "$work/cut.err")"
echo "record_replay: passed"
