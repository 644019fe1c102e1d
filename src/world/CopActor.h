#pragma once
// A police officer: armed with a pistol, hostile to the player's side from the
// start, fires at its target and calms down one second after its last anger
// (never in survival mode).
#include <vector>

#include "world/WorldList.h"

#include "world/AIActor.h"

class Bullet;
class Map;

class CopActor : public AIActor {
public:
    CopActor();
    ~CopActor() override;

    bool isCop() const override;
    // A threat closer than 300 pixels makes the officer fire at it; a farther
    // one only makes it cautious (the target is kept).
    void alertHostile(float x, float y) override;
    // Fires at (x, y) whatever the distance.
    void becomeAngry(float x, float y) override;
    // Anger timer, calming, direction timer and automatic reload.
    void update(float delta) override;

    // The point lies within 500 pixels, inside the 50-degree view cone around
    // the heading, and in line of sight.
    virtual bool canSeeHostile(float x, float y, Map* theMap);
    // Turns toward (x, y) at 195 degrees per second unless already within 10
    // degrees, and fires one volley along the current heading when the gun is
    // ready; the bullets are appended to shots. Returns the number created.
    // The sample, the clip and the casing are left to the caller.
    virtual int fireAt(float x, float y, OwnedList<Bullet>& shots, float delta);
    virtual void cacheMap(Map* theMap);
    virtual void setSurvivalMode(bool b);

    bool isSurvivalMode() const;
    Map* getCachedMap() const;

protected:
    // Seconds since the officer was last made angry.
    float angryTimer;
    Map* cachedMap;  // not owned
    bool survivalMode;
};
