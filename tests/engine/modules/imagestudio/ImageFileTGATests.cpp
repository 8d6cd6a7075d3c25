#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/ImageFileTGA.h"
#include "tests/engine/modules/imagestudio/ImageTestSupport.h"

namespace {

using namespace image_test;

class ImageFileTGATest : public ::testing::Test {
 protected:
  std::unique_ptr<Image> Load(const Bytes& file) {
    WriteFileBytes(m_path, file);
    return ImageFileTGA(UlvoPath(PATH_MARKER_NONE, m_path)).Load();
  }
  CaughtError LoadFails(const Bytes& file) {
    return CatchUlvoException([&] { Load(file); });
  }

  TemporaryFolder m_folder;
  std::string m_path = m_folder.File("picture.tga");
  RecordingConsole m_console;
};

Bytes Pixels(size_t count) {
  Bytes bytes(count);
  for (size_t i = 0; i < count; ++i) {
    bytes[i] = Sample(static_cast<uint32_t>(i), 0, 0);
  }
  return bytes;
}

// ---- Accepted files -------------------------------------------------------------

TEST_F(ImageFileTGATest, TwentyFourBitPixelsTurnFromBgrToRgb) {
  const std::unique_ptr<Image> image = Load(TgaFile(2, 1, 24, {10, 20, 30, 40, 50, 60}));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetFormat(), Image::IMAGE_FORMAT_RGB);
  EXPECT_EQ(image->GetSize(), IntVector2(2, 1));
  EXPECT_EQ(Bytes(image->GetPixels(), image->GetPixels() + 6), Bytes({30, 20, 10, 60, 50, 40}));
  EXPECT_TRUE(image->GetName().empty());
}

TEST_F(ImageFileTGATest, ThirtyTwoBitPixelsKeepTheirAlphaAndTheFilesRowOrder) {
  const Bytes pixels = Pixels(4 * 3 * 4);
  const std::unique_ptr<Image> image = Load(TgaFile(4, 3, 32, pixels));
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetFormat(), Image::IMAGE_FORMAT_RGBA);
  EXPECT_EQ(image->GetBytesPerPixel(), 4);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      const unsigned char* in = pixels.data() + (y * 4 + x) * 4;
      EXPECT_EQ(image->GetPixel(x, y), Rgba(in[2], in[1], in[0], in[3])) << x << "," << y;
    }
  }
}

// ---- Refusals -------------------------------------------------------------------

TEST_F(ImageFileTGATest, RefusesMissingPixelsInsteadOfReadingPastTheFile) {
  const CaughtError error = LoadFails(TgaFile(4, 4, 32, Pixels(4 * 4 * 4 - 1)));
  EXPECT_EQ(error.message, "Targa image '" + m_path + "' is truncated: its 4 x 4 pixels need 64 "
                               "bytes, only 63 follow the header.");
  EXPECT_EQ(error.title, "TGA tgaFile invalid!");
  EXPECT_EQ(LoadFails(TgaFile(1, 1, 24, {})).title, "TGA tgaFile invalid!");
}

TEST_F(ImageFileTGATest, TakesTheMaximumSideAndRefusesMoreBeforeAllocatingAnything) {
  const std::unique_ptr<Image> tallest = Load(TgaFile(1, 8192, 24, Pixels(3 * 8192)));
  ASSERT_NE(tallest, nullptr);
  EXPECT_EQ(tallest->GetSize(), IntVector2(1, 8192));
  const CaughtError error = LoadFails(TgaFile(65535, 65535, 32, {}));
  EXPECT_EQ(error.message, "Targa image '" + m_path +
                               "' is 65535 x 65535 pixels; images may be at most 8192 pixels on "
                               "a side.");
  EXPECT_EQ(error.title, "TGA tgaFile invalid!");
  EXPECT_NE(LoadFails(TgaFile(1, 8193, 24, {})).message.find("at most 8192"), std::string::npos);
}

}  // namespace
