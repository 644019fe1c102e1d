#include "world/Weapon.h"

#include <cstdio>
#include <cstdlib>

#include "data/KelFileRead.h"
#include "data/KelFileWrite.h"
#include "world/Bullet.h"
#include "world/DrugPill.h"
#include "world/HealthPill.h"
#include "world/MicroAR.h"
#include "world/Nailgun.h"
#include "world/Pistol.h"
#include "world/Revolver.h"
#include "world/Shotgun.h"
#include "world/SubMachineGun.h"
#include "world/SpriteIndex.h"
#include "world/GameRandom.h"

Weapon::Weapon()
    : x(0.0f), y(0.0f), graphic(0), sound(0), rotation(gameRand() % 360),
      range(0), maxDamage(1), numProjectiles(1), spread(0), bIsPowerup(false),
      minDamage(0), timer(0.0f), speed(450.0f), refreshTime(0.0f), inClip(0),
      clipSize(0), bulletGraphic(SpriteIndex::BULLET), inReserve(0), type(0)
{
}

Weapon::~Weapon() = default;

bool Weapon::canFire() const
{
    return timer >= refreshTime && inClip > 0;
}

bool Weapon::isDry() const
{
    return inClip < 1;
}

int Weapon::rollDamage() const
{
    // A definition file may give no range of damage; never divide by zero.
    if (maxDamage <= minDamage)
        return minDamage;
    return minDamage + gameRand() % (maxDamage - minDamage);
}

double Weapon::rollHeading(double angle) const
{
    if (spread <= 0)
        return angle;
    long long width = 2LL * spread;
    return angle + static_cast<double>(gameRand() % width - spread);
}

std::unique_ptr<Bullet> Weapon::fireGun(double angle, bool multis)
{
    auto b = std::make_unique<Bullet>();
    b->range = range;
    b->speed = speed;
    b->graphic = bulletGraphic;
    b->damage = rollDamage();
    b->heading = rollHeading(angle);
    if (!multis)
        inClip--;
    timer = 0.0f;
    return b;
}

void Weapon::reload()
{
    int toAdd = clipSize - inClip;
    inReserve -= toAdd;
    if (inReserve < 0) {
        toAdd += inReserve;
        inReserve = 0;
    }
    inClip += toAdd;
    if (inClip < 0)
        inClip = 0;
    timer = 0.0f;
}

void Weapon::update(float delta)
{
    timer += delta;
}

bool Weapon::collides(float x2, float y2, float w2, float h2) const
{
    if (y + ITEM_SIZE < y2 || y > y2 + h2)
        return false;
    if (x + ITEM_SIZE < x2 || x > x2 + w2)
        return false;
    return true;
}

namespace {
// Reads an integer key into a float field holding `scale` units per file unit.
// The field keeps its exact value unless the file changes the whole number
// (the reader leaves a value of 0 or less alone and turns a missing key into 0).
void readScaledKey(KelFileRead& in, float& field, const char* key, float scale)
{
    int before = static_cast<int>(field * scale);
    int value = before;
    in.getIntFromFile(value, key);
    if (value != before)
        field = static_cast<float>(value) / scale;
}
}

void Weapon::loadFromDefinitionFile(const char* path)
{
    KelFileRead in(path);
    if (!in.isOkay()) {
        fprintf(stderr, "Weapon definition file %s is missing or unusable\n", path);
        return;
    }
    readScaledKey(in, x, "x", 1.0f);
    readScaledKey(in, y, "y", 1.0f);
    in.getIntFromFile(graphic, "graphic");
    in.getIntFromFile(range, "range");
    in.getIntFromFile(maxDamage, "maxDamage");
    in.getIntFromFile(minDamage, "minDamage");
    readScaledKey(in, refreshTime, "refreshMS", 1000.0f);
    readScaledKey(in, speed, "speed", 1.0f);
    in.getIntFromFile(inClip, "inClip");
    in.getIntFromFile(clipSize, "clipSize");
    in.getIntFromFile(inReserve, "inReserve");
    in.getIntFromFile(type, "type");
    in.getIntFromFile(spread, "spread");
    in.getIntFromFile(numProjectiles, "numProjectiles");
    int newBulletGraphic = 0;
    in.getIntFromFile(newBulletGraphic, "bulletGraphic");
    if (newBulletGraphic != 0)
        bulletGraphic = newBulletGraphic;
}

void Weapon::saveToDefinitionFile(const char* path) const
{
    KelFileWrite out(path, false);
    out.putIntInFile(static_cast<int>(x), "x");
    out.putIntInFile(static_cast<int>(y), "y");
    out.putIntInFile(graphic, "graphic");
    out.putIntInFile(range, "range");
    out.putIntInFile(maxDamage, "maxDamage");
    out.putIntInFile(minDamage, "minDamage");
    out.putIntInFile(static_cast<int>(refreshTime * 1000.0f), "refreshMS");
    out.putIntInFile(static_cast<int>(speed), "speed");
    out.putIntInFile(inClip, "inClip");
    out.putIntInFile(clipSize, "clipSize");
    out.putIntInFile(inReserve, "inReserve");
    out.putIntInFile(type, "type");
    out.putIntInFile(spread, "spread");
    out.putIntInFile(numProjectiles, "numProjectiles");
    out.putIntInFile(bulletGraphic, "bulletGraphic");
}

std::unique_ptr<Weapon> createWeaponByKeyword(const std::string& keyword)
{
    if (keyword == "pistol") return std::make_unique<Pistol>();
    if (keyword == "revolver") return std::make_unique<Revolver>();
    if (keyword == "shotgun") return std::make_unique<Shotgun>();
    if (keyword == "smg") return std::make_unique<SubMachineGun>();
    if (keyword == "nailgun") return std::make_unique<Nailgun>();
    if (keyword == "ar") return std::make_unique<MicroAR>();
    if (keyword == "pill") return std::make_unique<DrugPill>();
    if (keyword == "health") return std::make_unique<HealthPill>();
    return nullptr;
}
