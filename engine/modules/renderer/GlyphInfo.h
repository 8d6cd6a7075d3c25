#pragma once

#include <cstdint>

#include "engine/core/AABB2.h"

// How one byte value of text is drawn: a rectangle of one of the font's
// pages, stretched over a quad as tall as the text and `width` wide, with
// space before and after it. The three spaces are in units of the font size,
// so one glyph table serves every size.
struct GlyphInfo {
  // A page index that means "no glyph": nothing is drawn, the pen still
  // moves on by the default advance.
  static constexpr uint8_t NO_PAGE = 0xFF;

  // The pen moves on by this many font sizes.
  float GetAdvance() const { return leadingSpace + width + trailingSpace; }
  // Pages 128 and up, NO_PAGE among them, draw nothing.
  bool IsDrawn() const { return page < 128; }

  uint8_t page = NO_PAGE;
  // In texture coordinates of the page, 0 to 1.
  AABB2 textureBounds = AABB2(0.0f, 0.0f, 1.0f, 1.0f);
  float leadingSpace = 0.0f;
  float width = 0.5f;
  float trailingSpace = 0.0f;
};
