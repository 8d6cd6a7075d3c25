#pragma once

#include "engine/core/IntVector2.h"

// A position or a size in virtual-screen units.
class Vector2 {
 public:
  constexpr Vector2() = default;
  constexpr Vector2(float xIn, float yIn) : x(xIn), y(yIn) {}

  constexpr Vector2 operator+(const Vector2& other) const {
    return Vector2(x + other.x, y + other.y);
  }
  constexpr Vector2 operator-(const Vector2& other) const {
    return Vector2(x - other.x, y - other.y);
  }
  constexpr Vector2 operator-() const { return Vector2(-x, -y); }
  constexpr Vector2 operator*(float scale) const { return Vector2(x * scale, y * scale); }
  // Dividing by zero gives the zero vector rather than infinities.
  Vector2 operator/(float divisor) const;

  Vector2& operator+=(const Vector2& other) { return *this = *this + other; }
  Vector2& operator-=(const Vector2& other) { return *this = *this - other; }
  Vector2& operator*=(float scale) { return *this = *this * scale; }
  Vector2& operator/=(float divisor) { return *this = *this / divisor; }

  constexpr bool operator==(const Vector2& other) const { return x == other.x && y == other.y; }
  constexpr bool operator!=(const Vector2& other) const { return !(*this == other); }

  constexpr Vector2 MultiplyComponents(const Vector2& other) const {
    return Vector2(x * other.x, y * other.y);
  }

  float CalcLength() const;

  // The cell of size cellSize this point falls in, rounding to the nearest
  // cell with halves upward; (0, 0) for a cell size of 0.
  IntVector2 ToIntVector2(float cellSize) const;

  // (1 - t) * a + t * b; t is not clamped.
  static Vector2 Lerp(const Vector2& a, const Vector2& b, float t);
  // v turned a quarter turn: (-v.y, v.x).
  static constexpr Vector2 Perpendicular(const Vector2& v) { return Vector2(-v.y, v.x); }
  // v rescaled to the given length; the zero vector stays zero.
  static Vector2 SetLength(const Vector2& v, float length);

  float x = 0.0f;
  float y = 0.0f;
};

constexpr Vector2 operator*(float scale, const Vector2& v) { return v * scale; }
