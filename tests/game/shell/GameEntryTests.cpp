// The entry function's last resort: what reaches it is shown in the fatal
// error box (stderr when headless) and the process ends with a failure
// status. Also the start-up checks that feed it.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoException.h"
#include "game/shell/EngineModules.h"
#include "game/shell/GameEntry.h"
#include "game/shell/StartupProfiling.h"
#include "tests/support/RecordingConsole.h"

namespace Pemberquill {
namespace {

std::string RunAndCaptureBox(const std::function<void()>& body, int* status)
{
    testing::internal::CaptureStderr();
    *status = RunWithFatalErrorBox(body);
    return testing::internal::GetCapturedStderr();
}

TEST(GameEntryTest, NormalRunReturnsZeroAndShowsNothing)
{
    bool ran = false;
    int status = -1;
    const std::string box = RunAndCaptureBox([&ran]() { ran = true; }, &status);
    EXPECT_TRUE(ran);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(box, "");
}

TEST(GameEntryTest, EngineExceptionShowsItsTitleMessageLineAndFile)
{
    int status = 0;
    const std::string box = RunAndCaptureBox(
        []() { throw UlvoException(nullptr, "game/shell/Somewhere.cpp", 42, "TheGame::Startup",
                                   "No window."); },
        &status);
    EXPECT_NE(status, 0);
    EXPECT_EQ(box,
              "TheGame::Startup\n"
              "No window.\n\nThe application will now close.\n\n[Line 42 in game/shell/Somewhere.cpp]\n");
}

TEST(GameEntryTest, FailedAssertionReachesTheBoxWithItsOwnSource)
{
    int status = 0;
    const std::string box = RunAndCaptureBox(
        []() { ULVO_ASSERT(1 + 1 == 3, "Arithmetic is broken.", "GameEntryTest"); }, &status);
    EXPECT_NE(status, 0);
    EXPECT_EQ(box.rfind("GameEntryTest\nArithmetic is broken.\n", 0), 0u) << box;
    EXPECT_NE(box.find("\n\nThe application will now close.\n\n[Line "), std::string::npos) << box;
    EXPECT_NE(box.find("GameEntryTests.cpp]"), std::string::npos) << box;
}

TEST(GameEntryTest, StandardExceptionShowsItsOwnText)
{
    int status = 0;
    const std::string box =
        RunAndCaptureBox([]() { throw std::runtime_error("disk on fire"); }, &status);
    EXPECT_NE(status, 0);
    EXPECT_EQ(box, "Unhandled standard exception\ndisk on fire\n");
}

TEST(GameEntryTest, AnythingElseShowsTheUnknownExceptionBox)
{
    int status = 0;
    const std::string box = RunAndCaptureBox([]() { throw 7; }, &status);
    EXPECT_NE(status, 0);
    EXPECT_EQ(box, "Unhandled exception\nAn unknown exception has occurred.\n");
}

TEST(GameEntryTest, MissingEngineModuleIsNamedInTheBox)
{
    int status = 0;
    const std::string box = RunAndCaptureBox([]() { ValidateEngineModules(); }, &status);
    EXPECT_NE(status, 0);
    EXPECT_EQ(box.rfind("ValidateEngineModules\nPemberquill's global ulvoCore was NULL!\n", 0), 0u)
        << box;
}

TEST(StartupProfilingTest, EachLabelClosesThePreviousAndTheEmptyLabelClosesTheLast)
{
    testsupport::RecordingConsole console;
    StartProfiling("First task");
    StartProfiling("Second task");
    StartProfiling("");
    ASSERT_EQ(console.lines.size(), 5u);
    EXPECT_EQ(console.lines[0], "Starting profiling for label \"First task\" at time 0.00.\n");
    EXPECT_EQ(console.lines[1], "Profiling time for label \"First task\" was 0.00 seconds.\n");
    EXPECT_EQ(console.lines[2], "Starting profiling for label \"Second task\" at time 0.00.\n");
    EXPECT_EQ(console.lines[3], "Profiling time for label \"Second task\" was 0.00 seconds.\n");
    EXPECT_EQ(console.lines[4], "Starting profiling for label \"\" at time 0.00.\n");
}

}  // namespace
}  // namespace Pemberquill
