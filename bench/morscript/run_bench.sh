#!/bin/sh
# Usage: run_bench.sh MORSCRIPT COMPILE_BENCH
# Runs each program five times under MorScript and five times under Lua 5.4,
# alternating so that a change in machine load hits both alike, and prints
# the median CPU time (user + system) of each and the ratio MorScript/Lua.
# Both versions of a program must print the same; a difference is reported.
set -e
absolute() { echo "$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; }
MOR=$(absolute "$1")
COMPILE=$(absolute "$2")
cd "$(dirname "$0")"
LUA=${LUA:-lua5.4}
PROGRAMS=${PROGRAMS:-"fib loop forloop calls primes textcmp concat append doloop deepcalls"}

cpu() {  # command... ; prints its user + system CPU seconds
    /usr/bin/time -f "%U %S" "$@" 2>&1 >/dev/null | tail -n 1 | awk '{ printf "%.3f\n", $1 + $2 }'
}

printf "%-10s %9s %9s %7s\n" program morscript lua ratio
for program in $PROGRAMS; do
    if [ "$("$LUA" $program.lua | md5sum)" != "$("$MOR" $program.mor | md5sum)" ]; then
        echo "warning: $program prints differently under MorScript and Lua"
    fi
    mine=""
    theirs=""
    for run in 1 2 3 4 5; do
        mine="$mine $(cpu "$MOR" $program.mor)"
        theirs="$theirs $(cpu "$LUA" $program.lua)"
    done
    m=$(echo $mine | tr ' ' '\n' | sort -n | sed -n 3p)
    l=$(echo $theirs | tr ' ' '\n' | sort -n | sed -n 3p)
    printf "%-10s %8ss %8ss %7s\n" $program $m $l $(echo "$m $l" | awk '{ printf "%.2f", $1 / $2 }')
done
"$COMPILE"
