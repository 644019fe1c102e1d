#!/usr/bin/env bash
# `cpack -G DEB` builds a package of the installed files whose dependencies
# come from the libraries the programs link.
set -u
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
(cd "$build" && "${CPACK:-cpack}" -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1) || fail "cpack: $(cat "$tmp/cpack.log")"
deb=$(ls "$tmp"/larder2_*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no package made: $(cat "$tmp/cpack.log")"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libsdl1.2debian libsdl-image1.2 libsdl-mixer1.2 libc6; do
    echo "$depends" | grep -q "$lib" || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "section $(dpkg-deb -f "$deb" Section)"
dpkg-deb -c "$deb" >"$tmp/files"
for f in ./usr/bin/larder2 ./usr/bin/morscript ./usr/share/games/larder2/data/map0.dat \
         ./usr/share/man/man6/larder2.6 ./usr/share/icons/hicolor/48x48/apps/larder2.png; do
    grep -q " $f\$" "$tmp/files" || fail "$f not in the package"
done
grep -q "usr/share/applications/.*\.desktop$" "$tmp/files" || fail "no desktop entry in the package"
echo "deb: passed"
