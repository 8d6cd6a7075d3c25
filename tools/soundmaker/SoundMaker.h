#pragma once

#include <string>

#include "tools/soundmaker/OggVorbisWriter.h"
#include "tools/soundmaker/SoundRecipes.h"

namespace soundmaker {

// The encoder settings of every sound: moderate quality (sounds are mono
// and the folder stays small) and a serial number of the sound's own.
VorbisSettings SettingsFor(const SoundRecipe& recipe);

// Synthesises the sound and writes folder/<name>.ogg, name being the
// sound's symbolic name. False with the reason in error when it fails.
bool MakeSoundFile(const SoundRecipe& recipe, const std::string& folder, std::string& error);

}  // namespace soundmaker
