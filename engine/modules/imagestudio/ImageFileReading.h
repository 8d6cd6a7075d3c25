#pragma once

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
  enum class Status { READ, MISSING, UNREADABLE };

  Status status = Status::MISSING;
  std::unique_ptr<unsigned char[]> bytes;
  size_t size = 0;
  // The C runtime's error code when status is UNREADABLE.
  int errorCode = 0;
};

// Reads the file behind path (player-storage files through their hooks).
// A file that does not exist is MISSING; one that exists but cannot be read
// whole is UNREADABLE.
ImageFileContents ReadImageFile(const UlvoPath& path);

// The log line for an image file that is not there: the callers carry on
// without the image.
void WarnMissingImageFile(const std::string& resolvedPath);
