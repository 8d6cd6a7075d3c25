// Feeds arbitrary files to the image studio as ".tga" files. A refusal
// (UlvoException) is the expected outcome of a malformed file; a crash, a
// sanitizer report, a leak or any other exception is a finding.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/UlvoException.h"
#include "engine/core/UlvoPath.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic.h"
#include "tests/fuzz/ImageFuzzerSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static image_fuzz::SilentConsole console;
  static UlvoImageStudioBasic studio;
  const image_fuzz::ServedFile served(std::vector<uint8_t>(data, data + size));
  try {
    const std::unique_ptr<Image> image =
        studio.LoadImage(UlvoPath(PATH_MARKER_PLAYER_STORAGE, "fuzz/input.tga"));
    image_fuzz::TouchEveryPixel(image.get());
  } catch (const UlvoException&) {
    // A malformed file: exactly what the loader must report.
  }
  return 0;
}
