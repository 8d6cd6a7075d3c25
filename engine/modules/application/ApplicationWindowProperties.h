#pragma once

#include <cstdint>

#include "engine/core/AABB2.h"
#include "engine/core/IntVector2.h"
#include "engine/core/Vector2.h"

// The shape of the virtual screen the game is laid out in: 1024 units wide,
// 640 high.
constexpr float DEFAULT_ASPECT_RATIO = 1.6f;
constexpr int32_t DEFAULT_VIRTUAL_WIDTH = 1024;

// The size cut down to 16:10: a wider size loses width, a taller one height
// (integer arithmetic, truncating). A height of 0 counts as taller than 16:10.
IntVector2 BringToSixteenByTen(const IntVector2& size);

// The geometry of the application window: the client area in pixels and how
// the virtual screen is laid onto it.
class ApplicationWindowProperties {
 public:
  // Both boxes start as (0, 0)-(size); RecomputeBounds lays out the virtual
  // screen.
  ApplicationWindowProperties(const IntVector2& size, int32_t fullscreen);

  // screenBounds: the largest box of the aspect ratio centred in the client
  // area; viewBounds: the virtual screen; viewScale: virtual units per
  // pixel. A client area without width or height (a minimised window) keeps
  // the previous bounds, so that nothing divides by zero.
  void RecomputeBounds();

  IntVector2 m_physicalSize;
  // Only reported when the window goes full screen.
  IntVector2 m_lastPhysicalSize;
  AABB2 m_screenBounds;
  AABB2 m_viewBounds;
  float m_aspectRatio = DEFAULT_ASPECT_RATIO;
  int32_t m_virtualWidth = DEFAULT_VIRTUAL_WIDTH;
  Vector2 m_viewScale = Vector2(1.0f, 1.0f);
  int32_t m_fullscreen = 0;
};
