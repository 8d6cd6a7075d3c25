#pragma once

#include "engine/core/IntVector2.h"
#include "engine/core/UlvoCollectedClassInterface.h"

// What the application needs of the renderer: to be told the client area's
// new size. The renderer interface derives from this, so the default
// instance is the default renderer; with no renderer alive nobody is told.
class UlvoWindowResizeInterface : public UlvoCollectedClassInterface<UlvoWindowResizeInterface> {
 public:
  // Called after "ScreenResizedEvent" has been fired and before the
  // application lays the virtual screen onto the new size. (0, 0) while the
  // window is minimised.
  virtual void OnWindowResize(const IntVector2& clientSize) = 0;

 protected:
  ~UlvoWindowResizeInterface() = default;
};
