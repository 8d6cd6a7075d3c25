#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/core/IntVector2.h"
#include "engine/core/Rgba.h"

// An uncompressed picture in memory, as the image studio's loaders make it
// and textures and font pages consume it. Pixel (x, y) starts at byte
// (y * width + x) * bytesPerPixel; rows follow each other without a gap.
// Which picture row is row 0 is up to the loader that filled the image.
class Image {
 public:
  // The pixel formats; any other value (IMAGE_FORMAT_NONE) has no pixels.
  static constexpr int IMAGE_FORMAT_NONE = -1;
  static constexpr int IMAGE_FORMAT_RGB = 0;         // red, green, blue
  static constexpr int IMAGE_FORMAT_RGBA = 1;        // red, green, blue, alpha
  static constexpr int IMAGE_FORMAT_GREY = 2;        // grey
  static constexpr int IMAGE_FORMAT_GREY_ALPHA = 3;  // grey, alpha

  // 3, 4, 1 and 2 for the four formats above, 0 for anything else.
  static int BytesPerPixelOfFormat(int format);

  Image() = default;
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;

  // A new image with Allocate applied.
  static std::unique_ptr<Image> Create(IntVector2 size, int format);

  // Replaces the pixels with an uninitialised buffer of width * height *
  // bytesPerPixel bytes for the format; the caller fills it.
  void Allocate(int format, IntVector2 size);

  // x and y must lie inside the image, except that an image of no known
  // format answers opaque white for any coordinates.
  Rgba GetPixel(int x, int y) const;
  // Grey formats store the colour's brightness; no known format, nothing.
  void SetPixel(int x, int y, const Rgba& color);

  unsigned char* GetPixels() { return m_pixels.get(); }
  const unsigned char* GetPixels() const { return m_pixels.get(); }
  size_t GetByteCount() const;
  const std::string& GetName() const { return m_name; }
  void SetName(const std::string& name) { m_name = name; }
  IntVector2 GetSize() const { return m_size; }
  int GetFormat() const { return m_format; }
  int GetBytesPerPixel() const { return m_bytesPerPixel; }

 private:
  bool HasKnownFormat() const;
  size_t PixelOffset(int x, int y) const;

  std::unique_ptr<unsigned char[]> m_pixels;
  std::string m_name;
  IntVector2 m_size;
  int m_format = IMAGE_FORMAT_NONE;
  int m_bytesPerPixel = 1;
};
