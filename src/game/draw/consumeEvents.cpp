#include "game/CGame.h"

#include "audio/SampleIndex.h"
#include "audio/SoundEffectManager.h"

namespace {

// Stands for the gun's own sample, which the event carries.
const int GUN_SOUND = -1;

// The sample each kind of event plays and its channel: a fixed channel lets a
// new sound of one kind cut off the last one of that kind.
struct EventSound {
    GameEventKind kind;
    int sample;
    unsigned channel;
};
const EventSound EVENT_SOUNDS[] = {
    {GameEventKind::PLAYER_FIRED, GUN_SOUND, 0},
    {GameEventKind::NPC_FIRED, GUN_SOUND, 0},
    {GameEventKind::GUN_DRY, SampleIndex::DRY_CLICK, 0},
    {GameEventKind::GUN_RELOADED, SampleIndex::RELOAD, 0},
    {GameEventKind::HEALTH_TAKEN, SampleIndex::CHIME, 2},
    {GameEventKind::ACTOR_HIT, SampleIndex::BULLET_HIT, 1},
    {GameEventKind::COMBO_HEALED, SampleIndex::CHIME, 3},
    {GameEventKind::ACTOR_KILLED, SampleIndex::DEATH, 2},
    {GameEventKind::BODY_STORED, SampleIndex::LARDER, 2},
};

// Seconds of the red world tint after the player is hit.
const float HURT_TINT_TIME = 0.35f;

} // namespace

// The senses catch up with the rules: each event of the last simulation, in
// order, plays its sample, leaves its marks among the effects and sets the
// HUD's tint.
void CGame::consumeEvents()
{
    for (const GameEvent& e : events.take()) {
        for (const EventSound& s : EVENT_SOUNDS) {
            if (s.kind != e.kind)
                continue;
            unsigned sample = s.sample == GUN_SOUND ? e.sample : (unsigned)s.sample;
            for (int i = 0; i < e.count; i++)
                devices.sfx->playSample(sample, true, s.channel);
        }
        if (e.kind == GameEventKind::PLAYER_HURT)
            play.hurtTimer = HURT_TINT_TIME;
        addEffects(e.marks);
    }
}
