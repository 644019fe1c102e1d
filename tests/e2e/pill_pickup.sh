#!/usr/bin/env bash
# A drug pill just left of the player's start: New Game from the menu, a key
# takes the help screen down, the player walks left onto the pill until the
# map's edge stops him, Space takes it ("Pill acquired!"), then Escape back
# to the menu and Up, Return to quit with status 0.
source "$(dirname "$0")/lib.sh"
repo_data="$(cd "$(dirname "$0")/../.." && pwd)/data"

level=$(mktemp -d)
trap 'rm -rf "$level"' EXIT
cp -r "$repo_data" "$level/data"
rm -rf "$level/data/actors"
mkdir "$level/data/actors"
# One bystander far away, so the game is not won at once.
cat >"$level/data/actors/0.def" <<'DEF'
isAI=1
isCop=0
hasScript=0
dialogue=Nice day.
runAwayAngle=15
state=0
targetX=3508
targetY=2884
script=
hp=60
max_hp=60
level=1
heading=0
numSprites=3
startSprite=45
portrait=1
x=3508
y=2884
team=1
DEF
printf 'pill 0 40 0\n' >"$level/data/entities.txt"

start_game "$1" "$level"
key Return       # New Game
key Return       # takes the help screen down
xdotool keydown a; sleep 0.8; xdotool keyup a   # walk left to the edge
sleep 0.3
key space        # the pill under the player
key Escape Up Return
wait_game 20
[ "$STATUS" -eq 0 ] || fail "exit status $STATUS"
expect_lines_in_order "$OUT/stdout" \
    "Entering menu loop" \
    "Massloading entities and weapons" \
    "Pill acquired!"
echo "pill_pickup: passed"
