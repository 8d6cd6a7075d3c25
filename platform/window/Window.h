#pragma once

#include "platform/window/MessageTranslator.h"
#include "platform/window/WindowGeometry.h"
#include "platform/window/WindowMessage.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

struct SDL_Window;

namespace platform {

class Cursor;

enum class DisplayMode {
  Windowed,
  // Covers the desktop at its current resolution; the display mode is left alone.
  FullscreenDesktop,
};

struct WindowSettings {
  std::string title;  // UTF-8
  // The window system's class of the window, where it has one; empty for
  // the video system's own.
  std::string className;
  IntPoint clientOrigin;
  IntSize clientSize;
  DisplayMode mode = DisplayMode::Windowed;
};

// The application's one top-level window and the queue of its messages.
class Window {
 public:
  // The longest client side the video system opens a window with.
  static constexpr int MAX_CLIENT_SIDE = 16384;

  // Opens and shows the window. On failure returns null and says why in error.
  static std::unique_ptr<Window> Create(const WindowSettings& settings, std::string& error);

  // Size of the primary display; (0, 0) when no video system is available.
  static IntSize DesktopSize();
  // Top-left corner of the primary display on the desktop, which is not
  // (0, 0) when another monitor lies left of or above it; (0, 0) when no
  // video system is available.
  static IntPoint DesktopOrigin();

  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Messages. The first messages report the geometry the window opened with.
  bool HasMessage();
  // Takes the oldest message; false when there is none.
  bool PollMessage(WindowMessage& message);
  // Whether the key (or mouse button) is held, as far as the messages taken so far tell.
  bool IsKeyDown(uint8_t virtualKey) const { return translator_.IsKeyDown(virtualKey); }

  // Geometry; the origin is the client area's top-left corner on the desktop.
  IntPoint ClientOrigin() const;
  IntSize ClientSize() const;
  WindowBorders Borders() const;
  // Top-left corner, on the desktop, of the display that holds the window.
  IntPoint DisplayOrigin() const;
  void SetClientGeometry(IntPoint origin, IntSize size);

  DisplayMode GetDisplayMode() const;
  void SetDisplayMode(DisplayMode mode);

  void SetTitle(const std::string& title);
  void Show();
  void Minimize();
  void Restore();
  bool IsMinimized() const;
  // Brings the window to the front and gives it the keyboard focus.
  void RaiseAndFocus();
  bool HasFocus() const;

  // The mouse cursor's position on the desktop. Where the window system
  // tells it (X11), wherever the pointer is, whatever moved it: a device,
  // another program, or the window moving or changing mode under it.
  IntPoint CursorScreenPosition() const;
  // Shows the cursor over the window; null shows the standard arrow.
  void ShowCursor(const Cursor* cursor);

  // The picture the desktop shows for the window: width x height pixels of
  // red, green, blue, alpha, rows from the top. False, with the reason in
  // error, when the pixels do not fill the size.
  bool SetIcon(const uint8_t* rgba, size_t byteCount, int width, int height, std::string& error);

  SDL_Window* NativeHandle() const { return window_; }

 private:
  explicit Window(SDL_Window* window);

  SDL_Window* window_;
  MessageTranslator translator_;
  std::deque<WindowMessage> pending_;
};

}  // namespace platform
