#include "game/CGame.h"

#include <cstdio>
#include <cstdlib>

#include "data/ConfLoader.h"
#include "game/sim/PlayerMotion.h"
#include "world/Actor.h"
#include "world/Bullet.h"
#include "world/Corpse.h"
#include "world/Weapon.h"
#include "world/WorldList.h"
#include "world/SpriteIndex.h"
#include "world/Effect.h"
#include "world/GameRandom.h"

namespace {
// Bullets and casings appear this far ahead of the player.
const float MUZZLE_DISTANCE = 25.0f;
// Degrees per game second at which a dragging player turns.
const double DRAG_TURN_RATE = 170.0;
// Reach of the use key toward someone to talk to.
const float TALK_RANGE = 150.0f;
// A quick click fires in the frame it lands or the next, or not at all.
const int CLICK_FRAMES = 2;

void reloadPlayerGun(CGame& g)
{
    if (Weapon* gun = g.world.player->getGun()) {
        g.events.post(GameEventKind::GUN_RELOADED);
        gun->reload();
    }
}

// Takes the item underfoot, swapping it for the held gun, or consumes a pill.
void pickUpItem(CGame& g, float x, float y)
{
    Weapon* w = g.getWeaponAt(x, y);
    g.gameAssert(w != nullptr, "getInput", 53);
    if (!w->isPowerup()) {
        Weapon* held = g.world.player->getGun();
        if (held == nullptr) {
            w = g.getWeaponAt(x, y);
            g.gameAssert(w != nullptr, "getInput", 75);
            g.world.player->setGun(g.world.items.take(w));
        } else {
            held->x = x;
            held->y = y;
            held->rotation = gameRand() % 360;
            w = g.getWeaponAt(x, y);
            g.gameAssert(w != nullptr, "getInput", 86);
            std::unique_ptr<Weapon> taken = g.world.items.take(w);
            g.world.items.put(g.world.player->takeGun());
            g.world.player->setGun(std::move(taken));
        }
    } else if (w->getType() == WEAPON_TYPE_DRUG_PILL) {
        printf("Pill acquired!\n");
        g.initSlowmo();
        g.world.items.drop(w);
    } else if (w->getType() == WEAPON_TYPE_HEALTH_PILL) {
        printf("Healthpack acquired!\n");
        g.world.player->setHealth(g.world.player->getHealthMax());
        g.world.items.drop(w);
        g.events.post(GameEventKind::HEALTH_TAKEN);
    }
    // Any other power-up stays where it lies.
}

// Space: the item underfoot first (but a body before a gun on it when the
// player is armed); else talk or put the dragged corpse down; else pick up
// the corpse underfoot.
void useAction(CGame& g)
{
    float x = g.world.player->x, y = g.world.player->y;
    if (!g.play.survival.active)
        g.detectOverCorpse(x, y);
    g.detectOverWeapon(x, y);

    if (g.play.bIsOverWeapon && !g.useTakesCorpse()) {
        pickUpItem(g, x, y);
        g.detectOverWeapon(x, y); // the prompt follows what is left underfoot
    } else if (!g.play.bIsOverCorpse && !g.play.survival.active) {
        if (!g.play.bIsLuggingCorpse) {
            g.talkToNPC(x, y, TALK_RANGE);
        } else {
            g.play.bIsLuggingCorpse = false;
            g.gameAssert(g.world.luggedCorpse != nullptr, "getInput", 96);
            g.world.luggedCorpse->x = x;
            g.world.luggedCorpse->y = y;
            g.world.luggedCorpse->setActive(true);
            g.world.luggedCorpse->setRotation(gameRand() % 360);
            g.world.corpses.put(std::move(g.world.luggedCorpse));
        }
    } else if (g.play.bIsOverCorpse && !g.play.bIsLuggingCorpse && !g.play.survival.active) {
        Corpse* c = g.getCorpseAt(x, y);
        g.gameAssert(c != nullptr, "getInput", 115);
        c->setActive(false);
        g.world.luggedCorpse = g.world.corpses.take(c);
        g.play.bIsLuggingCorpse = true;
    }

    if (!g.play.survival.active)
        g.detectOverCorpse(x, y);
}

void handleEvent(CGame& g, const SDL_Event& event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
        switch (event.key.keysym.sym) {
        case SDLK_r:
            reloadPlayerGun(g);
            break;
        case SDLK_h:
            g.play.help = true;
            break;
        case SDLK_F2: {
            std::string path = g.files.writePath("sshot.bmp");
            if (!path.empty())
                g.takeScreenshot(path.c_str());
            break;
        }
        case SDLK_BACKQUOTE:
            g.consoleLoop();
            break;
        case SDLK_SPACE:
            useAction(g);
            break;
        default:
            break;
        }
        break;
    case SDL_MOUSEMOTION:
        g.mouse.cursX = event.motion.x;
        g.mouse.cursY = event.motion.y;
        if (!g.play.bIsLuggingCorpse) {
            // rotateTo turns away from the point; the half turn faces it.
            g.world.player->rotateTo(g.world.player->x + (float)(g.mouse.cursX - g.scrWidth / 2),
                               g.world.player->y + (float)(g.mouse.cursY - g.scrHeight / 2));
            g.world.player->rotate(-180.0);
        }
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (isWheelButton(event.button.button))
            break;
        if (event.button.button == SDL_BUTTON_RIGHT) {
            reloadPlayerGun(g);
        } else {
            g.mouse.mbDown = true;
            g.mouse.clickFramesLeft = CLICK_FRAMES;
        }
        break;
    case SDL_MOUSEBUTTONUP:
        if (!isWheelButton(event.button.button))
            g.mouse.mbDown = false;
        break;
    default:
        break;
    }
}

// One trigger pull: every projectile of the gun, one round from the clip.
// False when the gun is still between shots and the pull has to wait.
bool firePlayerGun(CGame& g)
{
    Actor* p = g.world.player;
    Weapon* gun = p->getGun();
    p->temporaryFrame(SpriteIndex::PLAYER_FIRING);
    if (!gun->canFire()) {
        if (!gun->isDry())
            return false;
        g.events.post(GameEventKind::GUN_DRY);
        return true;
    }
    for (int i = 0; i < gun->getNumProjectiles(); i++) {
        Bullet* b = g.world.shots.put(gun->fireGun(p->getRotation(), true));
        b->x = p->getNewX(MUZZLE_DISTANCE);
        b->y = p->getNewY(MUZZLE_DISTANCE);
        b->team = p->team;
    }
    g.AI_gunFired(p->x, p->y);
    GameEvent fired{GameEventKind::PLAYER_FIRED, gun->sound, gun->getNumProjectiles(), {}};
    fired.marks.push_back(bulletCasing(p->getRotation() + (gameRand() % 50 - 50),
                                       p->getNewX(MUZZLE_DISTANCE), p->getNewY(MUZZLE_DISTANCE)));
    g.events.post(std::move(fired));
    gun->setInClip(gun->getInClip() - 1);
    return true;
}

// Walks the player by the held keys; true when a movement key was held, even
// if walls stopped him. `goal` receives the facing goal while dragging.
bool movePlayer(CGame& g, float& goal)
{
    Uint8* keys = g.devices.io->keyState();
    bool up = keys[SDLK_UP] || keys[SDLK_w];
    bool down = keys[SDLK_DOWN] || keys[SDLK_s];
    bool left = keys[SDLK_LEFT] || keys[SDLK_a];
    bool right = keys[SDLK_RIGHT] || keys[SDLK_d];
    int vertical = PlayerMotion::axis(up, down);
    int horizontal = PlayerMotion::axis(left, right);

    float step = PlayerMotion::stepLength(g.conf->getValue("PLAYER_SPEED"), g.delta,
                                          g.play.bIsLuggingCorpse,
                                          g.conf->getValue("FRICTION_MULTIPLIER"),
                                          g.play.slowMoTimer > 0);
    bool moved = vertical != 0 || horizontal != 0;
    if (moved)
        g.world.player->updateTimer(g.delta); // the walking animation, once a frame
    if (g.play.bIsLuggingCorpse)
        goal = PlayerMotion::dragGoal(vertical, horizontal, goal);
    PlayerMotion::slide(g.world.player->x, g.world.player->y, horizontal, vertical, step,
                        [&g](float nx, float ny) { return g.playerCollision(nx, ny); });

    if (keys[SDLK_i])
        g.drawInfoPanel();
    return moved;
}
}

// One frame of the player's control: queued events (keys, the use key, aim,
// the fire button), then firing, walking with wall collision, and the
// proximity checks at the player's new position.
void CGame::getInput()
{
    while (devices.io->pollEvent(event)) {
        if (event.type == SDL_QUIT ||
            (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE)) {
            play.bGameOver = true;
            return;
        }
        handleEvent(*this, event);
    }

    // A press fires once even when its release came in the same frame, as
    // long as the gun can fire then or in the next frame; a shot long after
    // the button went up would surprise. A held button goes on firing at the
    // gun's own rate.
    if ((mouse.mbDown || mouse.clickFramesLeft > 0) && !play.bIsLuggingCorpse && world.player->getGun() != nullptr) {
        if (firePlayerGun(*this))
            mouse.clickFramesLeft = 0;
        else if (mouse.clickFramesLeft > 0)
            mouse.clickFramesLeft--;
    } else {
        mouse.clickFramesLeft = 0;
    }

    float targetAngle = 0.0f;
    if (!movePlayer(*this, targetAngle))
        return;

    float x = world.player->x, y = world.player->y;
    if (!play.survival.active) {
        detectOverCorpse(x, y);
        if (play.bIsLuggingCorpse) {
            checkCorpseViewers(x, y, false);
            // The reach is measured from the middle of the body, so a larder
            // takes the corpse alike from every side.
            larderDrop(x + Actor::HALF_SIDE, y + Actor::HALF_SIDE);
        }
    }
    detectOverWeapon(x, y);
    if (play.survival.active)
        checkCorpseViewers(x, y, false);
    if (play.bIsLuggingCorpse)
        world.player->rotateWithGoal(delta * DRAG_TURN_RATE, targetAngle);
    detectEntities(x, y);
}
