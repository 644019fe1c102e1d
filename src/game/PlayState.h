#pragma once
#include <memory>
#include <set>
#include <string>

class CinemaScene;

struct ComboStruct {
    int number = 0;
    float timer = 0;
};

struct SurvivalVars {
    bool active = false;
    float timer = 0;
    int score = 0;
    int minutes = 0;
    int seconds = 0;
    float spawntimer = 0;
};

// The flags and timers of the running game: what the player stands over or
// drags, the conversation box, the cut-scene, slow motion, the combo and the
// world tint, survival mode and the help screen.
struct PlayState {
    bool bGameOver = false; // set to leave the play loop
    bool help = false;      // the help screen shows instead of play

    bool bIsOverCorpse = false;
    bool bIsLuggingCorpse = false;
    bool bIsOverWeapon = false;
    bool bIsOverPowerup = false;
    int inLarder = 0; // corpses stored so far

    // The conversation box, counted down by the HUD.
    bool bIsTalking = false;
    int talkingPortrait = 0;
    std::string talkingConversation = "(nothing)";
    float talkTimer = 0;

    bool bInCinema = false;
    std::unique_ptr<CinemaScene> scene;
    bool shouldLoadCinema = false;
    std::string cinemaName;
    // Scripts stopped for running away: they stay off until the next reset,
    // so an endless area script cannot eat every frame the player is in it.
    std::set<std::string> runawayScripts;

    float slowMoTimer = 0;
    ComboStruct combo;
    // The world tint: the combo's pulsing red and blue, the red after a hit.
    bool redRender = false;
    bool redPulse = false;
    float blueEffect = 0;
    float redEffect = 0;
    float hurtTimer = 0;

    SurvivalVars survival;
};
