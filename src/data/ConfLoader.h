#pragma once
// Tuning values of the simulation, read once from "data/physics.dat".
// The file holds integers in tenths (SLOWMO_MULTIPLIER=25 means 2.5); keys the
// file lacks, or gives as zero, negative or non-numeric, keep their defaults.
#include <map>
#include <string>

#include "data/KelFileRead.h"

class ConfLoader : public KelFileRead {
public:
    explicit ConfLoader(const char* filename);

    // Stores the defaults of the four tuning keys in data.
    void setDefaultData();
    // The value stored for key; an unknown key reads 0.0 and is stored as such.
    float getValue(const std::string& key);

    std::map<std::string, float> data;
};
