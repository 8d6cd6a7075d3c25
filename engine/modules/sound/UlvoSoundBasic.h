#pragma once

#include "engine/modules/sound/UlvoSoundInterface.h"

// The level between the interface and the sound module on a particular
// sound output.
class UlvoSoundBasic : public UlvoSoundInterface {};
