#pragma once

#include <string>

#include "engine/core/AABB2.h"
#include "engine/core/IntVector2.h"
#include "engine/core/UlvoCollectedClassInterface.h"
#include "engine/core/UlvoModuleInterface.h"
#include "engine/core/UlvoUserDataPathInterface.h"
#include "engine/core/Vector2.h"

namespace platform {
class Window;
}

// The application module: the process's one window, the virtual screen laid
// onto it, the mouse cursor and the user-data folder. Its update pass pumps
// the window's messages.
class UlvoApplicationInterface : public UlvoModuleInterface,
                                 public UlvoCollectedClassInterface<UlvoApplicationInterface>,
                                 public UlvoUserDataPathInterface {
 public:
  // The registry of applications, not that of user-data sources.
  using UlvoCollectedClassInterface<UlvoApplicationInterface>::GetDefaultInstance;
  using UlvoCollectedClassInterface<UlvoApplicationInterface>::GetInstanceCount;
  using UlvoCollectedClassInterface<UlvoApplicationInterface>::GetInstance;

  // Opens the window with a client area of size pixels, windowed (0) or
  // covering the desktop (1). A window that cannot be opened is a fatal
  // engine error.
  virtual void OpenWindow(const IntVector2& size, int fullscreen, int iconResourceId) = 0;
  virtual void SetFullscreen() = 0;
  virtual void SetWindowed() = 0;
  virtual bool IsWindowed() const = 0;
  // Width over height of the virtual screen; must be above 0.
  virtual void SetAspectRatio(float ratio) = 0;

  void SetApplicationName(const std::string& name) { m_applicationName = name; }
  const std::string& GetApplicationName() const { return m_applicationName; }
  // A folder name ending in "/", inside the user's application-data folder.
  void SetUserDataFolder(const std::string& folder) { m_userDataFolder = folder; }
  const std::string& GetUserDataFolder() const { return m_userDataFolder; }

  // The window the renderer draws into; null before OpenWindow.
  virtual platform::Window* GetDeviceContext() = 0;
  virtual IntVector2 GetDesktopSize() const = 0;
  virtual IntVector2 GetClientSize() const = 0;
  // Sizes truncated toward zero. The view size is the virtual screen's
  // (1024 x 640 at 16:10) once a window is open; everything is zero before.
  virtual IntVector2 GetScreenBoundsSize() const = 0;
  virtual IntVector2 GetViewBoundsSize() const = 0;
  // The part of the client area (pixels) that shows the virtual screen.
  virtual AABB2 GetScreenBounds() const = 0;
  // The virtual screen, in virtual units.
  virtual AABB2 GetViewBounds() const = 0;
  // Virtual units per client pixel.
  virtual Vector2 GetViewScale() const = 0;

  // Desktop coordinates to client coordinates.
  virtual void ClientToWindowOffset(int x, int y, int& outX, int& outY) const = 0;
  // Client coordinates to desktop coordinates.
  virtual void WindowToClientOffset(int x, int y, int& outX, int& outY) const = 0;
  // The cursor on the desktop; false (out unchanged) when it cannot be read,
  // as before the window exists.
  virtual bool GetCursorScreenPosition(IntVector2& out) const = 0;

  // A cursor image shown over the window, relative to the working directory;
  // the empty path brings the arrow back.
  virtual void SetCustomCursor(const std::string& path) = 0;

  // Lays the virtual screen onto the current client area.
  virtual void ApplyWindowProperties() = 0;

 private:
  std::string m_applicationName = "Unnamed Application - Ulvo Game Engine";
  std::string m_userDataFolder;
};
