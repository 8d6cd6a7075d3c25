// The application on a real X server through SDL's X11 driver: what needs
// a real display, the custom cursor, a window manager's frame and a
// full-screen switch that no window manager carries out. Skipped, with the
// reason, where no X server can start.
#include <SDL.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "platform/window/Window.h"
#include "tests/engine/modules/ModuleTestSupport.h"
#include "tests/engine/modules/application/CursorPngSupport.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/VirtualXServer.h"

// Xlib's macros (None, Bool, ...) would break the headers above.
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace {

using platform_test::ScopedEnvironment;

class XServerWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { s_unavailable = testsupport::StartVirtualXServerForSdl(s_display); }

  void SetUp() override {
    if (!s_unavailable.empty()) {
      GTEST_SKIP() << "no X server: " << s_unavailable;
    }
    m_application = UlvoApplicationBasic_Win32::Create();
    m_application->OpenWindow(IntVector2(640, 400), 0, 101);
  }

  // Moves the pointer into the client area, then runs frames, waiting for
  // the server's events in between, until the application sees it there.
  bool MovePointerTo(int x, int y) {
    SDL_Window* window = m_application->GetDeviceContext()->NativeHandle();
    SDL_WarpMouseInWindow(window, x, y);
    for (int frame = 0; frame < 500; ++frame) {
      m_application->Update();
      IntVector2 cursor;
      IntVector2 origin;
      SDL_GetWindowPosition(window, &origin.x, &origin.y);
      if (m_application->GetCursorScreenPosition(cursor) && cursor == origin + IntVector2(x, y)) {
        return true;
      }
      SDL_WaitEventTimeout(nullptr, 20);
    }
    return false;
  }

  // The client size the X server itself gives the window.
  IntVector2 ServerClientSize() const {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    XWindowAttributes attributes{};
    if (SDL_GetWindowWMInfo(NativeWindow(), &info) == SDL_TRUE) {
      XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes);
    }
    return IntVector2(attributes.width, attributes.height);
  }

  // The game's connection to the X server and its window there.
  void GetServerWindow(SDL_SysWMinfo& info) const {
    SDL_VERSION(&info.version);
    ASSERT_EQ(SDL_GetWindowWMInfo(NativeWindow(), &info), SDL_TRUE) << SDL_GetError();
  }

  // Acts on the server as another program does, on a connection of its
  // own; the server has carried it out when this returns.
  void AsAnotherClient(const std::function<void(Display*)>& act) const {
    Display* const other = XOpenDisplay(s_display.c_str());
    ASSERT_NE(other, nullptr);
    act(other);
    XSync(other, False);
    XCloseDisplay(other);
  }

  // Resizes the window as a window manager would, on its own.
  void ResizeOnTheServer(int width, int height) const {
    SDL_SysWMinfo info;
    ASSERT_NO_FATAL_FAILURE(GetServerWindow(info));
    XResizeWindow(info.info.x11.display, info.info.x11.window, width, height);
    XSync(info.info.x11.display, False);
  }

  // Runs frames until the server has answered every request so far.
  void Settle() {
    for (int frame = 0; frame < 10; ++frame) {
      SDL_WaitEventTimeout(nullptr, 20);
      m_application->Update();
    }
  }

  // The virtual screen, in client pixels, lies inside the client area the
  // window really has.
  void ExpectLaidOutForTheRealWindow(const char* step) const {
    const IntVector2 real = ServerClientSize();
    EXPECT_EQ(m_application->GetClientSize(), real) << step;
    const AABB2 screen = m_application->GetScreenBounds();
    EXPECT_TRUE(screen.mins.x >= 0.0f && screen.mins.y >= 0.0f &&
                screen.maxs.x <= static_cast<float>(real.x) &&
                screen.maxs.y <= static_cast<float>(real.y))
        << step << ": virtual screen (" << screen.mins.x << "," << screen.mins.y << ")-("
        << screen.maxs.x << "," << screen.maxs.y << ") in a client area of " << real.x << " x "
        << real.y;
  }

  SDL_Window* NativeWindow() const { return m_application->GetDeviceContext()->NativeHandle(); }

  inline static std::string s_display;
  inline static std::string s_unavailable;
  ScopedEnvironment m_display{"DISPLAY", s_display.c_str()};
  ScopedEnvironment m_driver{"SDL_VIDEODRIVER", "x11"};
  modules_test::RecordingConsole m_console;
  modules_test::RecordingGame m_game;
  std::unique_ptr<UlvoApplicationBasic_Win32> m_application;
};

// Set before the window is first shown; the instance name stays SDL's.
TEST_F(XServerWindowTest, TheWindowSystemKnowsTheWindowByTheEngineClass) {
  SDL_SysWMinfo info;
  ASSERT_NO_FATAL_FAILURE(GetServerWindow(info));
  XClassHint hint{};
  ASSERT_NE(XGetClassHint(info.info.x11.display, info.info.x11.window, &hint), 0);
  EXPECT_STREQ(hint.res_class, "Ulvo Game Engine Window Class");
  EXPECT_STRNE(hint.res_name, "Ulvo Game Engine Window Class");
  XFree(hint.res_name);
  XFree(hint.res_class);
}

// The window moves under a still pointer, as at a switch between window and
// full screen: SDL measures the pointer against the window only when it
// moves, yet the pointer read each frame, and a press there, are where the
// pointer really is.
TEST_F(XServerWindowTest, AWindowMovedUnderAStillPointerReadsThePointersTruePlace) {
  ASSERT_TRUE(MovePointerTo(200, 150));
  IntVector2 pointer;
  ASSERT_TRUE(m_application->GetCursorScreenPosition(pointer));
  platform::Window& window = *m_application->GetDeviceContext();
  const platform::IntPoint origin = window.ClientOrigin();
  window.SetClientGeometry({origin.x + 90, origin.y + 60}, window.ClientSize());
  Settle();
  ASSERT_EQ(window.ClientOrigin(), (platform::IntPoint{origin.x + 90, origin.y + 60}));
  IntVector2 read;
  ASSERT_TRUE(m_application->GetCursorScreenPosition(read));
  EXPECT_EQ(read, pointer);
  IntVector2 client;
  m_application->ClientToWindowOffset(read.x, read.y, client.x, client.y);
  EXPECT_EQ(client, IntVector2(110, 90));

  ASSERT_NO_FATAL_FAILURE(AsAnotherClient([](Display* server) {
    XTestFakeButtonEvent(server, 1, True, CurrentTime);
    XTestFakeButtonEvent(server, 1, False, CurrentTime);
  }));
  std::vector<platform::WindowMessage> buttons;
  for (int frame = 0; frame < 100 && buttons.size() < 2; ++frame) {
    SDL_WaitEventTimeout(nullptr, 20);
    for (platform::WindowMessage message; window.PollMessage(message);) {
      if (message.type == platform::WindowMessageType::MouseButtonDown ||
          message.type == platform::WindowMessageType::MouseButtonUp) {
        buttons.push_back(message);
      }
    }
  }
  ASSERT_EQ(buttons.size(), 2u);
  for (const platform::WindowMessage& button : buttons) {
    EXPECT_EQ(button.cursor, (platform::IntPoint{pointer.x, pointer.y}));
  }
}

// Another program places the pointer (a remote control, an accessibility
// tool, xdotool): no device moved it, and SDL's record of it stays where it
// was, yet the next frame reads it where it is.
TEST_F(XServerWindowTest, APointerPlacedByAnotherProgramIsReadWhereItIs) {
  ASSERT_TRUE(MovePointerTo(200, 150));
  SDL_SysWMinfo info;
  ASSERT_NO_FATAL_FAILURE(GetServerWindow(info));
  ASSERT_NO_FATAL_FAILURE(AsAnotherClient([&info](Display* other) {
    XWarpPointer(other, None, info.info.x11.window, 0, 0, 0, 0, 330, 240);
  }));
  m_application->Update();
  IntVector2 read;
  ASSERT_TRUE(m_application->GetCursorScreenPosition(read));
  IntVector2 client;
  m_application->ClientToWindowOffset(read.x, read.y, client.x, client.y);
  EXPECT_EQ(client, IntVector2(330, 240));
}

// The game's own cursor (from the data folder) replaces the arrow inside
// the client area, except within 10 pixels of its edge.
TEST_F(XServerWindowTest, ThePaintBrushCursorReplacesTheArrowInsideTheClientArea) {
  ASSERT_TRUE(MovePointerTo(5, 200));
  SDL_Cursor* const arrow = SDL_GetCursor();
  m_application->SetCustomCursor("\\Data\\Images\\Cursors\\PaintBrush2.cur");
  EXPECT_FALSE(m_console.Printed("WARNING")) << m_console.Text();
  m_application->Update();
  EXPECT_EQ(SDL_GetCursor(), arrow);
  ASSERT_TRUE(MovePointerTo(320, 200));
  EXPECT_NE(SDL_GetCursor(), arrow);
  m_application->SetCustomCursor("");
  m_application->Update();
  EXPECT_EQ(SDL_GetCursor(), SDL_GetDefaultCursor());
}

// No window manager runs, so nobody carries out a full-screen request,
// though SDL reports the desktop's size at once: the window covers the
// display itself, and the game is laid out for the window it has, each
// time. When the window system resizes the window later, the game follows.
TEST_F(XServerWindowTest, AFullScreenSwitchIsLaidOutForTheSizeTheWindowGets) {
  const IntVector2 desktop = m_application->GetDesktopSize();
  for (const char* step : {"first switch", "second switch"}) {
    m_application->SetFullscreen();
    ExpectLaidOutForTheRealWindow(step);
    EXPECT_EQ(ServerClientSize(), desktop) << step;
    Settle();
    ExpectLaidOutForTheRealWindow(step);
    m_application->SetWindowed();
    Settle();
    ExpectLaidOutForTheRealWindow("windowed");
  }
  m_application->SetFullscreen();
  Settle();
  ResizeOnTheServer(1000, 700);
  Settle();
  EXPECT_EQ(m_application->GetClientSize(), IntVector2(1000, 700));
  ExpectLaidOutForTheRealWindow("resized by the window system");
}

// A window manager tells its frame through _NET_FRAME_EXTENTS (left,
// right, top, bottom); back in a window, the game's window takes it in.
TEST_F(XServerWindowTest, AWindowManagersFrameIsTakenInWhenTheWindowIsPlaced) {
  SDL_SysWMinfo info;
  ASSERT_NO_FATAL_FAILURE(GetServerWindow(info));
  ASSERT_NO_FATAL_FAILURE(AsAnotherClient([&info](Display* manager) {
    const long extents[] = {8, 8, 30, 8};
    XChangeProperty(manager, info.info.x11.window, XInternAtom(manager, "_NET_FRAME_EXTENTS", False),
                    XA_CARDINAL, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(extents), 4);
  }));
  XSync(info.info.x11.display, False);  // the change's notice is queued for the game
  SDL_PumpEvents();
  m_application->SetWindowed();
  Settle();
  EXPECT_EQ(m_application->GetClientRect().top - m_application->GetWindowRect().top, 30);
  EXPECT_EQ(m_application->GetClientRect().left - m_application->GetWindowRect().left, 8);
}

// The game's own cursor shows while the pointer is at least the margin
// inside the client area, edges included; nearer the edge the system's
// arrow stays, for resizing.
TEST_F(XServerWindowTest, TheGamesCursorShowsOnlyClearOfTheWindowsEdges) {
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
  } cases[] = {{m, m, true},
               {m - 1, m, false},
               {m, m - 1, false},
               {size.x - m, size.y - m, true},
               {size.x - m + 1, size.y - m, false},
               {size.x - m, size.y - m + 1, false}};
  for (const auto& c : cases) {
    SDL_SetCursor(arrow);
    SDL_WarpMouseInWindow(NativeWindow(), c.x, c.y);
    m_application->Update();
    EXPECT_EQ(SDL_GetCursor() != arrow, c.custom) << c.x << ", " << c.y;
  }
}

}  // namespace
