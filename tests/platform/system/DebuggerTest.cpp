#include "platform/system/Debugger.h"

#include <gtest/gtest.h>

#include "tests/platform/ScopedEnvironment.h"

namespace {

using platform_test::ScopedEnvironment;

TEST(DebuggerTest, OutputReachesStderrVerbatimOnlyWhenAsked) {
  const struct {
    const char* value;
    std::string expected;
  } cases[] = {
      {nullptr, ""},
      {"0", ""},
      {"", ""},
      {"1", std::string("first line\nwith\0nul", 19)},
  };
  for (const auto& c : cases) {
    ScopedEnvironment request(platform::DEBUG_OUTPUT_VARIABLE, c.value);
    ::testing::internal::CaptureStderr();
    platform::DebugOutput("first line\n");
    platform::DebugOutput(std::string("with\0nul", 8));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.expected)
        << (c.value != nullptr ? c.value : "(unset)");
  }
}

}  // namespace
