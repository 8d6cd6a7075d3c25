// Full-screen pictures behind the game's windows: the campaign regions and
// the tutorial.

#include "engine/modules/application/UlvoApplicationInterface.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"
#include "game/presentation/board/PemberquillRenderer.h"
#include "game/presentation/board/InstructorView.h"

namespace Pemberquill {

Vector2 PemberquillRenderer::GetViewSize()
{
    const UlvoApplicationInterface* application = UlvoApplicationInterface::GetDefaultInstance();
    if (application == nullptr) {
        return Vector2(0.0f, 0.0f);
    }
    const IntVector2 view = application->GetViewBoundsSize();
    return Vector2(static_cast<float>(view.x), static_cast<float>(view.y));
}

void PemberquillRenderer::DrawFullScreenBackdrop(Texture* texture)
{
    UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance();
    if (texture == nullptr || renderer == nullptr) {
        return;
    }
    // The picture fills the top 640 rows of its 1024 x 1024 image.
    renderer->DrawTexturedQuad(texture, Vector2(0.0f, 0.0f), GetViewSize(), Rgba(255, 255, 255, 255),
                               Vector2(0.0f, 0.0f), Vector2(1.0f, 0.625f));
}

void PemberquillRenderer::DrawInstructorBackground()
{
    if (const InstructorView* instructor = GetInstructorView()) {
        DrawFullScreenBackdrop(instructor->GetBackgroundTexture());
    }
}

} // namespace Pemberquill
