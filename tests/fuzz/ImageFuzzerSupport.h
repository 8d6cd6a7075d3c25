#pragma once

// What the image fuzzers share: the input loaded by the image studio as a
// player-storage file, and every byte of what loads read back.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "engine/core/UlvoException.h"
#include "engine/core/UlvoPath.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic.h"
#include "tests/support/ServedPlayerFile.h"
#include "tests/support/SilentConsole.h"

namespace image_fuzz {

// Reads every byte of a loaded image, so that a buffer shorter than its
// size claims shows up under the address sanitizer.
inline void TouchEveryPixel(const Image* image) {
  if (image == nullptr) {
    return;
  }
  unsigned sum = 0;
  for (size_t i = 0; i < image->GetByteCount(); ++i) {
    sum += image->GetPixels()[i];
  }
  volatile unsigned sink = sum;
  (void)sink;
}

// Loads the file through the image studio under the name, whose extension
// picks the loader, and reads back what loads.
inline void LoadFromPlayerStorage(std::vector<uint8_t> file, const char* name) {
  static testsupport::SilentConsole console;
  static UlvoImageStudioBasic studio;
  const testsupport::ServedPlayerFile served(std::move(file));
  try {
    const std::unique_ptr<Image> image =
        studio.LoadImage(UlvoPath(PATH_MARKER_PLAYER_STORAGE, name));
    TouchEveryPixel(image.get());
  } catch (const UlvoException&) {
    // A malformed file: exactly what the loader must report.
  }
}

}  // namespace image_fuzz
