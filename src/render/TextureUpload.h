#pragma once
// Turning a loaded image into an OpenGL texture, as the sprite sets and the
// font pages do: the image is blitted onto a transparent 32-bit RGBA surface
// (bytes R, G, B, A in memory, the layout GL_RGBA with GL_UNSIGNED_BYTE
// expects) and uploaded with mipmaps and linear filtering.
#include <GL/gl.h>
#include <SDL.h>

// Stores the new texture's name in `texture` and returns 0, or returns -1
// when the RGBA surface cannot be made (out of memory). The image is left to
// the caller; its colour key and alpha settings decide what the blit copies.
int uploadMipmappedTexture(SDL_Surface* image, GLuint& texture);
