// The named UI animations: all fifteen registered, each playable by name with
// its length and its values along the way.

#include <gtest/gtest.h>

#include "engine/core/PropertyAnimationSystem.h"
#include "engine/core/Rgba.h"
#include "game/presentation/ui/PemberquillAnimations.h"

namespace Pemberquill {
namespace {

class PemberquillAnimationsTest : public ::testing::Test {
protected:
    PemberquillAnimationsTest() { animations.Startup(); }
    ~PemberquillAnimationsTest() override
    {
        if (animations.IsInitialized()) {
            animations.Shutdown();
        }
    }

    // A fresh play of the named animation, stood at the time.
    template <typename T>
    T ValueAt(const std::string& name, const std::string& property, double seconds)
    {
        PropertyAnimationInstance* play =
            PropertyAnimationSystem::GetGlobal().CreateInstance(name, AnimationPlayMode::Once);
        play->Start(seconds);
        T value{};
        EXPECT_TRUE(play->GetValue(property, value)) << name << " " << property;
        return value;
    }

    PemberquillAnimations animations;
};

TEST_F(PemberquillAnimationsTest, AllFifteenAreRegisteredWithTheirLengths)
{
    const std::pair<const char*, double> expected[] = {
        {"GameButtonsShow", 0.3},   {"ThumbnailsShow", 0.3},    {"ButtonWindowShow", 0.3},
        {"GameButtonsHide", 0.3},   {"ThumbnailsHide", 0.3},    {"BlueTintBackgroundShow", 0.3},
        {"BlueTintBackgroundHide", 0.3}, {"TitleWindowShow", 0.3}, {"TitleWindowHide", 0.3},
        {"CreditsWindowShow", 0.3}, {"CreditsWindowHide", 0.3}, {"CampaignWindowShow", 0.5},
        {"CampaignWindowHide", 1.0}, {"RegionTabShow", 0.25},   {"RegionTabHide", 1.0},
    };
    PropertyAnimationSystem& system = PropertyAnimationSystem::GetGlobal();
    EXPECT_EQ(system.GetAnimationCount(), 15);
    for (const auto& [name, duration] : expected) {
        const PropertyAnimation* animation = system.FindAnimation(name);
        ASSERT_NE(animation, nullptr) << name;
        EXPECT_DOUBLE_EQ(animation->GetDuration(), duration) << name;
        EXPECT_NE(system.CreateInstance(name, AnimationPlayMode::Once), nullptr) << name;
    }
}

TEST_F(PemberquillAnimationsTest, FloatTracksAlongTheWay)
{
    struct Case {
        const char* name;
        const char* property;
        double seconds;
        float value;
    };
    const Case cases[] = {
        {"RegionTabShow", "AnimOffsetX", 0.0, 2000.0f},
        {"RegionTabShow", "AnimOffsetX", 0.075, 750.0f},
        {"RegionTabShow", "AnimOffsetX", 0.25, 0.0f},
        {"RegionTabShow", "FontAlpha", 0.075, 0.3f},
        {"GameButtonsShow", "ShadowAlpha", 0.15, 0.5f},
        {"ButtonWindowShow", "BaseAlpha", 0.3, 1.0f},
        {"GameButtonsHide", "BorderAlpha", 0.3, 0.0f},
        {"BlueTintBackgroundHide", "BaseAlpha", 0.0, 1.0f},
        {"RegionTabHide", "FontAlpha", 0.5, 0.5f},
        {"TitleWindowHide", "Timer", 0.15, 0.5f},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(ValueAt<float>(c.name, c.property, c.seconds), c.value, 1e-4)
            << c.name << " " << c.property << " at " << c.seconds;
    }
}

TEST_F(PemberquillAnimationsTest, TintTracksAlongTheWay)
{
    struct Case {
        const char* name;
        double seconds;
        Rgba tint;
    };
    const Case cases[] = {
        {"ThumbnailsShow", 0.3, Rgba(255, 255, 255, 128)},
        {"ThumbnailsHide", 0.0, Rgba(255, 255, 255, 128)},
        {"GameButtonsShow", 0.3, Rgba(255, 255, 255, 255)},
        {"BlueTintBackgroundShow", 0.3, Rgba(0, 0, 128, 192)},
        {"BlueTintBackgroundHide", 0.3, Rgba(0, 0, 128, 0)},
        {"CampaignWindowShow", 0.5, Rgba(50, 50, 50, 255)},
        {"CampaignWindowHide", 1.0, Rgba(255, 255, 255, 0)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ValueAt<Rgba>(c.name, "Tint", c.seconds), c.tint) << c.name << " at " << c.seconds;
    }
    // Windows that only need a length change nothing a widget shows.
    for (const char* name : {"TitleWindowHide", "CreditsWindowHide", "ButtonWindowShow"}) {
        PropertyAnimation* animation = PropertyAnimationSystem::GetGlobal().FindAnimation(name);
        EXPECT_EQ(animation->FindTrack("Tint"), nullptr) << name;
    }
}

} // namespace
} // namespace Pemberquill
