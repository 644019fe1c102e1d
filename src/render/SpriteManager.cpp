#include "render/SpriteManager.h"

#include "render/DrawLog.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include <SDL.h>
#include <SDL_image.h>

#include "data/DataFile.h"
#include "render/PictureFile.h"
#include "render/SpriteBatch.h"
#include "render/TextureUpload.h"

namespace {

const int kNoScreenLimit = 100000;
const int kCentreMarker = -1337;

} // namespace

SpriteManager::SpriteManager(const char* dir, bool textures)
    : screenWidth(kNoScreenLimit), screenHeight(kNoScreenLimit), makeTextures(textures)
{
    for (int i = 0;; ++i) {
        std::string filename = std::string(dir) + "/" + std::to_string(i) + ".png";
        if (addSprite(filename.c_str()) < 0) {
            printf("Loaded %i sprites\n", i);
            break;
        }
    }
    screenWidth = kNoScreenLimit;
    screenHeight = kNoScreenLimit;
}

SpriteManager::~SpriteManager()
{
    freeSprites();
}

void SpriteManager::setScreenSize(int w, int h)
{
    screenWidth = w;
    screenHeight = h;
}

int SpriteManager::addSprite(const char* filename)
{
    std::string problem;
    SDL_Surface* image = loadPictureFile(filename, problem);
    if (!image) {
        if (!pathExists(filename)) {
            fprintf(stderr, "Sorry, sprite %s is missing\n", filename);
            return -1;
        }
        // There but not readable: a stand-in keeps the numbers after it in
        // their places, so only this one picture is wrong on screen.
        fprintf(stderr, "Sorry, sprite %s is unreadable (%s); a placeholder takes its place\n",
                filename, problem.c_str());
        image = placeholderImage();
        if (!image)
            return -1;
    }

    // Without per-surface alpha the blit copies the image's own alpha
    // channel, and gives opaque pixels where the image has none.
    SDL_SetAlpha(image, 0, 255);
    GLuint texture = 0; // never a texture name: drawing it does nothing
    int uploaded = makeTextures ? uploadMipmappedTexture(image, texture, filename) : 0;
    if (uploaded < 0) {
        fprintf(stderr, "FAIL %s, %i) New surface couldn't be created for %s. Likely cause: out of RAM\n",
                "SpriteManager", __LINE__, filename);
        exit(1);
    }
    SDL_FreeSurface(image);
    sprites.push_back(std::make_unique<GLuint>(texture));
    return 0;
}

int SpriteManager::addSprite(GLuint* raw)
{
    if (!raw)
        return -1;
    sprites.emplace_back(raw);
    return (int)sprites.size() - 1;
}

unsigned SpriteManager::size() const
{
    return (unsigned)sprites.size();
}

GLuint* SpriteManager::getSprite(int num)
{
    if (num < 0 || num >= (int)sprites.size()) {
        fprintf(stderr, "Requested sprite %i is out of bounds\n", num);
        return nullptr;
    }
    return sprites[num].get();
}

bool SpriteManager::isVisible(int x, int y, int w, int h, int screenW, int screenH)
{
    return -w <= x && x < screenW && -h <= y && y < screenH;
}

void SpriteManager::resolveCentring(int& x, int& y, int screenW, int screenH)
{
    if (x == kCentreMarker && y == kCentreMarker) {
        x = screenW / 2;
        y = screenH / 2;
    }
}

void SpriteManager::drawSprite(int spriteNum, int targetX, int targetY, int width, int height,
                               float rotation)
{
    resolveCentring(targetX, targetY, screenWidth, screenHeight);
    if (!isVisible(targetX, targetY, width, height, screenWidth, screenHeight))
        return;

    GLuint* texture = getSprite(spriteNum);
    if (!texture) {
        fprintf(stderr, "FAIL) Requested dead sprite %i to be drawn at (%i,%i)\n",
                spriteNum, targetX, targetY);
        return;
    }
    DrawLog::record({targetX, targetY, targetX + width, targetY + height, this, spriteNum, ""});
    SpriteBatch::addTurnedQuad(*texture, targetX, targetY, width, height, 180.0f - rotation);
}

void SpriteManager::drawRaw(GLuint* raw, int x, int y, int width, int height)
{
    if (raw)
        SpriteBatch::addTurnedQuad(*raw, x, y, width, height, 0.0f);
}

void SpriteManager::freeSprites()
{
    SpriteBatch::flush(); // quads still waiting may use these textures
    for (auto& holder : sprites) {
        if (holder && *holder != 0) {
            glDeleteTextures(1, holder.get());
            SpriteBatch::setOpaque(*holder, false);
        }
    }
    sprites.clear();
}
