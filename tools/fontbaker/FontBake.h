#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/core/AABB2.h"

namespace fontbaker {

class GlyphRasterizer;

// One byte value's record in the font definition. Spaces are in units of
// the font size (the height of a line).
struct BakedGlyph {
  bool present = false;
  uint8_t page = 0xFF;
  AABB2 textureBounds = AABB2(0.0f, 0.0f, 1.0f, 1.0f);
  float leadingSpace = 0.0f;
  float width = 0.5f;
  float trailingSpace = 0.0f;
};

// An RGBA picture, top row first, white wherever a glyph is: the alpha
// carries the glyph's coverage.
struct FontPage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;
};

struct BakedFont {
  std::string name;
  std::string locale;
  std::array<BakedGlyph, 256> glyphs;
  std::vector<FontPage> pages;
};

struct FontBakeSettings {
  std::string name = "MainFont";
  std::string locale = "EN";
  int pageSize = 512;
};

// Empty pixels around a glyph's bitmap inside its slot, and between slots.
constexpr int GLYPH_MARGIN = 1;
constexpr int SLOT_GAP = 2;
constexpr int MAX_PAGE_COUNT = 128;

// Draws the character of every byte value (Windows-1252) with the face and
// lays the glyphs out on pages. Control bytes, bytes the code page leaves
// undefined and characters the face lacks get no glyph; each character the
// face lacks, and each glyph cut off at the top or bottom of its line, adds
// a line to *warnings. Throws std::runtime_error when the glyphs need more
// than MAX_PAGE_COUNT pages.
BakedFont BakeFont(const GlyphRasterizer& rasterizer, const FontBakeSettings& settings,
                   std::vector<std::string>* warnings);

}  // namespace fontbaker
