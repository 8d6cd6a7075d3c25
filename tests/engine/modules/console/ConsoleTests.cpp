#include <gtest/gtest.h>

#include <fstream>

#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/console/UlvoCommandConsoleBasic.h"
#include "platform/system/Debugger.h"
#include "tests/engine/modules/ModuleTestSupport.h"

namespace {

using namespace testing::internal;

class ConsoleTest : public ::testing::Test {
 protected:
  ConsoleTest() { m_application->SetUserDataFolder("Harrowmere Test/"); }

  modules_test::TemporaryFolder m_folder;
  platform_test::ScopedEnvironment m_dataHome{"XDG_DATA_HOME", m_folder.Path().c_str()};
  platform_test::ScopedEnvironment m_debugOutput{platform::DEBUG_OUTPUT_VARIABLE, "1"};
  std::unique_ptr<UlvoApplicationBasic_Win32> m_application = UlvoApplicationBasic_Win32::Create();
};

// The log runs from the finished start-up to the started shutdown, is made
// afresh by each start, and ends every message with exactly one newline;
// the debugger gets each line of a message as a line of its own.
TEST_F(ConsoleTest, TheLogHoldsOneRunFromItsStartUpToItsShutdown) {
  for (const char* run : {"first run", "second run"}) {
    auto console = UlvoCommandConsoleBasic::Create();
    console->Startup();
    ConsolePrintf("%s", run);
    CaptureStderr();
    ConsolePrintf("a\nb\n");
    EXPECT_EQ(GetCapturedStderr(), "CONSOLE: a\nCONSOLE: b\n");
    ConsolePrintf("%s", "");
    console->Shutdown();
    ConsolePrintf("after the shutdown\n");
  }
  EXPECT_EQ(modules_test::ReadTextFile(m_folder.Path() + "/Harrowmere Test/application.log"),
            "::: Initialization : UlvoCommandConsole (finished)\nsecond run\na\nb\n\n"
            "::: Shutdown : UlvoCommandConsole (starting)\n");
}

// A data home that is a file: no folder can be made in it.
TEST_F(ConsoleTest, ALogThatCannotBeOpenedIsReported) {
  std::ofstream(m_folder.File("file")) << "x";
  platform_test::ScopedEnvironment blocked("XDG_DATA_HOME", m_folder.File("file").c_str());
  auto console = UlvoCommandConsoleBasic::Create();
  CaptureStderr();
  console->Startup();
  EXPECT_NE(GetCapturedStderr().find("ERROR: fopen_s() failed to open application log file"),
            std::string::npos);
}

}  // namespace
