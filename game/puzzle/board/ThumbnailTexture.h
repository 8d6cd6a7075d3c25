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
    void Replace(std::unique_ptr<Texture> texture);
    void Release();

private:
    std::unique_ptr<Texture> m_texture;
};

} // namespace Pemberquill
