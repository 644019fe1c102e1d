#include "data/ConfLoader.h"

#include <cstdio>

namespace {
const char* const kSourceName = "ConfLoader";
}

ConfLoader::ConfLoader(const char* filename)
{
    printf("%s: Loading configuration from %s\n", kSourceName, filename);
    setDefaultData();

    if (openFile(filename)) {
        fprintf(stderr, "Conf file %s not readable. Using default values.\n", filename);
        return;
    }

    int tenths = 0;
    getIntFromFile(tenths, "SLOWMO_MULTIPLIER");
    if (tenths != 0) {
        printf("%s: Loaded custom slow motion multiplier\n", kSourceName);
        data["SLOWMO_MULTIPLIER"] = tenths / 10.0f;
    }

    tenths = 0;
    getIntFromFile(tenths, "PLAYER_SPEED");
    if (tenths != 0) {
        printf("%s: Loaded custom player speed.\n", kSourceName);
        data["PLAYER_SPEED"] = tenths / 10.0f;
    }

    tenths = 0;
    getIntFromFile(tenths, "FRICTION_MULTIPLIER");
    if (tenths != 0) {
        printf("%s: Loaded custom corpse friction (%i).\n", kSourceName, tenths);
        data["FRICTION_MULTIPLIER"] = tenths / 10.0f;
    }

    tenths = 0;
    getIntFromFile(tenths, "BULLET_SPEED_MULTIPLIER");
    if (tenths != 0) {
        printf("%s: Loaded custom bulletspeed multiplier (%i).\n", kSourceName, tenths);
        data["BULLET_SPEED_MULTIPLIER"] = tenths / 10.0f;
    }
}

void ConfLoader::setDefaultData()
{
    data["PLAYER_SPEED"] = 275.0f;
    data["SLOWMO_MULTIPLIER"] = 1.8f;
    data["FRICTION_MULTIPLIER"] = 1.0f;
    data["BULLET_SPEED_MULTIPLIER"] = 1.0f;
}

float ConfLoader::getValue(const std::string& key)
{
    return data[key];
}
