// The achievements window: every achievement in two columns, earned ones
// bright and the others dimmed, beside a panel of the player's lifetime
// statistics.

#include <string>
#include <vector>

#include "engine/core/NamedProperties.h"
#include "engine/ui/UITextAlignment.h"
#include "engine/ui/UIWidgetType.h"
#include "game/common/PlayTime.h"
#include "game/presentation/ui/PemberquillUI.h"
#include "game/steam/AchievementDefinitions.h"
#include "game/steam/PlayerAchievements.h"

namespace Pemberquill {

namespace {

// The achievement columns share this height, centred on the screen.
constexpr float ACHIEVEMENTS_HEIGHT = 560.0f;
constexpr float GROUP_WIDTH = 350.0f;
constexpr float LEFT_COLUMN_X = 305.0f;
constexpr float RIGHT_COLUMN_X = 660.0f;
constexpr float STAT_LINE_HEIGHT = 22.0f;
constexpr float STATS_PANEL_WIDTH = 290.0f;
constexpr float STAT_INSET = 14.5f;
constexpr Rgba PANEL_COLOR(0, 0, 0, 212);
constexpr Rgba EARNED_TITLE_COLOR(255, 180, 0, 255);
constexpr Rgba EARNED_LINE_COLOR(255, 255, 255, 255);
constexpr Rgba UNEARNED_TITLE_COLOR(128, 90, 0, 255);
constexpr Rgba UNEARNED_LINE_COLOR(100, 100, 100, 255);
constexpr Rgba STAT_CAPTION_COLOR(255, 180, 0, 255);
constexpr Rgba STAT_VALUE_COLOR(80, 255, 80, 255);

// One line of the statistics panel; a wide line gives its value more room.
struct AchievementStatLine {
    std::string caption;
    std::string value;
    bool isWide;
};

std::vector<AchievementStatLine> GetStatLines(const PlayerAchievements& record)
{
    const auto line = [](const char* caption, int value) {
        return AchievementStatLine{caption, std::to_string(value), false};
    };
    return {
        {"Rank:", record.rank, true},
        // Wide too: in the narrow value's room the play time shrinks past reading.
        {"Total Solving Time:", FormatPlayTime(static_cast<int>(record.totalSolvingTime)), true},
        line("Total Score:", record.highScore),
        line("Total puzzles solved:", record.puzzlesSolved),
        line("Total puzzles under par:", record.puzzlesUnderPar),
        line("Total steps taken:", record.totalSteps),
        line("Locations unlocked:", record.locationsUnlocked),
        line("Locations completed:", record.locationsCompleted),
        line("Regions unlocked:", record.regionsUnlocked),
        line("Regions completed:", record.regionsCompleted),
        line("No Mistakes Streak:", record.noMistakeCount),
        line("Candidates Eliminated:", record.candidatesEliminated),
        line("Hidden Cages solved:", record.hiddenCagePuzzles),
        line("Double Boards solved:", record.doubleBoardPuzzles),
        line("Ocean puzzles solved:", record.oceanPuzzles),
        line("Canyon puzzles solved:", record.canyonPuzzles),
        line("Forest puzzles solved:", record.forestPuzzles),
        line("Mountain puzzles solved:", record.mountainPuzzles),
        line("Sky puzzles solved:", record.skyPuzzles),
    };
}

void DescribePart(NamedProperties& bag, UIWidgetType type, const std::string& name, int parent,
                  const Vector2& size, const Vector2& offset)
{
    bag.Clear();
    bag.Set("Type", type);
    bag.Set("Name", name);
    bag.Set("Parent", parent);
    bag.Set("Size", size);
    bag.Set("Offset", offset);
    bag.Set<std::string>("ShowAnim", "GameButtonsShow");
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
}

void SetText(NamedProperties& bag, const std::string& text, const Rgba& color, float fontHeight,
             HorizontalTextAlignment alignment)
{
    bag.Set("Label", text);
    bag.Set("FontColor", color);
    bag.Set("FontHeight", fontHeight);
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("HorizontalTextAlignment", alignment);
}

void SetOpaquePanel(NamedProperties& bag)
{
    bag.Set("Virtual", false);
    bag.Set("Transparent", false);
}

} // namespace

int PemberquillUI::CreateAchievementsWindow(const PlayerAchievements& record,
                                            const std::vector<AchievementDefinition>& definitions)
{
    NamedProperties bag;
    DescribeTitleScreenWindow(bag, "AchievementsWindow", "QuitAchievementsEvent");
    bag.Set<std::string>("ShowAnim", "ButtonWindowShow");
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
    const int window = BuildWindow(GAME_WINDOW_ACHIEVEMENTS, bag);

    bag.Clear();
    bag.Set("OnActivationEventNameProperty", window);
    CreateCornerButton(window,
                       {"AchievementsBackButton", "Return to Campaign", "Return to the campaign screen.",
                        "QuitAchievementsEvent", 20.0f},
                       bag);

    CreateAchievementGroups(window, record, definitions);
    CreateStatsPanel(window, record);
    CreateBannerTitle(window, "AchievementsWindowTitle", "Achievements and Stats");
    return window;
}

void PemberquillUI::CreateAchievementGroups(int window, const PlayerAchievements& record,
                                            const std::vector<AchievementDefinition>& definitions)
{
    if (definitions.empty()) {
        return;
    }
    const size_t rows = (definitions.size() + 1) / 2;
    const float rowHeight = ACHIEVEMENTS_HEIGHT / static_cast<float>(rows);
    const float groupHeight = 0.9f * rowHeight;
    const float margin = 0.05f * rowHeight;
    const float lineHeight = groupHeight / 3.0f;
    const float textX = groupHeight + 4.0f * margin;
    const Vector2 textSize(GROUP_WIDTH - (groupHeight - 2.0f * margin), lineHeight);
    const float top = (GetScreenSize().y - ACHIEVEMENTS_HEIGHT) * 0.5f;

    NamedProperties bag;
    for (size_t index = 0; index < definitions.size(); ++index) {
        const AchievementDefinition& definition = definitions[index];
        const bool isEarned = record.HasAchievement(definition.bitIndex);
        const Rgba& lineColor = isEarned ? EARNED_LINE_COLOR : UNEARNED_LINE_COLOR;
        const std::string number = std::to_string(index);
        const bool isLeft = index < rows;
        const Vector2 offset(isLeft ? LEFT_COLUMN_X : RIGHT_COLUMN_X,
                             top + rowHeight * static_cast<float>(isLeft ? index : index - rows));

        DescribePart(bag, UI_WIDGET_TYPE_GROUP, "AchievementGroup" + number, window, Vector2(GROUP_WIDTH, rowHeight),
                     offset);
        SetOpaquePanel(bag);
        bag.Set("BaseColor", PANEL_COLOR);
        bag.Set("FontColor", lineColor);
        bag.Set("FontHeight", lineHeight);
        bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
        bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
        const int group = CreateComponent(bag);

        DescribePart(bag, UI_WIDGET_TYPE_GROUP, "AchievementIcon" + number, group,
                     Vector2(groupHeight, groupHeight), Vector2(margin, margin));
        SetOpaquePanel(bag);
        bag.Set("BaseTexture", isEarned ? definition.achievedImage : definition.unachievedImage);
        CreateComponent(bag);

        const struct {
            std::string name;
            const std::string& text;
            Rgba color;
        } texts[] = {
            {"AchievementTitle" + number, definition.title, isEarned ? EARNED_TITLE_COLOR : UNEARNED_TITLE_COLOR},
            {"Achievement" + number + "Line1", definition.line1, lineColor},
            {"Achievement" + number + "Line2", definition.line2, lineColor},
        };
        float textY = margin;
        for (const auto& text : texts) {
            DescribePart(bag, UI_WIDGET_TYPE_LABEL, text.name, group, textSize, Vector2(textX, textY));
            SetText(bag, text.text, text.color, lineHeight, HORIZONTAL_TEXT_ALIGNMENT_LEFT);
            CreateComponent(bag);
            textY += lineHeight;
        }
    }
}

void PemberquillUI::CreateStatsPanel(int window, const PlayerAchievements& record)
{
    const std::vector<AchievementStatLine> lines = GetStatLines(record);
    const Vector2 screen = GetScreenSize();
    const Vector2 size(STATS_PANEL_WIDTH, STAT_LINE_HEIGHT * static_cast<float>(lines.size() + 1));
    NamedProperties bag;
    DescribePart(bag, UI_WIDGET_TYPE_GROUP, "StatsGroup", window, size,
                 Vector2((screen.x - 1015.0f) * 0.5f, (screen.y - size.y) * 0.5f));
    SetOpaquePanel(bag);
    bag.Set("BaseColor", PANEL_COLOR);
    const int panel = CreateComponent(bag);

    for (size_t index = 0; index < lines.size(); ++index) {
        const AchievementStatLine& line = lines[index];
        const std::string number = std::to_string(index);
        const float y = 11.0f + STAT_LINE_HEIGHT * static_cast<float>(index);
        const float captionWidth = line.isWide ? 145.0f : 197.2f;
        const float valueWidth = line.isWide ? 116.0f : 49.3f;

        DescribePart(bag, UI_WIDGET_TYPE_LABEL, "AchievementStatDesc" + number, panel,
                     Vector2(captionWidth, STAT_LINE_HEIGHT), Vector2(STAT_INSET, y));
        SetText(bag, line.caption, STAT_CAPTION_COLOR, 19.8f, HORIZONTAL_TEXT_ALIGNMENT_LEFT);
        CreateComponent(bag);

        // Values end at the panel's right inset, right-aligned under each other.
        DescribePart(bag, UI_WIDGET_TYPE_LABEL, "AchievementStatValue" + number, panel,
                     Vector2(valueWidth, STAT_LINE_HEIGHT),
                     Vector2(STATS_PANEL_WIDTH - STAT_INSET - valueWidth, y));
        SetText(bag, line.value, STAT_VALUE_COLOR, 19.8f, HORIZONTAL_TEXT_ALIGNMENT_RIGHT);
        CreateComponent(bag);
    }
}

} // namespace Pemberquill
