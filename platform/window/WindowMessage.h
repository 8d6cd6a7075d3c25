#pragma once

#include "platform/window/WindowGeometry.h"

#include <cstdint>

namespace platform {

enum class WindowMessageType {
  Move,             // origin: the client area's new top-left corner on the desktop
  Size,             // size: the client area's new size; 0 x 0 while minimised
  Close,            // the user or the system asks the window to close
  Activate,         // active: whether the application gained or lost the focus
  KeyDown,          // virtualKey, repeat, systemKey
  KeyUp,            // virtualKey, systemKey
  Character,        // character: a typed character as a Unicode code point
  MouseButtonDown,  // virtualKey: VK_LBUTTON, VK_RBUTTON, VK_MBUTTON, ...; cursor
  MouseButtonUp,    // virtualKey, cursor
  MouseWheel,       // wheelDelta
  KeyMenu,          // character: the key pressed with Alt (13 for Alt+Enter)
};

// One message for the window procedure. Only the fields the type names
// carry meaning.
struct WindowMessage {
  WindowMessageType type = WindowMessageType::Close;
  IntPoint origin;
  IntSize size;
  bool active = false;
  uint8_t virtualKey = 0;
  // Set on key-down messages that auto-repeat produced while the key is held.
  bool repeat = false;
  // Keys pressed with Alt (and not Ctrl), Alt itself and F10 are system
  // keys: they drive the window menu and never count as game input.
  bool systemKey = false;
  uint32_t character = 0;
  // In 120ths of a notch; positive when the wheel turns away from the user.
  int wheelDelta = 0;
  // Where on the desktop the pointer was when the button went down or up.
  IntPoint cursor;

  static WindowMessage Move(IntPoint origin);
  static WindowMessage Size(IntSize size);
  static WindowMessage Close();
  static WindowMessage Activate(bool active);
  static WindowMessage KeyDown(uint8_t virtualKey, bool repeat, bool systemKey);
  static WindowMessage KeyUp(uint8_t virtualKey, bool systemKey);
  static WindowMessage Character(uint32_t character);
  static WindowMessage MouseButtonDown(uint8_t button, IntPoint cursor);
  static WindowMessage MouseButtonUp(uint8_t button, IntPoint cursor);
  static WindowMessage MouseWheel(int wheelDelta);
  static WindowMessage KeyMenu(uint32_t character);
};

bool operator==(const WindowMessage& a, const WindowMessage& b);
inline bool operator!=(const WindowMessage& a, const WindowMessage& b) { return !(a == b); }

}  // namespace platform
