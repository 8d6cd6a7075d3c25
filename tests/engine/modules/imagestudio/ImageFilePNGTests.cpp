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

TEST_F(ImageFilePNGTest, RgbGreyAndGreyAlphaKeepTheirFormats) {
  struct Case {
    int colorType;
    int format;
  };
  for (const Case& c : {Case{PNG_COLOR_TYPE_RGB, Image::IMAGE_FORMAT_RGB},
                        Case{PNG_COLOR_TYPE_GRAY, Image::IMAGE_FORMAT_GREY},
                        Case{PNG_COLOR_TYPE_GRAY_ALPHA, Image::IMAGE_FORMAT_GREY_ALPHA}}) {
    SCOPED_TRACE(c.colorType);
    const PngDescription d = Picture(8, 4, c.colorType);
    const std::unique_ptr<Image> image = Load(d);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetFormat(), c.format);
    ExpectSameSamples(*image, d);
  }
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

TEST_F(ImageFilePNGTest, OneBitGreyBecomesBlackAndWhiteBytes) {
  PngDescription d;
  d.width = 8;
  d.height = 2;
  d.colorType = PNG_COLOR_TYPE_GRAY;
  d.bitDepth = 1;
  d.rows = {0b10110000, 0b00000001};
  const std::unique_ptr<Image> image = Load(d);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetFormat(), Image::IMAGE_FORMAT_GREY);
  const Bytes expected = {255, 0, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255};
  EXPECT_EQ(Bytes(image->GetPixels(), image->GetPixels() + image->GetByteCount()), expected);
}

TEST_F(ImageFilePNGTest, TransparentColourBecomesAnAlphaChannel) {
  PngDescription grey;
  grey.width = 2;
  grey.height = 2;
  grey.colorType = PNG_COLOR_TYPE_GRAY;
  grey.rows = {7, 8, 8, 7};
  grey.hasTransparentColor = true;
  grey.transparentColor.gray = 7;
  const std::unique_ptr<Image> greyImage = Load(grey);
  ASSERT_NE(greyImage, nullptr);
  EXPECT_EQ(greyImage->GetFormat(), Image::IMAGE_FORMAT_GREY_ALPHA);
  EXPECT_EQ(Bytes(greyImage->GetPixels(), greyImage->GetPixels() + 8),
            Bytes({7, 0, 8, 255, 8, 255, 7, 0}));

  PngDescription rgb;
  rgb.width = 2;
  rgb.height = 1;
  rgb.colorType = PNG_COLOR_TYPE_RGB;
  rgb.rows = {1, 2, 3, 4, 5, 6};
  rgb.hasTransparentColor = true;
  rgb.transparentColor.red = 4;
  rgb.transparentColor.green = 5;
  rgb.transparentColor.blue = 6;
  const std::unique_ptr<Image> rgbImage = Load(rgb);
  ASSERT_NE(rgbImage, nullptr);
  EXPECT_EQ(rgbImage->GetFormat(), Image::IMAGE_FORMAT_RGBA);
  EXPECT_EQ(rgbImage->GetPixel(0, 0), Rgba(1, 2, 3, 255));
  EXPECT_EQ(rgbImage->GetPixel(1, 0), Rgba(4, 5, 6, 0));
}

TEST_F(ImageFilePNGTest, InterlacedFilesDecodeToTheSamePixelsAsTheirTwins) {
  struct Case {
    int colorType;
    int bitDepth;
  };
  for (const Case& c : {Case{PNG_COLOR_TYPE_RGB_ALPHA, 8}, Case{PNG_COLOR_TYPE_RGB, 16},
                        Case{PNG_COLOR_TYPE_GRAY, 1}, Case{PNG_COLOR_TYPE_GRAY_ALPHA, 8}}) {
    SCOPED_TRACE(c.colorType * 100 + c.bitDepth);
    PngDescription d = Picture(16, 32, c.colorType, c.bitDepth);
    const std::unique_ptr<Image> plain = Load(d);
    d.interlaced = true;
    const Bytes interlacedFile = EncodePng(d);
    ASSERT_GT(interlacedFile.size(), 29u);
    ASSERT_EQ(interlacedFile[28], 1) << "the twin must really be interlaced";
    const std::unique_ptr<Image> interlaced = Load(interlacedFile);
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(interlaced, nullptr);
    EXPECT_EQ(interlaced->GetFormat(), plain->GetFormat());
    EXPECT_EQ(Bytes(interlaced->GetPixels(), interlaced->GetPixels() + interlaced->GetByteCount()),
              Bytes(plain->GetPixels(), plain->GetPixels() + plain->GetByteCount()));
  }
}

TEST_F(ImageFilePNGTest, LibpngWarningsAreLoggedAndReadingGoesOn) {
  PngDescription d = Picture(4, 4, PNG_COLOR_TYPE_RGB);
  d.text = "made for a test";
  Bytes file = EncodePng(d);
  const std::string type = "tEXt";
  const auto chunk = std::search(file.begin(), file.end(), type.begin(), type.end());
  ASSERT_NE(chunk, file.end());
  const size_t crcOffset = static_cast<size_t>(chunk - file.begin()) + 4 + 8 + d.text.size();
  file[crcOffset] ^= 0xFF;

  const std::unique_ptr<Image> image = Load(file);
  ASSERT_NE(image, nullptr);
  ExpectSameSamples(*image, d);
  ASSERT_EQ(m_console.lines.size(), 1u);
  EXPECT_EQ(m_console.lines[0], "ImageLoaderPNG : Encountered libpng warning: 'tEXt: CRC error' "
                                "while reading " + m_path + "\n");
}

// ---- Refusals -------------------------------------------------------------------

TEST_F(ImageFilePNGTest, RefusesSidesThatAreNotPowersOfTwo) {
  const CaughtError width = LoadFails(EncodePng(Picture(100, 64, PNG_COLOR_TYPE_RGB)));
  EXPECT_EQ(width.message, "ImageFilePNG: " + m_path + " has a non-power-of-2 width: 100.\n");
  EXPECT_EQ(width.title, "ImageFilePNG");

  const CaughtError height = LoadFails(EncodePng(Picture(64, 24, PNG_COLOR_TYPE_GRAY)));
  EXPECT_EQ(height.message, "ImageFilePNG: " + m_path + " has a non-power-of-2 height: 24.\n");
}

TEST_F(ImageFilePNGTest, RefusesAHugeHeaderBeforeAllocatingAnything) {
  const CaughtError error = LoadFails(PngWithDeclaredSize(65536, 65536));
  EXPECT_EQ(error.message, "ImageFilePNG: " + m_path +
                               " is 65536 x 65536 pixels; images may be at most 8192 pixels on "
                               "a side.\n");
  EXPECT_EQ(error.title, "ImageFilePNG");
  EXPECT_EQ(LoadFails(PngWithDeclaredSize(16384, 1)).title, "ImageFilePNG");
}

TEST_F(ImageFilePNGTest, RefusesAnEmptyPicture) {
  const CaughtError error = LoadFails(PngWithDeclaredSize(0, 0));
  EXPECT_EQ(error.message, "ImageLoaderPNG : Encountered libpng error: 'Invalid IHDR data' "
                           "while reading " + m_path + "\n");
  EXPECT_EQ(error.title, "LibPNG Error");
  ASSERT_FALSE(m_console.lines.empty());
  EXPECT_EQ(m_console.lines[0], "ImageLoaderPNG : Encountered libpng warning: 'Image width is "
                                "zero in IHDR' while reading " + m_path + "\n");
}

TEST_F(ImageFilePNGTest, RefusesFilesWithoutThePngSignature) {
  const std::string expected = "ImageFilePNG : " + m_path + " has an invalid PNG header\n";
  for (const Bytes& file : {Bytes(), Bytes{0x89, 'P', 'N'}, TgaFile(2, 2, 32, Bytes(16, 0))}) {
    const CaughtError error = LoadFails(file);
    EXPECT_EQ(error.message, expected);
    EXPECT_EQ(error.title, "PNG Error");
  }
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

TEST_F(ImageFilePNGTest, RefusesCorruptImageData) {
  Bytes file = EncodePng(Picture(8, 8, PNG_COLOR_TYPE_RGB));
  const std::string type = "IDAT";
  const auto chunk = std::search(file.begin(), file.end(), type.begin(), type.end());
  ASSERT_NE(chunk, file.end());
  *(chunk + 4) ^= 0x55;  // the zlib header
  EXPECT_EQ(LoadFails(file).title, "LibPNG Error");
}

TEST_F(ImageFilePNGTest, RefusesAnEmptyPath) {
  ImageFilePNG loader{UlvoPath(PATH_MARKER_NONE, "")};
  const CaughtError error = CatchUlvoException([&] { loader.Load(); });
  EXPECT_EQ(error.message, "ImageFilePNG: Missing path to image.\n");
  EXPECT_EQ(error.title, "ImageFilePNG Error");
}

}  // namespace
