#pragma once

#include "game/common/GameSoundID.h"

namespace Pemberquill {

// Asks for one sound: fires "PlaySoundEvent" with "AudioSound" = id. Every id
// is passed on; whether and how it is heard is the game audio's business.
// Without an event system nothing happens.
void PlaySound(GameSoundID id);

} // namespace Pemberquill
