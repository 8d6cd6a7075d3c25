#pragma once

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
