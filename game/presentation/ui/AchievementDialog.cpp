// The dialog that lists the achievements just earned.

#include "engine/core/NamedProperties.h"
#include "engine/ui/UITextAlignment.h"
#include "engine/ui/UIWidgetType.h"
#include "game/presentation/ui/PemberquillUI.h"

namespace Pemberquill {

namespace {

constexpr float ACHIEVEMENT_ROW_HEIGHT = 64.0f;
constexpr float FIRST_ROW_Y = 50.0f;
constexpr float TEXT_X = 140.0f;
constexpr Rgba YELLOW(255, 255, 0, 255);
constexpr Rgba WHITE(255, 255, 255, 255);

void DescribeRowWidget(NamedProperties& bag, int parent, UIWidgetType type, const char* name, const Vector2& size,
                       const Vector2& offset)
{
    bag.Clear();
    bag.Set("Type", type);
    bag.Set<std::string>("Name", name);
    bag.Set("Parent", parent);
    bag.Set("Size", size);
    bag.Set("Offset", offset);
    bag.Set<std::string>("ShowAnim", "GameButtonsShow");
    bag.Set<std::string>("HideAnim", "GameButtonsHide");
}

void SetRowText(NamedProperties& bag, const std::string& text, const Rgba& color)
{
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_LEFT);
    bag.Set("FontHeight", 20.0f);
    bag.Set("FontColor", color);
    bag.Set<std::string>("Label", text);
}

} // namespace

int PemberquillUI::ShowAchievementDialog(const std::vector<AchievementEntry>& entries,
                                         const std::string& escapeEvent)
{
    const float halfWidth = GetScreenSize().x * 0.5f;
    const float rowsHeight = ACHIEVEMENT_ROW_HEIGHT * static_cast<float>(entries.size());
    NamedProperties bag;
    DescribePopupDialog(bag, "Achievement Dialog", Vector2(halfWidth, rowsHeight + 150.0f));
    bag.Set<std::string>("EscapeEvent", escapeEvent.empty() ? "WindowPopEvent" : escapeEvent);
    const int window = BuildWindow(GAME_WINDOW_ACHIEVEMENT_DIALOG, bag);

    DescribeRowWidget(bag, window, UI_WIDGET_TYPE_LABEL, "DialogTitle", Vector2(halfWidth, 30.0f),
                      Vector2(0.0f, 5.0f));
    bag.Set("VerticalTextAlignment", VERTICAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("HorizontalTextAlignment", HORIZONTAL_TEXT_ALIGNMENT_CENTER);
    bag.Set("FontHeight", 24.0f);
    bag.Set("FontColor", YELLOW);
    bag.Set<std::string>("Label", "You have earned an Achievement!");
    CreateComponent(bag);

    const Vector2 textSize(halfWidth - 200.0f, 20.0f);
    float y = FIRST_ROW_Y;
    for (const AchievementEntry& entry : entries) {
        DescribeRowWidget(bag, window, UI_WIDGET_TYPE_GROUP, "AchievementIcon", Vector2(60.0f, 60.0f),
                          Vector2(60.0f, y));
        bag.Set("BaseTexture", entry.icon);
        bag.Set("Virtual", false);
        bag.Set("Transparent", false);
        CreateComponent(bag);

        const struct {
            const char* name;
            const std::string& text;
            Rgba color;
        } texts[] = {
            {"AchievementTitle", entry.title, YELLOW},
            {"AchievementDescription1", entry.description1, WHITE},
            {"AchievementDescription2", entry.description2, WHITE},
        };
        float textY = y;
        for (const auto& text : texts) {
            DescribeRowWidget(bag, window, UI_WIDGET_TYPE_LABEL, text.name, textSize, Vector2(TEXT_X, textY));
            SetRowText(bag, text.text, text.color);
            CreateComponent(bag);
            textY += 20.0f;
        }
        y += ACHIEVEMENT_ROW_HEIGHT;
    }
    const Vector2 okOffset((halfWidth - GetElementWidth(0)) * 0.5f, rowsHeight + 100.0f);
    CreateCloseButton(window, 0, "AchievementOkButton", okOffset, "OK", "Close this Achievement Dialog.", escapeEvent);
    return window;
}

} // namespace Pemberquill
