#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/modules/application/WindowIcon.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScopedDataFolder.h"

namespace {

// Tests run in the source tree, whose data folder holds the game's icon.
TEST(WindowIconTest, TheGameIconIsASquareWithTransparentCorners) {
  const std::string path = WindowIconImagePath(101);
  std::vector<uint8_t> rgba;
  int width = 0;
  int height = 0;
  std::string error;
  ASSERT_TRUE(LoadWindowIconPixels(path, rgba, width, height, error)) << path << ": " << error;
  EXPECT_EQ(width, 256);
  EXPECT_EQ(height, 256);
  ASSERT_EQ(rgba.size(), 256u * 256u * 4u);
  EXPECT_EQ(rgba[3], 0) << "the rounded corner should let the desktop through";
  EXPECT_EQ(WindowIconImagePath(0), "");
}

TEST(WindowIconTest, ABrokenIconIsRefusedWithAReason) {
  const std::string path = WindowIconImagePath(101);
  testsupport::Bytes truncated = testsupport::ReadFileBytes("Data/" + path);
  ASSERT_FALSE(truncated.empty());
  truncated.resize(truncated.size() / 3);
  const testsupport::ScopedDataFolder data;
  std::vector<uint8_t> rgba;
  int width = 0;
  int height = 0;
  for (const testsupport::Bytes& file : {testsupport::Bytes{}, truncated}) {
    data.Write(path, file);
    std::string error;
    EXPECT_FALSE(LoadWindowIconPixels(path, rgba, width, height, error));
    EXPECT_FALSE(error.empty());
  }
}

}  // namespace
