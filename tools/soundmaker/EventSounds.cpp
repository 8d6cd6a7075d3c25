// The sounds of play, achievements and the UI, and the menu's loop: soft
// mallets and bells, kept short and quiet so that they sit under the
// player's thinking rather than over it.
#include <cmath>

#include "tools/soundmaker/SoundRecipes.h"

namespace soundmaker {

using namespace Pemberquill;

namespace {

// dBFS peaks of the groups.
constexpr double QUIET_TICK = -18.0;
constexpr double UI = -9.0;
constexpr double PLAY_CUE = -6.0;
constexpr double REWARD = -4.0;
constexpr double MENU_LOOP_RMS = -28.0;
constexpr double MENU_LOOP_SECONDS = 20.0;

// Bells struck one after another.
Signal Arpeggio(const std::vector<int>& notes, double spacing, double seconds, double decay)
{
    Signal out;
    for (size_t i = 0; i < notes.size(); ++i) {
        Mix(out, Bell(Hz(notes[i]), seconds, decay), spacing * static_cast<double>(i), 1.0 - 0.08 * i);
    }
    return out;
}

Signal Tick(double frequency, double seconds)
{
    return Strike(frequency, seconds, {{1.0, 1.0, seconds * 0.3}, {2.0, 0.2, seconds * 0.15}}, 0.001);
}

Signal PuzzleStarted()
{
    Signal out = Bell(Hz(72), 1.2, 0.5);
    Mix(out, Bell(Hz(79), 1.0, 0.45), 0.12, 0.8);
    return out;
}

Signal BossPuzzleStarted()
{
    Signal out = Pad(Hz(45), 1.8, 0.4, 0.05, 1.3);
    Gain(out, 0.5);
    Mix(out, Bell(Hz(69), 1.6, 0.7), 0.0);
    Mix(out, Bell(Hz(76), 1.5, 0.6), 0.15, 0.8);
    Mix(out, Bell(Hz(81), 1.4, 0.5), 0.3, 0.7);
    return out;
}

Signal PuzzleCleared()
{
    Signal out = NoiseSweep(3000.0, 300.0, 0.6, 201, 0.7, 0.03);
    Mix(out, Glide(880.0, 330.0, 0.4), 0.0, 0.25);
    return out;
}

Signal PuzzleSolved()
{
    Signal out = Arpeggio({72, 76, 79, 84}, 0.1, 1.8, 0.7);
    Mix(out, Bell(Hz(88), 1.6, 0.6), 0.45, 0.45);
    return out;
}

Signal SquareFocusChanged()
{
    return Tick(2093.0, 0.05);
}

Signal CageFocusChanged()
{
    return Marimba(Hz(79), 0.15);
}

Signal SquareValueSet()
{
    Signal out = Marimba(Hz(76), 0.3);
    Mix(out, Marimba(Hz(88), 0.2), 0.0, 0.2);
    return out;
}

Signal SquareValueCleared()
{
    Signal out = Marimba(Hz(69), 0.25);
    Mix(out, NoiseSweep(2000.0, 800.0, 0.12, 207, 0.9, 0.005), 0.0, 0.5);
    return out;
}

Signal CandidateToggled()
{
    return Marimba(Hz(91), 0.08);
}

Signal WhatIfStarted()
{
    Signal out = Glide(440.0, 880.0, 0.5, 6.0, 0.01);
    Mix(out, Bell(Hz(81), 0.8, 0.3), 0.3, 0.4);
    return out;
}

Signal WhatIfAccepted()
{
    Signal out = Bell(Hz(76), 0.9, 0.4);
    Mix(out, Bell(Hz(83), 0.9, 0.4), 0.12);
    return out;
}

// The mistake's sound: two muted notes a semitone apart, falling.
Signal WhatIfRejected()
{
    const std::vector<Partial> muted = {{1.0, 1.0, 0.1}, {2.0, 0.25, 0.05}, {3.0, 0.08, 0.03}};
    Signal out = Strike(Hz(64), 0.4, muted);
    Mix(out, Strike(Hz(63), 0.5, muted), 0.16);
    return out;
}

Signal PaintGrabbed()
{
    return Glide(300.0, 700.0, 0.15);
}

Signal PaintUsed()
{
    Signal out = NoiseSweep(1500.0, 4000.0, 0.14, 213, 0.5, 0.01);
    Mix(out, Marimba(Hz(84), 0.1), 0.0, 0.3);
    return out;
}

Signal HintGiven()
{
    Signal out = Arpeggio({79, 84, 88}, 0.08, 0.7, 0.3);
    Echo(out, 0.18, 0.3, 2);
    return out;
}

Signal TwoSoftNotes(int first, int second)
{
    Signal out = Bell(Hz(first), 0.6, 0.25);
    Mix(out, Bell(Hz(second), 0.8, 0.35), 0.14);
    return out;
}

Signal GamePaused()
{
    return TwoSoftNotes(67, 60);
}

Signal GameUnpaused()
{
    return TwoSoftNotes(60, 67);
}

Signal RankEarned()
{
    Signal out = Pad(Hz(60), 2.4, 0.3, 0.1, 1.6);
    Gain(out, 0.3);
    Mix(out, Arpeggio({72, 76, 79, 84, 88}, 0.09, 2.0, 0.8), 0.0);
    return out;
}

// Also the sound of a region unlocking: a quick rising run over a swelling chord.
Signal ContentUnlocked()
{
    Signal out;
    for (int note : {48, 55, 64}) {
        Mix(out, Pad(Hz(note), 2.6, 0.35, 0.6, 1.4), 0.0, 0.25);
    }
    Mix(out, NoiseSweep(500.0, 6000.0, 1.2, 218, 0.3, 0.5), 0.0, 0.2);
    Mix(out, Arpeggio({84, 86, 88, 91, 93, 96}, 0.05, 1.6, 0.6), 0.25, 0.8);
    return out;
}

Signal EditBoxKeypress()
{
    Signal out = NoiseSweep(4000.0, 3000.0, 0.03, 219, 0.8, 0.001);
    Mix(out, Marimba(1200.0, 0.04), 0.0, 0.3);
    return out;
}

Signal ButtonGainFocus()
{
    return Tick(Hz(88), 0.07);
}

Signal ButtonActivated()
{
    Signal out = Marimba(Hz(76), 0.18);
    Mix(out, Tick(Hz(100), 0.03), 0.0, 0.3);
    return out;
}

// A rising fourth: the dialog asks something.
Signal DialogConfirmation()
{
    Signal out = Bell(Hz(69), 0.8, 0.4);
    Mix(out, Bell(Hz(74), 0.8, 0.4), 0.15);
    return out;
}

Signal DialogNormal()
{
    return Bell(Hz(76), 0.9, 0.45);
}

// A major ninth chord on F whose voices swell and ebb at rates that fit the
// loop a whole number of times.
Signal MenuAmbience()
{
    constexpr double LOOP = MENU_LOOP_SECONDS;
    const int notes[] = {41, 53, 60, 64, 67, 69};
    Rng rng(224);
    Smoother air(300.0);
    Signal out(static_cast<size_t>(Samples(LOOP + LOOP_CROSSFADE_SECONDS)));
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = TimeOf(static_cast<int>(i));
        double v = 0.0;
        for (int k = 0; k < 6; ++k) {
            const double f = Hz(notes[k]);
            const double swell = 0.55 + 0.45 * std::sin(2.0 * PI * (1 + k % 3) * t / LOOP + k);
            v += swell * (std::sin(2.0 * PI * f * t) + 0.15 * std::sin(4.0 * PI * f * t + 1.0)) / (1.0 + 0.2 * k);
        }
        out[i] = static_cast<float>(v + 0.6 * air.Process(rng.White()));
    }
    return out;
}

Signal CampaignShown()
{
    Signal out = NoiseSweep(300.0, 2500.0, 1.0, 225, 0.6, 0.4);
    Gain(out, 0.6);
    for (int note : {60, 67}) {
        Mix(out, Pad(Hz(note), 1.3, 0.3, 0.4, 0.7), 0.0, 0.3);
    }
    Mix(out, Bell(Hz(79), 0.9, 0.4), 0.5, 0.5);
    return out;
}

Signal MiniLesson()
{
    return Arpeggio({79, 83, 86}, 0.1, 0.8, 0.3);
}

}  // namespace

void AddEventSoundRecipes(std::vector<SoundRecipe>& recipes)
{
    const SoundKind ONE = SoundKind::OneShot;
    recipes.insert(recipes.end(), {
        {SOUND_PLAYINGPUZZLE_PUZZLE_STARTED_NORMAL, ONE, PLAY_CUE, 0.0, PuzzleStarted},
        {SOUND_PLAYINGPUZZLE_PUZZLE_STARTED_BOSS, ONE, PLAY_CUE, 0.0, BossPuzzleStarted},
        {SOUND_PLAYINGPUZZLE_PUZZLE_CLEARED, ONE, PLAY_CUE, 0.0, PuzzleCleared},
        {SOUND_PLAYINGPUZZLE_PUZZLE_SOLVED, ONE, REWARD, 0.0, PuzzleSolved},
        {SOUND_PLAYINGPUZZLE_SQUARE_FOCUS_CHANGED, ONE, QUIET_TICK, 0.0, SquareFocusChanged},
        {SOUND_PLAYINGPUZZLE_CAGE_FOCUS_CHANGED, ONE, QUIET_TICK + 2.0, 0.0, CageFocusChanged},
        {SOUND_PLAYINGPUZZLE_SQUARE_VALUE_SET, ONE, PLAY_CUE, 0.0, SquareValueSet},
        {SOUND_PLAYINGPUZZLE_SQUARE_VALUE_CLEARED, ONE, PLAY_CUE - 2.0, 0.0, SquareValueCleared},
        {SOUND_PLAYINGPUZZLE_CANDIDATE_TOGGLED, ONE, QUIET_TICK + 4.0, 0.0, CandidateToggled},
        {SOUND_PLAYINGPUZZLE_WHATIF_STARTED, ONE, PLAY_CUE, 0.0, WhatIfStarted},
        {SOUND_PLAYINGPUZZLE_WHATIF_ACCEPTED, ONE, PLAY_CUE, 0.0, WhatIfAccepted},
        {SOUND_PLAYINGPUZZLE_WHATIF_REJECTED, ONE, PLAY_CUE, 0.0, WhatIfRejected},
        {SOUND_PLAYINGPUZZLE_PAINT_GRABBED, ONE, UI, 0.0, PaintGrabbed},
        {SOUND_PLAYINGPUZZLE_PAINT_USED, ONE, UI - 1.0, 0.0, PaintUsed},
        {SOUND_PLAYINGPUZZLE_HINT_GIVEN, ONE, PLAY_CUE, 0.0, HintGiven},
        {SOUND_PLAYINGPUZZLE_GAME_PAUSED, ONE, PLAY_CUE - 1.0, 0.0, GamePaused},
        {SOUND_PLAYINGPUZZLE_GAME_UNPAUSED, ONE, PLAY_CUE - 1.0, 0.0, GameUnpaused},
        {SOUND_ACHIEVEMENT_RANK_EARNED, ONE, REWARD, 0.0, RankEarned},
        {SOUND_ACHIEVEMENT_CONTENT_UNLOCKED, ONE, REWARD, 0.0, ContentUnlocked},
        {SOUND_UI_EDITBOX_KEYPRESS, ONE, QUIET_TICK + 2.0, 0.0, EditBoxKeypress},
        {SOUND_UI_BUTTON_GAINFOCUS, ONE, QUIET_TICK + 2.0, 0.0, ButtonGainFocus},
        {SOUND_UI_BUTTON_ACTIVATED, ONE, UI, 0.0, ButtonActivated},
        {SOUND_UI_DIALOG_CONFIRMATION, ONE, UI + 2.0, 0.0, DialogConfirmation},
        {SOUND_UI_DIALOG_NORMAL, ONE, UI + 1.0, 0.0, DialogNormal},
        {SOUND_AMB_MENU, SoundKind::Loop, MENU_LOOP_RMS, MENU_LOOP_SECONDS, MenuAmbience},
        {SOUND_UI_WINDOW_CAMPAIGN_SHOW, ONE, UI + 2.0, 0.0, CampaignShown},
        {SOUND_UI_DIALOG_INSTRUCTOR_MINI_LESSON, ONE, UI + 2.0, 0.0, MiniLesson},
    });
}

}  // namespace soundmaker
