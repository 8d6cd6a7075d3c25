// A cursor image: a PNG with its hot spot in a text chunk. What decodes must
// have every pixel it claims and its hot spot inside.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/modules/application/CursorFile.h"
#include "tests/fuzz/RecordRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CursorImage image;
  std::string error;
  if (!DecodeCursorImage(std::vector<uint8_t>(data, data + size), image, error)) {
    if (error.empty()) {
      record_fuzz::Finding("a refused cursor gave no reason");
    }
    return 0;
  }
  const size_t pixels = static_cast<size_t>(image.width) * static_cast<size_t>(image.height);
  if (image.width <= 0 || image.height <= 0 || image.rgba.size() != pixels * 4) {
    record_fuzz::Finding("a cursor's pixels do not match its size");
  }
  if (image.hotX < 0 || image.hotY < 0 || image.hotX >= image.width || image.hotY >= image.height) {
    record_fuzz::Finding("a cursor's hot spot is outside it");
  }
  return 0;
}
