#pragma once

#include <string>

#include "game/common/GameSoundID.h"

namespace Pemberquill {

// The symbolic name of a sound, which is also its file name under "Audio/";
// null for a value outside the enumeration.
const char* GetGameSoundName(int id);

// Asks for one sound: fires "PlaySoundEvent" with "AudioSound" = id. Every id
// is passed on; whether and how it is heard is the game audio's business.
// Without an event system nothing happens.
void PlaySound(GameSoundID id);

// Switches the ambience: fires "StartRegionSounds" with "RegionName" =
// regionName ("Menu" for the menus). Without an event system nothing happens.
void StartRegionSounds(const std::string& regionName);

} // namespace Pemberquill
