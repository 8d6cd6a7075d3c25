#include <SDL.h>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "platform/system/HighResolutionCounter.h"
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

// Runs the application on a real X server through SDL's X11 driver. Skipped
// where no Xvfb is installed (the setup script installs it).
class XServerWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string program = FindProgram("Xvfb");
    if (program.empty()) {
      return;
    }
    // Test processes run side by side: two X servers starting at once can
    // race for one display number, so the suites take turns.
    s_lock = open("/tmp/pemberquill-xvfb-test.lock", O_CREAT | O_RDWR, 0666);
    if (s_lock >= 0) {
      flock(s_lock, LOCK_EX);
    }
    s_server = new VirtualXServer();
    std::string error;
    if (!s_server->Start(program, error)) {
      s_startError = error;
    } else if (!WaitForClients()) {
      s_startError = "the X server on " + s_server->Display() + " takes no clients: " + SDL_GetError();
    }
  }

  // A server that has reported its display may still refuse the first
  // clients on a loaded machine: connect until one succeeds. (-noreset keeps
  // the server from restarting when this probe, the last client, leaves.)
  static bool WaitForClients() {
    ScopedEnvironment display("DISPLAY", s_server->Display().c_str());
    for (int attempt = 0; attempt < 100; ++attempt) {
      if (SDL_VideoInit("x11") == 0) {
        SDL_VideoQuit();
        return true;
      }
      platform::SleepMilliseconds(50);
    }
    return false;
  }

  static void TearDownTestSuite() {
    delete s_server;
    s_server = nullptr;
    if (s_lock >= 0) {
      close(s_lock);
      s_lock = -1;
    }
  }

  void SetUp() override {
    if (s_server == nullptr) {
      GTEST_SKIP() << "Xvfb is not installed";
    }
    ASSERT_TRUE(s_startError.empty()) << s_startError;
    m_display = std::make_unique<ScopedEnvironment>("DISPLAY", s_server->Display().c_str());
    m_driver = std::make_unique<ScopedEnvironment>("SDL_VIDEODRIVER", "x11");
    m_application = UlvoApplicationBasic_Win32::Create();
    m_application->SetApplicationName(GAME_TITLE);
    m_application->OpenWindow(IntVector2(640, 400), 0, 101);
    RunFrames(20);
  }

  void TearDown() override { m_application.reset(); }

  // The X server answers asynchronously: a few frames let it catch up.
  void RunFrames(int count) {
    for (int frame = 0; frame < count; ++frame) {
      m_application->Update();
      platform::SleepMilliseconds(5);
    }
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
  static int s_lock;
  static std::string s_startError;

  TestCore m_core;
  RecordingConsole m_console;
  RecordingGame m_game;
  std::unique_ptr<ScopedEnvironment> m_display;
  std::unique_ptr<ScopedEnvironment> m_driver;
  std::unique_ptr<UlvoApplicationBasic_Win32> m_application;
};

VirtualXServer* XServerWindowTest::s_server = nullptr;
int XServerWindowTest::s_lock = -1;
std::string XServerWindowTest::s_startError;

TEST_F(XServerWindowTest, TheWindowAppearsWithTheGamesTitle) {
  EXPECT_STREQ(SDL_GetCurrentVideoDriver(), "x11");
  EXPECT_STREQ(SDL_GetWindowTitle(NativeWindow()), GAME_TITLE);
  EXPECT_EQ(m_application->GetClientSize(), IntVector2(640, 400));

  const std::string xwininfo = FindProgram("xwininfo");
  if (xwininfo.empty()) {
    return;
  }
  // On a loaded machine the server may map the window late: ask again for a
  // while before giving up.
  const std::string entry = std::string("\"") + GAME_TITLE + "\"";
  std::string tree;
  std::string line;
  for (int attempt = 0; attempt < 200; ++attempt) {
    tree = RunAndRead(xwininfo + " -display " + s_server->Display() + " -root -tree 2>&1");
    const size_t found = tree.find(entry);
    if (found != std::string::npos) {
      line = tree.substr(found, tree.find('\n', found) - found);
      if (line.find("640x400") != std::string::npos) {
        break;
      }
    }
    RunFrames(5);
  }
  ASSERT_NE(tree.find(entry), std::string::npos) << tree;
  EXPECT_NE(line.find("640x400"), std::string::npos) << line;
}

TEST_F(XServerWindowTest, ThePaintBrushCursorReplacesTheArrowInsideTheClientArea) {
  TemporaryFolder folder;
  ScopedWorkingDirectory inFolder(folder.Path());
  std::filesystem::create_directories("Data/Images/Cursors");
  modules_test::WriteFile("Data/Images/Cursors/PaintBrush2.png", CursorPng(32, 32, "2,29"));

  SDL_WarpMouseInWindow(NativeWindow(), 5, 200);
  RunFrames(10);
  SDL_Cursor* const arrow = SDL_GetCursor();
  m_application->SetCustomCursor("\\Data\\Images\\Cursors\\PaintBrush2.cur");
  EXPECT_FALSE(m_console.Printed("WARNING")) << m_console.Text();
  RunFrames(5);
  EXPECT_EQ(SDL_GetCursor(), arrow) << "within 10 pixels of the edge the cursor is left alone";

  SDL_WarpMouseInWindow(NativeWindow(), 320, 200);
  RunFrames(10);
  EXPECT_NE(SDL_GetCursor(), arrow);

  m_application->SetCustomCursor("");
  RunFrames(5);
  EXPECT_EQ(SDL_GetCursor(), SDL_GetDefaultCursor());
}

}  // namespace
