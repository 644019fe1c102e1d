#include "world/StaticEntityManager.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "data/DataFile.h"
#include "data/SpaceSplit.h"
#include "world/Actor.h"
#include "world/Larder.h"
#include "world/Weapon.h"
#include "world/GameRandom.h"

namespace {

struct EntityKeyword {
    const char* word;
    StaticEntityType type;
};

// Keywords that create a plain static entity from x, y and radius.
const EntityKeyword PLAIN_ENTITIES[] = {
    {"null", STENT_NULL},
    {"light", STENT_LIGHT},
    {"spawn", STENT_SPAWN},
    {"jailspawn", STENT_JAILSPAWN},
    {"areasound", STENT_AREASOUND},
    {"hospitalspawn", STENT_HOSPITALSPAWN},
};

const StaticEntityType* plainEntityType(const std::string& keyword)
{
    for (const EntityKeyword& plain : PLAIN_ENTITIES) {
        if (keyword == plain.word)
            return &plain.type;
    }
    return nullptr;
}

} // namespace

StaticEntityManager::~StaticEntityManager()
{
    clear();
}

void StaticEntityManager::load(const char* filename, OwnedList<Weapon>& items,
                               OwnedList<Larder>& larders)
{
    std::ifstream file;
    if (!openDataFile(file, filename)) {
        fprintf(stderr, "StaticEntityManager can't load from %s\n", filename);
        return;
    }

    std::string line;
    while (std::getline(file, line)) {
        // Files written on other systems may end their lines with "\r\n".
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<std::string> fields = splitAtSpaces(line);
        if (fields.empty())
            break; // a blank line ends the file
        const std::string& keyword = fields[0];
        if (keyword == "#")
            continue;
        bool plain = plainEntityType(keyword) != nullptr;
        std::unique_ptr<Weapon> item = createWeaponByKeyword(keyword);
        bool known = plain || item || keyword == "larder" || keyword == "areamessage" ||
                     keyword == "areascript";
        if (!known) {
            fprintf(stderr, "StaticEntityManager: Unknown entity type '%s'\n", keyword.c_str());
            continue;
        }
        if (fields.size() < 4) {
            fprintf(stderr, "StaticEntityManager: '%s' needs three numbers, line skipped\n",
                    keyword.c_str());
            continue;
        }
        int a = atoi(fields[1].c_str());
        int b = atoi(fields[2].c_str());
        int c = atoi(fields[3].c_str());

        if (plain) {
            newEntity(*plainEntityType(keyword), a, b, c);
        } else if (keyword == "areamessage") {
            // Every further word followed by one space.
            std::string message;
            for (size_t i = 4; i < fields.size(); i++)
                message += fields[i] + " ";
            newEntity(STENT_AREAMESSAGE, a, b, c)->setString(message);
        } else if (keyword == "areascript") {
            StaticEntity* area = newEntity(STENT_AREASCRIPT, a, b, c);
            if (fields.size() > 4)
                area->setString(fields[4]);
            else
                fprintf(stderr, "StaticEntityManager: You must specify a script name\n");
        } else if (keyword == "larder") {
            auto larder = std::make_unique<Larder>();
            larder->setX(static_cast<float>(a));
            larder->setY(static_cast<float>(b));
            larder->setRotation(c);
            larders.put(std::move(larder));
        } else {
            // A weapon or pill keeps its class values; only its place is set.
            item->x = static_cast<float>(a);
            item->y = static_cast<float>(b);
            items.put(std::move(item));
        }
    }
}

StaticEntity* StaticEntityManager::newEntity(StaticEntityType type, int x, int y, int radius)
{
    printf("New entity type %i at (%i,%i) %i radius\n", static_cast<int>(type), x, y, radius);
    StaticEntity* entity = ents.put(std::make_unique<StaticEntity>(type));
    entity->setX(static_cast<float>(x));
    entity->setY(static_cast<float>(y));
    entity->setRadius(static_cast<float>(radius));
    return entity;
}

StaticEntity* StaticEntityManager::getEntity(float x, float y, StaticEntityType type)
{
    for (StaticEntity* entity : ents) {
        if (entity->getType() == type && entity->withinRadius(x, y))
            return entity;
    }
    return nullptr;
}

void StaticEntityManager::respawnPlayer(Actor* player, bool bDied)
{
    if (!player)
        return;
    StaticEntityType wanted = bDied ? STENT_HOSPITALSPAWN : STENT_JAILSPAWN;
    std::vector<StaticEntity*> targets;
    for (StaticEntity* entity : ents) {
        if (entity->getType() == wanted)
            targets.push_back(entity);
    }

    if (targets.empty()) {
        printf("No targets for respawn detected, going to (10,10)\n");
        player->x = 10;
        player->y = 10;
    } else {
        StaticEntity* target = targets[gameRand() % targets.size()];
        player->x = target->getX();
        player->y = target->getY();
    }
    player->setGun(nullptr);
    player->setHealth(10);
}

void StaticEntityManager::clear()
{
    ents.clear();
}
