#include "game/common/GameSounds.h"

#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"

namespace Pemberquill {

void PlaySound(GameSoundID id)
{
    NamedProperties args;
    args.Set<GameSoundID>("AudioSound", id);
    FireGlobalEvent("PlaySoundEvent", args);
}

} // namespace Pemberquill
