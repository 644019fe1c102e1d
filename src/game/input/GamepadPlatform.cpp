#include "game/input/GamepadPlatform.h"

#include <cmath>
#include <cstdio>

PadLayout PadLayout::forAxes(int count)
{
    PadLayout l;
    if (count < 6) {
        l.rightX = 2;
        l.rightY = 3;
        l.triggerA = l.triggerB = -1;
    }
    return l;
}

GamepadPlatform::GamepadPlatform(std::unique_ptr<Platform> wrapped, int pictureW, int pictureH)
    : PlatformLayer(std::move(wrapped)), centreX(pictureW / 2), centreY(pictureH / 2),
      padKeys(SDLK_LAST, 0), merged(SDLK_LAST, 0)
{
}

void GamepadPlatform::openFirstJoystick()
{
    if (SDL_NumJoysticks() < 1)
        return;
    SDL_Joystick* stick = SDL_JoystickOpen(0);
    if (!stick)
        return;
    SDL_JoystickEventState(SDL_ENABLE);
    layout = PadLayout::forAxes(SDL_JoystickNumAxes(stick));
    printf("Gamepad: %s\n", SDL_JoystickName(0));
}

bool GamepadPlatform::pollEvent(SDL_Event& event)
{
    while (pending.empty()) {
        if (!inner->pollEvent(event))
            return false;
        switch (event.type) {
        case SDL_JOYAXISMOTION:
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
        case SDL_JOYHATMOTION:
            translate(event);
            break;
        default:
            return true;
        }
    }
    event = pending.front();
    pending.pop_front();
    return true;
}

Uint8* GamepadPlatform::keyState()
{
    Uint8* real = inner->keyState();
    for (size_t k = 0; k < merged.size(); k++)
        merged[k] = real[k] | padKeys[k];
    return merged.data();
}

void GamepadPlatform::translate(const SDL_Event& e)
{
    if (e.type == SDL_JOYBUTTONDOWN || e.type == SDL_JOYBUTTONUP) {
        button(e.jbutton.button, e.type == SDL_JOYBUTTONDOWN);
    } else if (e.type == SDL_JOYHATMOTION) {
        hat = e.jhat.value;
        updateArrows();
    } else {
        axes[e.jaxis.axis] = e.jaxis.value;
        int a = e.jaxis.axis;
        if (a == layout.leftX || a == layout.leftY)
            updateArrows();
        else if (a == layout.rightX || a == layout.rightY)
            updateAim();
        else if (a == layout.triggerA || a == layout.triggerB)
            updateFire();
    }
}

void GamepadPlatform::button(int index, bool down)
{
    if (index == PAD_LB || index == PAD_RB) {
        fireButtons[index - PAD_LB] = down;
        updateFire();
        return;
    }
    if (!down) {
        auto held = pressedAs.find(index);
        if (held != pressedAs.end()) {
            pushKey(held->second, false);
            pressedAs.erase(held);
        }
        return;
    }
    SDLKey key = SDLK_UNKNOWN;
    if (menu) {
        if (index == PAD_A || index == PAD_START)
            key = SDLK_RETURN;
    } else {
        switch (index) {
        case PAD_A: key = SDLK_SPACE; break;     // use
        case PAD_X: key = SDLK_r; break;         // reload
        case PAD_Y: key = SDLK_i; break;         // information panel, held
        case PAD_BACK: key = SDLK_h; break;      // help
        case PAD_START: key = SDLK_ESCAPE; break;
        default: break;
        }
    }
    if (key == SDLK_UNKNOWN || pressedAs.count(index))
        return;
    pressedAs[index] = key;
    pushKey(key, true);
}

void GamepadPlatform::pushKey(SDLKey key, bool down)
{
    padKeys[key] = down ? 1 : 0;
    SDL_Event e = SDL_Event();
    e.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    e.key.type = e.type;
    e.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    pending.push_back(e);
}

void GamepadPlatform::updateArrows()
{
    int x = axes[layout.leftX], y = axes[layout.leftY];
    const SDLKey arrows[4] = {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN};
    bool want[4] = {x < -DEAD_ZONE || (hat & SDL_HAT_LEFT), x > DEAD_ZONE || (hat & SDL_HAT_RIGHT),
                    y < -DEAD_ZONE || (hat & SDL_HAT_UP), y > DEAD_ZONE || (hat & SDL_HAT_DOWN)};
    for (int i = 0; i < 4; i++) {
        if (want[i] != (padKeys[arrows[i]] != 0))
            pushKey(arrows[i], want[i]);
    }
}

void GamepadPlatform::updateFire()
{
    bool trigger = (layout.triggerA >= 0 && axes[layout.triggerA] > 0) ||
                   (layout.triggerB >= 0 && axes[layout.triggerB] > 0);
    bool want = trigger || fireButtons[0] || fireButtons[1];
    if (want == firing)
        return;
    firing = want;
    SDL_Event e = SDL_Event();
    e.type = want ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    e.button.type = e.type;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = want ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = (Uint16)(cursorX < 0 ? centreX : cursorX);
    e.button.y = (Uint16)(cursorY < 0 ? centreY : cursorY);
    pending.push_back(e);
}

void GamepadPlatform::updateAim()
{
    float x = (float)axes[layout.rightX], y = (float)axes[layout.rightY];
    if (std::sqrt(x * x + y * y) < DEAD_ZONE)
        return; // the cursor stays where the stick left it
    float angle = std::atan2(y, x);
    int cx = centreX + (int)std::lround(std::cos(angle) * AIM_RADIUS);
    int cy = centreY + (int)std::lround(std::sin(angle) * AIM_RADIUS);
    if (cx == cursorX && cy == cursorY)
        return;
    cursorX = cx;
    cursorY = cy;
    SDL_Event e = SDL_Event();
    e.type = SDL_MOUSEMOTION;
    e.motion.type = e.type;
    e.motion.x = (Uint16)cx;
    e.motion.y = (Uint16)cy;
    pending.push_back(e);
}
