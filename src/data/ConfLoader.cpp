#include "data/ConfLoader.h"

#include <cstdio>

namespace {
const char* const kSourceName = "ConfLoader";

// One tuning value: its default and the range, in tenths as the file writes
// them, that keeps the game playable (a player fast enough to step over a
// wall tile in one frame, or a slow motion that speeds time up, is not).
struct TuningKey {
    const char* key;
    float byDefault;
    int lowest, highest;
    const char* loadedMessage;  // %s the source name, %i the value as written
};

// In the order the file is read.
const TuningKey TUNING_KEYS[] = {
    {"SLOWMO_MULTIPLIER", 1.8f, 10, 100, "%s: Loaded custom slow motion multiplier\n"},
    {"PLAYER_SPEED", 275.0f, 100, 8000, "%s: Loaded custom player speed.\n"},
    {"FRICTION_MULTIPLIER", 1.0f, 1, 100, "%s: Loaded custom corpse friction (%i).\n"},
    {"BULLET_SPEED_MULTIPLIER", 1.0f, 1, 30, "%s: Loaded custom bulletspeed multiplier (%i).\n"},
};
}

ConfLoader::ConfLoader(const char* filename)
{
    printf("%s: Loading configuration from %s\n", kSourceName, filename);
    setDefaultData();

    if (openFile(filename)) {
        fprintf(stderr, "Conf file %s not readable. Using default values.\n", filename);
        return;
    }

    for (const TuningKey& tuning : TUNING_KEYS) {
        int tenths = 0;
        getIntFromFile(tenths, tuning.key);
        if (tenths == 0)
            continue;
        int used = tenths < tuning.lowest ? tuning.lowest
                   : tenths > tuning.highest ? tuning.highest : tenths;
        if (used != tenths)
            fprintf(stderr, "%s: %s=%i is out of range (%i to %i), using %i\n", kSourceName,
                    tuning.key, tenths, tuning.lowest, tuning.highest, used);
        printf(tuning.loadedMessage, kSourceName, tenths);
        data[tuning.key] = used / 10.0f;
    }
}

void ConfLoader::setDefaultData()
{
    for (const TuningKey& tuning : TUNING_KEYS)
        data[tuning.key] = tuning.byDefault;
}

float ConfLoader::getValue(const std::string& key)
{
    return data[key];
}
