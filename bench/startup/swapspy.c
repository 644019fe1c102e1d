/* Preloaded into the game by measure_startup.py: notes the wall-clock time of
 * every buffer swap, so the first menu frame and the frame times can be
 * measured on the unchanged executable. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static FILE* out;

void SDL_GL_SwapBuffers(void)
{
    static void (*real)(void);
    if (!real)
        real = (void (*)(void))dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers");
    real();
    if (!out) {
        const char* path = getenv("SWAPSPY_FILE");
        out = fopen(path ? path : "/dev/null", "w");
    }
    struct timespec ts;
    clock_gettime(CLOCK_REALTIME, &ts);
    fprintf(out, "%.6f\n", ts.tv_sec + ts.tv_nsec / 1e9);
    fflush(out);
}
