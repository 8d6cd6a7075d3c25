#include "game/puzzle/board/ThumbnailTexture.h"

#include "engine/modules/renderer/Texture.h"

#include <utility>

namespace Pemberquill {

ThumbnailTexture::ThumbnailTexture() = default;

ThumbnailTexture::ThumbnailTexture(const ThumbnailTexture& /*other*/) {}

ThumbnailTexture& ThumbnailTexture::operator=(const ThumbnailTexture& other)
{
    if (this != &other) {
        Release();
    }
    return *this;
}

ThumbnailTexture::~ThumbnailTexture() = default;

void ThumbnailTexture::Replace(std::unique_ptr<Texture> texture)
{
    m_texture = std::move(texture);
    m_isReady = false;
}

void ThumbnailTexture::Release()
{
    m_texture.reset();
    m_isReady = false;
}

} // namespace Pemberquill
