// The achievements window on a 1024 x 768 screen: which achievements show as
// earned, where they stand, and the statistics it prints.

#include <algorithm>

#include "engine/ui/ContainerWidget.h"
#include "game/steam/AchievementDefinitions.h"
#include "game/steam/PlayerAchievements.h"
#include "tests/game/presentation/ScreenTestSupport.h"
#include "tests/game/shell/PemberquillOptionsTestSupport.h"

namespace Pemberquill {
namespace {

class ScreenOf1024x768 : public options_test::RecordingApplication {
public:
    ScreenOf1024x768() : RecordingApplication("") {}
    IntVector2 GetViewBoundsSize() const override { return IntVector2(1024, 768); }
};

BaseWidget* Child(int parent, const std::string& name)
{
    auto* container = dynamic_cast<ContainerWidget*>(BaseWidget::FindWidgetByHandle(parent));
    for (size_t i = 0; container != nullptr && i < container->GetChildCount(); ++i) {
        if (container->GetChild(i)->GetName() == name) {
            return container->GetChild(i);
        }
    }
    ADD_FAILURE() << "no widget " << name;
    return nullptr;
}

TEST(AchievementsWindowTest, OnlyEarnedAchievementsShowBrightAndTheStatisticsReadTheRecord)
{
    ScreenOf1024x768 screen;
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

    const struct {
        Vector2 offset;
        bool isEarned;
    } groups[] = {{Vector2(305.0f, 104.0f), false}, {Vector2(305.0f, 384.0f), true}, {Vector2(660.0f, 104.0f), false}};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const int group = Child(window, "AchievementGroup" + std::to_string(i))->GetHandle();
        EXPECT_EQ(BaseWidget::FindWidgetByHandle(group)->GetProperty<Vector2>("Offset"), groups[i].offset);
        const std::string image = groups[i].isEarned ? definitions[i].GetAchievedImagePath()
                                                     : definitions[i].GetUnachievedImagePath();
        EXPECT_EQ(Child(group, "AchievementIcon" + std::to_string(i))->GetProperty<Texture*>("BaseTexture"),
                  env.ui.LoadSharedTexture(image));
        EXPECT_EQ(Child(group, "AchievementTitle" + std::to_string(i))->GetProperty<Rgba>("FontColor"),
                  groups[i].isEarned ? Rgba(255, 180, 0, 255) : Rgba(128, 90, 0, 255));
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
