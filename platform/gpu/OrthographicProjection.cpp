#include "platform/gpu/OrthographicProjection.h"

#include <cmath>

namespace platform {

OrthographicProjection::OrthographicProjection(float left, float right, float bottom, float top)
    : left_(left), right_(right), bottom_(bottom), top_(top) {}

bool OrthographicProjection::IsValid() const {
  const bool finite = std::isfinite(left_) && std::isfinite(right_) && std::isfinite(bottom_) &&
                      std::isfinite(top_);
  // The spans are checked too: two huge finite bounds can still be infinitely far apart.
  return finite && left_ != right_ && top_ != bottom_ && std::isfinite(right_ - left_) &&
         std::isfinite(bottom_ - top_);
}

OrthographicProjection::Point OrthographicProjection::ToViewport(float x, float y, int viewportWidth,
                                                                 int viewportHeight) const {
  return {(x - left_) / (right_ - left_) * static_cast<float>(viewportWidth),
          (y - top_) / (bottom_ - top_) * static_cast<float>(viewportHeight)};
}

bool operator==(const OrthographicProjection& a, const OrthographicProjection& b) {
  return a.Left() == b.Left() && a.Right() == b.Right() && a.Bottom() == b.Bottom() &&
         a.Top() == b.Top();
}

}  // namespace platform
