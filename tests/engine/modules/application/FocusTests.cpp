// Losing and regaining the focus: the input module stops following the
// pointer while the game is in the background, and a full-screen window
// asks the X server to iconify it so that the desktop shows.
#include <SDL.h>
#include <gtest/gtest.h>

#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/input/UlvoInputBasic_Win32.h"
#include "platform/window/Window.h"
#include "tests/engine/modules/ModuleTestSupport.h"
#include "tests/engine/modules/application/CursorPngSupport.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/SdlWindowEventTest.h"
#include "tests/support/VirtualXServer.h"

// Xlib's macros (None, Bool, ...) would break the headers above.
#include <SDL_syswm.h>
#include <X11/Xatom.h>
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
  static void SetUpTestSuite() {
    s_unavailable = testsupport::StartVirtualXServer(s_display);
    platform_test::ScopedEnvironment display("DISPLAY", s_display.c_str());
    if (s_unavailable.empty() && SDL_VideoInit("x11") != 0) {
      s_unavailable = "the X server takes no clients: " + std::string(SDL_GetError());
    }
    SDL_VideoQuit();
  }

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

// A window manager tells its frame through _NET_FRAME_EXTENTS (left,
// right, top, bottom); back in a window, the game's window takes it in.
TEST_F(XServerFocusTest, AWindowManagersFrameIsTakenInWhenTheWindowIsPlaced) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  ASSERT_EQ(SDL_GetWindowWMInfo(NativeWindow(), &info), SDL_TRUE) << SDL_GetError();
  const long extents[] = {8, 8, 30, 8};
  XChangeProperty(m_listener, info.info.x11.window, XInternAtom(m_listener, "_NET_FRAME_EXTENTS", False),
                  XA_CARDINAL, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(extents), 4);
  XSync(m_listener, False);
  XSync(info.info.x11.display, False);  // the change's notice is queued for the game
  SDL_PumpEvents();
  m_application->SetWindowed();
  PumpUntilEmpty();
  EXPECT_EQ(m_application->GetClientRect().top - m_application->GetWindowRect().top, 30);
  EXPECT_EQ(m_application->GetClientRect().left - m_application->GetWindowRect().left, 8);
}

// The game's own cursor shows while the pointer is at least the margin
// inside the client area, edges included; nearer the edge the system's
// arrow stays, for resizing.
TEST_F(XServerFocusTest, TheGamesCursorShowsOnlyClearOfTheWindowsEdges) {
  testsupport::TemporaryFolder folder;
  testsupport::WriteFileBytes(folder.File("hand.png"), modules_test::CursorPng(8, 8, "2,3"));
  {
    testsupport::ScopedWorkingDirectory inFolder(folder.File(""));
    m_application->SetCustomCursor("hand.cur");
  }
  SDL_Cursor* const arrow = SDL_GetDefaultCursor();
  const int m = UlvoApplicationBasic_Win32::CURSOR_EDGE_MARGIN;
  const IntVector2 size = m_application->GetClientSize();
  const struct {
    int x, y;
    bool custom;
  } cases[] = {{m, m, true},          {m - 1, m, false},         {m, m - 1, false},
               {size.x - m, size.y - m, true}, {size.x - m + 1, size.y - m, false}, {size.x - m, size.y - m + 1, false}};
  for (const auto& c : cases) {
    SDL_SetCursor(arrow);
    SDL_WarpMouseInWindow(NativeWindow(), c.x, c.y);
    m_application->Update();
    EXPECT_EQ(SDL_GetCursor() != arrow, c.custom) << c.x << ", " << c.y;
  }
}

}  // namespace
