#include "game/presentation/ui/PemberquillAnimations.h"

#include "engine/core/Animatable.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/PropertyAnimationSystem.h"
#include "engine/core/Rgba.h"

namespace Pemberquill {

namespace {

constexpr double FADE_SECONDS = 0.3;

const char* const ALPHA_PROPERTIES[] = {"BaseAlpha", "BorderAlpha", "FontAlpha", "ShadowAlpha"};

Animatable<float> MakeFloatTrack(float from, float to, double seconds)
{
    Animatable<float> track(from);
    track.AddKeyframe(to, seconds);
    return track;
}

Animatable<Rgba> MakeTintTrack(const Rgba& from, const Rgba& to, double seconds)
{
    Animatable<Rgba> track(from);
    track.AddKeyframe(to, seconds);
    return track;
}

// An animation whose alpha tracks all follow alpha and, when given, whose
// widget tint follows tint.
void CreateFade(const char* name, const Animatable<float>& alpha, const Animatable<Rgba>* tint)
{
    PropertyAnimation* animation = PropertyAnimationSystem::GetGlobal().CreateAnimation(name);
    for (const char* property : ALPHA_PROPERTIES) {
        animation->AddTrack(property, alpha);
    }
    if (tint != nullptr) {
        animation->AddTrack("Tint", *tint);
    }
}

void CreateSingleTrack(const char* name, const char* property, const AnimatableBase& track)
{
    PropertyAnimationSystem::GetGlobal().CreateAnimation(name)->AddTrack(property, track);
}

void CreateFadesAndTints()
{
    const Animatable<float> fadeIn = MakeFloatTrack(0.0f, 1.0f, FADE_SECONDS);
    const Animatable<float> fadeOut = MakeFloatTrack(1.0f, 0.0f, FADE_SECONDS);
    const Rgba clearWhite(255, 255, 255, 0);
    const Rgba white(255, 255, 255, 255);
    const Rgba halfWhite(255, 255, 255, 128);
    const Animatable<Rgba> tintIn = MakeTintTrack(clearWhite, white, FADE_SECONDS);
    const Animatable<Rgba> thumbnailTintIn = MakeTintTrack(clearWhite, halfWhite, FADE_SECONDS);
    const Animatable<Rgba> tintOut = MakeTintTrack(white, clearWhite, FADE_SECONDS);
    const Animatable<Rgba> thumbnailTintOut = MakeTintTrack(halfWhite, clearWhite, FADE_SECONDS);
    CreateFade("GameButtonsShow", fadeIn, &tintIn);
    CreateFade("ThumbnailsShow", fadeIn, &thumbnailTintIn);
    CreateFade("ButtonWindowShow", fadeIn, nullptr);
    CreateFade("GameButtonsHide", fadeOut, &tintOut);
    CreateFade("ThumbnailsHide", fadeOut, &thumbnailTintOut);

    const Rgba clearNavy(0, 0, 128, 0);
    const Rgba dialogTint(0, 0, 128, 192);
    const Animatable<Rgba> blueIn = MakeTintTrack(clearNavy, dialogTint, FADE_SECONDS);
    const Animatable<Rgba> blueOut = MakeTintTrack(dialogTint, clearNavy, FADE_SECONDS);
    CreateFade("BlueTintBackgroundShow", fadeIn, &blueIn);
    CreateFade("BlueTintBackgroundHide", fadeOut, &blueOut);
}

// Animations that change nothing a widget shows: they only give a window's
// appearance or departure its length.
void CreateTimers()
{
    const Animatable<float> timer = MakeFloatTrack(0.0f, 1.0f, FADE_SECONDS);
    for (const char* name : {"TitleWindowShow", "TitleWindowHide", "CreditsWindowShow", "CreditsWindowHide"}) {
        CreateSingleTrack(name, "Timer", timer);
    }
}

void CreateCampaignAnimations()
{
    const Rgba white(255, 255, 255, 255);
    const Rgba dim(50, 50, 50, 255);
    CreateSingleTrack("CampaignWindowShow", "Tint", MakeTintTrack(white, dim, 0.5));
    CreateSingleTrack("CampaignWindowHide", "Tint", MakeTintTrack(dim, Rgba(255, 255, 255, 0), 1.0));

    // The tab slides in from the right, halving its distance every 0.05 s.
    Animatable<float> slide(2000.0f);
    const float offsets[] = {1000.0f, 500.0f, 250.0f, 125.0f, 0.0f};
    for (int key = 0; key < 5; ++key) {
        slide.AddKeyframe(offsets[key], 0.05 * (key + 1));
    }
    PropertyAnimation* tabShow = PropertyAnimationSystem::GetGlobal().CreateAnimation("RegionTabShow");
    const Animatable<float> tabFadeIn = MakeFloatTrack(0.0f, 1.0f, 0.25);
    for (const char* property : ALPHA_PROPERTIES) {
        tabShow->AddTrack(property, tabFadeIn);
    }
    tabShow->AddTrack("AnimOffsetX", slide);

    const Animatable<Rgba> tabTintOut = MakeTintTrack(white, Rgba(255, 255, 255, 0), 1.0);
    CreateFade("RegionTabHide", MakeFloatTrack(1.0f, 0.0f, 1.0), &tabTintOut);
}

} // namespace

PemberquillAnimations::~PemberquillAnimations()
{
    ULVO_ASSERT_IN_DESTRUCTOR(!m_isInitialized, "Animations was deleted without Shutdown() being called.",
                              "PemberquillAnimations Destructor");
}

void PemberquillAnimations::Startup()
{
    ConsolePrintf("Animations Startup begun.\n");
    ULVO_ASSERT(!m_isInitialized, "Startup called on an initialized PemberquillAnimations.",
                "Animations::Startup");
    CreateFadesAndTints();
    CreateTimers();
    CreateCampaignAnimations();
    m_isInitialized = true;
    ConsolePrintf("Animations Startup complete.\n");
}

void PemberquillAnimations::Shutdown()
{
    ConsolePrintf("Animations Shutdown begun.\n");
    ULVO_ASSERT(m_isInitialized, "Shutdown called on an uninitialized Animations.", "Animations::Shutdown");
    m_isInitialized = false;
    ConsolePrintf("Animations Shutdown complete.\n");
}

} // namespace Pemberquill
