#pragma once
// Base class of every character in the world: the player (a plain Actor), the
// computer-controlled characters (AIActor, CopActor) and the corpses. An actor
// has a 48 x 48 box at (x, y), a heading in degrees, a team, health, a small
// sprite animation and at most one weapon, which it owns.
#include <memory>

class KelFileRead;
class Map;
class Weapon;

class Actor {
public:
    Actor();
    virtual ~Actor();

    Actor(const Actor&) = delete;
    Actor& operator=(const Actor&) = delete;

    // Side and half side of the actor's box, world pixels.
    static constexpr float BOX_SIDE = 48.0f;
    static constexpr float HALF_SIDE = 24.0f;
    // Side of the body that walls stop: narrower than the box, so a body
    // fits a 48-pixel gap.
    static constexpr float WALL_PROBE_SIDE = 40.0f;

    // Left and top edge of the actor's 48 x 48 box, world pixels.
    float x;
    float y;
    // 0 the player's side, 1 civilians, 2 police, -1 a corpse.
    int team;

    // The coordinate reached by moving `distance` along the heading (subclasses
    // move by their own rules); the actor itself does not change.
    virtual float getNewX(float distance);
    virtual float getNewY(float distance);
    // The true point `distance` pixels in front of the actor, whatever its class.
    float getForwardX(float distance) const;
    float getForwardY(float distance) const;
    // Moves through getNewX, then getNewY, so getNewY sees the new x.
    void step(float distance);

    // Headings: 0 toward +x, 90 toward -y (up the screen). Not kept in 0..360.
    double getRotation() const;
    double setRotation(double dr);
    double rotate(double dd);
    // Sets the heading to angleTo(nx, ny) + 180, which faces AWAY from the
    // point; follow with rotate(-180) to face it.
    void rotateTo(float nx, float ny);
    // One turning step of exactly maxAmt degrees toward goal, with a dead zone
    // of 3 degrees either side.
    void rotateWithGoal(double maxAmt, double goal);
    // Direction from the actor to the point, -180 <= result < 180.
    float angleTo(float tx, float ty) const;
    // The angle brought into 0 <= a < 360.
    static float angleOutOf360(float angle);
    // Signed turn from angle1 to angle2, -180..180.
    static float angleDistance(float angle1, float angle2);

    // Animation: advances by one frame every 0.09 s of accumulated time.
    void updateTimer(float delta);
    // Shows the absolute image spriteId until the next animation tick.
    void temporaryFrame(int spriteId);
    void stopAnimation();
    void setAnimation(int aCurFrame, int aNumFrames, int aPortrait, int aStartSprite);
    // Image number to draw from the actor sprite set.
    int getSpriteID() const;

    int getHealth() const;
    void setHealth(int nh);
    int getHealthMax() const;
    void setHealthMax(int thp);
    // Subtracts damage; healing (negative damage) stops at the maximum.
    void hurt(int dhp);

    int getLevel() const;
    void setLevel(int nl);
    int getPortrait() const;

    // The carried weapon, or null; the actor owns it. setGun hands a gun to
    // the actor (a gun it held goes); takeGun hands the held one over.
    Weapon* getGun() const;
    void setGun(std::unique_ptr<Weapon> target);
    std::unique_ptr<Weapon> takeGun();

    // Moods toward a team; a plain actor has none and answers 0.
    virtual int getMood(int team) const;
    virtual int changeMood(int team, int amt);

    // Overlap of the actor's box with a rectangle; touching edges count.
    bool collides(float x2, float y2, float w2, float h2) const;
    bool collides(const Actor* other) const;
    // Straight-line distance from the box corner (x, y).
    float distance(float x2, float y2) const;
    // Tile line of sight to the point, at most 16 tiles; tiles that stop
    // bullets block it. A null map blocks nothing.
    bool canSee(float targx, float targy, Map* theMap) const;
    // The same sight test between any two points.
    static bool lineOfSight(float fromX, float fromY, float targx, float targy, Map* theMap);

    // Actor definition file (key=value lines).
    virtual void load(const char* filename);
    virtual void save(const char* filename, bool bAppend);

    virtual bool isCop() const;

protected:
    // Degrees to radians, rounded to single precision.
    static float toRadians(double degrees);
    // Reads an integer key through a temporary that starts at 0: a missing
    // key, or a value of 0 or below, gives 0.
    static int readFromZero(KelFileRead& file, const char* key);
    // The heading brought into 0 <= h < 360; heading itself is unchanged.
    double rotationOutOf360() const;

    int hp;
    int max_hp;
    int level;
    float spriteTimer;
    double heading;
    int curFrame;
    int numSprites;
    int portrait;
    int startSprite;
    bool inTemporaryFrame;
    std::unique_ptr<Weapon> myGun;
};
