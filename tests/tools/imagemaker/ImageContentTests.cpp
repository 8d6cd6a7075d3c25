#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "tests/support/FileBytes.h"
#include "tools/imagemaker/Canvas.h"
#include "tools/imagemaker/PngEncoder.h"

namespace imagemaker {
namespace {

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;

  const uint8_t* At(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

Picture Decode(const void* bytes, size_t size) {
  png_image image;
  std::memset(&image, 0, sizeof(image));
  image.version = PNG_IMAGE_VERSION;
  Picture picture;
  if (png_image_begin_read_from_memory(&image, bytes, size) == 0) {
    return picture;
  }
  image.format = PNG_FORMAT_RGBA;
  picture.rgba.resize(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr) != 0) {
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
  }
  return picture;
}

Picture Load(const std::string& pathInImages) {
  const testsupport::Bytes bytes = testsupport::ReadFileBytes("Data/Images/" + pathInImages);
  const Picture picture = Decode(bytes.data(), bytes.size());
  EXPECT_GT(picture.width, 0) << "cannot read " << pathInImages;
  return picture;
}

double Luminance(const uint8_t* p) { return 0.3 * p[0] + 0.59 * p[1] + 0.11 * p[2]; }

// The spread of brightness in a rectangle: text or busy drawing raises it.
double BrightnessSpread(const Picture& picture, int x0, int y0, int x1, int y1) {
  double lowest = 255;
  double highest = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const double l = Luminance(picture.At(x, y));
      lowest = std::min(lowest, l);
      highest = std::max(highest, l);
    }
  }
  return highest - lowest;
}

double DarkestLuminance(const Picture& picture, int x0, int y0, int x1, int y1) {
  double lowest = 255;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      lowest = std::min(lowest, Luminance(picture.At(x, y)));
    }
  }
  return lowest;
}

double MeanLuminance(const Picture& picture, int x0, int y0, int x1, int y1) {
  double sum = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      sum += Luminance(picture.At(x, y));
    }
  }
  return sum / ((x1 - x0) * (y1 - y0));
}

TEST(PngEncoderTest, TranslucentPixelsKeepTheirColourAndOpaqueImagesDropAlpha) {
  Canvas canvas(4, 2);
  cairo_rectangle(canvas.Context(), 0, 0, 4, 1);
  SetColour(canvas.Context(), Rgb(255, 64, 0, 128));
  cairo_fill(canvas.Context());
  const std::vector<uint8_t> png = EncodePng(canvas, {{"HotSpot", "1,1"}});
  const Picture picture = Decode(png.data(), png.size());
  ASSERT_EQ(picture.width, 4);
  const uint8_t* half = picture.At(0, 0);
  EXPECT_NEAR(half[0], 255, 1);
  EXPECT_NEAR(half[1], 64, 2);
  EXPECT_NEAR(half[3], 128, 1);
  EXPECT_EQ(picture.At(0, 1)[3], 0);
  EXPECT_EQ(png[25], PNG_COLOR_TYPE_RGB_ALPHA);

  Canvas opaque(2, 2);
  cairo_paint(opaque.Context());
  EXPECT_EQ(EncodePng(opaque, {})[25], PNG_COLOR_TYPE_RGB);
}

// The screens show the top 640 rows; the rows just below repeat the last
// one, so that filtering along the lower edge draws no dark seam.
TEST(ImageContentTest, FullScreenPicturesCarryTheirLastRowBelowTheEdge) {
  for (const char* path : {"Backgrounds/TitleScreen_1024x1024.png", "Backgrounds/Region_Ocean_Map.png"}) {
    const Picture picture = Load(path);
    ASSERT_EQ(picture.width, 1024) << path;
    EXPECT_EQ(std::memcmp(picture.At(0, 639), picture.At(0, 643), 1024 * 4), 0) << path;
  }
}

// The "Continue" button of the how-to-play window sits at (349, 520) to
// (674, 555) on the 1024 x 640 screen; the lesson text of the tutorial goes
// in (15, 150)-(380, 580). Nothing busy may lie under them.
TEST(ImageContentTest, ButtonAndLessonAreasAreCalm) {
  const Picture howToPlay = Load("Backgrounds/HowToPlay_1024x1024.png");
  EXPECT_LT(BrightnessSpread(howToPlay, 340, 505, 684, 570), 20);
  const Picture instructor = Load("Backgrounds/Instructor1024x1024.png");
  EXPECT_LT(BrightnessSpread(instructor, 15, 150, 380, 580), 40);
}

// A new player's welcome lesson covers (535, 242)-(852, 436) of the title
// screen. The number tiles, outlined and numbered in ink, must stand
// elsewhere: under the lesson the darkest things are the far hills.
TEST(ImageContentTest, NoTileOfTheTitleLiesUnderTheWelcomeLesson) {
  const Picture title = Load("Backgrounds/TitleScreen_1024x1024.png");
  EXPECT_GT(DarkestLuminance(title, 535, 242, 852, 436), 60);
}

// Boards are drawn over the region maps in light cage colours (the darkest
// is 151, 190, 255): the maps stay dark enough in the middle for them.
TEST(ImageContentTest, RegionMapsLeaveTheLightCageColoursStandingOut) {
  for (const char* region : {"Ocean", "Canyon", "Forest", "Mountain", "Sky", "Beyond"}) {
    const Picture map = Load(std::string("Backgrounds/Region_") + region + "_Map.png");
    ASSERT_EQ(map.height, 1024) << region;
    EXPECT_LT(MeanLuminance(map, 200, 60, 824, 600), 140) << region;
  }
}

TEST(ImageContentTest, UnachievedEmblemsAreGreyAndAchievedOnesAreNot) {
  for (const char* name : {"FirstPuzzle.png", "OceanCompleted.png", "PerfectGrade.png"}) {
    const Picture achieved = Load(std::string("Achievements/png/Achieved/") + name);
    const Picture unachieved = Load(std::string("Achievements/png/Unachieved/") + name);
    ASSERT_EQ(achieved.rgba.size(), unachieved.rgba.size()) << name;
    int colourful = 0;
    for (size_t i = 0; i < unachieved.rgba.size(); i += 4) {
      const uint8_t* grey = &unachieved.rgba[i];
      EXPECT_LE(std::max({grey[0], grey[1], grey[2]}) - std::min({grey[0], grey[1], grey[2]}), 2)
          << name;
      const uint8_t* bright = &achieved.rgba[i];
      colourful += std::abs(bright[0] - bright[2]) > 40;
      EXPECT_EQ(grey[3], bright[3]) << name << ": greying must keep the shape";
    }
    EXPECT_GT(colourful, 500) << name;
  }
}

}  // namespace
}  // namespace imagemaker
