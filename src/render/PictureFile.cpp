#include "render/PictureFile.h"

#include <SDL_image.h>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

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
bool pngChunksComplete(const unsigned char* bytes, size_t size)
{
    size_t at = 8; // past the signature
    while (at + 12 <= size) {
        const unsigned long length = (unsigned long)readBig(bytes + at) & 0xffffffffUL;
        if (length > 0x7fffffffUL || at + 12 + length > size)
            return false;
        if (memcmp(bytes + at + 4, "IEND", 4) == 0)
            return true;
        at += 12 + length;
    }
    return false;
}

#ifdef __EMSCRIPTEN__
// The page's SDL_image decodes only pictures the browser preloaded; the
// stb_image decoder linked into the page reads them from memory instead.
extern "C" unsigned char* stbi_load_from_memory(const unsigned char* bytes, int size, int* w, int* h,
                                                int* channels, int wantChannels);
extern "C" void stbi_image_free(void* pixels);
extern "C" const char* stbi_failure_reason();

// The picture as a 32-bit RGBA surface, bytes R, G, B, A in memory.
SDL_Surface* decode(const unsigned char* bytes, size_t size, const char*, std::string& problem)
{
    int w = 0, h = 0, channels = 0;
    unsigned char* pixels = stbi_load_from_memory(bytes, (int)size, &w, &h, &channels, 4);
    if (!pixels) {
        problem = stbi_failure_reason();
        return nullptr;
    }
    SDL_Surface* image = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xff, 0xff00, 0xff0000, 0xff000000);
    if (image) {
        for (int y = 0; y < h; ++y)
            memcpy((Uint8*)image->pixels + (size_t)y * image->pitch, pixels + (size_t)y * w * 4, (size_t)w * 4);
    } else {
        problem = "out of memory";
    }
    stbi_image_free(pixels);
    return image;
}
#else
SDL_Surface* decode(const unsigned char* bytes, size_t size, const char* type, std::string& problem)
{
    SDL_Surface* image = IMG_LoadTyped_RW(SDL_RWFromConstMem(bytes, (int)size), 1, const_cast<char*>(type));
    if (!image)
        problem = IMG_GetError();
    return image;
}
#endif

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

SDL_Surface* loadPicture(const unsigned char* bytes, size_t size, std::string& problem)
{
    // The game's pictures are PNG files (BMP is read too). Other formats are
    // refused before a decoder sees them: SDL_image's decoders for the rest
    // have not all been proven against damaged input (a damaged GIF can keep
    // its decoder busy for minutes).
    const char* type = pictureType(bytes, size);
    if (!type) {
        problem = "it is not a PNG or BMP picture";
        return nullptr;
    }
    long w = 0, h = 0;
    if (claimedSize(type, bytes, size, w, h) && (w > MAX_PICTURE_SIDE || h > MAX_PICTURE_SIDE)) {
        char text[96];
        snprintf(text, sizeof text, "it claims %ldx%ld pixels, more than %i a side", w, h, MAX_PICTURE_SIDE);
        problem = text;
        return nullptr;
    }
    if (strcmp(type, "PNG") == 0 && !pngChunksComplete(bytes, size)) {
        problem = "it is cut short or its chunks are damaged";
        return nullptr;
    }
    SDL_Surface* image = decode(bytes, size, type, problem);
    if (!image)
        return nullptr;
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
    FILE* file = fopen(filename, "rb");
    if (!file) {
        problem = strerror(errno);
        return nullptr;
    }
    std::vector<unsigned char> bytes;
    unsigned char block[65536];
    size_t n;
    while ((n = fread(block, 1, sizeof block, file)) > 0)
        bytes.insert(bytes.end(), block, block + n);
    bool failed = ferror(file) != 0;
    fclose(file);
    if (failed) {
        problem = "it cannot be read";
        return nullptr;
    }
    return loadPicture(bytes.data(), bytes.size(), problem);
}
