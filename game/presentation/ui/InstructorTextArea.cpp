// The instructor's lesson text: a column of labels in the text region.

#include <algorithm>
#include <cmath>

#include "engine/core/NamedProperties.h"
#include "engine/ui/UIWidgetType.h"
#include "game/common/TextLines.h"
#include "game/presentation/ui/PemberquillUI.h"

namespace Pemberquill {

int PemberquillUI::CreateInstructorTextArea(int parentHandle, const std::vector<TextLines>& lines)
{
    DestroyWindow(GAME_WINDOW_INSTRUCTOR_TEXT_AREA);
    m_instructorTextAreaParent = NO_WINDOW;
    if (parentHandle == NO_WINDOW || lines.empty()) {
        return NO_WINDOW;
    }
    m_instructorTextAreaParent = parentHandle;

    const Vector2 region = m_instructorTextRegion.CalcSize();
    const float lineCount = static_cast<float>(lines.size());
    float rowHeight = 16.0f * GetScreenSize().x / 1024.0f;
    // An empty row above and below the text; more lines than fit squeeze
    // their rows instead.
    // Counted in floats: before the screen has a size the row height is 0
    // and the row count would not fit an int.
    if (rowHeight > 0.0f && lineCount + 2.0f > std::floor(region.y / rowHeight)) {
        rowHeight = region.y / lineCount;
    }
    const float areaHeight = (lineCount + 2.0f) * rowHeight;
    const float gap = std::clamp(region.y - areaHeight, 0.0f, 99999.0f);

    NamedProperties bag;
    bag.Set("Type", UI_WIDGET_TYPE_GROUP);
    bag.Set<std::string>("Name", "InstructorTextArea");
    bag.Set("Size", Vector2(region.x, areaHeight));
    bag.Set("Offset", Vector2(m_instructorTextRegion.mins.x, m_instructorTextRegion.mins.y + 0.25f * gap));
    bag.Set("BaseColor", Rgba(0, 0, 100, 192));
    bag.Set("Parent", parentHandle);
    bag.Set("Virtual", false);
    bag.Set("Transparent", false);
    const int area = CreateComponent(bag);
    m_windowHandles[GAME_WINDOW_INSTRUCTOR_TEXT_AREA] = area;

    float y = rowHeight;
    for (const TextLines& line : lines) {
        // Each run takes a row of its own. The lines come and go with their
        // area, which the instructor rebuilds at every page: no animation.
        for (const TextLines::Run& run : line.runs) {
            bag.Clear();
            DescribeTextRunLabel(bag, area, "InstructorTextLine", line, run, Vector2(region.x, rowHeight),
                                 Vector2(0.0f, y));
            CreateComponent(bag);
            y += rowHeight;
        }
    }
    return area;
}

} // namespace Pemberquill
