#include "platform/system/Debugger.h"

#include <gtest/gtest.h>

#include "tests/platform/ScopedEnvironment.h"

namespace {

TEST(DebuggerTest, OutputReachesStderrVerbatimOnlyWhenAsked) {
  const std::pair<const char*, std::string> cases[] = {
      {nullptr, ""}, {"0", ""}, {"", ""}, {"1", std::string("first line\nwith\0nul", 19)}};
  for (const auto& [value, expected] : cases) {
    platform_test::ScopedEnvironment request(platform::DEBUG_OUTPUT_VARIABLE, value);
    ::testing::internal::CaptureStderr();
    platform::DebugOutput("first line\n");
    platform::DebugOutput(std::string("with\0nul", 8));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), expected) << (value != nullptr ? value : "(unset)");
  }
}

}  // namespace
