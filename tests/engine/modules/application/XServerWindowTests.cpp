#include <SDL.h>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "platform/window/Window.h"
#include "tests/engine/modules/ModuleTestSupport.h"
#include "tests/engine/modules/application/CursorPngSupport.h"

namespace {

using modules_test::CursorPng;
using modules_test::RecordingConsole;
using modules_test::RecordingGame;
using modules_test::ScopedWorkingDirectory;
using modules_test::TemporaryFolder;
using modules_test::TestCore;
using platform_test::ScopedEnvironment;

const char* const GAME_TITLE = "Harrowmere: Pemberquill";

// The full path of a program found on the PATH; empty when it is not there.
std::string FindProgram(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "/usr/bin:/bin";
  size_t start = 0;
  while (start <= folders.size()) {
    size_t end = folders.find(':', start);
    if (end == std::string::npos) {
      end = folders.size();
    }
    const std::string candidate = folders.substr(start, end - start) + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) {
      return candidate;
    }
    start = end + 1;
  }
  return std::string();
}

// A virtual X server of this test's own, on a display number the server
// picks itself among the free ones; stopped when the test suite ends.
class VirtualXServer {
 public:
  ~VirtualXServer() {
    if (m_pid > 0) {
      kill(m_pid, SIGTERM);
      waitpid(m_pid, nullptr, 0);
    }
  }

  bool Start(const std::string& program, std::string& error) {
    int fds[2];
    if (pipe(fds) != 0) {
      error = "no pipe";
      return false;
    }
    const std::string displayFd = std::to_string(fds[1]);
    m_pid = fork();
    if (m_pid == 0) {
      // The server goes with the test, even when the test dies.
      prctl(PR_SET_PDEATHSIG, SIGTERM);
      close(fds[0]);
      const int devNull = open("/dev/null", O_WRONLY);
      dup2(devNull, STDOUT_FILENO);
      dup2(devNull, STDERR_FILENO);
      execl(program.c_str(), program.c_str(), "-displayfd", displayFd.c_str(), "-screen", "0",
            "1280x1024x24", "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    if (m_pid < 0) {
      close(fds[0]);
      error = "cannot start " + program;
      return false;
    }
    const bool ready = ReadDisplayNumber(fds[0]);
    close(fds[0]);
    if (!ready) {
      error = program + " did not report a display";
    }
    return ready;
  }

  std::string Display() const { return ":" + m_displayNumber; }

 private:
  // The server writes its display number and a newline once it accepts
  // clients.
  bool ReadDisplayNumber(int fd) {
    pollfd waiting{fd, POLLIN, 0};
    char c = 0;
    while (poll(&waiting, 1, 15000) == 1 && read(fd, &c, 1) == 1) {
      if (c == '\n') {
        return !m_displayNumber.empty();
      }
      m_displayNumber += c;
    }
    return false;
  }

  pid_t m_pid = -1;
  std::string m_displayNumber;
};

// Runs the application on a real X server through SDL's X11 driver. Skipped,
// with the reason, where no X server can start. Xvfb picks a free display
// itself (-displayfd), so suites running side by side need no lock.
class XServerWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string program = FindProgram("Xvfb");
    if (program.empty()) {
      s_unavailable = "Xvfb is not installed";
      return;
    }
    s_server = new VirtualXServer();
    if (!s_server->Start(program, s_unavailable)) {
      return;
    }
    // The server reports its display once it takes clients; one probe
    // tells whether SDL can reach it.
    ScopedEnvironment display("DISPLAY", s_server->Display().c_str());
    if (SDL_VideoInit("x11") != 0) {
      s_unavailable = "the X server on " + s_server->Display() + " takes no clients: " + SDL_GetError();
      return;
    }
    SDL_VideoQuit();
  }

  static void TearDownTestSuite() {
    delete s_server;
    s_server = nullptr;
  }

  void SetUp() override {
    if (!s_unavailable.empty()) {
      GTEST_SKIP() << "no X server: " << s_unavailable;
    }
    m_display = std::make_unique<ScopedEnvironment>("DISPLAY", s_server->Display().c_str());
    m_driver = std::make_unique<ScopedEnvironment>("SDL_VIDEODRIVER", "x11");
    m_application = UlvoApplicationBasic_Win32::Create();
    m_application->SetApplicationName(GAME_TITLE);
    m_application->OpenWindow(IntVector2(640, 400), 0, 101);
    m_application->Update();
  }

  void TearDown() override { m_application.reset(); }

  // The X server answers asynchronously: runs frames, waiting for its
  // events in between, until the condition holds; false if it never does.
  template <class Condition>
  bool RunFramesUntil(Condition condition) {
    for (int frame = 0; frame < 500; ++frame) {
      m_application->Update();
      if (condition()) {
        return true;
      }
      SDL_WaitEventTimeout(nullptr, 20);
    }
    return false;
  }

  // Moves the pointer into the client area and runs frames until the
  // application sees it there.
  bool MovePointerTo(int x, int y) {
    SDL_WarpMouseInWindow(NativeWindow(), x, y);
    return RunFramesUntil([&] {
      int left = 0;
      int top = 0;
      SDL_GetWindowPosition(NativeWindow(), &left, &top);
      IntVector2 cursor;
      return m_application->GetCursorScreenPosition(cursor) &&
             cursor == IntVector2(left + x, top + y);
    });
  }

  SDL_Window* NativeWindow() { return m_application->GetDeviceContext()->NativeHandle(); }

  static std::string RunAndRead(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
      return output;
    }
    char buffer[4096];
    size_t count = 0;
    while ((count = fread(buffer, 1, sizeof(buffer), pipe)) > 0) {
      output.append(buffer, count);
    }
    pclose(pipe);
    return output;
  }

  static VirtualXServer* s_server;
  static std::string s_unavailable;

  TestCore m_core;
  RecordingConsole m_console;
  RecordingGame m_game;
  std::unique_ptr<ScopedEnvironment> m_display;
  std::unique_ptr<ScopedEnvironment> m_driver;
  std::unique_ptr<UlvoApplicationBasic_Win32> m_application;
};

VirtualXServer* XServerWindowTest::s_server = nullptr;
std::string XServerWindowTest::s_unavailable;

TEST_F(XServerWindowTest, TheWindowAppearsWithTheGamesTitle) {
  EXPECT_STREQ(SDL_GetCurrentVideoDriver(), "x11");
  EXPECT_STREQ(SDL_GetWindowTitle(NativeWindow()), GAME_TITLE);
  EXPECT_EQ(m_application->GetClientSize(), IntVector2(640, 400));

  const std::string xwininfo = FindProgram("xwininfo");
  if (xwininfo.empty()) {
    return;
  }
  // The server may map the window late: ask until it lists it at its size.
  const std::string entry = std::string("\"") + GAME_TITLE + "\"";
  std::string tree;
  std::string line;
  RunFramesUntil([&] {
    tree = RunAndRead(xwininfo + " -display " + s_server->Display() + " -root -tree 2>&1");
    const size_t found = tree.find(entry);
    line = found == std::string::npos ? "" : tree.substr(found, tree.find('\n', found) - found);
    return line.find("640x400") != std::string::npos;
  });
  ASSERT_NE(tree.find(entry), std::string::npos) << tree;
  EXPECT_NE(line.find("640x400"), std::string::npos) << line;
}

TEST_F(XServerWindowTest, ThePaintBrushCursorReplacesTheArrowInsideTheClientArea) {
  TemporaryFolder folder;
  ScopedWorkingDirectory inFolder(folder.Path());
  std::filesystem::create_directories("Data/Images/Cursors");
  modules_test::WriteFile("Data/Images/Cursors/PaintBrush2.png", CursorPng(32, 32, "2,29"));

  ASSERT_TRUE(MovePointerTo(5, 200));
  SDL_Cursor* const arrow = SDL_GetCursor();
  m_application->SetCustomCursor("\\Data\\Images\\Cursors\\PaintBrush2.cur");
  EXPECT_FALSE(m_console.Printed("WARNING")) << m_console.Text();
  m_application->Update();
  EXPECT_EQ(SDL_GetCursor(), arrow) << "within 10 pixels of the edge the cursor is left alone";

  ASSERT_TRUE(MovePointerTo(320, 200));
  EXPECT_NE(SDL_GetCursor(), arrow);

  m_application->SetCustomCursor("");
  m_application->Update();
  EXPECT_EQ(SDL_GetCursor(), SDL_GetDefaultCursor());
}

}  // namespace
