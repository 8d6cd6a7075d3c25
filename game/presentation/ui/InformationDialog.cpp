// The dialog of text lines with one button that closes it.

#include "engine/core/FontDescriptor.h"
#include "engine/core/NamedProperties.h"
#include "engine/ui/UITextAlignment.h"
#include "engine/ui/UIWidgetType.h"
#include "game/common/TextLines.h"
#include "game/presentation/ui/PemberquillUI.h"

namespace Pemberquill {

namespace {

constexpr float INFO_LINE_HEIGHT = 25.0f;

} // namespace

void PemberquillUI::DescribeTextRunLabel(NamedProperties& bag, int parent, const char* name, const TextLines& line,
                                        const TextLines::Run& run, const Vector2& size, const Vector2& offset)
{
    bag.Set("Type", UI_WIDGET_TYPE_LABEL);
    bag.Set<std::string>("Name", name);
    bag.Set("Parent", parent);
    bag.Set("Size", size);
    bag.Set("Offset", offset);
    bag.Set("VerticalTextAlignment", line.verticalAlignment);
    bag.Set("HorizontalTextAlignment", line.horizontalAlignment);
    if (run.font != nullptr) {
        bag.Set<std::string>("FontName", run.font->GetFace());
        bag.Set("FontHeight", static_cast<float>(run.font->GetSize()));
        bag.Set("FontBold", run.font->IsBold());
    } else {
        bag.Set("FontHeight", line.GetMaxLineFontSize());
    }
    bag.Set("FontColor", run.color);
    bag.Set<std::string>("Label", run.text);
}

int PemberquillUI::ShowInformationDialog(const std::string& escapeEvent, const std::vector<TextLines>& lines,
                                         const std::string& buttonLabel)
{
    const float halfWidth = GetScreenSize().x * 0.5f;
    const float linesHeight = INFO_LINE_HEIGHT * static_cast<float>(lines.size());
    NamedProperties bag;
    DescribePopupDialog(bag, "Information Dialog", Vector2(halfWidth, linesHeight + 120.0f));
    bag.Set<std::string>("EscapeEvent", escapeEvent.empty() ? "WindowPopEvent" : escapeEvent);
    const int window = BuildWindow(GAME_WINDOW_INFORMATION, bag);

    float y = 0.0f;
    for (const TextLines& line : lines) {
        y += INFO_LINE_HEIGHT;
        // The runs of a line share its row.
        for (const TextLines::Run& run : line.runs) {
            NamedProperties label;
            DescribeTextRunLabel(label, window, "InfoLine", line, run, Vector2(0.8f * halfWidth, 30.0f),
                                 Vector2(0.1f * halfWidth, y));
            // The lines fade in and out with the dialog's buttons.
            label.Set<std::string>("ShowAnim", "GameButtonsShow");
            label.Set<std::string>("HideAnim", "GameButtonsHide");
            CreateComponent(label);
        }
    }
    CreateCloseButton(window, 0, "InformationOkButton",
                      Vector2((halfWidth - GetElementWidth(0)) * 0.5f, linesHeight + 60.0f), buttonLabel,
                      "Close this information box.", escapeEvent);
    return window;
}

} // namespace Pemberquill
