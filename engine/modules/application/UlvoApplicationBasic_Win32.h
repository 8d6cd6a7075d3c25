#pragma once

#include <memory>
#include <string>

#include "engine/modules/application/UlvoApplicationBasic.h"
#include "engine/modules/application/WindowPlacement.h"

namespace platform {
class Cursor;
class Window;
struct WindowMessage;
}  // namespace platform

// The application module on the platform window layer. Its update pass is
// the message pump: it hands every window message to the window procedure,
// which keeps the geometry current, turns focus, close and Alt+Enter into
// engine events and passes keys, buttons and the wheel to the input module.
class UlvoApplicationBasic_Win32 : public UlvoApplicationBasic {
 public:
  // The pump stops taking messages once it has run this long in one frame;
  // the rest wait for the next frame.
  static constexpr double MESSAGE_PUMP_BUDGET_SECONDS = 0.05;
  // The cursor image is only set while the cursor is this far inside the
  // client area, so that the frame's resize cursors are left alone.
  static constexpr int CURSOR_EDGE_MARGIN = 10;
  // The window's class, for the window system to tell the game's windows by.
  static constexpr const char* WINDOW_CLASS_NAME = "Ulvo Game Engine Window Class";

  static std::unique_ptr<UlvoApplicationBasic_Win32> Create();

  UlvoApplicationBasic_Win32();
  ~UlvoApplicationBasic_Win32() override;

  void Update() override;

  void OpenWindow(const IntVector2& size, int fullscreen, int iconResourceId) override;
  void SetFullscreen() override;
  void SetWindowed() override;

  platform::Window* GetDeviceContext() override { return m_window.get(); }
  IntVector2 GetDesktopSize() const override;
  IntVector2 GetClientSize() const override;
  void ClientToWindowOffset(int x, int y, int& outX, int& outY) const override;
  void WindowToClientOffset(int x, int y, int& outX, int& outY) const override;
  bool GetCursorScreenPosition(IntVector2& out) const override;
  void SetCustomCursor(const std::string& path) override;

  // The user's application-data folder followed by the user-data folder
  // name. Relative to the working directory when the user has no
  // application-data folder; never at the file-system root.
  std::string GetUserDataPath() const override;

  // Moves a full-screen window that has left the desktop's corner back.
  void CheckFullscreenPosition();
  // Places the client area of size centred on the desktop, the frame around
  // it on the desktop, and takes the client origin from it.
  void PopulateClientAndWindowRect(const IntVector2& size);
  // Moves the open window so that its real frame, not the guessed one, lies
  // on the desktop as PopulateClientAndWindowRect places it.
  void PlaceWithTheRealFrame(const IntVector2& size);
  // Takes the client area's new size (0 x 0 while minimised), fires
  // "ScreenResizedEvent", tells the renderer and lays out the virtual screen.
  void OnWindowResized(int width, int height);

  // Nothing is handled while no game is registered or the game is quitting.
  bool WindowProc(const platform::WindowMessage& message);
  bool HandleWindowMessage(const platform::WindowMessage& message);
  // Hands the message's pair to the default input module, a button's with
  // where the button went down or up; true when taken.
  bool TranslateInputMessage(const platform::WindowMessage& message);

  const ScreenRect& GetClientRect() const { return m_clientRect; }
  const ScreenRect& GetWindowRect() const { return m_windowRect; }

 private:
  void OnMove(const IntVector2& newOrigin);
  void OnActivate(bool active);
  void UpdateCursor();

  std::unique_ptr<platform::Window> m_window;
  ScreenRect m_clientRect;
  ScreenRect m_windowRect;
  IntVector2 m_clientOrigin;
  bool m_hasFocus = false;
  // Null while the arrow is shown.
  std::unique_ptr<platform::Cursor> m_customCursor;
};
