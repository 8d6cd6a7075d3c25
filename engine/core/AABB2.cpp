#include "engine/core/AABB2.h"

#include <algorithm>
#include <cmath>

void AABB2::StretchToIncludeBox(const AABB2& other) {
  mins.x = std::min(mins.x, other.mins.x);
  mins.y = std::min(mins.y, other.mins.y);
  maxs.x = std::max(maxs.x, other.maxs.x);
  maxs.y = std::max(maxs.y, other.maxs.y);
}

AABB2 AABB2::GetCenteredBoxWithAspectRatio(float widthOverHeight) const {
  const Vector2 size = CalcSize();
  const Vector2 center = CalcCenter();
  if (widthOverHeight == 0.0f) {
    return AABB2(center.x, mins.y, center.x, maxs.y);
  }
  const float ratio = std::fabs(widthOverHeight);
  // A box without height is wider than any ratio: keeping its (zero) height
  // gives the zero box at its centre, where keeping the width would give a
  // box that sticks out of it.
  const bool keepHeight = size.y == 0.0f || size.x / size.y > ratio;
  if (keepHeight) {
    const float halfWidth = size.y * ratio * 0.5f;
    return AABB2(center.x - halfWidth, mins.y, center.x + halfWidth, maxs.y);
  }
  const float halfHeight = size.x / ratio * 0.5f;
  return AABB2(mins.x, center.y - halfHeight, maxs.x, center.y + halfHeight);
}

AABB2 AABB2::Lerp(const AABB2& a, const AABB2& b, float t) {
  return AABB2(Vector2::Lerp(a.mins, b.mins, t), Vector2::Lerp(a.maxs, b.maxs, t));
}
