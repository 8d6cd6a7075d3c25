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
    ~PemberquillAnimationsTest() override { animations.Shutdown(); }

    // A fresh play of the named animation, stood at the time.
    template <typename T>
    static T ValueAt(const std::string& name, const std::string& property, double seconds)
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
        {"GameButtonsShow", 0.3},      {"ThumbnailsShow", 0.3},    {"ButtonWindowShow", 0.3},
        {"GameButtonsHide", 0.3},      {"ThumbnailsHide", 0.3},    {"BlueTintBackgroundShow", 0.3},
        {"BlueTintBackgroundHide", 0.3}, {"TitleWindowShow", 0.3}, {"TitleWindowHide", 0.3},
        {"CreditsWindowShow", 0.3},    {"CreditsWindowHide", 0.3}, {"CampaignWindowShow", 0.5},
        {"CampaignWindowHide", 1.0},   {"RegionTabShow", 0.25},    {"RegionTabHide", 1.0},
    };
    PropertyAnimationSystem& system = PropertyAnimationSystem::GetGlobal();
    EXPECT_EQ(system.GetAnimationCount(), 15);
    for (const auto& [name, duration] : expected) {
        const PropertyAnimation* animation = system.FindAnimation(name);
        ASSERT_NE(animation, nullptr) << name;
        EXPECT_DOUBLE_EQ(animation->GetDuration(), duration) << name;
    }
}

TEST_F(PemberquillAnimationsTest, PlayedByNameTheyGiveTheirValuesAlongTheWay)
{
    const struct {
        const char* name;
        const char* property;
        double seconds;
        float value;
    } floats[] = {
        {"RegionTabShow", "AnimOffsetX", 0.075, 750.0f}, {"RegionTabShow", "FontAlpha", 0.075, 0.3f},
        {"GameButtonsShow", "ShadowAlpha", 0.15, 0.5f},  {"RegionTabHide", "BaseAlpha", 0.5, 0.5f},
    };
    for (const auto& c : floats) {
        EXPECT_NEAR(ValueAt<float>(c.name, c.property, c.seconds), c.value, 1e-4) << c.name << " " << c.property;
    }
    const struct {
        const char* name;
        double seconds;
        Rgba tint;
    } tints[] = {
        {"ThumbnailsShow", 0.3, Rgba(255, 255, 255, 128)},     {"ThumbnailsHide", 0.0, Rgba(255, 255, 255, 128)},
        {"BlueTintBackgroundShow", 0.3, Rgba(0, 0, 128, 192)}, {"BlueTintBackgroundHide", 0.3, Rgba(0, 0, 128, 0)},
        {"CampaignWindowShow", 0.5, Rgba(50, 50, 50, 255)},    {"CampaignWindowHide", 1.0, Rgba(255, 255, 255, 0)},
    };
    for (const auto& c : tints) {
        EXPECT_EQ(ValueAt<Rgba>(c.name, "Tint", c.seconds), c.tint) << c.name;
    }
    // Timer animations change nothing a widget shows.
    for (const char* name : {"TitleWindowHide", "CreditsWindowHide", "ButtonWindowShow"}) {
        EXPECT_EQ(PropertyAnimationSystem::GetGlobal().FindAnimation(name)->FindTrack("Tint"), nullptr) << name;
    }
}

} // namespace
} // namespace Pemberquill
