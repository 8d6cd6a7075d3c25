#pragma once

#include "engine/core/Vector2.h"

// An axis-aligned rectangle. mins is the top-left corner on screen (y grows
// downward); nothing enforces mins <= maxs.
class AABB2 {
 public:
  constexpr AABB2() = default;
  constexpr AABB2(const Vector2& minsIn, const Vector2& maxsIn) : mins(minsIn), maxs(maxsIn) {}
  constexpr AABB2(float minX, float minY, float maxX, float maxY)
      : mins(minX, minY), maxs(maxX, maxY) {}

  constexpr Vector2 CalcSize() const { return maxs - mins; }
  constexpr Vector2 CalcCenter() const { return (mins + maxs) * 0.5f; }

  // Grows this box to cover other as well.
  void StretchToIncludeBox(const AABB2& other);

  // Edges and corners count as inside.
  constexpr bool IsPointInside(const Vector2& point) const {
    return mins.x <= point.x && point.x <= maxs.x && mins.y <= point.y && point.y <= maxs.y;
  }

  // Translation: both corners moved by offset.
  constexpr AABB2 operator+(const Vector2& offset) const {
    return AABB2(mins + offset, maxs + offset);
  }
  constexpr AABB2 operator-(const Vector2& offset) const {
    return AABB2(mins - offset, maxs - offset);
  }
  AABB2& operator+=(const Vector2& offset) { return *this = *this + offset; }
  AABB2& operator-=(const Vector2& offset) { return *this = *this - offset; }

  constexpr bool operator==(const AABB2& other) const {
    return mins == other.mins && maxs == other.maxs;
  }
  constexpr bool operator!=(const AABB2& other) const { return !(*this == other); }

  // Both corners multiplied component-wise by scale.
  constexpr AABB2 MultiplyComponents(const Vector2& scale) const {
    return AABB2(mins.MultiplyComponents(scale), maxs.MultiplyComponents(scale));
  }

  // (0, 0) is mins, (1, 1) is maxs; values outside 0..1 reach beyond the box.
  constexpr Vector2 GetPointAtNormalizedCoords(const Vector2& t) const {
    return mins + (maxs - mins).MultiplyComponents(t);
  }

  // The largest box of the given width / height ratio centred in this one.
  // The sign of the ratio is ignored; a ratio of 0 gives the zero-width box
  // on the vertical centre line.
  AABB2 GetCenteredBoxWithAspectRatio(float widthOverHeight) const;

  // Each of the four components (1 - t) * a + t * b.
  static AABB2 Lerp(const AABB2& a, const AABB2& b, float t);

  Vector2 mins;
  Vector2 maxs;
};
