#!/usr/bin/env bash
# The installed game: `cmake --install` into a temporary prefix, the desktop
# entry and the AppStream metadata validate, and the installed larder2,
# started from an empty working folder with HOME and the XDG folders in a
# temporary folder, reaches the menu, saves a map in the editor, starts a New
# Game and takes an F2 screenshot. Those files land in the user folder and
# nothing new appears in the prefix or the working folder; the same when the
# data is named with --data and with LARDER2_DATA.
source "$(dirname "$0")/lib.sh"
build=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >"$tmp/install.log" || fail "install: $(cat "$tmp/install.log")"
desktop-file-validate "$prefix"/share/applications/*.desktop || fail "desktop entry"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml >"$tmp/as.log" ||
    fail "metainfo: $(cat "$tmp/as.log")"
for f in bin/larder2 bin/morscript share/games/larder2/data/map0.dat share/man/man6/larder2.6 \
         share/man/man1/morscript.1 share/icons/hicolor/256x256/apps/larder2.png share/icons/hicolor/16x16/apps/larder2.png; do
    [ -e "$prefix/$f" ] || fail "$f not installed"
done
ln -s "$prefix/share/games/larder2" "$tmp/named"

# play CASE USERFOLDER ARGS...: one run of the installed game in a fresh
# home; USERFOLDER is where its files must appear. With "editor" as CASE the
# map editor saves map 0 first.
play() {
    local case=$1 user=$2
    shift 2
    local work=$tmp/work-$case
    mkdir -p "$work" "$tmp/home-$case"
    find "$prefix" "$work" | sort >"$tmp/before"
    start_game "$prefix/bin/larder2" "$work" "$@"
    if [ "$case" = editor ]; then
        key e F2 Escape
    fi
    key Return       # New Game
    key Return       # takes the help screen down
    key F2
    key Escape Up Return
    wait_game 20
    [ "$STATUS" -eq 0 ] || fail "$case: exit status $STATUS: $(cat "$OUT/stderr")"
    expect_lines_in_order "$OUT/stdout" "User files go to $user" "Entering menu loop" "Massloading entities and weapons"
    [ -s "$user/sshot.bmp" ] || fail "$case: no screenshot in $user"
    [ -s "$user/morscript-log.txt" ] || fail "$case: no script log in $user"
    if [ "$case" = editor ]; then
        [ "$(wc -l <"$user/data/map0.dat")" -eq 80 ] || fail "no 80-row map saved in $user/data"
    fi
    find "$prefix" "$work" | sort >"$tmp/after"
    diff "$tmp/before" "$tmp/after" >/dev/null || fail "$case: new files: $(diff "$tmp/before" "$tmp/after")"
}

export HOME XDG_DATA_HOME XDG_CONFIG_HOME
HOME=$tmp/home-editor XDG_DATA_HOME=$tmp/home-editor/data XDG_CONFIG_HOME=$tmp/home-editor/config
play editor "$XDG_DATA_HOME/larder2"
HOME=$tmp/home-option XDG_DATA_HOME=$tmp/home-option/data XDG_CONFIG_HOME=$tmp/home-option/config
play option "$XDG_DATA_HOME/larder2" --data "$tmp/named"
grep -q -F -x "Playing with the data in $tmp/named (--data)" "$OUT/stdout" || fail "--data not used"
HOME=$tmp/home-variable
unset XDG_DATA_HOME XDG_CONFIG_HOME
LARDER2_DATA=$tmp/named play variable "$HOME/.local/share/larder2"
grep -q -F -x "Playing with the data in $tmp/named (LARDER2_DATA)" "$OUT/stdout" || fail "LARDER2_DATA not used"
echo "installed_game: passed"
