#include "engine/modules/application/UlvoApplicationBasic_Win32.h"

#include <cmath>

#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoTimeSystem.h"
#include "engine/modules/application/CursorFile.h"
#include "engine/modules/application/UlvoGameInterface.h"
#include "engine/modules/application/UlvoWindowResizeInterface.h"
#include "engine/modules/application/WindowIcon.h"
#include "engine/modules/application/WindowInputTranslation.h"
#include "engine/modules/input/UlvoInputInterface.h"
#include "platform/system/FileSystem.h"
#include "platform/system/HighResolutionCounter.h"
#include "platform/system/TextEncoding.h"
#include "platform/window/Cursor.h"
#include "platform/window/Window.h"

namespace {

using platform::WindowMessage;
using platform::WindowMessageType;

// Titles longer than this are cut.
constexpr size_t MAX_TITLE_LENGTH = 1023;
// The default windowed size leaves this much of the desktop free.
constexpr int32_t WINDOWED_DESKTOP_MARGIN = 200;
constexpr uint32_t ALT_ENTER_MENU_CHARACTER = 13;

// The engine's time when a core runs, so that tests can drive the budget;
// the raw counter otherwise.
double CurrentTimeSeconds() {
  if (UlvoCore* core = UlvoCore::GetGlobal()) {
    return core->GetTimeSystem().GetCurrentTimeSeconds();
  }
  return static_cast<double>(platform::QueryCounter()) /
         static_cast<double>(platform::QueryCounterFrequency());
}

float RatioOf(int width, int height) {
  return height == 0 ? 0.0f : static_cast<float>(width) / static_cast<float>(height);
}

// The primary display; on a desktop of several monitors it need not start
// at (0, 0).
ScreenRect DesktopRect() {
  const platform::IntPoint origin = platform::Window::DesktopOrigin();
  const platform::IntSize size = platform::Window::DesktopSize();
  return {origin.x, origin.y, origin.x + size.width, origin.y + size.height};
}

bool IsQuitRequested() {
  const UlvoGameInterface* game = UlvoGameInterface::GetGlobal();
  return game != nullptr && game->IsQuitting();
}

}  // namespace

std::unique_ptr<UlvoApplicationBasic_Win32> UlvoApplicationBasic_Win32::Create() {
  return std::make_unique<UlvoApplicationBasic_Win32>();
}

UlvoApplicationBasic_Win32::UlvoApplicationBasic_Win32() = default;

UlvoApplicationBasic_Win32::~UlvoApplicationBasic_Win32() = default;

void UlvoApplicationBasic_Win32::Update() {
  if (m_window == nullptr) {
    return;
  }
  const double start = CurrentTimeSeconds();
  for (;;) {
    if (IsQuitRequested()) {
      return;
    }
    const double elapsed = CurrentTimeSeconds() - start;
    if (!m_window->HasMessage() || elapsed >= MESSAGE_PUMP_BUDGET_SECONDS) {
      break;
    }
    WindowMessage message;
    m_window->PollMessage(message);
    WindowProc(message);
  }
  CheckFullscreenPosition();
  UpdateCursor();
}

// The icon resource names an image in the data folder (WindowIcon.h).
void UlvoApplicationBasic_Win32::OpenWindow(const IntVector2& size, int fullscreen,
                                            int iconResourceId) {
  ReplaceProperties(std::make_unique<ApplicationWindowProperties>(size, fullscreen));
  ApplyWindowProperties();

  // The frame is not known before the window exists: the first placement
  // guesses none, and the shown window is placed again with its real frame.
  PopulateClientAndWindowRect(size);
  platform::WindowSettings settings;
  settings.title = platform::Cp1252ToUtf8(GetApplicationName().substr(0, MAX_TITLE_LENGTH));
  settings.className = WINDOW_CLASS_NAME;
  settings.clientOrigin = {m_clientOrigin.x, m_clientOrigin.y};
  settings.clientSize = {size.x, size.y};
  settings.mode =
      fullscreen == 1 ? platform::DisplayMode::FullscreenDesktop : platform::DisplayMode::Windowed;
  std::string error;
  m_window = platform::Window::Create(settings, error);
  if (m_window == nullptr) {
    ULVO_ERROR(Stringf("Unable to open the application window of %d x %d pixels (%s): %s",
                       size.x, size.y, fullscreen == 1 ? "full screen" : "windowed",
                       error.c_str()),
               "UlvoApplicationBasic_Win32::OpenWindow");
  }
  ApplyWindowIcon(*m_window, iconResourceId);
  m_window->Show();
  if (IsWindowed()) {
    PlaceWithTheRealFrame(size);
  }
  m_window->RaiseAndFocus();
  m_customCursor.reset();
}

void UlvoApplicationBasic_Win32::PlaceWithTheRealFrame(const IntVector2& size) {
  const IntVector2 firstOrigin = m_clientOrigin;
  PopulateClientAndWindowRect(size);
  if (m_clientOrigin != firstOrigin) {
    m_window->SetClientGeometry({m_clientOrigin.x, m_clientOrigin.y}, {size.x, size.y});
  }
}

void UlvoApplicationBasic_Win32::SetFullscreen() {
  ConsolePrintf("UlvoApplicationBasic_Win32::SetFullscreen : called\n");
  ApplicationWindowProperties* properties = MutableProperties();
  if (m_window == nullptr || properties == nullptr) {
    return;
  }
  properties->m_lastPhysicalSize = properties->m_physicalSize;
  const IntVector2 native = GetDesktopSize();
  properties->m_physicalSize = native;
  ConsolePrintf(
      "UlvoApplicationBasic_Win32::SetFullscreen : last physical size was (%d,%d); new physical "
      "size (native res) is (%d,%d)\n",
      properties->m_lastPhysicalSize.x, properties->m_lastPhysicalSize.y, native.x, native.y);
  // The style and the placement are applied twice, as the window has always
  // been switched: once is not always enough for a window manager.
  ConsolePrintf("UlvoApplicationBasic_Win32::SetFullscreen : setting windows style flags\n");
  ConsolePrintf(
      "UlvoApplicationBasic_Win32::SetFullscreen : calling SetWindowPos (1st time) with "
      "mins=(0,0) and size=(%d,%d)\n",
      native.x, native.y);
  m_window->SetDisplayMode(platform::DisplayMode::FullscreenDesktop);
  properties->m_fullscreen = 1;
  ConsolePrintf("UlvoApplicationBasic_Win32::SetFullscreen : setting windows style flags AGAIN\n");
  ConsolePrintf(
      "UlvoApplicationBasic_Win32::SetFullscreen : calling SetWindowPos (2nd time) with "
      "mins=(0,0) and size=(%d,%d)\n",
      native.x, native.y);
  m_window->SetDisplayMode(platform::DisplayMode::FullscreenDesktop);
  // The window system may refuse the switch or carry it out later: the game
  // is laid out for the size the window has now, and the size message that
  // comes with a later change lays it out again.
  const platform::IntSize granted = m_window->ClientSize();
  ConsolePrintf("UlvoApplicationBasic_Win32::SetFullscreen : calling OnWindowResized size=(%d,%d)\n",
                granted.width, granted.height);
  OnWindowResized(granted.width, granted.height);
  DebuggerPrintf("nativeRes = (%d, %d); m_physicalSize = (%d, %d)\n", native.x, native.y,
                 properties->m_physicalSize.x, properties->m_physicalSize.y);
}

void UlvoApplicationBasic_Win32::SetWindowed() {
  ConsolePrintf("UlvoApplicationBasic_Win32::SetWindowed : called\n");
  ApplicationWindowProperties* properties = MutableProperties();
  if (m_window == nullptr || properties == nullptr) {
    return;
  }
  const IntVector2 desktop = GetDesktopSize();
  IntVector2 size(desktop.x - WINDOWED_DESKTOP_MARGIN, desktop.y - WINDOWED_DESKTOP_MARGIN);
  if (size.x <= 0 || size.y <= 0) {
    size = desktop;
  }
  properties->m_physicalSize = BringToSixteenByTen(size);
  const IntVector2 physical = properties->m_physicalSize;
  ConsolePrintf("UlvoApplicationBasic_Win32::SetWindowed : setting windows style flags\n");
  m_window->SetDisplayMode(platform::DisplayMode::Windowed);
  PopulateClientAndWindowRect(physical);
  ConsolePrintf(
      "UlvoApplicationBasic_Win32::SetWindowed : PopulateClientAndWindowRect called with physical "
      "size (%d,%d)\n",
      physical.x, physical.y);
  const IntVector2 windowSize(m_windowRect.Width(), m_windowRect.Height());
  const platform::IntPoint corner = platform::Window::DesktopOrigin();
  const IntVector2 position(
      corner.x + static_cast<int32_t>(std::floor((desktop.x - windowSize.x) / 2.0 + 0.5)),
      corner.y + static_cast<int32_t>(std::floor((desktop.y - windowSize.y) / 2.0 + 0.5)));
  ConsolePrintf(
      "UlvoApplicationBasic_Win32::SetWindowed : WindowRect is now mins=(%d,%d), size=(%d,%d); "
      "ClientRect is now mins=(%d,%d), size=(%d,%d)\n",
      m_windowRect.left, m_windowRect.top, windowSize.x, windowSize.y, m_clientRect.left,
      m_clientRect.top, m_clientRect.Width(), m_clientRect.Height());
  ConsolePrintf(
      "UlvoApplicationBasic_Win32::SetWindowed : about to call SetWindowPos with mins=(%d,%d), "
      "size=(%d,%d)\n",
      position.x, position.y, windowSize.x, windowSize.y);
  properties->m_fullscreen = 0;
  ConsolePrintf(
      "UlvoApplicationBasic_Win32::SetWindowed : about to call OnWindowResized with "
      "physicalSize=(%d,%d)\n",
      physical.x, physical.y);
  // The window settles one pixel right of and below the centred position,
  // as it always has; the move and size come back through the pump.
  const int32_t clientX = position.x + 1 + (m_clientRect.left - m_windowRect.left);
  const int32_t clientY = position.y + 1 + (m_clientRect.top - m_windowRect.top);
  m_window->SetClientGeometry({clientX, clientY}, {physical.x, physical.y});
}

IntVector2 UlvoApplicationBasic_Win32::GetDesktopSize() const {
  const platform::IntSize size = platform::Window::DesktopSize();
  return IntVector2(size.width, size.height);
}

IntVector2 UlvoApplicationBasic_Win32::GetClientSize() const {
  return IntVector2(m_clientRect.Width(), m_clientRect.Height());
}

void UlvoApplicationBasic_Win32::ClientToWindowOffset(int x, int y, int& outX, int& outY) const {
  outX = x - m_clientOrigin.x;
  outY = y - m_clientOrigin.y;
}

void UlvoApplicationBasic_Win32::WindowToClientOffset(int x, int y, int& outX, int& outY) const {
  outX = m_clientOrigin.x + x;
  outY = m_clientOrigin.y + y;
}

bool UlvoApplicationBasic_Win32::GetCursorScreenPosition(IntVector2& out) const {
  if (m_window == nullptr) {
    return false;
  }
  const platform::IntPoint position = m_window->CursorScreenPosition();
  out = IntVector2(position.x, position.y);
  return true;
}

void UlvoApplicationBasic_Win32::SetCustomCursor(const std::string& path) {
  if (path.empty()) {
    m_customCursor.reset();
    return;
  }
  std::string error;
  m_customCursor = LoadCursorFile(path, error);
  if (m_customCursor == nullptr) {
    ConsolePrintf("WARNING: cursor \"%s\" not loaded, keeping the arrow: %s\n", path.c_str(),
                  error.c_str());
  }
}

std::string UlvoApplicationBasic_Win32::GetUserDataPath() const {
  const std::string base = platform::UserDataBaseFolder();
  if (base.empty()) {
    return GetUserDataFolder();
  }
  return base + "/" + GetUserDataFolder();
}

void UlvoApplicationBasic_Win32::CheckFullscreenPosition() {
  if (m_window == nullptr || IsWindowed() || m_window->IsMinimized()) {
    return;
  }
  // The corner of the display it covers: SDL may have taken the window full
  // screen on another monitor than the primary one.
  const platform::IntPoint corner = m_window->DisplayOrigin();
  const platform::IntPoint origin = m_window->ClientOrigin();
  if (origin == corner) {
    return;
  }
  const IntVector2 size = Properties().m_physicalSize;
  ConsolePrintf(
      "Fullscreen window was NOT at %d,%d (position was %d,%d); repositioning to mins=(%d,%d), "
      "size=(%d,%d)\n",
      corner.x, corner.y, origin.x, origin.y, corner.x, corner.y, size.x, size.y);
  m_window->Show();
  m_window->RaiseAndFocus();
  m_window->SetClientGeometry(corner, {size.x, size.y});
}

void UlvoApplicationBasic_Win32::PopulateClientAndWindowRect(const IntVector2& size) {
  const platform::WindowBorders frame =
      m_window != nullptr && IsWindowed() ? m_window->Borders() : platform::WindowBorders();
  const WindowPlacement placement = PlaceWindowOnDesktop(size, frame, DesktopRect());
  m_clientRect = placement.clientRect;
  m_windowRect = placement.windowRect;
  m_clientOrigin = IntVector2(m_clientRect.left, m_clientRect.top);
}

void UlvoApplicationBasic_Win32::OnWindowResized(int width, int height) {
  const int oldWidth = m_clientRect.Width();
  const int oldHeight = m_clientRect.Height();
  m_clientRect.right = m_clientRect.left + width;
  m_clientRect.bottom = m_clientRect.top + height;
  const int deltaX = width - oldWidth;
  const int deltaY = height - oldHeight;
  m_windowRect.right += deltaX;
  m_windowRect.bottom += deltaY;
  if (ApplicationWindowProperties* properties = MutableProperties()) {
    properties->m_physicalSize = IntVector2(width, height);
  }

  // A minimised window has no height: its ratio is given as 0.
  NamedProperties args;
  args.Set("OldWidth", oldWidth);
  args.Set("OldHeight", oldHeight);
  args.Set("OldRatio", RatioOf(oldWidth, oldHeight));
  args.Set("Width", width);
  args.Set("Height", height);
  args.Set("Ratio", RatioOf(width, height));
  args.Set("DeltaX", deltaX);
  args.Set("DeltaY", deltaY);
  FireGlobalEvent("ScreenResizedEvent", args);

  if (UlvoWindowResizeInterface* renderer = UlvoWindowResizeInterface::GetDefaultInstance()) {
    renderer->OnWindowResize(IntVector2(width, height));
  }
  ApplyWindowProperties();
}

bool UlvoApplicationBasic_Win32::WindowProc(const WindowMessage& message) {
  if (UlvoGameInterface::GetGlobal() == nullptr || IsQuitRequested()) {
    return false;
  }
  return HandleWindowMessage(message);
}

bool UlvoApplicationBasic_Win32::HandleWindowMessage(const WindowMessage& message) {
  switch (message.type) {
    case WindowMessageType::Move:
      OnMove(IntVector2(message.origin.x, message.origin.y));
      return true;
    case WindowMessageType::Size:
      OnWindowResized(message.size.width, message.size.height);
      return true;
    case WindowMessageType::Close:
      // The window stays open: the driver ends the game in its own order.
      FireGlobalEvent("QuitGameEvent");
      return true;
    case WindowMessageType::Activate:
      OnActivate(message.active);
      return true;
    case WindowMessageType::KeyMenu:
      // Alt with any other key would open the window menu: taken and dropped.
      if (message.character == ALT_ENTER_MENU_CHARACTER) {
        FireGlobalEvent("ToggleFullscreenEvent");
      }
      return true;
    default:
      return m_hasFocus && TranslateInputMessage(message);
  }
}

bool UlvoApplicationBasic_Win32::TranslateInputMessage(const WindowMessage& message) {
  KeyPair pair;
  if (!TranslateToKeyPair(message, pair)) {
    return false;
  }
  UlvoInputInterface* input = UlvoInputInterface::GetDefaultInstance();
  if (input == nullptr) {
    return false;
  }
  if (message.type == WindowMessageType::MouseButtonDown ||
      message.type == WindowMessageType::MouseButtonUp) {
    input->SetCursorScreenPosition(IntVector2(message.cursor.x, message.cursor.y));
  }
  return input->OnKeyEvent(pair.action, pair.code);
}

void UlvoApplicationBasic_Win32::OnMove(const IntVector2& newOrigin) {
  const IntVector2 delta = newOrigin - m_clientOrigin;
  m_clientRect.Translate(delta.x, delta.y);
  m_windowRect.Translate(delta.x, delta.y);
  m_clientOrigin = newOrigin;
}

void UlvoApplicationBasic_Win32::OnActivate(bool active) {
  m_hasFocus = active;
  // A full-screen window must not cover the desktop while another
  // application is in use.
  if (!IsWindowed()) {
    if (active) {
      m_window->Restore();
    } else {
      m_window->Minimize();
    }
  }
  NamedProperties args;
  args.Set("hasFocus", active);
  FireGlobalEvent("OnAppChangeFocus", args);
}

void UlvoApplicationBasic_Win32::UpdateCursor() {
  IntVector2 cursor;
  if (!GetCursorScreenPosition(cursor)) {
    return;
  }
  const auto x = static_cast<float>(cursor.x);
  const auto y = static_cast<float>(cursor.y);
  const auto margin = static_cast<float>(CURSOR_EDGE_MARGIN);
  const bool inside = static_cast<float>(m_clientRect.left) + margin <= x &&
                      x <= static_cast<float>(m_clientRect.right) - margin &&
                      static_cast<float>(m_clientRect.top) + margin <= y &&
                      y <= static_cast<float>(m_clientRect.bottom) - margin;
  if (inside) {
    m_window->ShowCursor(m_customCursor.get());
  }
}
