#include "engine/modules/input/UlvoInputBasic_Win32.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoConsoleInterface.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/application/UlvoApplicationInterface.h"
#include "engine/modules/application/UlvoGameInterface.h"
#include "engine/modules/input/UlvoUIKeyHandlerInterface.h"

bool UlvoInputBasic_Win32::s_started = false;

IntVector2 ClientToVirtualScreen(const IntVector2& client, const AABB2& screenBounds,
                                 const Vector2& viewScale) {
  const Vector2 position((static_cast<float>(client.x) - screenBounds.mins.x) * viewScale.x,
                         (static_cast<float>(client.y) - screenBounds.mins.y) * viewScale.y);
  return IntVector2(static_cast<int32_t>(position.x), static_cast<int32_t>(position.y));
}

std::unique_ptr<UlvoInputBasic_Win32> UlvoInputBasic_Win32::Create() {
  return std::make_unique<UlvoInputBasic_Win32>();
}

UlvoInputBasic_Win32::UlvoInputBasic_Win32() { ReadCursor(); }

UlvoInputBasic_Win32::~UlvoInputBasic_Win32() {
  ULVO_ASSERT_IN_DESTRUCTOR(m_wasStarted, "UlvoInputBasic was destroyed without being initialized.",
                            "UlvoinputBasic");
}

void UlvoInputBasic_Win32::Startup() {
  ConsolePrintf("::: Initialization : UlvoInputBasic_Win32 (starting)\n");
  if (s_started) {
    ULVO_ERROR("UlvoInputBasic_Win32 was initialized twice.", "UlvoInputBasic_Win32");
  }
  if (UlvoCore* core = UlvoCore::GetGlobal()) {
    RegisterEventHandler("OnAppChangeFocus", &core->GetEventSystem(),
                         &UlvoInputBasic_Win32::Event_OnAppChangeFocus, this);
  }
  s_started = true;
  m_wasStarted = true;
  ConsolePrintf("::: Initialization : UlvoInputBasic_Win32 (finished)\n");
}

void UlvoInputBasic_Win32::Shutdown() {
  ConsolePrintf("::: Shutdown : UlvoInputBasic_Win32 (starting)\n");
  s_started = false;
  ConsolePrintf("::: Shutdown : UlvoInputBasic_Win32 (finished)\n");
}

void UlvoInputBasic_Win32::Update() {
  if (m_hasFocus) {
    ReadCursor();
  }
}

bool UlvoInputBasic_Win32::OnKeyEvent(int action, int code) {
  const auto index = static_cast<uint8_t>(code);
  if (action == KEY_ACTION_DOWN || action == KEY_ACTION_REPEAT) {
    m_keyState[index] = 1;
  } else if (action == KEY_ACTION_UP) {
    m_keyState[index] = 0;
  }
  if (UlvoConsoleInterface* console = UlvoConsoleInterface::GetDefaultInstance()) {
    if (console->OnKeyEvent(action, code)) {
      return true;
    }
  }
  if (UlvoUIKeyHandlerInterface* ui = UlvoUIKeyHandlerInterface::GetDefaultInstance()) {
    if (ui->OnKeyEvent(action, code)) {
      return true;
    }
  }
  UlvoGameInterface* game = UlvoGameInterface::GetGlobal();
  return game != nullptr && game->OnKeyEvent(action, code);
}

bool UlvoInputBasic_Win32::IsKeyDown(uint8_t code) const {
  if (code == ILLEGAL_KEY_CODE) {
    ULVO_ERROR(Stringf("UlvoInputBasic_Win32: Illegal keycode: %d\n", code), "UlvoInputBasic_Win32");
  }
  return m_keyState[code] != 0;
}

void UlvoInputBasic_Win32::GetMouseClientPosition(int& x, int& y) const {
  if (const UlvoApplicationInterface* application =
          UlvoApplicationInterface::GetDefaultInstance()) {
    application->ClientToWindowOffset(m_cursorPosition.x, m_cursorPosition.y, x, y);
    return;
  }
  x = m_cursorPosition.x;
  y = m_cursorPosition.y;
}

void UlvoInputBasic_Win32::GetMousePosition(int& x, int& y) const {
  IntVector2 client;
  GetMouseClientPosition(client.x, client.y);
  const UlvoApplicationInterface* application = UlvoApplicationInterface::GetDefaultInstance();
  const IntVector2 position =
      application != nullptr
          ? ClientToVirtualScreen(client, application->GetScreenBounds(),
                                  application->GetViewScale())
          : client;
  x = position.x;
  y = position.y;
}

void UlvoInputBasic_Win32::SetCursorScreenPosition(const IntVector2& position) {
  m_cursorPosition = position;
}

void UlvoInputBasic_Win32::Event_OnAppChangeFocus(NamedProperties& args) {
  bool hasFocus = false;
  args.Get("hasFocus", hasFocus);
  m_hasFocus = hasFocus;
  if (m_hasFocus) {
    ReadCursor();
  }
}

void UlvoInputBasic_Win32::ReadCursor() {
  if (const UlvoApplicationInterface* application =
          UlvoApplicationInterface::GetDefaultInstance()) {
    application->GetCursorScreenPosition(m_cursorPosition);
  }
}
