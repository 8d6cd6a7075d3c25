#pragma once

namespace platform {

// An off-centre orthographic projection: maps the rectangle spanned by
// left..right and top..bottom in the caller's units onto the viewport, with
// `left` on the viewport's left edge and `top` on its top edge. Passing the
// smaller y as `top` makes y grow downward; passing it as `bottom` makes y
// grow upward. Depth plays no part: everything is drawn at depth 0.
class OrthographicProjection {
 public:
  // The identity of clip space: -1..1 on both axes, y growing upward.
  OrthographicProjection() = default;
  OrthographicProjection(float left, float right, float bottom, float top);

  float Left() const { return left_; }
  float Right() const { return right_; }
  float Bottom() const { return bottom_; }
  float Top() const { return top_; }

  // False when the rectangle has no width or no height or a bound is not a
  // finite number; nothing can be drawn through such a projection.
  bool IsValid() const;

  struct Point {
    float x;
    float y;
  };

  // Where (x, y) lands in a viewport of the given size, in pixels from the
  // viewport's top-left corner.
  Point ToViewport(float x, float y, int viewportWidth, int viewportHeight) const;

 private:
  float left_ = -1.0f;
  float right_ = 1.0f;
  float bottom_ = -1.0f;
  float top_ = 1.0f;
};

bool operator==(const OrthographicProjection& a, const OrthographicProjection& b);
inline bool operator!=(const OrthographicProjection& a, const OrthographicProjection& b) {
  return !(a == b);
}

}  // namespace platform
