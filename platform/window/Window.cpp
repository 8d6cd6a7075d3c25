#include "platform/window/Window.h"

#include "platform/window/Cursor.h"
#include "platform/window/NativeGeometry.h"
#include "platform/window/VideoSystem.h"

#include <SDL.h>

namespace platform {

namespace {

Uint32 FullscreenFlags(DisplayMode mode) {
  return mode == DisplayMode::FullscreenDesktop ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0;
}

// The first display's bounds, with the video system started for the
// question; all zero when it cannot start or answer.
SDL_Rect PrimaryDisplayBounds() {
  SDL_Rect bounds{};
  std::string error;
  if (!StartVideo(error)) {
    return bounds;
  }
  if (SDL_GetDisplayBounds(0, &bounds) != 0) {
    bounds = SDL_Rect{};
  }
  StopVideo();
  return bounds;
}

}  // namespace

std::unique_ptr<Window> Window::Create(const WindowSettings& settings, std::string& error) {
  if (settings.clientSize.width < 1 || settings.clientSize.height < 1) {
    error = "window size " + std::to_string(settings.clientSize.width) + " x " +
            std::to_string(settings.clientSize.height) + " is empty";
    return nullptr;
  }
  // The game asks to close on its own terms: closing the window must not
  // also post a quit of SDL's own. Minimising on focus loss is the game's
  // decision too.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  if (!StartVideo(error)) {
    return nullptr;
  }
  SDL_Window* window = SDL_CreateWindow(
      settings.title.c_str(), settings.clientOrigin.x, settings.clientOrigin.y,
      settings.clientSize.width, settings.clientSize.height,
      SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN | FullscreenFlags(settings.mode));
  if (window == nullptr) {
    error = std::string("window not created: ") + SDL_GetError();
    StopVideo();
    return nullptr;
  }
  SetNativeClassName(window, settings.className);
  SDL_ShowWindow(window);
  if (settings.mode == DisplayMode::FullscreenDesktop) {
    CoverDisplayWithoutWindowManager(window);
  }
  SDL_StartTextInput();
  ListenToNativeMessages();
  error.clear();
  return std::unique_ptr<Window>(new Window(window));
}

IntSize Window::DesktopSize() {
  const SDL_Rect bounds = PrimaryDisplayBounds();
  return {bounds.w, bounds.h};
}

IntPoint Window::DesktopOrigin() {
  const SDL_Rect bounds = PrimaryDisplayBounds();
  return {bounds.x, bounds.y};
}

Window::Window(SDL_Window* window) : window_(window), translator_(SDL_GetWindowID(window)) {
  translator_.ReportGeometry(ClientOrigin(), ClientSize(), pending_);
}

Window::~Window() {
  SDL_DestroyWindow(window_);
  StopVideo();
}

bool Window::HasMessage() {
  SDL_Event event;
  while (pending_.empty() && SDL_PollEvent(&event) != 0) {
    translator_.Translate(event, pending_);
  }
  return !pending_.empty();
}

bool Window::PollMessage(WindowMessage& message) {
  if (!HasMessage()) {
    return false;
  }
  message = pending_.front();
  pending_.pop_front();
  return true;
}

IntPoint Window::ClientOrigin() const {
  IntPoint origin;
  SDL_GetWindowPosition(window_, &origin.x, &origin.y);
  return origin;
}

IntSize Window::ClientSize() const { return ClientSizeOf(window_); }

WindowBorders Window::Borders() const {
  WindowBorders borders;
  if (SDL_GetWindowBordersSize(window_, &borders.top, &borders.left, &borders.bottom,
                               &borders.right) != 0) {
    return {};
  }
  return borders;
}

IntPoint Window::DisplayOrigin() const {
  SDL_Rect bounds{};
  const int display = SDL_GetWindowDisplayIndex(window_);
  if (display < 0 || SDL_GetDisplayBounds(display, &bounds) != 0) {
    return {};
  }
  return {bounds.x, bounds.y};
}

// Not every video driver reports a change the program makes itself, so the
// geometry is reported here too; the translator drops a repeated report.
void Window::SetClientGeometry(IntPoint origin, IntSize size) {
  SDL_SetWindowSize(window_, size.width, size.height);
  SDL_SetWindowPosition(window_, origin.x, origin.y);
  translator_.ReportGeometry(ClientOrigin(), ClientSize(), pending_);
}

DisplayMode Window::GetDisplayMode() const {
  const Uint32 flags = SDL_GetWindowFlags(window_);
  return (flags & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP
             ? DisplayMode::FullscreenDesktop
             : DisplayMode::Windowed;
}

void Window::SetDisplayMode(DisplayMode mode) {
  SDL_SetWindowFullscreen(window_, FullscreenFlags(mode));
  if (mode == DisplayMode::FullscreenDesktop) {
    CoverDisplayWithoutWindowManager(window_);
  }
  translator_.ReportGeometry(ClientOrigin(), ClientSize(), pending_);
}

void Window::SetTitle(const std::string& title) { SDL_SetWindowTitle(window_, title.c_str()); }

void Window::Show() { SDL_ShowWindow(window_); }

void Window::Minimize() { SDL_MinimizeWindow(window_); }

void Window::Restore() { SDL_RestoreWindow(window_); }

bool Window::IsMinimized() const {
  return (SDL_GetWindowFlags(window_) & SDL_WINDOW_MINIMIZED) != 0;
}

void Window::RaiseAndFocus() { SDL_RaiseWindow(window_); }

bool Window::HasFocus() const {
  return (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

IntPoint Window::CursorScreenPosition() const {
  IntPoint position;
  if (NativePointerPosition(window_, position)) {
    return position;
  }
  SDL_GetMouseState(&position.x, &position.y);
  const IntPoint origin = ClientOrigin();
  return {origin.x + position.x, origin.y + position.y};
}

void Window::ShowCursor(const Cursor* cursor) {
  SDL_Cursor* wanted = cursor != nullptr ? cursor->NativeHandle() : SDL_GetDefaultCursor();
  if (wanted != nullptr && SDL_GetCursor() != wanted) {
    SDL_SetCursor(wanted);
  }
}

bool Window::SetIcon(const uint8_t* rgba, size_t byteCount, int width, int height,
                     std::string& error) {
  if (width < 1 || height < 1 || byteCount != static_cast<size_t>(width) * height * 4) {
    error = "icon pixels do not fill " + std::to_string(width) + " x " + std::to_string(height);
    return false;
  }
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<uint8_t*>(rgba), width, height, 32, width * 4, SDL_PIXELFORMAT_RGBA32);
  if (surface == nullptr) {
    error = SDL_GetError();
    return false;
  }
  SDL_SetWindowIcon(window_, surface);
  SDL_FreeSurface(surface);
  return true;
}

}  // namespace platform
