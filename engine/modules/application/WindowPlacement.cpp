#include "engine/modules/application/WindowPlacement.h"

WindowPlacement PlaceWindowOnDesktop(const IntVector2& clientSize,
                                     const platform::WindowBorders& frame,
                                     const ScreenRect& desktop) {
  WindowPlacement placement;
  ScreenRect& client = placement.clientRect;
  client.left = (desktop.left + desktop.right) / 2 - clientSize.x / 2;
  client.top = (desktop.top + desktop.bottom) / 2 - clientSize.y / 2;
  client.right = client.left + clientSize.x;
  client.bottom = client.top + clientSize.y;

  ScreenRect& window = placement.windowRect;
  window = {client.left - frame.left, client.top - frame.top, client.right + frame.right,
            client.bottom + frame.bottom};
  const int32_t originalLeft = window.left;
  const int32_t originalTop = window.top;
  if (window.bottom > desktop.bottom) {
    window.Translate(0, desktop.bottom - window.bottom);
  }
  if (window.right > desktop.right) {
    window.Translate(desktop.right - window.right, 0);
  }
  if (window.top < desktop.top) {
    window.Translate(0, desktop.top - window.top);
  }
  if (window.left < desktop.left) {
    window.Translate(desktop.left - window.left, 0);
  }
  client.Translate(window.left - originalLeft, window.top - originalTop);
  return placement;
}
