#pragma once
// A corpse store placed on the map: a 128 x 128 box that counts the corpses
// dropped into it and plays a short three-frame animation for each.

class Corpse;

class Larder {
public:
    Larder();
    virtual ~Larder();

    // Counts a stored corpse and restarts the storing animation; a null
    // victim changes nothing. The larder does not take the corpse.
    virtual void freeze(Corpse* victim);
    virtual int numFrozen();
    virtual float getX();
    virtual float getY();
    virtual void setX(float nx);
    virtual void setY(float ny);
    // Image in the actor sprite set: 37, 38 or 39.
    virtual int getFrame();
    // Advances the storing animation by delta seconds.
    virtual void update(float delta);
    virtual double getRotation();
    virtual void setRotation(double r);
    // Squared distance from the point to the larder's centre, in whole pixels.
    virtual int getSquaredDistance(int x2, int y2);
    // Overlap of the larder's box with a rectangle; touching edges count.
    virtual bool collides(float x2, float y2, float w2, float h2);

protected:
    bool freezing;
    int frame;
    int frozen;
    float x, y;
    float frametimer;
    double rotation;
};
