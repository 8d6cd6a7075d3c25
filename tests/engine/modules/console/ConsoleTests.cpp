#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/core/Diagnostics.h"
#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/console/UlvoCommandConsoleBasic.h"
#include "platform/system/Debugger.h"
#include "tests/engine/modules/ModuleTestSupport.h"

namespace {

using modules_test::ReadTextFile;
using modules_test::SplitLines;
using modules_test::TemporaryFolder;
using platform_test::ScopedEnvironment;
using testing::internal::CaptureStderr;
using testing::internal::GetCapturedStderr;

const char* const FIRST_LINE = "::: Initialization : UlvoCommandConsole (finished)";
const char* const LAST_LINE = "::: Shutdown : UlvoCommandConsole (starting)";

class ConsoleTest : public ::testing::Test {
 protected:
  ConsoleTest()
      : m_dataHome("XDG_DATA_HOME", m_folder.Path().c_str()),
        m_debugOutput(platform::DEBUG_OUTPUT_VARIABLE, "1"),
        m_application(UlvoApplicationBasic_Win32::Create()),
        m_console(UlvoCommandConsoleBasic::Create()) {
    m_application->SetUserDataFolder("Harrowmere Test/");
  }

  std::string LogPath() const { return m_folder.Path() + "/Harrowmere Test/application.log"; }
  std::string LogText() const { return ReadTextFile(LogPath()); }

  // What one call sends to the debugger output.
  template <typename Call>
  static std::string DebuggerOutputOf(Call&& call) {
    CaptureStderr();
    call();
    return GetCapturedStderr();
  }

  TemporaryFolder m_folder;
  ScopedEnvironment m_dataHome;
  ScopedEnvironment m_debugOutput;
  std::unique_ptr<UlvoApplicationBasic_Win32> m_application;
  std::unique_ptr<UlvoCommandConsoleBasic> m_console;
};

TEST_F(ConsoleTest, LogRunsFromTheFinishedStartUpToTheStartedShutdown) {
  m_console->Startup();
  EXPECT_EQ(m_console->GetLogPath(), LogPath());
  ConsolePrintf("Loading %d recipe books\n", 3);
  m_console->Shutdown();
  ConsolePrintf("after the shutdown\n");

  EXPECT_EQ(SplitLines(LogText()),
            (std::vector<std::string>{FIRST_LINE, "Loading 3 recipe books", LAST_LINE}));
}

TEST_F(ConsoleTest, EachLineOfAMessageIsOneDebuggerLine) {
  m_console->Startup();
  const std::string output = DebuggerOutputOf([] { ConsolePrintf("first\nsecond\n"); });
  EXPECT_EQ(output, "CONSOLE: first\nCONSOLE: second\n");
  EXPECT_EQ(SplitLines(LogText()), (std::vector<std::string>{FIRST_LINE, "first", "second"}));
}

TEST_F(ConsoleTest, ANewlineIsAddedOnlyWhenTheMessageLacksOne) {
  m_console->Startup();
  ConsolePrintf("no newline");
  ConsolePrintf("with newline\n");
  const std::string empty;
  ConsolePrintf("%s", empty.c_str());
  ConsolePrintf("last\n");
  EXPECT_EQ(LogText(), std::string(FIRST_LINE) + "\nno newline\nwith newline\n\nlast\n");
}

TEST_F(ConsoleTest, EachStartRecreatesTheLog) {
  m_console->Startup();
  ConsolePrintf("first run\n");
  m_console->Shutdown();
  m_console.reset();

  auto secondRun = UlvoCommandConsoleBasic::Create();
  secondRun->Startup();
  ConsolePrintf("second run\n");
  secondRun->Shutdown();

  EXPECT_EQ(SplitLines(LogText()), (std::vector<std::string>{FIRST_LINE, "second run", LAST_LINE}));
}

TEST_F(ConsoleTest, ALogThatCannotBeOpenedIsReportedAndTheConsoleRunsOn) {
  // A data home that is a file: no folder can be made in it.
  const std::string blocker = m_folder.Path() + "/not-a-folder";
  std::ofstream(blocker) << "x";
  ScopedEnvironment blocked("XDG_DATA_HOME", blocker.c_str());

  const std::string startup = DebuggerOutputOf([&] { m_console->Startup(); });
  EXPECT_NE(startup.find("CONSOLE (pre-initialization!): ERROR: fopen_s() failed to open "
                         "application log file for writing!\n"),
            std::string::npos)
      << startup;
  EXPECT_EQ(m_console->GetLogPath(), "");
  EXPECT_TRUE(UlvoCommandConsoleBasic::IsInitialized());
  EXPECT_EQ(DebuggerOutputOf([] { ConsolePrintf("still here\n"); }), "CONSOLE: still here\n");
  m_console->Shutdown();
}

}  // namespace
