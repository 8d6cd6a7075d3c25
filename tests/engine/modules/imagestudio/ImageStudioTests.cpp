// The image studio's two decoders and the image they fill, on files built
// byte by byte.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "engine/core/UlvoException.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/engine/modules/imagestudio/PngFileBytes.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/TemporaryFolder.h"

namespace {

using testsupport::Bytes;
using testsupport::CatchUlvoException;
using png_bytes::Png;

// An uncompressed true-colour Targa file: the 18-byte header, then the pixels.
Bytes Tga(uint16_t width, uint16_t height, uint8_t bitsPerPixel, const Bytes& pixels) {
  Bytes file = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, uint8_t(width), uint8_t(width >> 8),
                uint8_t(height), uint8_t(height >> 8), bitsPerPixel, 0x08};
  file.insert(file.end(), pixels.begin(), pixels.end());
  return file;
}

Bytes Counting(size_t count) {
  Bytes bytes(count);
  for (size_t i = 0; i < count; ++i) bytes[i] = uint8_t(i * 37 + 5);
  return bytes;
}

class ImageStudioTest : public ::testing::Test {
 protected:
  std::unique_ptr<Image> Load(const Bytes& file, const std::string& name = "picture.png") {
    testsupport::WriteFileBytes(m_folder.File(name), file);
    return m_studio->LoadImage(UlvoPath(PATH_MARKER_NONE, m_folder.File(name)));
  }
  testsupport::CaughtError Refusal(const Bytes& file, const std::string& name = "picture.png") {
    return CatchUlvoException([&] { Load(file, name); });
  }
  static Bytes PixelsOf(const Image& image) {
    return Bytes(image.GetPixels(), image.GetPixels() + image.GetByteCount());
  }

  testsupport::TemporaryFolder m_folder;
  testsupport::RecordingConsole m_console;
  std::unique_ptr<UlvoImageStudioBasic_Win32> m_studio = UlvoImageStudioBasic_Win32::Create();
};

// Each colour type arrives as 8-bit samples, top row first: RGBA as it is,
// 16-bit samples as their high byte, palette entries as RGB, or as RGBA
// when a transparency chunk gives the first entries an alpha.
TEST_F(ImageStudioTest, PngSamplesArriveInTheImagesFormatTopRowFirst) {
  const Bytes rgba = Counting(4 * 4 * 2);
  const std::unique_ptr<Image> straight = Load(Png(4, 2, 8, 6, rgba));
  EXPECT_EQ(straight->GetFormat(), Image::IMAGE_FORMAT_RGBA);
  EXPECT_EQ(PixelsOf(*straight), rgba);

  const Bytes wide = Counting(2 * 3 * 2);
  const std::unique_ptr<Image> deep = Load(Png(2, 1, 16, 2, wide));
  EXPECT_EQ(PixelsOf(*deep), (Bytes{wide[0], wide[2], wide[4], wide[6], wide[8], wide[10]}));

  const Bytes palette = {200, 10, 20, 30, 210, 40, 50, 60, 220, 1, 2, 3};
  const Bytes indices = {0b00011011, 0b11100100};  // 0 1 2 3 / 3 2 1 0
  const std::unique_ptr<Image> opaque = Load(Png(4, 2, 2, 3, indices, {{"PLTE", palette}}));
  EXPECT_EQ(opaque->GetFormat(), Image::IMAGE_FORMAT_RGB);
  EXPECT_EQ(opaque->GetPixel(3, 0), Rgba(1, 2, 3, 255));
  EXPECT_EQ(opaque->GetPixel(1, 1), Rgba(50, 60, 220, 255));
  const std::unique_ptr<Image> byteIndices = Load(Png(2, 1, 8, 3, {3, 2}, {{"PLTE", palette}}));
  EXPECT_EQ(byteIndices->GetPixel(0, 0), Rgba(1, 2, 3, 255));
  EXPECT_EQ(byteIndices->GetPixel(1, 0), Rgba(50, 60, 220, 255));
  const std::unique_ptr<Image> clear =
      Load(Png(4, 2, 2, 3, indices, {{"PLTE", palette}, {"tRNS", {0, 128}}}));
  EXPECT_EQ(clear->GetFormat(), Image::IMAGE_FORMAT_RGBA);
  EXPECT_EQ(clear->GetPixel(1, 0), Rgba(30, 210, 40, 128));
  EXPECT_EQ(clear->GetPixel(2, 0), Rgba(50, 60, 220, 255));
  EXPECT_EQ(clear->GetPixel(3, 1), Rgba(200, 10, 20, 0));
}

// Targa pixels are stored blue, green, red (and alpha), bottom row first by
// the format's default; the rows are kept in the file's order.
TEST_F(ImageStudioTest, TargaPixelsTurnFromBgrToRgb) {
  const std::unique_ptr<Image> rgb = Load(Tga(2, 1, 24, {10, 20, 30, 40, 50, 60}), "a.TGA");
  EXPECT_EQ(rgb->GetFormat(), Image::IMAGE_FORMAT_RGB);
  EXPECT_EQ(PixelsOf(*rgb), (Bytes{30, 20, 10, 60, 50, 40}));
  const Bytes pixels = Counting(3 * 2 * 4);
  const std::unique_ptr<Image> rgba = Load(Tga(3, 2, 32, pixels), "b.targa");
  EXPECT_EQ(rgba->GetFormat(), Image::IMAGE_FORMAT_RGBA);
  EXPECT_EQ(rgba->GetPixel(2, 1), Rgba(pixels[22], pixels[21], pixels[20], pixels[23]));
  EXPECT_EQ(Load(Png(1, 1, 8, 0, {7}), "c.Png")->GetPixel(0, 0), Rgba(7, 7, 7, 255));
  // A grey picture's transparent value becomes an alpha channel.
  EXPECT_EQ(Load(Png(2, 1, 8, 0, {7, 8}, {{"tRNS", {0, 7}}}))->GetPixel(0, 0), Rgba(7, 7, 7, 0));
}

// 8192 pixels a side is the most either decoder takes; a larger header is
// refused before anything is set aside for its pixels.
TEST_F(ImageStudioTest, ImagesUpToTheMaximumSideAreTakenAndLargerOnesRefused) {
  for (const auto& [width, height] : {std::make_pair(8192, 1), std::make_pair(1, 8192)}) {
    EXPECT_EQ(Load(Tga(uint16_t(width), uint16_t(height), 24, Bytes(3 * 8192)), "t.tga")->GetSize(),
              IntVector2(width, height));
    EXPECT_EQ(Load(Png(width, height, 8, 0, Bytes(8192)))->GetSize(),
              IntVector2(width, height));
    // One more pixel for Targa; the next power of two for PNG.
    const int over[2] = {width == 8192 ? 8193 : 1, height == 8192 ? 8193 : 1};
    EXPECT_EQ(Refusal(Tga(uint16_t(over[0]), uint16_t(over[1]), 24, {}), "t.tga").message,
              "Targa image '" + m_folder.File("t.tga") + "' is " + std::to_string(over[0]) +
                  " x " + std::to_string(over[1]) +
                  " pixels; images may be at most 8192 pixels on a side.");
    const testsupport::CaughtError png =
        Refusal(Png(over[0] == 1 ? 1 : 16384, over[1] == 1 ? 1 : 16384, 8, 0, {0}));
    EXPECT_NE(png.message.find("pixels; images may be at most 8192 pixels on a side"),
              std::string::npos) << png.message;
  }
}

// Every cut of a PNG is refused through libpng's error; a Targa whose
// pixels run short is refused rather than read past its end.
TEST_F(ImageStudioTest, TruncatedFilesAreRefused) {
  const Bytes file = Png(8, 8, 8, 6, Counting(8 * 8 * 4));
  for (size_t length = 8; length < file.size(); ++length) {
    const testsupport::CaughtError error = Refusal(Bytes(file.begin(), file.begin() + length));
    ASSERT_EQ(error.title, "LibPNG Error") << length;
  }
  EXPECT_EQ(Refusal(Tga(4, 4, 32, Bytes(63)), "t.tga").message,
            "Targa image '" + m_folder.File("t.tga") +
                "' is truncated: its 4 x 4 pixels need 64 bytes, only 63 follow the header.");
  EXPECT_EQ(Refusal(Bytes(17), "t.tga").title, "TGA tgaFile invalid!");
}

// A file that is not there stops the game as one that cannot be read does;
// a folder is reported with the reason it cannot be read; a pipe is refused
// without being opened, which would wait for a writer.
TEST_F(ImageStudioTest, AFileThatIsNotThereOrCannotBeReadIsAnError) {
  std::filesystem::create_directory(m_folder.File("folder.png"));
  ASSERT_EQ(mkfifo(m_folder.File("pipe.png").c_str(), 0600), 0);
  const struct {
    const char* name;
    int code;
    const char* start;
  } cases[] = {{"gone.png", ENOENT, "Failed to open PNG image \""},
               {"gone.tga", ENOENT, "Failed to load TGA image \""},
               {"folder.png", EISDIR, "Failed to open PNG image \""},
               {"pipe.png", ENODEV, "Failed to open PNG image \""}};
  for (const auto& test : cases) {
    const std::string path = m_folder.File(test.name);
    EXPECT_EQ(CatchUlvoException([&] { m_studio->LoadImage(UlvoPath(PATH_MARKER_NONE, path)); })
                  .message,
              test.start + path + "\" (error code #" + std::to_string(test.code) + ")");
  }
}

TEST(ImageTest, PixelsOutsideTheImageAreRefused) {
  const std::unique_ptr<Image> image = Image::Create(IntVector2(4, 2), Image::IMAGE_FORMAT_RGBA);
  image->SetPixel(3, 1, Rgba(10, 20, 30, 40));
  EXPECT_EQ(Bytes(image->GetPixels() + 28, image->GetPixels() + 32), (Bytes{10, 20, 30, 40}));
  EXPECT_THROW(image->GetPixel(4, 0), UlvoException);
  EXPECT_THROW(image->GetPixel(0, 2), UlvoException);
  EXPECT_THROW(image->SetPixel(-1, 0, Rgba::WHITE), UlvoException);
}

}  // namespace
