// Losing and regaining the focus: the input module stops following the
// pointer while the game is in the background, and a full-screen window
// asks the X server to iconify it so that the desktop shows.
#include <SDL.h>
#include <gtest/gtest.h>

#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/input/UlvoInputBasic_Win32.h"
#include "platform/window/Window.h"
#include "tests/engine/modules/ModuleTestSupport.h"
#include "tests/support/SdlWindowEventTest.h"
#include "tests/support/VirtualXServer.h"

// Xlib's macros (None, Bool, ...) would break the headers above.
#include <SDL_syswm.h>
#include <X11/Xutil.h>

namespace {

class FocusTest : public testsupport::SdlWindowEventTest {
 protected:
  void SetUp() override {
    m_input->Startup();
    m_application->OpenWindow(IntVector2(640, 400), 0, 101);
    PumpUntilEmpty();
  }
  void TearDown() override {
    m_input->Shutdown();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  }
  Uint32 WindowId() const override { return SDL_GetWindowID(NativeWindow()); }
  SDL_Window* NativeWindow() const { return m_application->GetDeviceContext()->NativeHandle(); }
  void PumpUntilEmpty() {
    for (int frame = 0; frame < 100 && m_application->GetDeviceContext()->HasMessage(); ++frame) {
      m_application->Update();
    }
  }
  void Pump(Uint8 windowEvent) {
    PushWindowEvent(windowEvent);
    PumpUntilEmpty();
  }
  IntVector2 InputCursor() const {
    IntVector2 client;
    m_input->GetMouseClientPosition(client.x, client.y);
    return client;
  }

  modules_test::TestCore m_core;
  modules_test::RecordingConsole m_console;
  modules_test::RecordingGame m_game;  // messages reach the window only while a game runs
  std::unique_ptr<UlvoApplicationBasic_Win32> m_application = UlvoApplicationBasic_Win32::Create();
  std::unique_ptr<UlvoInputBasic_Win32> m_input = UlvoInputBasic_Win32::Create();
};

// Without the focus the pointer's moves over other windows are not the
// game's; the focus coming back brings the pointer's place at once.
TEST_F(FocusTest, TheInputFollowsThePointerOnlyWithTheFocus) {
  SDL_WarpMouseInWindow(NativeWindow(), 100, 50);
  m_input->Update();
  EXPECT_EQ(InputCursor(), IntVector2(100, 50));
  Pump(SDL_WINDOWEVENT_FOCUS_LOST);
  SDL_WarpMouseInWindow(NativeWindow(), 300, 200);
  m_input->Update();
  EXPECT_EQ(InputCursor(), IntVector2(100, 50));
  Pump(SDL_WINDOWEVENT_FOCUS_GAINED);
  EXPECT_EQ(InputCursor(), IntVector2(300, 200));
}

// On a real X server, with a second client listening on the root window as
// a window manager would: losing the focus in full screen sends the
// request to iconify the window, in a window it sends none.
class XServerFocusTest : public FocusTest {
 protected:
  static void SetUpTestSuite() { s_unavailable = testsupport::StartVirtualXServerForSdl(s_display); }

  void SetUp() override {
    if (!s_unavailable.empty()) {
      GTEST_SKIP() << "no X server: " << s_unavailable;
    }
    m_listener = XOpenDisplay(s_display.c_str());
    ASSERT_NE(m_listener, nullptr);
    XSelectInput(m_listener, DefaultRootWindow(m_listener), SubstructureNotifyMask);
    XSync(m_listener, False);
    FocusTest::SetUp();
  }
  void TearDown() override {
    if (m_listener != nullptr) {
      FocusTest::TearDown();
      XCloseDisplay(m_listener);
    }
  }

  // The iconify requests for the game's window that reached the root.
  int IconifyRequests() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    EXPECT_EQ(SDL_GetWindowWMInfo(NativeWindow(), &info), SDL_TRUE) << SDL_GetError();
    XSync(info.info.x11.display, False);
    XSync(m_listener, False);
    const Atom changeState = XInternAtom(m_listener, "WM_CHANGE_STATE", False);
    int requests = 0;
    XEvent event;
    while (XCheckTypedEvent(m_listener, ClientMessage, &event)) {
      requests += event.xclient.message_type == changeState &&
                  event.xclient.window == info.info.x11.window &&
                  event.xclient.data.l[0] == IconicState;
    }
    return requests;
  }

  inline static std::string s_display;
  inline static std::string s_unavailable;
  platform_test::ScopedEnvironment m_display{"DISPLAY", s_display.c_str()};
  platform_test::ScopedEnvironment m_driver{"SDL_VIDEODRIVER", "x11"};
  Display* m_listener = nullptr;
};

TEST_F(XServerFocusTest, AFullScreenWindowIsIconifiedWhenItLosesTheFocus) {
  Pump(SDL_WINDOWEVENT_FOCUS_LOST);
  EXPECT_EQ(IconifyRequests(), 0);
  m_application->SetFullscreen();
  Pump(SDL_WINDOWEVENT_FOCUS_GAINED);
  EXPECT_EQ(IconifyRequests(), 0);
  Pump(SDL_WINDOWEVENT_FOCUS_LOST);
  EXPECT_EQ(IconifyRequests(), 1);
}

}  // namespace
