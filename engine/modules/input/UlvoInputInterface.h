#pragma once

#include <cstdint>

#include "engine/core/IntVector2.h"
#include "engine/core/UlvoCollectedClassInterface.h"
#include "engine/core/UlvoModuleInterface.h"

// Keys, buttons and the wheel reach the engine as (action, code) pairs.
// Codes are 8-bit: the virtual-key code for actions 1 to 3 (the buttons are
// keys too, see below), the character for action 4, the notch count for the
// wheel.
enum KeyAction : int {
  KEY_ACTION_DOWN = 1,
  KEY_ACTION_REPEAT = 2,  // still held, repeated by the keyboard
  KEY_ACTION_UP = 3,
  KEY_ACTION_CHARACTER = 4,
  KEY_ACTION_WHEEL_FORWARD = 5,   // turned away from the user
  KEY_ACTION_WHEEL_BACKWARD = 6,  // turned toward the user
};

constexpr int KEY_CODE_LEFT_BUTTON = 1;
constexpr int KEY_CODE_RIGHT_BUTTON = 2;

// A mouse button going down or up: it acts where the pointer is as it
// happens, which need not be where the last frame found it.
inline bool IsMouseButtonPair(int action, int code) {
  return (action == KEY_ACTION_DOWN || action == KEY_ACTION_UP) &&
         (code == KEY_CODE_LEFT_BUTTON || code == KEY_CODE_RIGHT_BUTTON);
}

// The input module: the state of keys and buttons, the mouse position, and
// the chain that every pair is offered along (console, UI, game).
class UlvoInputInterface : public UlvoModuleInterface,
                           public UlvoCollectedClassInterface<UlvoInputInterface> {
 public:
  // True when some receiver took the pair.
  virtual bool OnKeyEvent(int action, int code) = 0;
  virtual bool IsKeyDown(uint8_t code) const = 0;
  // The cursor in client pixels.
  virtual void GetMouseClientPosition(int& x, int& y) const = 0;
  // The cursor in virtual-screen units; outside 0..1024 over the bars
  // beside the virtual screen.
  virtual void GetMousePosition(int& x, int& y) const = 0;
  // Where on the desktop a mouse button just went down or up, given before
  // its pair is offered: the pair acts there, not where the last frame
  // found the cursor.
  virtual void SetCursorScreenPosition(const IntVector2& position) = 0;
};
