#pragma once

#include <cstdint>
#include <memory>

#include "engine/core/IntVector2.h"

class Image;

// An image on the graphics device, drawn on quads by the renderer. This base
// records the image's size and pixel format; the platform class holds the
// device's copy. Textures are referred to by plain pointer (also inside
// property bags); whoever created one owns it.
class Texture {
 public:
  // A new empty texture of the platform's kind, to be filled once with
  // PopulateFromImage.
  static std::unique_ptr<Texture> Create();

  Texture() = default;
  Texture(const Texture&) = delete;
  Texture& operator=(const Texture&) = delete;
  // Cancels the render-to-texture requests still queued for it.
  virtual ~Texture();

  // Takes the image's size and pixel format. A tiled texture repeats where
  // texture coordinates leave 0..1; otherwise its edges stretch outward.
  // Requests queued for the texture's old content are cancelled.
  virtual void PopulateFromImage(const Image& image, bool tiled);

  // The image's size in pixels, (0, 0) until populated.
  IntVector2 GetDimensions() const { return IntVector2(m_width, m_height); }
  int32_t GetWidth() const { return m_width; }
  int32_t GetHeight() const { return m_height; }
  // The image's pixel-format code, -1 until populated.
  int32_t GetPixelFormat() const { return m_pixelFormat; }

 private:
  void CancelQueuedUpdates();

  int32_t m_width = 0;
  int32_t m_height = 0;
  int32_t m_pixelFormat = -1;
};
