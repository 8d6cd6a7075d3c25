#pragma once

#include <cstdint>

#include "engine/core/IntVector2.h"
#include "platform/window/WindowGeometry.h"

// A rectangle on the desktop in pixels; right and bottom lie just outside it.
struct ScreenRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  void Translate(int32_t deltaX, int32_t deltaY) {
    left += deltaX;
    right += deltaX;
    top += deltaY;
    bottom += deltaY;
  }
};

inline bool operator==(const ScreenRect& a, const ScreenRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

struct WindowPlacement {
  ScreenRect clientRect;
  // The client rectangle with the window's frame around it.
  ScreenRect windowRect;
};

// A client area of clientSize centred on the desktop, then shifted (never
// resized) so that its frame lies on the desktop; where the window is larger
// than the desktop, its top-left corner wins.
WindowPlacement PlaceWindowOnDesktop(const IntVector2& clientSize,
                                     const platform::WindowBorders& frame,
                                     const ScreenRect& desktop);
