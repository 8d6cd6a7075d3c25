// The named animations as a widget plays them: how opaque, tinted and far
// slid it is at a moment of the play, and how long the play lasts.
#include "game/presentation/ui/PemberquillAnimations.h"

#include "engine/core/PropertyAnimation.h"
#include "engine/core/PropertyAnimationSystem.h"
#include "engine/core/Rgba.h"
#include "tests/support/SilentConsole.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

using namespace Pemberquill;

namespace {

const char* const ALPHAS[] = {"BaseAlpha", "BorderAlpha", "FontAlpha", "ShadowAlpha"};

class PemberquillAnimationsTest : public ::testing::Test {
protected:
    void SetUp() override { animations.Startup(); }
    void TearDown() override { animations.Shutdown(); }

    // A fresh play of the animation; null when there is none of that name.
    static PropertyAnimation* Play(const char* name, int& instance)
    {
        PropertyAnimation* animation = PropertyAnimationSystem::GetGlobal().FindAnimation(name);
        instance = animation != nullptr ? animation->AddInstance() : -1;
        return animation;
    }

    testsupport::SilentConsole console;
    PemberquillAnimations animations;
};

bool Near(const Rgba& a, const Rgba& b)
{
    return std::abs(a.r - b.r) <= 1 && std::abs(a.g - b.g) <= 1 && std::abs(a.b - b.b) <= 1 &&
           std::abs(a.a - b.a) <= 1;
}

// Catches a wrong name, a wrong or lost key, a track on the wrong property
// and a wrong length: each row is what a widget shows at that moment of
// the play (halfway, and long after the end, when the last key holds).
TEST_F(PemberquillAnimationsTest, EachAnimationShowsItsFadeAndTintAtItsMoments)
{
    const Rgba white(255, 255, 255, 255);
    const std::optional<Rgba> noTint;
    const struct {
        const char* name;
        double seconds;
        std::optional<float> alpha; // of all four alpha properties; none: no fade
        std::optional<Rgba> tint;
    } rows[] = {
        {"GameButtonsShow", 0.15, 0.5f, Rgba(255, 255, 255, 128)},
        {"GameButtonsShow", 9.0, 1.0f, white},
        {"ThumbnailsShow", 0.15, 0.5f, Rgba(255, 255, 255, 64)},
        {"ThumbnailsShow", 9.0, 1.0f, Rgba(255, 255, 255, 128)},
        {"ButtonWindowShow", 0.15, 0.5f, noTint},
        {"ButtonWindowShow", 9.0, 1.0f, noTint},
        {"GameButtonsHide", 0.15, 0.5f, Rgba(255, 255, 255, 128)},
        {"GameButtonsHide", 9.0, 0.0f, Rgba(255, 255, 255, 0)},
        {"ThumbnailsHide", 0.15, 0.5f, Rgba(255, 255, 255, 64)},
        {"ThumbnailsHide", 9.0, 0.0f, Rgba(255, 255, 255, 0)},
        {"BlueTintBackgroundShow", 0.15, 0.5f, Rgba(0, 0, 128, 96)},
        {"BlueTintBackgroundShow", 9.0, 1.0f, Rgba(0, 0, 128, 192)},
        {"BlueTintBackgroundHide", 0.15, 0.5f, Rgba(0, 0, 128, 96)},
        {"BlueTintBackgroundHide", 9.0, 0.0f, Rgba(0, 0, 128, 0)},
        {"CampaignWindowShow", 0.25, std::nullopt, Rgba(152, 152, 152, 255)},
        {"CampaignWindowShow", 9.0, std::nullopt, Rgba(50, 50, 50, 255)},
        {"CampaignWindowHide", 0.5, std::nullopt, Rgba(152, 152, 152, 128)},
        {"CampaignWindowHide", 9.0, std::nullopt, Rgba(255, 255, 255, 0)},
        {"RegionTabShow", 0.075, 0.3f, noTint},
        {"RegionTabShow", 9.0, 1.0f, noTint},
        {"RegionTabHide", 0.5, 0.5f, Rgba(255, 255, 255, 128)},
        {"RegionTabHide", 9.0, 0.0f, Rgba(255, 255, 255, 0)},
        {"TitleWindowShow", 0.15, std::nullopt, noTint},
        {"TitleWindowHide", 0.15, std::nullopt, noTint},
        {"CreditsWindowShow", 0.15, std::nullopt, noTint},
        {"CreditsWindowHide", 0.15, std::nullopt, noTint},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.name) + " at " + std::to_string(row.seconds) + " s");
        int instance = -1;
        PropertyAnimation* animation = Play(row.name, instance);
        ASSERT_NE(animation, nullptr);
        for (const char* property : ALPHAS) {
            float alpha = -1.0f;
            EXPECT_EQ(animation->GetValueAtTime(property, instance, row.seconds, alpha), row.alpha.has_value())
                << property;
            if (row.alpha) {
                EXPECT_NEAR(alpha, *row.alpha, 1e-4f) << property;
            }
        }
        Rgba tint;
        EXPECT_EQ(animation->GetValueAtTime("Tint", instance, row.seconds, tint), row.tint.has_value());
        if (row.tint) {
            EXPECT_TRUE(Near(tint, *row.tint)) << int(tint.r) << "," << int(tint.g) << "," << int(tint.b) << ","
                                               << int(tint.a);
        }
    }
}

// Catches a length that lets a window's show or hide end early or late:
// the screens wait for the longest track.
TEST_F(PemberquillAnimationsTest, EachAnimationLastsItsLength)
{
    const struct {
        const char* name;
        double seconds;
    } rows[] = {
        {"GameButtonsShow", 0.3},   {"ThumbnailsShow", 0.3},         {"ButtonWindowShow", 0.3},
        {"GameButtonsHide", 0.3},   {"ThumbnailsHide", 0.3},         {"BlueTintBackgroundShow", 0.3},
        {"BlueTintBackgroundHide", 0.3}, {"TitleWindowShow", 0.3},   {"TitleWindowHide", 0.3},
        {"CreditsWindowShow", 0.3}, {"CreditsWindowHide", 0.3},      {"CampaignWindowShow", 0.5},
        {"CampaignWindowHide", 1.0}, {"RegionTabShow", 0.25},        {"RegionTabHide", 1.0},
    };
    for (const auto& row : rows) {
        int instance = -1;
        const PropertyAnimation* animation = Play(row.name, instance);
        ASSERT_NE(animation, nullptr) << row.name;
        EXPECT_NEAR(animation->GetDuration(), row.seconds, 1e-9) << row.name;
    }
    EXPECT_EQ(PropertyAnimationSystem::GetGlobal().GetAnimationCount(), 15);
}

// Catches a key of the region tab's slide moved or lost: it halves its
// distance every 0.05 s and then drops to rest, in straight segments.
TEST_F(PemberquillAnimationsTest, TheRegionTabSlidesInHalvingItsDistance)
{
    int instance = -1;
    PropertyAnimation* slide = Play("RegionTabShow", instance);
    ASSERT_NE(slide, nullptr);
    const struct {
        double seconds;
        float offset;
    } rows[] = {{0.0, 2000.0f}, {0.025, 1500.0f}, {0.075, 750.0f}, {0.125, 375.0f},
                {0.175, 187.5f}, {0.225, 62.5f},   {0.25, 0.0f},    {9.0, 0.0f}};
    for (const auto& row : rows) {
        float offset = -1.0f;
        ASSERT_TRUE(slide->GetValueAtTime("AnimOffsetX", instance, row.seconds, offset));
        EXPECT_NEAR(offset, row.offset, 0.01f) << row.seconds << " s";
    }
    float none = 0.0f;
    int hideInstance = -1;
    EXPECT_FALSE(Play("RegionTabHide", hideInstance)->GetValueAtTime("AnimOffsetX", hideInstance, 0.5, none))
        << "the tab leaves where it stands";
}

} // namespace
