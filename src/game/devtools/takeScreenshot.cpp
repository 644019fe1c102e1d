#include "game/CGame.h"

#include <GL/gl.h>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "data/DataFile.h"

namespace {
// The surface as the bytes of a BMP file; "" when SDL cannot encode it.
std::string bmpFile(SDL_Surface* picture)
{
    // A 24-bit BMP: the two headers, then rows padded to four bytes.
    const size_t headers = 14 + 40, slack = 1024;
    std::string bytes(headers + slack + (size_t)((picture->w * 3 + 3) & ~3) * picture->h, '\0');
    SDL_RWops* out = SDL_RWFromMem(&bytes[0], (int)bytes.size());
    if (!out)
        return "";
    bool ok = SDL_SaveBMP_RW(picture, out, 0) == 0;
    bytes.resize(ok ? (size_t)SDL_RWtell(out) : 0);
    SDL_RWclose(out);
    return bytes;
}
}

#include "render/SpriteBatch.h"

// Writes the frame in the back buffer as a 24-bit BMP. OpenGL hands the rows
// bottom-up, so they are turned over to make the picture upright.
bool CGame::takeScreenshot(const char* filename)
{
    SDL_Surface* screen = SDL_GetVideoSurface();
    int width = screen ? screen->w : scrWidth;
    int height = screen ? screen->h : scrHeight;

    // Red, green, blue in memory order, whatever the machine's byte order.
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
    const Uint32 rmask = 0x0000FF, gmask = 0x00FF00, bmask = 0xFF0000;
#else
    const Uint32 rmask = 0xFF0000, gmask = 0x00FF00, bmask = 0x0000FF;
#endif
    SDL_Surface* shot = SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 24, rmask, gmask, bmask, 0);
    if (!shot) {
        printf("Couldn't create rgbsurface\n");
        return false;
    }

    size_t rowBytes = (size_t)width * 3;
    std::unique_ptr<unsigned char[]> pixels(new (std::nothrow) unsigned char[rowBytes * (size_t)height]());
    if (!pixels) {
        SDL_FreeSurface(shot);
        printf("Couldn't malloc\n");
        return false;
    }

    if (devices.bHasScreen) { // without one the picture stays black
        SpriteBatch::flush();
        glPixelStorei(GL_PACK_ALIGNMENT, 1); // rows packed tight, whatever the width
        glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.get());
    }

    SDL_LockSurface(shot);
    unsigned char* dest = static_cast<unsigned char*>(shot->pixels);
    for (int i = 0; i < height; i++)
        memcpy(dest + (size_t)i * shot->pitch, &pixels[(size_t)(height - 1 - i) * rowBytes], rowBytes);
    SDL_UnlockSurface(shot);

    // The picture is made in memory and written like every other file: a
    // full disk leaves the old picture, not half of a new one.
    std::string bmp = bmpFile(shot);
    SDL_FreeSurface(shot);
    std::string error = bmp.empty() ? SDL_GetError() : "";
    bool written = !bmp.empty() && writeFileAtomically(filename, bmp, error);
    if (!written)
        fprintf(stderr, "Couldn't write screenshot %s: %s\n", filename, error.c_str());
    return written;
}
