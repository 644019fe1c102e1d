#pragma once
// An invisible marker or trigger zone placed by the level's entity file:
// spawn points, area messages and area scripts. It has a point, a trigger
// radius and, for messages and scripts, a text.
#include <string>

enum StaticEntityType {
    STENT_NULL = 0,
    STENT_SPAWN = 1,
    STENT_JAILSPAWN = 2,
    STENT_HOSPITALSPAWN = 3,
    STENT_LIGHT = 4,
    STENT_AREASOUND = 5,
    STENT_AREAMESSAGE = 6,
    STENT_AREASCRIPT = 7
};

class StaticEntity {
public:
    explicit StaticEntity(StaticEntityType type);

    float getX() const { return x; }
    float getY() const { return y; }
    void setX(float nx) { x = nx; }
    void setY(float ny) { y = ny; }
    StaticEntityType getType() const { return type; }
    // The message of an area message or the script file of an area script.
    const std::string& getString() const { return internalString; }
    void setString(const std::string& s) { internalString = s; }

    float getRadius() const { return radius; }
    // A negative radius is reported and leaves the radius as it was.
    void setRadius(float r);
    // The point lies at most the radius away from the entity (inclusive).
    bool withinRadius(float px, float py) const;

private:
    float radius;
    float x, y;
    StaticEntityType type;
    std::string internalString;
};
