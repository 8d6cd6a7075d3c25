#include "game/puzzle/board/BoardProgress.h"

#include "engine/core/AABB2.h"
#include "engine/core/NamedProperties.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/renderer/DynamicTextureUpdateRequest.h"
#include "engine/modules/renderer/Texture.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"
#include "game/puzzle/board/Board.h"

#include <vector>

namespace Pemberquill {

namespace {

const Image* g_thumbnailImage = nullptr;

} // namespace

void BoardProgress::SetThumbnailImage(const Image* image)
{
    g_thumbnailImage = image;
}

void BoardProgress::RenderThumbnail(Board& board)
{
    ReleaseThumbnail();
    UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance();
    if (renderer == nullptr || g_thumbnailImage == nullptr) {
        return;
    }
    std::unique_ptr<Texture> texture = Texture::Create();
    texture->PopulateFromImage(*g_thumbnailImage, false);
    const float side = static_cast<float>(g_thumbnailImage->GetSize().x);
    NamedProperties passBack;
    passBack.Set<Board*>("Board", &board);
    passBack.Set<BoardProgress*>("BoardProgress", this);
    renderer->EnqueueDynamicTextureUpdateRequest(texture.get(), AABB2(0.0f, 0.0f, side, side),
                                                 "RenderBoardThumbnailToTexture", &passBack);
    m_thumbnail.Replace(std::move(texture));
    m_hasChanged = false;
}

void BoardProgress::ReleaseThumbnail()
{
    m_thumbnail.Release();
    m_hasChanged = true;
}

// A request still queued has its texture, so the progress that owns the
// texture is alive too: only those progresses are touched.
void Board::CancelQueuedThumbnailDrawing()
{
    std::vector<BoardProgress*> undrawn;
    for (size_t i = 0; i < UlvoRendererInterface::GetInstanceCount(); ++i) {
        UlvoRendererInterface::GetInstance(i)->CancelDynamicTextureUpdateRequests(
            [this, &undrawn](const DynamicTextureUpdateRequest& request) {
                const NamedProperties& passBack = request.GetPassBackProperties();
                Board* board = nullptr;
                if (passBack.Get("Board", board) != PROPERTY_FETCH_OK || board != this) {
                    return false;
                }
                BoardProgress* progress = nullptr;
                if (passBack.Get("BoardProgress", progress) == PROPERTY_FETCH_OK && progress != nullptr) {
                    undrawn.push_back(progress);
                }
                return true;
            });
    }
    for (BoardProgress* progress : undrawn) {
        progress->ReleaseThumbnail();
    }
}

} // namespace Pemberquill
