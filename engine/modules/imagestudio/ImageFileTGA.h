#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/core/UlvoPath.h"

class Image;

// Reads uncompressed true-colour Targa files (image type 2) of 24 or 32 bits
// per pixel, without image ID, colour map or origin, into an RGB or RGBA
// Image. Rows stay in file order, so a file stored bottom-up (the Targa
// default) gives an image whose row 0 is the bottom of the picture.
class ImageFileTGA {
 public:
  explicit ImageFileTGA(const UlvoPath& path);

  // The new image; a file that is not there or is not one this loader
  // reads throws UlvoException.
  std::unique_ptr<Image> Load();

 private:
  void CheckHeader(const unsigned char* bytes, size_t size) const;
  void ReadDimensions(const unsigned char* header);
  void CheckPixelFormat() const;
  void CheckSize(size_t fileSize) const;
  std::unique_ptr<Image> Convert(const unsigned char* pixels) const;

  UlvoPath m_path;
  std::string m_resolvedPath;
  uint16_t m_width = 0;
  uint16_t m_height = 0;
  uint8_t m_bitsPerPixel = 0;
  uint8_t m_bytesPerPixel = 0;
  // Computed in 64 bits: a 65535 x 65535 header must not wrap around.
  uint64_t m_pixelCount = 0;
  uint64_t m_dataSize = 0;
};
