// The achievements window on a 1024 x 768 screen: which achievements show as
// earned, and the statistics it prints.

#include <algorithm>

#include "game/steam/AchievementDefinitions.h"
#include "game/steam/PlayerAchievements.h"
#include "tests/game/presentation/ScreenTestSupport.h"

namespace Pemberquill {
namespace {

BaseWidget* Child(int parent, const std::string& name)
{
    return screen_test::Children(parent, name).at(0);
}

TEST(AchievementsWindowTest, OnlyEarnedAchievementsShowBrightAndTheStatisticsReadTheRecord)
{
    screen_test::ScreenOf1024x768 screen;
    screen_test::ScreenEnvironment env;
    env.ui.Startup(env.clock);
    std::vector<AchievementDefinition> definitions(3);
    for (int8_t bit = 0; bit < 3; ++bit) {
        definitions[bit].imageName = std::to_string(bit) + ".png";
        definitions[bit].bitIndex = bit;
    }
    PlayerAchievements record;
    record.SetAchievement(1);
    record.totalSolvingTime = 7384.9f;
    // Opened twice: the second window replaces the first and loads nothing new.
    env.ui.CreateAchievementsWindow(record, definitions);
    const int window = env.ui.CreateAchievementsWindow(record, definitions);

    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const bool isEarned = i == 1;
        const int group = Child(window, "AchievementGroup" + std::to_string(i))->GetHandle();
        const std::string image = isEarned ? definitions[i].GetAchievedImagePath()
                                                     : definitions[i].GetUnachievedImagePath();
        EXPECT_EQ(Child(group, "AchievementIcon" + std::to_string(i))->GetProperty<Texture*>("BaseTexture"),
                  env.ui.LoadSharedTexture(image));
        EXPECT_EQ(Child(group, "AchievementTitle" + std::to_string(i))->GetProperty<Rgba>("FontColor"),
                  isEarned ? Rgba(255, 180, 0, 255) : Rgba(128, 90, 0, 255));
        EXPECT_EQ(std::count_if(env.images.requests.begin(), env.images.requests.end(),
                                [&](const UlvoPath& path) { return path.GetRelativePath() == image; }),
                  1);
    }

    const int stats = Child(window, "StatsGroup")->GetHandle();
    EXPECT_EQ(Child(stats, "AchievementStatValue0")->GetProperty<std::string>("Label"), "Beginner");
    EXPECT_EQ(Child(stats, "AchievementStatValue1")->GetProperty<std::string>("Label"), "2hr 3m 4s");
}

} // namespace
} // namespace Pemberquill
