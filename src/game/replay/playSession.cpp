#include "game/CGame.h"

#include <cstdio>

#include "game/replay/RecordingPlatform.h"
#include "game/replay/ReplayPlatform.h"
#include "world/GameRandom.h"

namespace {
void startMode(CGame& g, bool survivalMode)
{
    if (survivalMode)
        g.newSurvival();
    else
        g.newGame();
}
}

// A game chosen in the menu, recorded when the program was asked to.
void CGame::playSession(bool survivalMode)
{
    if (recordPath.empty()) {
        startMode(*this, survivalMode);
        gameLoop();
        return;
    }
    Recording rec;
    rec.survival = survivalMode;
    rec.seed = gameRandom().getState();
    auto recording = std::make_unique<RecordingPlatform>(std::move(devices.io), rec);
    RecordingPlatform* recorder = recording.get();
    devices.io = std::move(recording);
    startMode(*this, survivalMode);
    gameLoop();
    devices.io = recorder->release();

    rec.finalState = worldChecksum();
    std::string error;
    if (rec.save(recordPath, error))
        printf("Recorded %d frames to %s (state %08x)\n", (int)rec.frames.size(),
               recordPath.c_str(), rec.finalState);
    else
        fprintf(stderr, "Couldn't save the recording %s: %s\n", recordPath.c_str(), error.c_str());
    recordPath.clear(); // only the first game is recorded
}

// Plays a recorded game again from its seed and input; returns the exit
// status of the program.
int CGame::replaySession(const Recording& rec)
{
    gameRandom().seed(rec.seed);
    bKeepHighScores = false; // a replayed run is not a new one
    auto replay = std::make_unique<ReplayPlatform>(std::move(devices.io), rec);
    ReplayPlatform* replayer = replay.get();
    devices.io = std::move(replay);
    startMode(*this, rec.survival);
    gameLoop();
    size_t played = replayer->framesPlayed();
    size_t beyond = replayer->framesBeyond();
    bool stopped = replayer->stopped();
    devices.io = replayer->release();

    uint32_t state = worldChecksum();
    if (stopped)
        printf("Replay stopped by a quit request after %d of %d frames\n", (int)played,
               (int)rec.frames.size());
    else if (played < rec.frames.size())
        fprintf(stderr, "WARN) The game ended %d frames before the recording did\n",
                (int)(rec.frames.size() - played));
    if (beyond > 0 && !stopped)
        fprintf(stderr, "WARN) The game ran %d frames beyond the recording\n", (int)beyond);
    if (state != rec.finalState && !stopped)
        fprintf(stderr, "WARN) Replay state %08x differs from the recorded %08x\n", state,
                rec.finalState);
    printf("Replay of %d frames ended (state %08x)\n", (int)played, state);
    return 0;
}
