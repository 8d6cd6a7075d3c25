#include "platform/system/MessageBox.h"

#include "tests/platform/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::MessageBoxIcon;
using platform_test::ScopedEnvironment;

// Headless, or on the offscreen driver even with a display, the box is
// written to stderr: a modal box would hang a test.
TEST(MessageBoxTest, WithoutARealDisplayTheBoxGoesToStderr) {
  const struct {
    const char* driver;
    const char* display;
    MessageBoxIcon icon;
  } cases[] = {{"offscreen", ":0", MessageBoxIcon::Exclamation},
               {"offscreen", ":0", MessageBoxIcon::Error},
               {nullptr, "", MessageBoxIcon::Information}};
  for (const auto& c : cases) {
    ScopedEnvironment driver("SDL_VIDEODRIVER", c.driver);
    ScopedEnvironment display("DISPLAY", c.display);
    ScopedEnvironment wayland("WAYLAND_DISPLAY", nullptr);
    ::testing::internal::CaptureStderr();
    platform::ShowMessageBox("Fatal Error", "Could not open \"Data/options.txt\".", c.icon);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Fatal Error\nCould not open \"Data/options.txt\".\n");
  }
}

}  // namespace
