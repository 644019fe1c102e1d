#pragma once
// The kill chain: rules (the simulation) and the head-up display both read it.
namespace Combo {
// Seconds a combo stays alive after each kill.
const float SECONDS = 15.0f;
} // namespace Combo
