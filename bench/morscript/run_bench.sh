#!/bin/sh
# Usage: run_bench.sh MORSCRIPT COMPILE_BENCH
# Runs each program five times under MorScript and five times under Lua 5.4,
# alternating so that a change in machine load hits both alike, and prints
# the median CPU time (user + system) of each and the ratio MorScript/Lua.
set -e
MOR=$1
COMPILE=$2
cd "$(dirname "$0")"
LUA=${LUA:-lua5.4}

cpu() {  # command... ; prints its user + system CPU seconds
    /usr/bin/time -f "%U %S" "$@" 2>&1 >/dev/null | tail -n 1 | awk '{ printf "%.3f\n", $1 + $2 }'
}

for program in fib loop concat; do
    if [ "$program" = concat ] && [ "$("$LUA" concat.lua)" != "$("$MOR" concat.mor)" ]; then
        echo "warning: concat prints differently under MorScript and Lua"
    fi
    mine=""
    theirs=""
    for run in 1 2 3 4 5; do
        mine="$mine $(cpu "$MOR" $program.mor)"
        theirs="$theirs $(cpu "$LUA" $program.lua)"
    done
    m=$(echo $mine | tr ' ' '\n' | sort -n | sed -n 3p)
    l=$(echo $theirs | tr ' ' '\n' | sort -n | sed -n 3p)
    echo "$program: morscript ${m}s lua ${l}s ratio $(echo "$m $l" | awk '{ printf "%.2f", $1 / $2 }')"
done
"$COMPILE"
