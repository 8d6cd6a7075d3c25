// The application on a real X server through SDL's X11 driver: what needs
// a real display, the custom cursor. Skipped, with the reason, where no X
// server can start.
#include <SDL.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "platform/window/Window.h"
#include "tests/engine/modules/ModuleTestSupport.h"

namespace {

using platform_test::ScopedEnvironment;

// Starts a virtual X server of the test suite's own and waits until it
// takes clients: it writes its display number and a newline then. The server
// picks a free display itself (-displayfd), so suites running side by side
// need no lock, and goes with the test suite's process. Empty when it
// started, the reason why not otherwise.
std::string StartVirtualXServer(std::string& display) {
  std::string program;
  std::istringstream folders(std::getenv("PATH") != nullptr ? std::getenv("PATH") : "");
  for (std::string folder; program.empty() && std::getline(folders, folder, ':');) {
    program = access((folder + "/Xvfb").c_str(), X_OK) == 0 ? folder + "/Xvfb" : "";
  }
  int fds[2];
  if (program.empty() || pipe(fds) != 0) return "Xvfb is not installed";
  if (fork() == 0) {
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    execl(program.c_str(), program.c_str(), "-displayfd", std::to_string(fds[1]).c_str(), "-screen",
          "0", "1280x1024x24", "-nolisten", "tcp", "-noreset", nullptr);
    _exit(127);
  }
  close(fds[1]);
  pollfd reply{fds[0], POLLIN, 0};
  char c = 0;
  while (poll(&reply, 1, 15000) == 1 && read(fds[0], &c, 1) == 1 && c != '\n') display += c;
  close(fds[0]);
  display = ":" + display;
  return c == '\n' && display.size() > 1 ? "" : program + " did not report a display";
}

class XServerWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_unavailable = StartVirtualXServer(s_display);
    ScopedEnvironment display("DISPLAY", s_display.c_str());
    if (s_unavailable.empty() && SDL_VideoInit("x11") != 0) {
      s_unavailable = "the X server takes no clients: " + std::string(SDL_GetError());
    }
    SDL_VideoQuit();
  }

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

  inline static std::string s_display;
  inline static std::string s_unavailable;
  ScopedEnvironment m_display{"DISPLAY", s_display.c_str()};
  ScopedEnvironment m_driver{"SDL_VIDEODRIVER", "x11"};
  modules_test::RecordingConsole m_console;
  std::unique_ptr<UlvoApplicationBasic_Win32> m_application;
};

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

}  // namespace
