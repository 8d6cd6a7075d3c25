// The screen tour run as a program: one readable, non-blank picture per
// screen of the game.

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tests/support/TemporaryFolder.h"

namespace {

namespace fs = std::filesystem;

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
};

bool ReadPicture(const std::string& path, Picture& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) {
    return false;
  }
  image.format = PNG_FORMAT_RGB;
  picture.width = static_cast<int>(image.width);
  picture.height = static_cast<int>(image.height);
  picture.rgb.resize(PNG_IMAGE_SIZE(image));
  return png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr) != 0;
}

// The share of pixels that differ from the picture's most common colour.
double ShareOfDetail(const Picture& picture) {
  std::map<unsigned, size_t> counts;
  for (size_t i = 0; i + 2 < picture.rgb.size(); i += 3) {
    ++counts[(picture.rgb[i] << 16) | (picture.rgb[i + 1] << 8) | picture.rgb[i + 2]];
  }
  size_t most = 0;
  for (const auto& entry : counts) {
    most = std::max(most, entry.second);
  }
  const size_t total = picture.rgb.size() / 3;
  return total == 0 ? 0.0 : static_cast<double>(total - most) / static_cast<double>(total);
}

TEST(ScreenTourTest, WritesAPictureWithDetailForEveryScreen) {
  testsupport::TemporaryFolder output;
  const std::string command =
      std::string(PQ_SCREENTOUR_EXECUTABLE) + " " + output.Path() + " > /dev/null 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0);

  for (const char* window :
       {"TitleWindow", "MessageWindow", "OptionsWindow", "CampaignPuzzleEscapeMenuDialog"}) {
    SCOPED_TRACE(window);
    Picture picture;
    ASSERT_TRUE(ReadPicture((fs::path(output.Path()) / (std::string(window) + ".png")).string(),
                            picture));
    EXPECT_GT(picture.width, 0);
    EXPECT_GT(picture.height, 0);
    EXPECT_GT(ShareOfDetail(picture), 0.05);
  }
}

}  // namespace
