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

// "PNG" or "BMP" by the file's first bytes; null for any other format.
const char* pictureType(const unsigned char* head, size_t n)
{
    if (n >= 4 && memcmp(head, "\x89PNG", 4) == 0)
        return "PNG";
    if (n >= 2 && head[0] == 'B' && head[1] == 'M')
        return "BMP";
    return nullptr;
}

// The size a PNG or BMP header claims; false when the header is too short.
bool claimedSize(const char* type, const unsigned char* head, size_t n, long& w, long& h)
{
    if (strcmp(type, "PNG") == 0 && n >= 24) {
        w = readBig(head + 16);
        h = readBig(head + 20);
        return true;
    }
    if (strcmp(type, "BMP") == 0 && n >= 26) {
        w = (int32_t)readLittle(head + 18, 4);
        h = (int32_t)readLittle(head + 22, 4);
        w = w < 0 ? -w : w;
        h = h < 0 ? -h : h;  // a negative height means rows from the top
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
    auto refuse = [&](const std::string& why) -> SDL_Surface* {
        SDL_RWclose(source);
        problem = why;
        return nullptr;
    };
    // The game's pictures are PNG files (BMP is read too). Other formats are
    // refused before a decoder sees them: SDL_image's decoders for the rest
    // have not all been proven against damaged input (a damaged GIF can keep
    // its decoder busy for minutes).
    const char* type = n > 0 ? pictureType(head, (size_t)n) : nullptr;
    if (!type)
        return refuse("it is not a PNG or BMP picture");
    long w = 0, h = 0;
    if (claimedSize(type, head, (size_t)n, w, h) && (w > MAX_PICTURE_SIDE || h > MAX_PICTURE_SIDE)) {
        char text[96];
        snprintf(text, sizeof text, "it claims %ldx%ld pixels, more than %i a side", w, h, MAX_PICTURE_SIDE);
        return refuse(text);
    }
    if (strcmp(type, "PNG") == 0 && !pngChunksComplete(source))
        return refuse("it is cut short or its chunks are damaged");
    SDL_Surface* image = IMG_LoadTyped_RW(source, 1, const_cast<char*>(type));
    if (!image) {
        problem = IMG_GetError();
        return nullptr;
    }
    const char* damage = image->w <= 0 || image->h <= 0 ? "it has no pixels"
                         : !plausibleFormat(image)     ? "its pixel format is damaged"
                                                         : nullptr;
    if (damage) {
        SDL_FreeSurface(image);
        problem = damage;
        return nullptr;
    }
    return image;
}

SDL_Surface* loadPictureFile(const char* filename, std::string& problem)
{
    return loadPicture(SDL_RWFromFile(filename, "rb"), problem);
}
