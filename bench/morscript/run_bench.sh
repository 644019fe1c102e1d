#!/bin/sh
# Usage: run_bench.sh MORSCRIPT COMPILE_BENCH
# Runs each program five times under MorScript and Lua 5.4 and prints the
# median user+system CPU time and the ratio MorScript/Lua.
set -e
MOR=$1
COMPILE=$2
cd "$(dirname "$0")"
LUA=${LUA:-lua5.4}

median() {  # command... ; prints the median CPU seconds of five runs
    for run in 1 2 3 4 5; do
        /usr/bin/time -f "%U %S" "$@" 2>&1 >/dev/null | tail -n 1 | awk '{ printf "%.3f\n", $1 + $2 }'
    done | sort -n | sed -n 3p
}

for program in fib loop concat; do
    expected=$("$LUA" $program.lua | md5sum)
    mine=$("$MOR" $program.mor | md5sum)
    [ "$program" = fib ] || [ "$program" = loop ] || [ "$expected" = "$mine" ] ||
        echo "warning: $program prints differently under MorScript and Lua"
    m=$(median "$MOR" $program.mor)
    l=$(median "$LUA" $program.lua)
    echo "$program: morscript ${m}s lua ${l}s ratio $(echo "$m $l" | awk '{ printf "%.2f", $1 / $2 }')"
done
"$COMPILE"
