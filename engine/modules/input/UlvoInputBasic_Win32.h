#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/core/AABB2.h"
#include "engine/core/EventRecipient.h"
#include "engine/core/IntVector2.h"
#include "engine/core/Vector2.h"
#include "engine/modules/input/UlvoInputBasic.h"

class NamedProperties;

// A client position in virtual-screen units: its offset from the screen
// bounds' corner times the view scale, truncated toward zero.
IntVector2 ClientToVirtualScreen(const IntVector2& client, const AABB2& screenBounds,
                                 const Vector2& viewScale);

// The input module: records which keys and buttons are held, follows the
// cursor while the application has the focus, and offers every pair to the
// console, then the UI, then the game; the first that takes it ends the
// chain.
class UlvoInputBasic_Win32 : public UlvoInputBasic, public EventRecipient {
 public:
  static std::unique_ptr<UlvoInputBasic_Win32> Create();

  UlvoInputBasic_Win32();
  ~UlvoInputBasic_Win32() override;

  // Only one input module may be started at a time.
  void Startup() override;
  void Shutdown() override;
  // Reads the cursor while the application has the focus.
  void Update() override;

  bool OnKeyEvent(int action, int code) override;
  // Code 255 is no key: asking for it is an engine error.
  bool IsKeyDown(uint8_t code) const override;
  void GetMouseClientPosition(int& x, int& y) const override;
  void GetMousePosition(int& x, int& y) const override;
  void SetCursorScreenPosition(const IntVector2& position) override;

  // Handler of "OnAppChangeFocus" ("hasFocus", bool).
  void Event_OnAppChangeFocus(NamedProperties& args);

  static bool IsStarted() { return s_started; }

 private:
  void ReadCursor();

  static constexpr uint8_t ILLEGAL_KEY_CODE = 255;

  // One entry per 8-bit code, 1 while held.
  std::array<uint8_t, 256> m_keyState{};
  // On the desktop, in pixels, as last read.
  IntVector2 m_cursorPosition;
  bool m_hasFocus = true;
  bool m_wasStarted = false;

  static bool s_started;
};
