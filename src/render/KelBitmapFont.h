#pragma once
// A bitmap font: one glyph page image (black is transparent) and its glyph
// definition file. A backslash in printed text breaks the line; every print
// leaves the OpenGL colour opaque white.
#include <memory>
#include <string>
#include <vector>

#include <GL/gl.h>

#include "render/FontDefinition.h"

class KelBitmapFont : public FontDefinition {
public:
    // Loads the page image pageFile and the definition file defFile. Without
    // textures (no OpenGL context) the page is read and checked but printing
    // draws nothing.
    KelBitmapFont(const char* pageFile, const char* defFile, bool textures = true);
    // Loads "<commonName>.tga" and "<commonName>.fnt".
    explicit KelBitmapFont(const char* commonName);
    ~KelBitmapFont();

    KelBitmapFont(const KelBitmapFont&) = delete;
    KelBitmapFont& operator=(const KelBitmapFont&) = delete;

    // Left-aligned text whose pen starts at (x, y).
    void print(const std::string& text, int x, int y);
    void print(const std::string& text, int x, int y, float alpha);
    // Text that ends at x.
    void rightAlignPrint(const std::string& text, int x, int y);
    void rightAlignPrint(const std::string& text, int x, int y, float alpha);

    void setFontColour(unsigned char mR, unsigned char mG, unsigned char mB);

    void drawChar(int srcX, int srcY, int srcR, int srcB, int destX, int destY, int destW,
                  int destH, unsigned char r, unsigned char g, unsigned char b, float af);

    // Loads a glyph page into a texture: 0, or -1 when the image cannot be used.
    int loadBitmap(const char* filename);

    bool bIsReady = false;
    bool makeTextures = true;
    unsigned char r = 255, g = 255, b = 255;
    std::vector<std::unique_ptr<GLuint>> texturePages;

private:
    void drawQuads(const std::vector<GlyphQuad>& quads, float alpha);
    void recordBox(const std::string& text, int x, int y, bool rightAligned);
    bool reportIfNotReady() const;
};
