#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/ImageFilePNG.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic.h"
#include "tests/engine/modules/imagestudio/ImageTestSupport.h"

namespace {

using namespace image_test;

class ImageFilePNGTest : public ::testing::Test {
 protected:
  // Writes the file and loads it through the studio, as game code does.
  std::unique_ptr<Image> Load(const Bytes& file) {
    WriteFileBytes(m_path, file);
    return m_studio.LoadImage(UlvoPath(PATH_MARKER_NONE, m_path));
  }
  std::unique_ptr<Image> Load(const PngDescription& description) {
    return Load(EncodePng(description));
  }
  CaughtError LoadFails(const Bytes& file) {
    return CatchUlvoException([&] { Load(file); });
  }

  TemporaryFolder m_folder;
  std::string m_path = m_folder.File("picture.png");
  UlvoImageStudioBasic m_studio;
  RecordingConsole m_console;
};

PngDescription Picture(uint32_t width, uint32_t height, int colorType, int bitDepth = 8) {
  PngDescription d;
  d.width = width;
  d.height = height;
  d.colorType = colorType;
  d.bitDepth = bitDepth;
  FillWithSamples(d);
  return d;
}

// Every byte of an 8-bit picture arrives where the file had it.
void ExpectSameSamples(const Image& image, const PngDescription& d) {
  ASSERT_EQ(image.GetSize(), IntVector2(static_cast<int>(d.width), static_cast<int>(d.height)));
  ASSERT_EQ(image.GetByteCount(), d.rows.size());
  for (size_t i = 0; i < d.rows.size(); ++i) {
    ASSERT_EQ(image.GetPixels()[i], d.rows[i]) << "byte " << i;
  }
}

// ---- The decoded formats ---------------------------------------------------

TEST_F(ImageFilePNGTest, RgbaKeepsItsChannelsWithTheTopRowFirst) {
  const PngDescription d = Picture(256, 128, PNG_COLOR_TYPE_RGB_ALPHA);
  const std::unique_ptr<Image> image = Load(d);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetFormat(), Image::IMAGE_FORMAT_RGBA);
  EXPECT_EQ(image->GetBytesPerPixel(), 4);
  EXPECT_TRUE(image->GetName().empty());
  ExpectSameSamples(*image, d);
  EXPECT_EQ(image->GetPixel(1, 0), Rgba(Sample(4, 0, 0), Sample(5, 0, 0), Sample(6, 0, 0),
                                        Sample(7, 0, 0)));
}

TEST_F(ImageFilePNGTest, PaletteExpandsToRgbOrToRgbaWithTransparency) {
  PngDescription d;
  d.width = 4;
  d.height = 2;
  d.colorType = PNG_COLOR_TYPE_PALETTE;
  d.bitDepth = 2;
  d.palette = {{200, 10, 20}, {30, 210, 40}, {50, 60, 220}, {1, 2, 3}};
  d.rows = {0b00011011, 0b11100100};  // indices 0 1 2 3 / 3 2 1 0

  const std::unique_ptr<Image> opaque = Load(d);
  ASSERT_NE(opaque, nullptr);
  EXPECT_EQ(opaque->GetFormat(), Image::IMAGE_FORMAT_RGB);
  EXPECT_EQ(opaque->GetPixel(0, 0), Rgba(200, 10, 20, 255));
  EXPECT_EQ(opaque->GetPixel(3, 0), Rgba(1, 2, 3, 255));
  EXPECT_EQ(opaque->GetPixel(1, 1), Rgba(50, 60, 220, 255));

  d.paletteAlpha = {0, 128};  // entries beyond the tRNS chunk stay opaque
  const std::unique_ptr<Image> transparent = Load(d);
  ASSERT_NE(transparent, nullptr);
  EXPECT_EQ(transparent->GetFormat(), Image::IMAGE_FORMAT_RGBA);
  EXPECT_EQ(transparent->GetPixel(0, 0), Rgba(200, 10, 20, 0));
  EXPECT_EQ(transparent->GetPixel(1, 0), Rgba(30, 210, 40, 128));
  EXPECT_EQ(transparent->GetPixel(2, 0), Rgba(50, 60, 220, 255));
  EXPECT_EQ(transparent->GetPixel(3, 1), Rgba(200, 10, 20, 0));
}

TEST_F(ImageFilePNGTest, SixteenBitSamplesKeepTheirHighByte) {
  PngDescription d = Picture(4, 2, PNG_COLOR_TYPE_RGB, 16);
  const std::unique_ptr<Image> image = Load(d);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetFormat(), Image::IMAGE_FORMAT_RGB);
  ASSERT_EQ(image->GetByteCount(), d.rows.size() / 2);
  for (size_t i = 0; i < image->GetByteCount(); ++i) {
    ASSERT_EQ(image->GetPixels()[i], d.rows[2 * i]) << "sample " << i;
  }
}

// ---- Refusals -------------------------------------------------------------------

TEST_F(ImageFilePNGTest, RefusesAHugeHeaderBeforeAllocatingAnything) {
  const CaughtError error = LoadFails(PngWithDeclaredSize(65536, 65536));
  EXPECT_EQ(error.message, "ImageFilePNG: " + m_path +
                               " is 65536 x 65536 pixels; images may be at most 8192 pixels on "
                               "a side.\n");
  EXPECT_EQ(error.title, "ImageFilePNG");
  EXPECT_EQ(LoadFails(PngWithDeclaredSize(16384, 1)).title, "ImageFilePNG");
  EXPECT_EQ(LoadFails(PngWithDeclaredSize(1, 16384)).title, "ImageFilePNG");
}

TEST_F(ImageFilePNGTest, RefusesEveryTruncationThroughLibpngsError) {
  const Bytes file = EncodePng(Picture(8, 8, PNG_COLOR_TYPE_RGB_ALPHA));
  const std::string tail = "' while reading " + m_path + "\n";
  for (size_t length = 8; length < file.size(); ++length) {
    SCOPED_TRACE(length);
    const CaughtError error = LoadFails(Bytes(file.begin(), file.begin() + length));
    EXPECT_EQ(error.title, "LibPNG Error");
    EXPECT_EQ(error.message.rfind("ImageLoaderPNG : Encountered libpng error: '", 0), 0u)
        << error.message;
    ASSERT_GE(error.message.size(), tail.size());
    EXPECT_EQ(error.message.substr(error.message.size() - tail.size()), tail);
  }
}

}  // namespace
