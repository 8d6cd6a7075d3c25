#pragma once

#include <cstdint>

// A grid cell or a size in whole pixels.
class IntVector2 {
 public:
  constexpr IntVector2() = default;
  constexpr IntVector2(int32_t xIn, int32_t yIn) : x(xIn), y(yIn) {}

  constexpr IntVector2 operator+(const IntVector2& other) const {
    return IntVector2(x + other.x, y + other.y);
  }
  constexpr IntVector2 operator-(const IntVector2& other) const {
    return IntVector2(x - other.x, y - other.y);
  }
  constexpr bool operator==(const IntVector2& other) const {
    return x == other.x && y == other.y;
  }
  constexpr bool operator!=(const IntVector2& other) const { return !(*this == other); }

  int32_t x = 0;
  int32_t y = 0;
};
