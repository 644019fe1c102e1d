#pragma once
// Reading a picture file (sprites, font pages) with SDL_image, refusing
// before decoding a picture whose header claims more pixels than any texture
// holds: such a file would otherwise ask for gigabytes.
#include <SDL.h>
#include <string>

// Largest width or height a picture file may claim.
const int MAX_PICTURE_SIDE = 8192;

// The decoded picture, or null with `problem` saying why. The file is read
// whole with stdio and decoded from memory (the page's SDL cannot read files
// through SDL_RWops).
SDL_Surface* loadPicture(const unsigned char* bytes, size_t size, std::string& problem);
SDL_Surface* loadPictureFile(const char* filename, std::string& problem);
