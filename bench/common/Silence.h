#pragma once
// Keeps the game's start-up and new-game chatter on stdout and stderr out of
// a benchmark's table: while one lives, both streams go to /dev/null.
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

class Silence {
public:
    Silence()
    {
        fflush(stdout);
        fflush(stderr);
        savedOut = dup(1);
        savedErr = dup(2);
        int devNull = open("/dev/null", O_WRONLY);
        dup2(devNull, 1);
        dup2(devNull, 2);
        close(devNull);
    }
    ~Silence()
    {
        fflush(stdout);
        fflush(stderr);
        dup2(savedOut, 1);
        dup2(savedErr, 2);
        close(savedOut);
        close(savedErr);
    }
    Silence(const Silence&) = delete;
    Silence& operator=(const Silence&) = delete;

private:
    int savedOut, savedErr;
};
