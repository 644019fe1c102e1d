/* The least a game can do before its first frame: open an 800 x 600 OpenGL
 * window, clear it and swap once. measure_startup.py times it beside the
 * game. */
#include <GL/gl.h>
#include <SDL.h>

int main(int argc, char** argv)
{
    (void)argc;
    (void)argv;
    if (SDL_Init(SDL_INIT_VIDEO) < 0 || !SDL_SetVideoMode(800, 600, 0, SDL_OPENGL))
        return 1;
    glClear(GL_COLOR_BUFFER_BIT);
    SDL_GL_SwapBuffers();
    SDL_Quit();
    return 0;
}
