#include "tools/soundmaker/SoundMaker.h"

#include "game/common/GameSounds.h"

namespace soundmaker {

namespace {

constexpr float QUALITY = 0.2f;
constexpr int SERIAL_BASE = 0x50510000;

}  // namespace

VorbisSettings SettingsFor(const SoundRecipe& recipe)
{
    VorbisSettings settings;
    settings.quality = QUALITY;
    settings.serial = SERIAL_BASE + recipe.id;
    return settings;
}

bool MakeSoundFile(const SoundRecipe& recipe, const std::string& folder, std::string& error)
{
    const std::string path = folder + "/" + Pemberquill::GetGameSoundName(recipe.id) + ".ogg";
    return WriteOggVorbis(path, MakeSound(recipe), SettingsFor(recipe), error);
}

}  // namespace soundmaker
