#include <gtest/gtest.h>

#include <string>

#include "engine/modules/application/CursorFile.h"
#include "platform/window/Cursor.h"
#include "tests/engine/modules/application/CursorPngSupport.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/TemporaryFolder.h"

namespace {

// A usable cursor file gives a cursor and no reason; where the video driver
// cannot make cursors (offscreen has none), the reason names the image, so
// that the warning in the log says which file it was.
TEST(CursorFileLoadTest, AReasonIsGivenOnlyWithoutACursorAndNamesTheImage) {
  testsupport::TemporaryFolder folder;
  testsupport::WriteFileBytes(folder.File("hand.png"), modules_test::CursorPng(8, 8, "2,3"));
  testsupport::ScopedWorkingDirectory inFolder(folder.File(""));
  std::string error;
  const auto cursor = LoadCursorFile("hand.cur", error);
  if (cursor != nullptr) {
    EXPECT_EQ(error, "");
  } else {
    EXPECT_EQ(error.substr(0, 12), "\"hand.png\": ") << error;
    EXPECT_GT(error.size(), 12u) << "the platform's reason follows";
  }
}

}  // namespace
