#include "game/CGame.h"

#include <GL/gl.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "render/SpriteBatch.h"

namespace {

void putLittle(unsigned char* at, Uint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        at[i] = (unsigned char)(value >> (8 * i));
}

// The 54-byte header of an uncompressed 24-bit BMP whose rows are rowBytes long.
void bmpHeader(unsigned char* h, int width, int height, size_t rowBytes)
{
    const Uint32 pixelBytes = (Uint32)(rowBytes * (size_t)height);
    memset(h, 0, 54);
    h[0] = 'B';
    h[1] = 'M';
    putLittle(h + 2, 54 + pixelBytes, 4); // file size
    putLittle(h + 10, 54, 4);             // where the pixels start
    putLittle(h + 14, 40, 4);             // info header size
    putLittle(h + 18, (Uint32)width, 4);
    putLittle(h + 22, (Uint32)height, 4); // positive: rows bottom-up
    putLittle(h + 26, 1, 2);              // planes
    putLittle(h + 28, 24, 2);             // bits a pixel
    putLittle(h + 34, pixelBytes, 4);
}

} // namespace

// Writes the frame in the back buffer as a 24-bit BMP. OpenGL hands the rows
// bottom-up, the order a BMP keeps them in. The file is written here rather
// than by SDL_SaveBMP, which the browser page's SDL lacks; the pixels are
// read as RGBA, the one layout WebGL reads back.
bool CGame::takeScreenshot(const char* filename)
{
    SDL_Surface* screen = SDL_GetVideoSurface();
    int width = screen ? screen->w : scrWidth;
    int height = screen ? screen->h : scrHeight;

    std::unique_ptr<unsigned char[]> pixels(new (std::nothrow) unsigned char[(size_t)width * height * 4]());
    const size_t rowBytes = ((size_t)width * 3 + 3) & ~(size_t)3; // rows padded to 4 bytes
    std::unique_ptr<unsigned char[]> row(new (std::nothrow) unsigned char[rowBytes]());
    if (!pixels || !row) {
        printf("Couldn't malloc\n");
        return false;
    }
    if (bHasScreen) { // without one the picture stays black
        SpriteBatch::flush();
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.get());
    }

    FILE* out = fopen(filename, "wb");
    if (!out) {
        fprintf(stderr, "Couldn't write screenshot %s: %s\n", filename, strerror(errno));
        return false;
    }
    unsigned char header[54];
    bmpHeader(header, width, height, rowBytes);
    bool written = fwrite(header, 1, sizeof header, out) == sizeof header;
    for (int y = 0; written && y < height; ++y) {
        const unsigned char* src = &pixels[(size_t)y * width * 4];
        for (int x = 0; x < width; ++x) { // BMP holds blue, green, red
            row[x * 3] = src[x * 4 + 2];
            row[x * 3 + 1] = src[x * 4 + 1];
            row[x * 3 + 2] = src[x * 4];
        }
        written = fwrite(row.get(), 1, rowBytes, out) == rowBytes;
    }
    written = fclose(out) == 0 && written;
    if (!written)
        fprintf(stderr, "Couldn't write screenshot %s: %s\n", filename, strerror(errno));
    return written;
}
