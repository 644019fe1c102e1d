#!/usr/bin/env bash
# A copy of the game in a folder with no data anywhere near it lists every
# place it looked and ends with status 1, before opening any window; a wrong
# option ends it with status 2.
source "$(dirname "$0")/lib.sh"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/bin" "$dir/work"
cp "$1" "$dir/bin/larder2"
(cd "$dir/work" && LARDER2_DATA="$dir/var" "$dir/bin/larder2" --data "$dir/opt" >"$dir/stdout" 2>"$dir/stderr")
status=$?
[ "$status" -eq 1 ] || fail "exit status $status, expected 1"
for place in "$dir/opt (--data)" "$dir/var (LARDER2_DATA)" "$dir/work (working folder)" \
             "$dir/bin (executable's folder)" "$dir/bin/.. (executable's parent folder)" \
             "$dir/bin/../share/games/larder2 (installed data folder)"; do
    grep -q -F -x "  $place" "$dir/stderr" || fail "'$place' not listed: $(cat "$dir/stderr")"
done
[ ! -s "$dir/stdout" ] || fail "printed start-up lines: $(cat "$dir/stdout")"

"$dir/bin/larder2" --no-such-option 2>"$dir/stderr"
status=$?
[ "$status" -eq 2 ] || fail "unknown option: exit status $status, expected 2"
grep -q "unknown option '--no-such-option'" "$dir/stderr" || fail "no message: $(cat "$dir/stderr")"
echo "no_data_folder: passed"
