#include "platform/system/Debugger.h"

#include <gtest/gtest.h>

namespace {

TEST(DebuggerTest, NoDebuggerUnderTheTestRunner) {
  EXPECT_FALSE(platform::IsDebuggerAttached());
}

TEST(DebuggerTest, BreakWithoutADebuggerCarriesOn) {
  platform::BreakIntoDebugger();
  SUCCEED();
}

TEST(DebuggerTest, OutputGoesToStderrVerbatim) {
  ::testing::internal::CaptureStderr();
  platform::DebugOutput("first line\n");
  platform::DebugOutput(std::string("with\0nul", 8));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), std::string("first line\nwith\0nul", 19));
}

}  // namespace
