#pragma once

// Fixtures for the font and animated-texture tests: a data folder of the
// test's own, PNG pages written with libpng, and font definition files in
// both encodings.

#include <gtest/gtest.h>
#include <png.h>

#include <array>
#include <string>
#include <utility>

#include "engine/core/AABB2.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"
#include "engine/core/Rgba.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScopedDataFolder.h"

namespace font_test {

using testsupport::Bytes;
using testsupport::ScopedDataFolder;

// What the call threw; a test failure when it threw no UlvoException.
template <typename Call>
std::string UlvoExceptionMessage(Call&& call) {
  return testsupport::CatchUlvoException(std::forward<Call>(call)).message;
}

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

// A picture whose every pixel is the colour.
inline Bytes SolidRgba(int width, int height, const Rgba& color) {
  Bytes rgba;
  for (int i = 0; i < width * height; ++i) {
    rgba.insert(rgba.end(), {color.r, color.g, color.b, color.a});
  }
  return rgba;
}

inline Bytes SolidPng(int width, int height, const Rgba& color) {
  return EncodeRgbaPng(width, height, SolidRgba(width, height, color));
}

struct GlyphRecord {
  bool present = false;
  int page = 0;
  AABB2 bounds = AABB2(0.0f, 0.0f, 1.0f, 1.0f);
  float leading = 0.0f;
  float width = 0.5f;
  float trailing = 0.0f;
};

inline GlyphRecord Glyph(int page, const AABB2& bounds, float leading, float width,
                         float trailing) {
  return GlyphRecord{true, page, bounds, leading, width, trailing};
}

struct FontFile {
  std::string name = "Test";
  std::string locale = "EN";
  int reservedByte = 0;
  int pageCount = 1;
  float reservedScale = 1.0f;
  std::array<GlyphRecord, 256> glyphs;
};

// The binary form, written with the engine's own writer.
inline Bytes BinaryFontDefinition(const FontFile& font) {
  ResourceStream stream(RESOURCE_STREAM_FORMAT_BINARY, 1024);
  stream.WriteString(font.name);
  stream.WriteString(font.locale);
  stream.WriteUInt8(static_cast<uint8_t>(font.reservedByte));
  stream.WriteInt32(font.pageCount);
  stream.WriteFloat(font.reservedScale);
  for (const GlyphRecord& glyph : font.glyphs) {
    stream.WriteBool(glyph.present);
    if (glyph.present) {
      stream.WriteUInt8(static_cast<uint8_t>(glyph.page));
      stream.WriteVector2(glyph.bounds.mins);
      stream.WriteVector2(glyph.bounds.maxs);
      stream.WriteFloat(glyph.leading);
      stream.WriteFloat(glyph.width);
      stream.WriteFloat(glyph.trailing);
    }
  }
  return Bytes(stream.GetData(), stream.GetData() + stream.GetSize());
}

// The text form as a person would write it: comments, line breaks and the
// AABB2 token of the reader, numbers exact to the float.
inline std::string TextFontDefinition(const FontFile& font) {
  std::string text = "// a font written by hand\r\n";
  text += "\"" + font.name + "\" // name\r\n\"" + font.locale + "\"\r\n";
  text += Stringf("%d %d %.9g\r\n", font.reservedByte, font.pageCount, font.reservedScale);
  for (const GlyphRecord& glyph : font.glyphs) {
    if (!glyph.present) {
      text += "{ false }\r\n";
      continue;
    }
    text += Stringf("{\r\n\ttrue %d AABB2[(%.9g,%.9g),(%.9g,%.9g)]\r\n\t%.9g %.9g %.9g\r\n}\r\n",
                    glyph.page, glyph.bounds.mins.x, glyph.bounds.mins.y, glyph.bounds.maxs.x,
                    glyph.bounds.maxs.y, glyph.leading, glyph.width, glyph.trailing);
  }
  return text;
}

}  // namespace font_test
