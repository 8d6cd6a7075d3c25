#include "platform/system/MessageBox.h"

#include "tests/platform/ScopedEnvironment.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::MessageBoxIcon;
using platform::ShowMessageBox;
using platform_test::ScopedEnvironment;

std::string ShowAndCapture(MessageBoxIcon icon) {
  ::testing::internal::CaptureStderr();
  ShowMessageBox("Fatal Error", "Could not open \"Data/options.txt\".", icon);
  return ::testing::internal::GetCapturedStderr();
}

TEST(MessageBoxTest, OffscreenDriverWritesToStderrEvenWithADisplay) {
  ScopedEnvironment driver("SDL_VIDEODRIVER", "offscreen");
  ScopedEnvironment display("DISPLAY", ":0");
  for (const MessageBoxIcon icon :
       {MessageBoxIcon::Exclamation, MessageBoxIcon::Error, MessageBoxIcon::Information}) {
    EXPECT_EQ(ShowAndCapture(icon), "Fatal Error\nCould not open \"Data/options.txt\".\n");
  }
}

TEST(MessageBoxTest, NoDisplayWritesToStderr) {
  ScopedEnvironment driver("SDL_VIDEODRIVER", nullptr);
  ScopedEnvironment display("DISPLAY", "");
  ScopedEnvironment wayland("WAYLAND_DISPLAY", nullptr);
  EXPECT_EQ(ShowAndCapture(MessageBoxIcon::Information),
            "Fatal Error\nCould not open \"Data/options.txt\".\n");
}

}  // namespace
