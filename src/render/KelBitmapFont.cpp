#include "render/KelBitmapFont.h"

#include "render/DrawLog.h"
#include "render/TextWrap.h"

#include <cstdio>
#include <cstdlib>

#include <SDL.h>
#include <SDL_image.h>

#include "data/DataFile.h"
#include "render/PictureFile.h"
#include "render/SpriteBatch.h"
#include "render/TextureUpload.h"

namespace {

// Glyph pages are taken to be 256 x 256 pixels whatever the file says.
const double kPageSide = 256.0;

} // namespace

KelBitmapFont::KelBitmapFont(const char* pageFile, const char* defFile, bool textures)
    : makeTextures(textures)
{
    printf("INFO) Initializing bitmap font load (tga:%s fnt:%s)\n", pageFile, defFile);
    Uint32 start = SDL_GetTicks();
    if (loadBitmap(pageFile) < 0) {
        fprintf(stderr, "FAIL) Bitmap font bitmap file %s not found or unusable\n", pageFile);
        return;
    }
    if (loadDefinitionOrExit(defFile) < 0) {
        fprintf(stderr, "FAIL) Bitmap font definition file %s not found or unusable\n", defFile);
        return;
    }
    bIsReady = true;
    printf("PASS) Startup sequence completed in %i ms using %s, %s\n",
           (int)(SDL_GetTicks() - start), pageFile, defFile);
}

KelBitmapFont::KelBitmapFont(const char* commonName)
{
    printf("INFO) Initializing bitmap font load (family: %s)\n", commonName);
    Uint32 start = SDL_GetTicks();
    std::string pageFile = std::string(commonName) + ".tga";
    std::string defFile = std::string(commonName) + ".fnt";
    if (loadBitmap(pageFile.c_str()) < 0) {
        fprintf(stderr, "FAIL) Bitmap font bitmap file %s not found or unusable\n", pageFile.c_str());
        return;
    }
    if (loadDefinitionOrExit(defFile.c_str()) < 0) {
        fprintf(stderr, "FAIL) Bitmap font definition file %s not found or unusable\n", defFile.c_str());
        return;
    }
    bIsReady = true;
    printf("PASS) Bitmap font load completed in %i ms\n", (int)(SDL_GetTicks() - start));
}

KelBitmapFont::~KelBitmapFont()
{
    printf("INFO) Emptying bitmap font\n");
    Uint32 start = SDL_GetTicks();
    SpriteBatch::flush(); // glyphs still waiting may use the page
    for (auto& page : texturePages) {
        if (page && *page != 0) {
            glDeleteTextures(1, page.get());
            SpriteBatch::setOpaque(*page, false);
        }
    }
    texturePages.clear();
    printf("PASS) Bitmap font emptied in %i ms\n", (int)(SDL_GetTicks() - start));
}

int KelBitmapFont::loadBitmap(const char* filename)
{
    std::string problem;
    SDL_Surface* image = loadPictureFile(filename, problem);
    if (!image) {
        if (pathExists(filename))
            fprintf(stderr, "FAIL) Image file %s is unreadable (%s)\n", filename, problem.c_str());
        else
            fprintf(stderr, "FAIL) Image file %s not found\n", filename);
        return -1;
    }

    // Pure black is the page's background: those pixels become transparent.
    SDL_SetAlpha(image, 0, 255);

    GLuint texture = 0; // never a texture name: printing with it does nothing
    int uploaded = makeTextures ? uploadMipmappedTexture(image, texture, filename, true) : 0;
    SDL_FreeSurface(image);
    if (uploaded < 0) {
        fprintf(stderr, "FAIL) New surface couldn't be created for %s. Likely cause: out of RAM\n",
                filename);
        return -1;
    }
    texturePages.push_back(std::make_unique<GLuint>(texture));
    return 0;
}

bool KelBitmapFont::reportIfNotReady() const
{
    if (bIsReady)
        return false;
    fprintf(stderr, "FAIL) This font isn't ready to print to. Didn't complete construction\n");
    return true;
}

void KelBitmapFont::print(const std::string& text, int x, int y)
{
    print(text, x, y, 1.0f);
}

void KelBitmapFont::print(const std::string& text, int x, int y, float alpha)
{
    if (reportIfNotReady())
        return;
    drawQuads(layoutText(text, x, y, false), alpha);
    recordBox(text, x, y, false);
}

void KelBitmapFont::rightAlignPrint(const std::string& text, int x, int y)
{
    rightAlignPrint(text, x, y, 1.0f);
}

void KelBitmapFont::rightAlignPrint(const std::string& text, int x, int y, float alpha)
{
    if (reportIfNotReady())
        return;
    drawQuads(layoutText(text, x, y, true), alpha);
    recordBox(text, x, y, true);
}

void KelBitmapFont::recordBox(const std::string& text, int x, int y, bool rightAligned)
{
    if (!DrawLog::sink)
        return;
    TextBox box = textBox(*this, text, x, y, rightAligned);
    DrawLog::record({box.left, box.top, box.right, box.bottom, this, -1, text});
}

void KelBitmapFont::drawQuads(const std::vector<GlyphQuad>& quads, float alpha)
{
    if (!makeTextures)
        return;
    for (const GlyphQuad& q : quads)
        drawChar(q.srcX, q.srcY, q.srcR, q.srcB, q.destX, q.destY, q.destW, q.destH, r, g, b, alpha);
    SpriteBatch::setColour(1, 1, 1); // white after every print, even one that drew nothing
}

void KelBitmapFont::setFontColour(unsigned char mR, unsigned char mG, unsigned char mB)
{
    r = mR;
    g = mG;
    b = mB;
}

void KelBitmapFont::drawChar(int srcX, int srcY, int srcR, int srcB, int destX, int destY,
                             int destW, int destH, unsigned char cr, unsigned char cg,
                             unsigned char cb, float af)
{
    double left = srcX / kPageSide;
    double top = srcY / kPageSide;
    double right = srcR / kPageSide;
    double bottom = srcB / kPageSide;

    if (texturePages.empty() || !texturePages[0]) {
        fprintf(stderr, "Page #0 is gone!\n");
        exit(1);
    }
    SpriteBatch::setColour(cr / 255.0f, cg / 255.0f, cb / 255.0f, af);
    SpriteBatch::addQuad(*texturePages[0], destX, destY, destX + destW, destY + destH,
                         (float)left, (float)top, (float)right, (float)bottom);
    SpriteBatch::setColour(1, 1, 1);
}
