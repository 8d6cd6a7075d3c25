#include "game/shell/LoadingScreen.h"

#include <algorithm>
#include <cmath>

#include "engine/core/AABB2.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/FontDescriptor.h"
#include "engine/core/Rgba.h"
#include "engine/core/Vector2.h"
#include "engine/modules/application/UlvoApplicationInterface.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"

namespace Pemberquill {

const char* const LoadingScreen::TITLE = "Preparing puzzles...";
const char* const LoadingScreen::PROGRESS_FORMAT = "%.0f%% complete";

namespace {

constexpr int CENTRED = 1;
constexpr float TITLE_HEIGHT = 64.0f;
constexpr float PROGRESS_HEIGHT = 48.0f;
constexpr float BAR_HEIGHT = 56.0f;
constexpr float BAR_OFFSET_Y = 64.0f;
constexpr int FONT_POINT_SIZE = 42;

}  // namespace

void LoadingScreen::ReportStep()
{
    m_stepCount = std::min(m_stepCount + 1, MAX_STEP_COUNT);
    m_fraction = static_cast<float>(m_stepCount) / static_cast<float>(STEP_DIVISOR);
    // Two frames, so that both buffers of a flipping swap chain show it.
    DrawFrame();
    DrawFrame();
}

void LoadingScreen::DrawFrame() const
{
    UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance();
    UlvoApplicationInterface* app = UlvoApplicationInterface::GetDefaultInstance();
    if (renderer == nullptr || app == nullptr) {
        return;
    }
    const IntVector2 clientSize = app->GetClientSize();
    const IntVector2 screenSize = app->GetScreenBoundsSize();
    const IntVector2 viewSize = app->GetViewBoundsSize();
    const Vector2 centre(static_cast<float>(viewSize.x) * 0.5f,
                         static_cast<float>(viewSize.y) * 0.5f);
    const IntVector2 viewportOrigin(
        static_cast<int>(std::lround((clientSize.x - screenSize.x) / 2.0)),
        static_cast<int>(std::lround((clientSize.y - screenSize.y) / 2.0)));

    const FontDescriptor fontDescriptor("MainFont", FONT_POINT_SIZE, true, false);
    const BitmapFont* font = fontDescriptor.GetHandle();
    const float titleWidth = renderer->CalcTextExtent(font, TITLE, TITLE_HEIGHT).x;
    const Vector2 progressAnchor(centre.x, centre.y + BAR_OFFSET_Y);
    const Vector2 barMins(centre.x - titleWidth * 0.5f, progressAnchor.y - BAR_HEIGHT * 0.5f);
    const AABB2 bar(barMins, Vector2(barMins.x + m_fraction * titleWidth, barMins.y + BAR_HEIGHT));

    renderer->Update();
    renderer->SetViewport(IntVector2(0, 0), clientSize);
    renderer->Clear(Rgba(0, 0, 0, 255));
    renderer->SetViewport(viewportOrigin, screenSize);
    renderer->SetTransform(0.0f, 0.0f, static_cast<float>(viewSize.x),
                           static_cast<float>(viewSize.y));
    renderer->DrawBounds(bar, Rgba(40, 66, 160, 255), true, 0.4f, 1.0f);
    renderer->DrawText(font, centre, TITLE, TITLE_HEIGHT, Rgba(60, 100, 244, 255), CENTRED,
                       CENTRED);
    renderer->DrawText(font, progressAnchor, Stringf(PROGRESS_FORMAT, m_fraction * 100.0f),
                       PROGRESS_HEIGHT, Rgba(200, 200, 200, 255), CENTRED, CENTRED);
    renderer->Render();
}

}  // namespace Pemberquill
