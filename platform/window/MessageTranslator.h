#pragma once

#include "platform/window/VirtualKey.h"
#include "platform/window/WindowMessage.h"

#include <SDL_events.h>

#include <array>
#include <cstdint>
#include <deque>
#include <optional>

namespace platform {

// Turns SDL's events into the messages of one window. Keeps what the
// translation depends on: which keys are held (one entry per virtual-key
// code), so that every release follows its press, the geometry last
// reported, so that unchanged geometry is not reported again, and where the
// window system saw the last button, so that a button's message says where
// the pointer was.
class MessageTranslator {
 public:
  explicit MessageTranslator(uint32_t windowId);

  // Appends the messages the event stands for (none, one or several).
  void Translate(const SDL_Event& event, std::deque<WindowMessage>& out);

  // Reports geometry learnt outside the event stream (at creation).
  void ReportGeometry(IntPoint origin, IntSize size, std::deque<WindowMessage>& out);

  bool IsKeyDown(uint8_t virtualKey) const { return keyDown_[virtualKey]; }

 private:
  void TranslateWindowEvent(const SDL_WindowEvent& event, std::deque<WindowMessage>& out);
  void TranslateNativeMessage(const SDL_Event& event, std::deque<WindowMessage>& out);
  void TranslateKeyDown(const SDL_KeyboardEvent& event, std::deque<WindowMessage>& out);
  void TranslateKeyUp(const SDL_KeyboardEvent& event, std::deque<WindowMessage>& out);
  void TranslateText(const SDL_TextInputEvent& event, std::deque<WindowMessage>& out);
  void TranslateButton(const SDL_MouseButtonEvent& event, std::deque<WindowMessage>& out);
  void TranslateWheel(const SDL_MouseWheelEvent& event, std::deque<WindowMessage>& out);
  void ReportMove(IntPoint origin, std::deque<WindowMessage>& out);
  void ReportSize(IntSize size, std::deque<WindowMessage>& out);
  void ReleaseHeldKeys(std::deque<WindowMessage>& out);

  uint32_t windowId_;
  std::array<bool, VIRTUAL_KEY_COUNT> keyDown_{};
  // Text typed while the left Alt is held belongs to the window menu; the
  // right Alt stays free for AltGr characters.
  bool leftAltDown_ = false;
  bool originKnown_ = false;
  IntPoint origin_;
  bool sizeKnown_ = false;
  IntSize size_;
  // On the desktop, from the window system's message of the button SDL
  // reports next, where it has one.
  std::optional<IntPoint> nativeButtonCursor_;
  // On the desktop, at the last button; a release made up at focus loss
  // happens there.
  IntPoint lastButtonCursor_;
};

}  // namespace platform
