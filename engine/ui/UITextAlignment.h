#pragma once

#include <cstdint>

// Placement of a line of text inside a box. Any value outside these centres
// the text. The box's minimum corner is its top-left (y grows downward).
enum HorizontalTextAlignment : int32_t {
  HORIZONTAL_TEXT_ALIGNMENT_LEFT = 0,
  HORIZONTAL_TEXT_ALIGNMENT_CENTER = 1,
  HORIZONTAL_TEXT_ALIGNMENT_RIGHT = 2,
};

enum VerticalTextAlignment : int32_t {
  VERTICAL_TEXT_ALIGNMENT_TOP = 0,
  VERTICAL_TEXT_ALIGNMENT_CENTER = 1,
  VERTICAL_TEXT_ALIGNMENT_BOTTOM = 2,
};
