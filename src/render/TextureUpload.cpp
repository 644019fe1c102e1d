#include "render/TextureUpload.h"

#include <GL/glu.h>
#include <cstdio>
#include <cstring>

#include "render/SpriteBatch.h"

namespace {

#if SDL_BYTEORDER == SDL_BIG_ENDIAN
const Uint32 kRedMask = 0xff000000, kGreenMask = 0x00ff0000,
             kBlueMask = 0x0000ff00, kAlphaMask = 0x000000ff;
#else
const Uint32 kRedMask = 0x000000ff, kGreenMask = 0x0000ff00,
             kBlueMask = 0x00ff0000, kAlphaMask = 0xff000000;
#endif

SDL_Surface* newRgbaSurface(int w, int h)
{
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, kRedMask, kGreenMask, kBlueMask, kAlphaMask);
}

// Whether every pixel of an RGBA surface is fully opaque. The power-of-two
// rescaling of the upload weighs pixels by binary fractions, so it keeps
// such a picture fully opaque.
bool opaque(SDL_Surface* rgba)
{
    for (int y = 0; y < rgba->h; ++y) {
        const Uint32* row = (const Uint32*)((const Uint8*)rgba->pixels + (size_t)y * rgba->pitch);
        for (int x = 0; x < rgba->w; ++x) {
            if ((row[x] & kAlphaMask) != kAlphaMask)
                return false;
        }
    }
    return true;
}

// Nearest-pixel reduction of an RGBA surface to w x h.
SDL_Surface* shrink(SDL_Surface* full, int w, int h)
{
    SDL_Surface* small = newRgbaSurface(w, h);
    if (!small)
        return nullptr;
    for (int y = 0; y < h; ++y) {
        const Uint8* srcRow = (const Uint8*)full->pixels + (size_t)((long long)y * full->h / h) * full->pitch;
        Uint32* dst = (Uint32*)((Uint8*)small->pixels + (size_t)y * small->pitch);
        for (int x = 0; x < w; ++x)
            dst[x] = ((const Uint32*)srcRow)[(long long)x * full->w / w];
    }
    return small;
}

} // namespace

SDL_Surface* rgbaSurfaceFor(SDL_Surface* image, int maxSide, bool& scaled)
{
    scaled = false;
    if (!image || image->w <= 0 || image->h <= 0 || maxSide <= 0)
        return nullptr;
    SDL_Surface* rgba = newRgbaSurface(image->w, image->h);
    if (!rgba)
        return nullptr;
#ifdef __EMSCRIPTEN__
    // The page's SDL blits through canvases, apart from the pixels in memory;
    // its pictures are RGBA already (see PictureFile), so rows are copied.
    for (int y = 0; y < image->h; ++y)
        memcpy((Uint8*)rgba->pixels + (size_t)y * rgba->pitch,
               (const Uint8*)image->pixels + (size_t)y * image->pitch, (size_t)image->w * 4);
#else
    // Pixels the blit leaves out (colour-keyed ones) stay fully transparent.
    SDL_FillRect(rgba, nullptr, 0);
    SDL_BlitSurface(image, nullptr, rgba, nullptr);
#endif
    if (rgba->w <= maxSide && rgba->h <= maxSide)
        return rgba;

    // The longer side becomes maxSide; the shorter keeps the proportion.
    long long w = rgba->w, h = rgba->h;
    long long longer = w > h ? w : h;
    int newW = (int)(w * maxSide / longer), newH = (int)(h * maxSide / longer);
    SDL_Surface* small = shrink(rgba, newW > 0 ? newW : 1, newH > 0 ? newH : 1);
    SDL_FreeSurface(rgba);
    scaled = small != nullptr;
    return small;
}

int uploadMipmappedTexture(SDL_Surface* image, GLuint& texture, const char* name, bool blackIsClear)
{
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    if (maxSide <= 0)
        maxSide = 1024;  // the least every OpenGL 1.x display must take
    bool scaled = false;
    SDL_Surface* rgba = rgbaSurfaceFor(image, maxSide, scaled);
    if (!rgba)
        return -1;
    if (scaled)
        fprintf(stderr, "WARN) %s is %ix%i, larger than the %i pixels this display takes: scaled to %ix%i\n",
                name, image->w, image->h, (int)maxSide, rgba->w, rgba->h);

    if (blackIsClear) {
        for (int y = 0; y < rgba->h; ++y) {
            Uint32* row = (Uint32*)((Uint8*)rgba->pixels + (size_t)y * rgba->pitch);
            for (int x = 0; x < rgba->w; ++x) {
                if ((row[x] & ~kAlphaMask) == 0)
                    row[x] = 0;
            }
        }
    }

    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
#ifdef __EMSCRIPTEN__
    // WebGL takes sides that are not powers of two without mipmaps and with
    // clamped edges; the linear filter never reads the smaller levels anyway.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, rgba->w, rgba->h, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba->pixels);
#else
    // gluBuild2DMipmaps rescales sides that are not powers of two.
    gluBuild2DMipmaps(GL_TEXTURE_2D, 4, rgba->w, rgba->h, GL_RGBA, GL_UNSIGNED_BYTE,
                      rgba->pixels);
#endif
    SpriteBatch::setOpaque(texture, opaque(rgba));
    SDL_FreeSurface(rgba);
    return 0;
}

SDL_Surface* placeholderImage()
{
    SDL_Surface* image = newRgbaSurface(2, 2);
    if (!image)
        return nullptr;
    for (int y = 0; y < image->h; ++y) {
        Uint32* row = (Uint32*)((Uint8*)image->pixels + (size_t)y * image->pitch);
        for (int x = 0; x < image->w; ++x)
            row[x] = kRedMask | kBlueMask | kAlphaMask;
    }
    return image;
}
