#include "render/TextureUpload.h"

#include <GL/glu.h>

namespace {

#if SDL_BYTEORDER == SDL_BIG_ENDIAN
const Uint32 kRedMask = 0xff000000, kGreenMask = 0x00ff0000,
             kBlueMask = 0x0000ff00, kAlphaMask = 0x000000ff;
#else
const Uint32 kRedMask = 0x000000ff, kGreenMask = 0x0000ff00,
             kBlueMask = 0x00ff0000, kAlphaMask = 0xff000000;
#endif

} // namespace

int uploadMipmappedTexture(SDL_Surface* image, GLuint& texture)
{
    SDL_Surface* rgba = SDL_CreateRGBSurface(SDL_SWSURFACE, image->w, image->h, 32,
                                             kRedMask, kGreenMask, kBlueMask, kAlphaMask);
    if (!rgba)
        return -1;
    // Pixels the blit leaves out (colour-keyed ones) stay fully transparent.
    SDL_FillRect(rgba, nullptr, 0);
    SDL_BlitSurface(image, nullptr, rgba, nullptr);

    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    // gluBuild2DMipmaps rescales sides that are not powers of two.
    SDL_LockSurface(rgba);
    gluBuild2DMipmaps(GL_TEXTURE_2D, 4, rgba->w, rgba->h, GL_RGBA, GL_UNSIGNED_BYTE,
                      rgba->pixels);
    SDL_UnlockSurface(rgba);
    SDL_FreeSurface(rgba);
    return 0;
}
