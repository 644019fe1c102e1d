#pragma once
// What the rules tell the senses. The simulation posts what happened during
// its part of a frame; at the start of the next frame, before anything is
// drawn, the sound, the effect layer and the HUD take the events in the order
// they were posted (CGame::consumeEvents). The rules thus run, and are tested,
// without playing or drawing anything.
#include <vector>

#include "world/Effect.h"

enum class GameEventKind {
    PLAYER_FIRED,  // the player's trigger sent bullets: the gun's sound for each, a casing
    NPC_FIRED,     // an officer fired: the gun's sound, a casing
    GUN_DRY,       // the player pulled the trigger of an empty gun
    GUN_RELOADED,  // the player reloaded
    HEALTH_TAKEN,  // the player took a health pack
    PLAYER_HURT,   // a bullet hit the player: the world's red tint
    ACTOR_HIT,     // a bullet hit a character: the hit sound, blood
    NPC_BLED,      // a hurt NPC, blocked while fleeing, bled
    COMBO_HEALED,  // a kill deep in a chain healed the player
    ACTOR_KILLED,  // a character died
    BODY_STORED,   // a corpse went into a larder: its sound, the rising marker
    BULLET_SPENT,  // a bullet flew its range: a hole where it stopped
};

struct GameEvent {
    GameEventKind kind;
    // The gun's own sample (PLAYER_FIRED, NPC_FIRED).
    unsigned sample = 0;
    // PLAYER_FIRED: the bullets sent, each with its sound.
    int count = 1;
    // What it leaves on the map, placed (and its random numbers drawn) when
    // it happened.
    std::vector<Effect> marks;
};

class GameEvents {
public:
    void post(GameEventKind kind, std::vector<Effect> marks = {})
    {
        queue.push_back(GameEvent{kind, 0, 1, std::move(marks)});
    }
    void post(GameEvent event) { queue.push_back(std::move(event)); }
    // Everything posted so far, oldest first; the queue is left empty.
    std::vector<GameEvent> take()
    {
        std::vector<GameEvent> all;
        all.swap(queue);
        return all;
    }
    bool empty() const { return queue.empty(); }
    void clear() { queue.clear(); }

private:
    std::vector<GameEvent> queue;
};
