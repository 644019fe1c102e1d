// Simulation time of one play frame without drawing: getInput, handleAI and
// handleShots, timed apart, with 50, 200 and 1,000 NPCs and 1,000 bullets in
// flight. Prints the median (and 90th percentile) over 1,000 frames.
//
// Two scenes:
//  - "walking": every NPC walks between random points; the bullets fly in a
//    band of the map where no NPC goes, so no bullet ever hits and every one
//    is tested against every actor each frame (the bullet pass's worst case).
//  - "police fire": a quarter of the NPCs are officers kept angry (survival
//    mode) at points near them, so they aim, look and fire; their bullets may
//    hit civilians, which ends that frame's bullet pass early as in play.
// Between frames, outside the timing, NPCs that stopped get new orders, the
// bullets are topped up to 1,000 and the effects are cleared (the drawing
// layer would age them out in play). Nobody dies: NPC health is huge.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../common/Silence.h"
#include "GameHarness.h"
#include "world/Effect.h"
#include "world/AIActor.h"
#include "world/Bullet.h"
#include "world/CopActor.h"
#include "world/Weapon.h"

namespace {

const int FRAMES = 1000;
const int WARM_UP = 50;
const size_t BULLETS = 1000;
const float FRAME_TIME = 1.0f / 60.0f;

// NPCs live in the lower part of the map; bullets fly in the upper band and
// drop after 700 pixels, so they never reach an NPC.
const int NPC_TOP = 1700, NPC_BOTTOM = 3700;
const int BAND_TOP = 50, BAND_BOTTOM = 900;
const int LEFT = 100, RIGHT = 3700;

using Clock = std::chrono::steady_clock;

float randomIn(int lo, int hi) { return static_cast<float>(lo + rand() % (hi - lo)); }

double microseconds(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::micro>(b - a).count();
}

struct Percentiles {
    double median, p90;
};

Percentiles percentiles(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v[v.size() * 9 / 10]};
}

// A short silent WAV for every sample number the simulation plays, so that
// playing a sound costs what it costs in play (mixing on the dummy device).
void writeSilentSamples(GameHarness& h)
{
    const int rate = 22050, count = rate / 20;
    auto le = [](std::string& s, unsigned v, int bytes) {
        for (int i = 0; i < bytes; i++)
            s += static_cast<char>((v >> (8 * i)) & 0xff);
    };
    std::string wav = "RIFF";
    le(wav, 36 + count * 2, 4);
    wav += "WAVEfmt ";
    le(wav, 16, 4);
    le(wav, 1, 2); // PCM
    le(wav, 1, 2); // mono
    le(wav, rate, 4);
    le(wav, rate * 2, 4);
    le(wav, 2, 2);
    le(wav, 16, 2);
    wav += "data";
    le(wav, count * 2, 4);
    wav.append(count * 2, '\0');
    for (int i = 0; i < 16; i++)
        h.writeFile("data/sounds/" + std::to_string(i) + ".wav", wav);
}

void topUpBullets(CGame* game)
{
    while (game->world.shots.size() < BULLETS) {
        auto b = std::make_unique<Bullet>();
        b->damage = 10;
        b->range = 700;
        b->speed = 450;
        b->team = 0;
        b->heading = rand() % 360;
        b->x = randomIn(LEFT, RIGHT);
        b->y = randomIn(BAND_TOP, BAND_BOTTOM);
        b->lastX = b->x;
        b->lastY = b->y;
        game->world.shots.put(std::move(b));
    }
}

// New orders for NPCs that stood still: civilians walk somewhere, officers
// (in the police scene) are made angry at a point near them.
void keepBusy(CGame* game, bool policeFire)
{
    for (Actor* a : game->world.actors) {
        AIActor* npc = dynamic_cast<AIActor*>(a);
        if (!npc)
            continue;
        npc->setHealth(1000000000);
        ActorState s = npc->getState();
        if (s != STATE_IDLE && s != STATE_CAUTION)
            continue;
        if (policeFire && npc->isCop()) {
            float tx = std::min(std::max(npc->x + rand() % 400 - 200, 50.0f), 3700.0f);
            float ty = std::min(std::max(npc->y + rand() % 400 - 200, (float)NPC_TOP), (float)NPC_BOTTOM);
            npc->becomeAngry(tx, ty);
        } else {
            npc->walkTo(randomIn(LEFT, RIGHT), randomIn(NPC_TOP, NPC_BOTTOM));
        }
    }
}

void populate(CGame* game, int npcs, bool policeFire)
{
    for (int i = 0; i < npcs; i++) {
        std::unique_ptr<AIActor> npc;
        if (i % 4 == 3) {
            auto cop = std::make_unique<CopActor>();
            cop->cacheMap(game->theMap.get());
            cop->setSurvivalMode(true);
            cop->getGun()->setReserve(1000000000);
            npc = std::move(cop);
        } else {
            npc = std::make_unique<AIActor>();
        }
        npc->x = randomIn(LEFT, RIGHT);
        npc->y = randomIn(NPC_TOP, NPC_BOTTOM);
        game->world.actors.put(std::move(npc));
    }
    keepBusy(game, policeFire);
}

void runScene(GameHarness& h, int npcs, bool policeFire)
{
    CGame* game = h.game();
    {
        Silence quiet;
        game->newGame();
    }
    game->world.player->x = 1900;
    game->world.player->y = 1200;
    game->play.help = false;
    srand(12345);
    populate(game, npcs, policeFire);

    std::vector<double> input, ai, shots, total;
    for (int frame = 0; frame < WARM_UP + FRAMES; frame++) {
        keepBusy(game, policeFire);
        topUpBullets(game);
        game->world.effects.clear();
        game->delta = FRAME_TIME;

        Clock::time_point t0 = Clock::now();
        game->getInput();
        Clock::time_point t1 = Clock::now();
        game->handleAI();
        Clock::time_point t2 = Clock::now();
        game->handleShots();
        Clock::time_point t3 = Clock::now();

        if (frame < WARM_UP)
            continue;
        input.push_back(microseconds(t0, t1));
        ai.push_back(microseconds(t1, t2));
        shots.push_back(microseconds(t2, t3));
        total.push_back(microseconds(t0, t3));
    }
    Percentiles i = percentiles(input), a = percentiles(ai), s = percentiles(shots),
                t = percentiles(total);
    printf("%-12s %6d %9.1f %9.1f %11.1f %9.1f %9.1f\n", policeFire ? "police fire" : "walking",
        npcs, i.median, a.median, s.median, t.median, t.p90);
    fflush(stdout);
}

} // namespace

int main()
{
    GameHarness h;
    h.writeMinimalData();
    writeSilentSamples(h);
    {
        Silence quiet;
        h.start();
    }
    printf("Simulation per frame, microseconds, median over %d frames, %zu bullets\n", FRAMES,
        BULLETS);
    printf("%-12s %6s %9s %9s %11s %9s %9s\n", "scene", "NPCs", "getInput", "handleAI",
        "handleShots", "total", "total p90");
    for (bool policeFire : {false, true})
        for (int npcs : {50, 200, 1000})
            runScene(h, npcs, policeFire);
    Silence quiet; // officers report their guns as they are deleted
    h.game()->newGame();
    return 0;
}
