#!/usr/bin/env bash
# A copy of the game in a folder with no data anywhere near it says where it
# looked and ends with status 1, before opening any window.
source "$(dirname "$0")/lib.sh"
dir=$(mktemp -d)
mkdir -p "$dir/bin"
cp "$1" "$dir/bin/larder2"
(cd "$dir" && ./bin/larder2 >"$dir/stdout" 2>"$dir/stderr")
status=$?
[ "$status" -eq 1 ] || fail "exit status $status, expected 1"
grep -q "looked in $dir/data, $dir/bin/data and $dir/bin/../data" "$dir/stderr" ||
    fail "no message naming where it looked: $(cat "$dir/stderr")"
[ ! -s "$dir/stdout" ] || fail "printed start-up lines: $(cat "$dir/stdout")"
rm -rf "$dir"
echo "no_data_folder: passed"
