#pragma once

namespace platform {

// Screen and client coordinates are in pixels, y growing downward.
struct IntPoint {
  int x = 0;
  int y = 0;
};

struct IntSize {
  int width = 0;
  int height = 0;
};

// Thickness of the frame the window manager draws around the client area.
struct WindowBorders {
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;
};

inline bool operator==(const IntPoint& a, const IntPoint& b) { return a.x == b.x && a.y == b.y; }
inline bool operator!=(const IntPoint& a, const IntPoint& b) { return !(a == b); }
inline bool operator==(const IntSize& a, const IntSize& b) {
  return a.width == b.width && a.height == b.height;
}
inline bool operator!=(const IntSize& a, const IntSize& b) { return !(a == b); }

}  // namespace platform
