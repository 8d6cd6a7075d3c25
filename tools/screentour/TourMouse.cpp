#include "tools/screentour/TourMouse.h"

#include <SDL.h>

#include <stdexcept>

#include "engine/core/AABB2.h"
#include "engine/modules/application/UlvoApplicationInterface.h"
#include "platform/window/Window.h"

namespace screentour {

void MoveTourMouse(const Vector2& virtualPoint) {
  UlvoApplicationInterface* application = UlvoApplicationInterface::GetDefaultInstance();
  platform::Window* window = application != nullptr ? application->GetDeviceContext() : nullptr;
  if (window == nullptr) {
    throw std::runtime_error("no game window to move the mouse in");
  }
  const AABB2 screen = application->GetScreenBounds();
  const Vector2 scale = application->GetViewScale();
  SDL_WarpMouseInWindow(window->NativeHandle(), static_cast<int>(screen.mins.x + virtualPoint.x / scale.x),
                        static_cast<int>(screen.mins.y + virtualPoint.y / scale.y));
}

}  // namespace screentour
