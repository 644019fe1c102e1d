#pragma once
// Turning a loaded image into an OpenGL texture, as the sprite sets and the
// font pages do: the image is blitted onto a transparent 32-bit RGBA surface
// (bytes R, G, B, A in memory, the layout GL_RGBA with GL_UNSIGNED_BYTE
// expects) and uploaded with mipmaps and linear filtering.
#include <GL/gl.h>
#include <SDL.h>

// The image as a new RGBA surface (the caller frees it) no wider or higher
// than maxSide: a larger image is scaled down, keeping its proportions, and
// `scaled` is set. Null when the image has no pixels or memory runs out.
// Needs no OpenGL.
SDL_Surface* rgbaSurfaceFor(SDL_Surface* image, int maxSide, bool& scaled);

// Stores the new texture's name in `texture` and returns 0, or returns -1
// when the RGBA surface cannot be made. An image larger than the display's
// GL_MAX_TEXTURE_SIZE is reported under `name` and uploaded scaled down. The
// image is left to the caller; its alpha setting decides what the blit
// copies. With `blackIsClear`, pure black pixels become fully transparent.
int uploadMipmappedTexture(SDL_Surface* image, GLuint& texture, const char* name,
                           bool blackIsClear = false);

// A small opaque magenta picture that stands in for an image that exists but
// cannot be read, so that the numbers after it keep their places.
SDL_Surface* placeholderImage();
