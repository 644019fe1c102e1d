#pragma once
#include <SDL.h>
#include <deque>
#include <map>
#include <memory>
#include <vector>

#include "game/PlatformLayer.h"

// Which joystick axes are which. Pads with six or more axes are taken to be
// laid out like the common twin-stick pads with analogue triggers (left
// stick 0/1, triggers 2 and 5, right stick 3/4); smaller pads have the right
// stick on axes 2/3 and no analogue triggers.
struct PadLayout {
    int leftX = 0, leftY = 1, rightX = 3, rightY = 4;
    int triggerA = 2, triggerB = 5; // -1: none
    static PadLayout forAxes(int axes);
};

// Turns a gamepad into the keys and mouse the game already understands, so
// that every screen works with it: the left stick or the pad walks (arrow
// keys), the right stick puts the cursor on a circle around the player,
// triggers and shoulder buttons hold the fire button, and the face buttons
// press keys. In the menu the confirm buttons press Return instead. All
// other input passes through untouched.
class GamepadPlatform : public PlatformLayer {
public:
    // Buttons of the common layout.
    enum Button { PAD_A = 0, PAD_B = 1, PAD_X = 2, PAD_Y = 3, PAD_LB = 4, PAD_RB = 5,
                  PAD_BACK = 6, PAD_START = 7 };
    static const int DEAD_ZONE = 10000; // stick travel ignored around the centre
    static const int AIM_RADIUS = 120;  // pixels from the player to the cursor

    GamepadPlatform(std::unique_ptr<Platform> inner, int pictureW, int pictureH);

    bool pollEvent(SDL_Event& event) override;
    Uint8* keyState() override;
    void setMenuMode(bool inMenu) override { menu = inMenu; }

    // Opens the first joystick, names it on standard output and takes its
    // layout; nothing when there is none.
    void openFirstJoystick();

    PadLayout layout;

private:
    void translate(const SDL_Event& e);
    void button(int index, bool down);
    void updateArrows();
    void updateFire();
    void updateAim();
    void pushKey(SDLKey key, bool down);

    int centreX, centreY;
    bool menu = false;
    std::deque<SDL_Event> pending;
    std::vector<Uint8> padKeys, merged;
    std::map<int, SDLKey> pressedAs; // buttons down and the key each pressed
    std::map<int, int> axes;         // last value of each axis
    Uint8 hat = SDL_HAT_CENTERED;
    bool fireButtons[2] = {false, false};
    bool firing = false;
    int cursorX = -1, cursorY = -1;
};
