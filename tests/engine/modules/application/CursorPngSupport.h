#pragma once

#include <string>

#include "tests/engine/modules/imagestudio/PngFileBytes.h"
#include "tests/engine/modules/renderer/FontTestSupport.h"

// Cursor files made inside the tests (and the cursor fuzzer's seed).
namespace modules_test {

// A PNG whose pixel (x, y) is (x, y, x + y, 255), with the hot spot text
// chunk right after its header chunk.
inline testsupport::Bytes CursorPng(int width, int height, const std::string& hotSpot) {
  testsupport::Bytes rgba;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      rgba.insert(rgba.end(), {uint8_t(x), uint8_t(y), uint8_t(x + y), 255});
    }
  }
  const testsupport::Bytes png = font_test::EncodeRgbaPng(width, height, rgba);
  const std::string text = std::string("HotSpot") + '\0' + hotSpot;
  testsupport::Bytes file(png.begin(), png.begin() + 33);  // the signature and the header chunk
  png_bytes::AppendChunk(file, "tEXt", testsupport::Bytes(text.begin(), text.end()));
  file.insert(file.end(), png.begin() + 33, png.end());
  return file;
}

}  // namespace modules_test
