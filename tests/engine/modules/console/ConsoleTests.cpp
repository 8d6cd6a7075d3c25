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
// the debugger gets each line of a message as a line of its own. A line
// that another copy adds meanwhile is never written over.
TEST_F(ConsoleTest, TheLogHoldsOneRunFromItsStartUpToItsShutdown) {
  for (const char* run : {"first run", "second run"}) {
    auto console = UlvoCommandConsoleBasic::Create();
    console->Startup();
    ConsolePrintf("%s", run);
    EXPECT_TRUE(UlvoCommandConsoleBasic::AppendToExistingLog("from another copy"));
    CaptureStderr();
    ConsolePrintf("a\nb\n");
    EXPECT_EQ(GetCapturedStderr(), "CONSOLE: a\nCONSOLE: b\n");
    ConsolePrintf("%s", "");
    console->Shutdown();
    ConsolePrintf("after the shutdown\n");
  }
  EXPECT_EQ(modules_test::ReadTextFile(m_folder.Path() + "/Harrowmere Test/application.log"),
            "::: Initialization : UlvoCommandConsole (finished)\nsecond run\nfrom another copy\na\nb\n\n"
            "::: Shutdown : UlvoCommandConsole (starting)\n");
}

// A data home that is a file: no folder can be made in it. The log cannot
// tell, so stderr does, also without the debugger output.
TEST_F(ConsoleTest, ALogThatCannotBeOpenedIsReportedOnStderr) {
  std::ofstream(m_folder.File("file")) << "x";
  platform_test::ScopedEnvironment blocked("XDG_DATA_HOME", m_folder.File("file").c_str());
  platform_test::ScopedEnvironment quiet(platform::DEBUG_OUTPUT_VARIABLE, nullptr);
  auto console = UlvoCommandConsoleBasic::Create();
  CaptureStderr();
  console->Startup();
  EXPECT_EQ(GetCapturedStderr(), "ERROR: The application log \"" + m_folder.File("file") +
                                     "/Harrowmere Test/application.log\" could not be opened (Not a "
                                     "directory); this run keeps no log.\n");
}

}  // namespace
