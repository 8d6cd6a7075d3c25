#pragma once

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

// Cursor files made inside the tests.
namespace modules_test {

using Bytes = std::vector<uint8_t>;

// An RGBA image whose pixel (x, y) is (x, y, x + y, 255).
inline Bytes GradientPixels(int width, int height) {
  Bytes pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pixels.insert(pixels.end(), {static_cast<uint8_t>(x), static_cast<uint8_t>(y),
                                   static_cast<uint8_t>(x + y), 255});
    }
  }
  return pixels;
}

inline Bytes EncodePng(const Bytes& rgba, int width, int height) {
  png_image image;
  std::memset(&image, 0, sizeof(image));
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGBA;
  png_alloc_size_t size = 0;
  EXPECT_NE(png_image_write_to_memory(&image, nullptr, &size, 0, rgba.data(), 0, nullptr), 0);
  Bytes png(size);
  EXPECT_NE(png_image_write_to_memory(&image, png.data(), &size, 0, rgba.data(), 0, nullptr), 0)
      << image.message;
  png.resize(size);
  return png;
}

inline void AppendBigEndian32(Bytes& bytes, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    bytes.push_back(static_cast<uint8_t>(value >> shift));
  }
}

// The PNG with a text chunk placed right after its header chunk.
inline Bytes WithTextChunk(const Bytes& png, const std::string& keyword, const std::string& text) {
  constexpr size_t END_OF_HEADER_CHUNK = 8 + 4 + 4 + 13 + 4;
  Bytes data(keyword.begin(), keyword.end());
  data.push_back(0);
  data.insert(data.end(), text.begin(), text.end());
  Bytes chunk;
  AppendBigEndian32(chunk, static_cast<uint32_t>(data.size()));
  const size_t typeStart = chunk.size();
  chunk.insert(chunk.end(), {'t', 'E', 'X', 't'});
  chunk.insert(chunk.end(), data.begin(), data.end());
  AppendBigEndian32(chunk, static_cast<uint32_t>(crc32(0, &chunk[typeStart],
                                                       static_cast<uInt>(chunk.size() - typeStart))));
  Bytes result(png.begin(), png.begin() + END_OF_HEADER_CHUNK);
  result.insert(result.end(), chunk.begin(), chunk.end());
  result.insert(result.end(), png.begin() + END_OF_HEADER_CHUNK, png.end());
  return result;
}

inline Bytes CursorPng(int width, int height, const std::string& hotSpot) {
  return WithTextChunk(EncodePng(GradientPixels(width, height), width, height), "HotSpot",
                       hotSpot);
}

inline void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace modules_test
