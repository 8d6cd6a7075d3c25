#pragma once

// PNG pictures for the font and animated-texture tests, written with libpng.

#include <gtest/gtest.h>
#include <png.h>

#include "engine/core/Rgba.h"
#include "tests/support/FileBytes.h"

namespace font_test {

using testsupport::Bytes;

inline Bytes EncodeRgbaPng(int width, int height, const Bytes& rgba) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  EXPECT_TRUE(png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr));
  Bytes bytes(size);
  EXPECT_TRUE(png_image_write_to_memory(&image, bytes.data(), &size, 0, rgba.data(), 0, nullptr));
  bytes.resize(size);
  return bytes;
}

// A square picture whose every pixel is the colour.
inline Bytes SolidPng(int side, const Rgba& color) {
  Bytes rgba;
  for (int i = 0; i < side * side; ++i) {
    rgba.insert(rgba.end(), {color.r, color.g, color.b, color.a});
  }
  return EncodeRgbaPng(side, side, rgba);
}

}  // namespace font_test
