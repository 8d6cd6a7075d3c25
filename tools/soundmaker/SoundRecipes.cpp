#include "tools/soundmaker/SoundRecipes.h"

#include <algorithm>
#include <cmath>

namespace soundmaker {

namespace {

// Short enough to keep the attack, long enough that nothing clicks.
constexpr double ONE_SHOT_FADE_IN = 0.003;
constexpr double ONE_SHOT_FADE_OUT = 0.03;

std::vector<SoundRecipe> BuildRecipes()
{
    std::vector<SoundRecipe> recipes;
    AddEventSoundRecipes(recipes);
    AddAmbienceSoundRecipes(recipes);
    std::sort(recipes.begin(), recipes.end(),
              [](const SoundRecipe& a, const SoundRecipe& b) { return a.id < b.id; });
    return recipes;
}

}  // namespace

double Hz(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

const std::vector<SoundRecipe>& AllSoundRecipes()
{
    static const std::vector<SoundRecipe> recipes = BuildRecipes();
    return recipes;
}

const SoundRecipe* FindSoundRecipe(int id)
{
    for (const SoundRecipe& recipe : AllSoundRecipes()) {
        if (recipe.id == id) {
            return &recipe;
        }
    }
    return nullptr;
}

Signal MakeSound(const SoundRecipe& recipe)
{
    Signal sound = recipe.render();
    if (recipe.kind == SoundKind::OneShot) {
        Fade(sound, ONE_SHOT_FADE_IN, ONE_SHOT_FADE_OUT);
        NormalizePeak(sound, recipe.level);
        return sound;
    }
    sound = MakeSeamless(sound, recipe.loopSeconds, LOOP_CROSSFADE_SECONDS);
    Gain(sound, std::pow(10.0, (recipe.level - RmsDb(sound)) / 20.0));
    if (PeakDb(sound) > LOOP_PEAK_CAP_DB) {
        NormalizePeak(sound, LOOP_PEAK_CAP_DB);
    }
    return sound;
}

}  // namespace soundmaker
