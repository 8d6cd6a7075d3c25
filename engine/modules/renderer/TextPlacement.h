#pragma once

#include "engine/core/AABB2.h"
#include "engine/core/Vector2.h"

// Text alignment along one axis, as the renderer's text calls take it:
// 0 at the minimum, 2 against the maximum, anything else in the middle.
constexpr int TEXT_ALIGN_AT_MINIMUM = 0;
constexpr int TEXT_ALIGN_AT_MAXIMUM = 2;

// Where a line of the given length starts along one axis inside the range
// from minimum to maximum. The label places its edit cursor with the same
// rule, so that the cursor stands where the renderer draws the text.
inline float StartOfLineInside(float minimum, float maximum, float length, int alignment) {
  switch (alignment) {
    case TEXT_ALIGN_AT_MINIMUM:
      return minimum;
    case TEXT_ALIGN_AT_MAXIMUM:
      return maximum - length;
    default:
      return (minimum + maximum - length) * 0.5f;
  }
}

// A line of the given extent at the given size, placed inside the box as the
// renderer's DrawTextInBox draws it: at a smaller size when it is wider than
// 90 % of the box (then it fills those 90 %), aligned along each axis by
// StartOfLineInside. False, with nothing changed, for a text without width or
// a box without width.
inline bool FitLineInBox(const AABB2& box, Vector2 extent, int verticalAlignment,
                         int horizontalAlignment, float& size, Vector2& topLeft) {
  const float widthAvailable = 0.9f * box.CalcSize().x;
  if (!(extent.x > 0.0f) || !(widthAvailable > 0.0f)) {
    return false;
  }
  if (widthAvailable < extent.x) {
    const float shrink = widthAvailable / extent.x;
    extent *= shrink;
    size *= shrink;
  }
  topLeft = Vector2(StartOfLineInside(box.mins.x, box.maxs.x, extent.x, horizontalAlignment),
                    StartOfLineInside(box.mins.y, box.maxs.y, extent.y, verticalAlignment));
  return true;
}
