#include "render/PictureFile.h"

#include <SDL_image.h>
#include <cstdio>
#include <cstring>

namespace {

long readBig(const unsigned char* p)
{
    return (long)p[0] << 24 | (long)p[1] << 16 | (long)p[2] << 8 | (long)p[3];
}

long readLittle(const unsigned char* p, int bytes)
{
    long value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | p[i];
    return value;
}

// The size a PNG, BMP or GIF header claims; false for other formats.
bool claimedSize(const unsigned char* head, size_t n, long& w, long& h)
{
    if (n >= 24 && memcmp(head, "\x89PNG", 4) == 0) {
        w = readBig(head + 16);
        h = readBig(head + 20);
        return true;
    }
    if (n >= 26 && head[0] == 'B' && head[1] == 'M') {
        w = (int32_t)readLittle(head + 18, 4);
        h = (int32_t)readLittle(head + 22, 4);
        w = w < 0 ? -w : w;
        h = h < 0 ? -h : h;  // a negative height means rows from the top
        return true;
    }
    if (n >= 10 && memcmp(head, "GIF", 3) == 0) {
        w = readLittle(head + 6, 2);
        h = readLittle(head + 8, 2);
        return true;
    }
    return false;
}

// Whether a PNG's chunks all lie inside the file and end with IEND. SDL_image
// does not check its reads, so a chunk that claims to run past the end of the
// file has libpng read stale bytes, over and over, without end.
bool pngChunksComplete(SDL_RWops* source)
{
    const long long size = SDL_RWseek(source, 0, RW_SEEK_END);
    long long at = 8; // past the signature
    bool complete = false;
    while (!complete && at + 12 <= size) {
        unsigned char chunk[8];
        if (SDL_RWseek(source, (int)at, RW_SEEK_SET) < 0 || SDL_RWread(source, chunk, 1, 8) != 8)
            break;
        const long long length = readBig(chunk) & 0xffffffffL;
        if (length > 0x7fffffffL || at + 12 + length > size)
            break;
        complete = memcmp(chunk + 4, "IEND", 4) == 0;
        at += 12 + length;
    }
    SDL_RWseek(source, 0, RW_SEEK_SET);
    return complete;
}

// Whether SDL decoded the picture into a surface it can also convert: a
// damaged header can give a bit depth that disagrees with the bytes a pixel,
// an indexed picture with no palette, or rows shorter than the width, and a
// blit from such a surface reads far outside it.
bool plausibleFormat(const SDL_Surface* image)
{
    const SDL_PixelFormat* f = image->format;
    if (!f || f->BytesPerPixel < 1 || f->BytesPerPixel > 4 ||
        f->BytesPerPixel != (f->BitsPerPixel + 7) / 8 || !image->pixels)
        return false;
    if (f->BitsPerPixel <= 8 && (!f->palette || f->palette->ncolors <= 0 || !f->palette->colors))
        return false;
    return image->pitch >= (long long)image->w * f->BytesPerPixel;
}

} // namespace

SDL_Surface* loadPicture(SDL_RWops* source, std::string& problem)
{
    if (!source) {
        problem = SDL_GetError();
        return nullptr;
    }
    unsigned char head[32];
    int n = SDL_RWread(source, head, 1, sizeof head);
    SDL_RWseek(source, 0, RW_SEEK_SET);
    long w = 0, h = 0;
    if (n > 0 && claimedSize(head, (size_t)n, w, h) && (w > MAX_PICTURE_SIDE || h > MAX_PICTURE_SIDE)) {
        SDL_RWclose(source);
        char text[96];
        snprintf(text, sizeof text, "it claims %ldx%ld pixels, more than %i a side", w, h, MAX_PICTURE_SIDE);
        problem = text;
        return nullptr;
    }
    // The game's pictures are PNG files (BMP is read too). Other formats are
    // refused before a decoder sees them: SDL_image's decoders for the rest
    // have not all been proven against damaged input (a damaged GIF can keep
    // its decoder busy for minutes).
    const char* type = n >= 4 && memcmp(head, "\x89PNG", 4) == 0  ? "PNG"
                       : n >= 2 && head[0] == 'B' && head[1] == 'M' ? "BMP"
                                                                     : nullptr;
    if (!type) {
        SDL_RWclose(source);
        problem = "it is not a PNG or BMP picture";
        return nullptr;
    }
    if (strcmp(type, "PNG") == 0 && !pngChunksComplete(source)) {
        SDL_RWclose(source);
        problem = "it is cut short or its chunks are damaged";
        return nullptr;
    }
    SDL_Surface* image = IMG_LoadTyped_RW(source, 1, const_cast<char*>(type));
    if (image && (image->w <= 0 || image->h <= 0)) {
        SDL_FreeSurface(image);
        image = nullptr;
        problem = "it has no pixels";
        return nullptr;
    }
    if (image && !plausibleFormat(image)) {
        SDL_FreeSurface(image);
        problem = "its pixel format is damaged";
        return nullptr;
    }
    if (!image)
        problem = IMG_GetError();
    return image;
}

SDL_Surface* loadPictureFile(const char* filename, std::string& problem)
{
    return loadPicture(SDL_RWFromFile(filename, "rb"), problem);
}
