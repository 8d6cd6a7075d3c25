#pragma once

#include <vector>

#include "game/common/GameSoundID.h"
#include "tools/soundmaker/Synth.h"

namespace soundmaker {

// How a sound is finished before it is written.
enum class SoundKind {
    // Played once: faded in and out, its peak set to the recipe's level.
    OneShot,
    // Played in a loop: made seamless, its mean loudness (RMS) set to the
    // recipe's level, its peaks kept below LOOP_PEAK_CAP_DB.
    Loop,
};

constexpr double LOOP_PEAK_CAP_DB = -4.0;
// The tail rendered past a loop's end and faded into its start.
constexpr double LOOP_CROSSFADE_SECONDS = 2.0;

struct SoundRecipe {
    Pemberquill::GameSoundID id;
    SoundKind kind;
    // dBFS: the peak of a one-shot, the RMS of a loop.
    double level;
    // Loops only: the loop's length; the render runs on by the crossfade.
    double loopSeconds;
    Signal (*render)();
};

// One recipe per game sound, in order of value.
const std::vector<SoundRecipe>& AllSoundRecipes();
// Null for an id without a recipe.
const SoundRecipe* FindSoundRecipe(int id);

// The finished sound, ready to encode.
Signal MakeSound(const SoundRecipe& recipe);

// Recipes of the event sounds (0 to 26) and of the regional ambience.
void AddEventSoundRecipes(std::vector<SoundRecipe>& recipes);
void AddAmbienceSoundRecipes(std::vector<SoundRecipe>& recipes);

// The frequency of a MIDI note number (69 is A4 at 440 Hz).
double Hz(int midiNote);

}  // namespace soundmaker
