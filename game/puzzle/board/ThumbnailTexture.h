#pragma once

#include <memory>

class Texture;

namespace Pemberquill {

// The thumbnail texture of one board progress. It stays with the progress
// object it was made for: a copy (or a move, which copies) starts without
// one, and a progress that takes on another's state drops the texture that
// pictured its old state. A queued drawing into the texture can therefore
// trust that its progress lives as long as the texture does.
class ThumbnailTexture {
public:
    ThumbnailTexture();
    ThumbnailTexture(const ThumbnailTexture& other);
    ThumbnailTexture& operator=(const ThumbnailTexture& other);
    ~ThumbnailTexture();

    // Null while there is none.
    Texture* Get() const { return m_texture.get(); }
    // The new texture holds its template image until drawn into.
    void Replace(std::unique_ptr<Texture> texture);
    void Release();
    // The board has been drawn into the texture.
    bool IsReady() const { return m_isReady; }
    void MarkReady() { m_isReady = m_texture != nullptr; }

private:
    std::unique_ptr<Texture> m_texture;
    bool m_isReady = false;
};

} // namespace Pemberquill
