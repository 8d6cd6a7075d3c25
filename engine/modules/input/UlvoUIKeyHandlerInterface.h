#pragma once

#include "engine/core/UlvoCollectedClassInterface.h"

// What the input module needs of the UI module, which lives above the
// engine modules: the second say on every key and button, after the console
// and before the game. The UI module's interface derives from this, so the
// default instance is the default UI module.
class UlvoUIKeyHandlerInterface : public UlvoCollectedClassInterface<UlvoUIKeyHandlerInterface> {
 public:
  // True when a widget took the pair.
  virtual bool OnKeyEvent(int action, int code) = 0;

 protected:
  ~UlvoUIKeyHandlerInterface() = default;
};
