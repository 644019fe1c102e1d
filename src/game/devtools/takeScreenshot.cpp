#include "game/CGame.h"

#include <GL/gl.h>
#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include "data/DataFile.h"
#include "render/SpriteBatch.h"

namespace {

void putLittle(std::string& out, size_t at, Uint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out[at + i] = (char)(unsigned char)(value >> (8 * i));
}

// An uncompressed 24-bit BMP of RGBA rows given bottom-up, the order OpenGL
// reads them and a BMP keeps them in. Made here rather than by SDL_SaveBMP,
// which the browser page's SDL lacks.
std::string bmpFile(const unsigned char* rgba, int width, int height)
{
    const size_t rowBytes = ((size_t)width * 3 + 3) & ~(size_t)3; // rows padded to 4 bytes
    const Uint32 pixelBytes = (Uint32)(rowBytes * (size_t)height);
    std::string out(54 + (size_t)pixelBytes, '\0');
    out[0] = 'B';
    out[1] = 'M';
    putLittle(out, 2, 54 + pixelBytes, 4); // file size
    putLittle(out, 10, 54, 4);             // where the pixels start
    putLittle(out, 14, 40, 4);             // info header size
    putLittle(out, 18, (Uint32)width, 4);
    putLittle(out, 22, (Uint32)height, 4); // positive: rows bottom-up
    putLittle(out, 26, 1, 2);              // planes
    putLittle(out, 28, 24, 2);             // bits a pixel
    putLittle(out, 34, pixelBytes, 4);
    for (int y = 0; y < height; ++y) {
        const unsigned char* src = rgba + (size_t)y * width * 4;
        char* row = &out[54 + (size_t)y * rowBytes];
        for (int x = 0; x < width; ++x) { // BMP holds blue, green, red
            row[x * 3] = (char)src[x * 4 + 2];
            row[x * 3 + 1] = (char)src[x * 4 + 1];
            row[x * 3 + 2] = (char)src[x * 4];
        }
    }
    return out;
}

} // namespace

// Writes the frame in the back buffer as a 24-bit BMP. The pixels are read as
// RGBA, the one layout WebGL reads back too.
bool CGame::takeScreenshot(const char* filename)
{
    SDL_Surface* screen = SDL_GetVideoSurface();
    int width = screen ? screen->w : scrWidth;
    int height = screen ? screen->h : scrHeight;

    std::unique_ptr<unsigned char[]> pixels(new (std::nothrow) unsigned char[(size_t)width * height * 4]());
    if (!pixels) {
        printf("Couldn't malloc\n");
        return false;
    }
    if (devices.bHasScreen) { // without one the picture stays black
        SpriteBatch::flush();
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.get());
    }

    // The picture is made in memory and written like every other file: a
    // full disk leaves the old picture, not half of a new one.
    std::string error;
    bool written = writeFileAtomically(filename, bmpFile(pixels.get(), width, height), error);
    if (!written)
        fprintf(stderr, "Couldn't write screenshot %s: %s\n", filename, error.c_str());
    return written;
}
