#pragma once
#include <memory>
#include <string>

class Bullet;

// Everything an actor can carry or pick up: the guns and the pills. A weapon
// either lies on the map (x, y, rotation) or is carried by an actor; a carried
// gun keeps a refresh timer, a clip and a reserve. Each kind is a subclass that
// only sets different values in its constructor.
class Weapon {
public:
    Weapon();
    virtual ~Weapon();

    // Side of the square box of an item lying on the map.
    static constexpr float ITEM_SIZE = 32.0f;
    // Top-left corner of the item's 32 x 32 box while it lies on the map.
    float x, y;
    // Image of the item in the actor sprite set.
    int graphic;
    // Sample played for each projectile fired.
    unsigned int sound;
    // Angle in degrees at which the lying item is drawn.
    double rotation;

    // Ready to shoot: the refresh time has passed and the clip holds a bullet.
    bool canFire() const;
    // The clip is empty.
    bool isDry() const;
    // Creates one bullet with rolled damage and heading; the caller owns it and
    // sets its position and team. Unless `multis`, one bullet leaves the clip.
    std::unique_ptr<Bullet> fireGun(double angle, bool multis);
    // Moves bullets from the reserve into the clip; restarts the refresh timer.
    void reload();
    // Advances the refresh timer by `delta` seconds.
    void update(float delta);

    // Overlap of the item's 32 x 32 box with a rectangle; touching edges count.
    bool collides(float x2, float y2, float w2, float h2) const;

    // Damage of one bullet: minDamage .. maxDamage - 1, or minDamage when the
    // weapon has no range of damage (maxDamage <= minDamage).
    int rollDamage() const;
    // Heading of one bullet aimed at `angle`: a whole-degree deviation of
    // -spread .. spread - 1 when spread > 0, otherwise exactly `angle`.
    double rollHeading(double angle) const;

    int getRange() const { return range; }
    int getNumProjectiles() const { return numProjectiles; }
    int getInClip() const { return inClip; }
    int getClipSize() const { return clipSize; }
    int getReserve() const { return inReserve; }
    int getType() const { return type; }
    int getBulletGraphic() const { return bulletGraphic; }
    bool isPowerup() const { return bIsPowerup; }
    int getMinDamage() const { return minDamage; }
    int getMaxDamage() const { return maxDamage; }
    int getSpread() const { return spread; }
    float getSpeed() const { return speed; }
    float getRefreshTime() const { return refreshTime; }
    float getTimer() const { return timer; }

    void setInClip(int n) { inClip = n; }
    void setReserve(int n) { inReserve = n; }
    void setNumProjectiles(unsigned int n) { numProjectiles = static_cast<int>(n); }
    void setBulletGraphic(int g) { bulletGraphic = g; }
    void setIsPowerup(bool p) { bIsPowerup = p; }

    // Weapon definition file (key=value lines). Loading an unreadable file
    // reports it on stderr and changes nothing.
    void loadFromDefinitionFile(const char* path);
    void saveToDefinitionFile(const char* path) const;

protected:
    int range;
    int maxDamage;
    int numProjectiles;
    int spread;
    bool bIsPowerup;
    int minDamage;
    float timer;
    float speed;
    float refreshTime;
    int inClip;
    int clipSize;
    int bulletGraphic;
    int inReserve;
    int type;
};

// Item kinds that the pick-up code distinguishes.
const int WEAPON_TYPE_DRUG_PILL = 17;
const int WEAPON_TYPE_HEALTH_PILL = 18;

// Creates the weapon that an entity-file keyword names ("pistol", "revolver",
// "shotgun", "smg", "nailgun", "ar", "pill", "health") with its class values,
// or returns null for any other word. The caller owns the result.
std::unique_ptr<Weapon> createWeaponByKeyword(const std::string& keyword);
