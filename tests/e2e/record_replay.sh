#!/usr/bin/env bash
# A survival game recorded with --record (walking, firing, Escape), played
# again with --replay: the same number of frames and the same world state,
# status 0. A cut recording is refused with status 2, and a long replay ends
# at once with status 0 and its summary when the game is sent SIGTERM.
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
# A minute of story game without input: 600 frames of 100 ms.
python3 - "$work/long.l2r" <<'PY'
import struct, sys
body = b"L2REPLAY" + struct.pack("<IBQII", 1, 0, 7, 1000, 600) + struct.pack("<IHH", 100, 0, 0) * 600
body += struct.pack("<I", 0)
h = 2166136261
for b in body:
    h = ((h ^ b) * 16777619) & 0xFFFFFFFF
open(sys.argv[1], "wb").write(body + struct.pack("<I", h))
PY
"$exe" --replay "$work/long.l2r" >"$work/long.out" 2>"$work/long.err" &
pid=$!
for _ in $(seq 200); do
    grep -q "Massloading actors" "$work/long.out" && break
    sleep 0.1
done
sleep 1
kill -TERM "$pid"
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && { kill -KILL "$pid"; fail "SIGTERM did not end the replay within 5 s"; }
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "a replay ended by SIGTERM gave status $status: $(cat "$work/long.err")"
grep -q -E "^Replay stopped by a quit request after [0-9]+ of 600 frames$" "$work/long.out" &&
    grep -q -E "^Replay of [0-9]+ frames ended \(state [0-9a-f]{8}\)$" "$work/long.out" ||
    fail "no summary after SIGTERM: $(grep Replay "$work/long.out")"
echo "record_replay: passed"
