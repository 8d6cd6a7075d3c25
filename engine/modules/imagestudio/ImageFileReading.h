#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "engine/core/UlvoPath.h"

// The largest width or height an image file may declare. Textures beyond it
// are of no use to the renderer, and the cap keeps a forged header from
// asking for gigabytes before a single pixel has been read.
constexpr uint32_t MAX_IMAGE_FILE_SIDE = 8192;

// The whole of one image file, or why there is none.
struct ImageFileContents {
  std::unique_ptr<unsigned char[]> bytes;
  size_t size = 0;
  // The C runtime's error code: 0 once the file is read, ENOENT for a file
  // that is not there.
  int errorCode = ENOENT;

  bool IsRead() const { return errorCode == 0; }
};

// Reads the file behind path (player-storage files through their hooks).
ImageFileContents ReadImageFile(const UlvoPath& path);
