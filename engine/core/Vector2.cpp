#include "engine/core/Vector2.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Rounds halves upward; NaN gives 0 and values beyond the int32 range
// saturate, since converting them would be undefined.
int32_t RoundToCell(float value) {
  const double rounded = std::floor(static_cast<double>(value) + 0.5);
  if (std::isnan(rounded)) {
    return 0;
  }
  if (rounded <= static_cast<double>(std::numeric_limits<int32_t>::min())) {
    return std::numeric_limits<int32_t>::min();
  }
  if (rounded >= static_cast<double>(std::numeric_limits<int32_t>::max())) {
    return std::numeric_limits<int32_t>::max();
  }
  return static_cast<int32_t>(rounded);
}

}  // namespace

Vector2 Vector2::operator/(float divisor) const {
  if (divisor == 0.0f) {
    return Vector2();
  }
  const float reciprocal = 1.0f / divisor;
  return Vector2(x * reciprocal, y * reciprocal);
}

float Vector2::CalcLength() const { return std::sqrt(x * x + y * y); }

IntVector2 Vector2::ToIntVector2(float cellSize) const {
  if (cellSize == 0.0f) {
    return IntVector2();
  }
  const float reciprocal = 1.0f / cellSize;
  return IntVector2(RoundToCell(x * reciprocal), RoundToCell(y * reciprocal));
}

Vector2 Vector2::Lerp(const Vector2& a, const Vector2& b, float t) {
  return Vector2((1.0f - t) * a.x + t * b.x, (1.0f - t) * a.y + t * b.y);
}

Vector2 Vector2::SetLength(const Vector2& v, float length) {
  const float currentLength = v.CalcLength();
  if (currentLength == 0.0f) {
    return Vector2();
  }
  return v * (length / currentLength);
}
