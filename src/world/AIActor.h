#pragma once
// A computer-controlled character: a civilian by default. It holds the data of
// the behaviour state machine (state, target point, moods toward teams 0..3,
// attention range, dialogue, talk script) and the movement rule of each state;
// the game's per-frame update and alerts drive it.
#include <string>

#include "world/Actor.h"

class Map;

// Behaviour states of a computer-controlled character.
enum ActorState {
    STATE_IDLE = 0,     // stands; skipped by the per-frame update
    STATE_SCARED = 1,   // runs away from the target point
    STATE_HOSTILE = 2,  // moves toward the target point
    STATE_WALKING = 3,  // walks to the target point, then becomes idle
    STATE_STUNNED = 4,  // moves toward the target point
    STATE_INSANE = 5,   // moves toward the target point
    STATE_FIRING = 6,   // police: runs at the target point and shoots at it
    STATE_CAUTION = 7   // stands alert; does not move
};

class AIActor : public Actor {
public:
    static const int NUM_TEAMS = 4;

    AIActor();
    ~AIActor() override;

    // Script run when the player talks to this character and hasScript() holds.
    std::string talkScriptFilename;
    // Set by a cut-scene's kill order.
    bool bInvisible;

    // The step of this frame's movement: none while idle or cautious, else
    // 255 pixels per second of `distance` toward the target (away from it,
    // offset by runAwayAngle, while scared). The facing is left unchanged.
    float getNewX(float distance) override;
    float getNewY(float distance) override;

    // Reads the NPC keys, then the base actor keys, of a definition file.
    void load(const char* filename) override;

    // STATE_WALKING toward (x, y).
    virtual void walkTo(float x, float y);
    // A threat at (x, y): a civilian flees from it.
    virtual void alertHostile(float x, float y);
    virtual void becomeAngry(float x, float y);
    // Advances the timers by `delta` seconds.
    virtual void update(float delta);
    // Armed, ready to fire, the point within the gun's range and in sight.
    virtual bool canShootAt(float x, float y, Map* theMap);
    // Within 10 pixels of the target on both axes (differences truncated).
    virtual bool reachedDestination();
    virtual ActorState getState();
    virtual float distanceToTarget();
    // Mood toward a team 0..3; 0 for any other team number.
    int getMood(int team) const override;
    // Adds amt to the mood toward a team 0..3 and returns it; other teams: 0.
    int changeMood(int team, int amt) override;
    // True at most every 0.125 s (then restarts the timer): when the facing
    // may be brought in line with the movement.
    virtual bool readyToChangeDirection();
    // Targets the corner of a random tile with a random flight offset.
    virtual void headToRandomLocation();
    virtual std::string getDialogue();
    virtual bool hasScript();
    // Writes the NPC keys (truncating the file), then appends the base keys.
    virtual void save(const char* filename);
    using Actor::save;

    float getAttentionRange() const;
    void setAttentionRange(float r);
    void setState(ActorState s);
    void setDialogue(const std::string& s);
    void setHasScript(bool b);
    float getTargetX() const;
    float getTargetY() const;
    double getRunAwayAngle() const;

protected:
    // The movement rule shared by getNewX and getNewY: the heading this
    // frame's step would take, or false when the state does not move.
    bool stepHeading(double& stepHeadingOut);

    int teamMood[NUM_TEAMS];
    ActorState state;
    // Degrees added to the flight direction while scared.
    double runAwayAngle;
    std::string dialogue;
    float targetX;
    float targetY;
    // Distance within which alerts reach this character.
    float attentionRange;
    // Seconds since the facing was last brought in line with the movement.
    float directionTimer;
    bool bHasScript;
};
