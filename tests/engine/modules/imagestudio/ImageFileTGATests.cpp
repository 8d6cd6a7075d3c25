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
  std::string NotValidMessage() const {
    return "Targa image '" + m_path +
           "' is not valid.  Probably because it is RLE compressed and we don't support it!.";
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

TEST_F(ImageFileTGATest, IgnoresBytesAfterThePixels) {
  Bytes file = TgaFile(1, 1, 24, {1, 2, 3});
  const std::string footer = "TRUEVISION-XFILE.";
  file.insert(file.end(), footer.begin(), footer.end());
  const std::unique_ptr<Image> image = Load(file);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->GetPixel(0, 0), Rgba(3, 2, 1, 255));
}

TEST_F(ImageFileTGATest, AMissingFileGivesNoImageAndAWarning) {
  const std::unique_ptr<Image> image =
      ImageFileTGA(UlvoPath(PATH_MARKER_NONE, m_folder.File("absent.tga"))).Load();
  EXPECT_EQ(image, nullptr);
  ASSERT_EQ(m_console.lines.size(), 1u);
  EXPECT_EQ(m_console.lines[0],
            "WARNING: Image file \"" + m_folder.File("absent.tga") + "\" not found; no image "
            "loaded.\n");
}

// ---- Refusals -------------------------------------------------------------------

TEST_F(ImageFileTGATest, RefusesAnyOtherHeaderLayout) {
  struct Case {
    size_t offset;
    unsigned char value;
    const char* what;
  };
  for (const Case& c : {Case{2, 10, "run-length encoded"}, Case{0, 4, "image ID"},
                        Case{1, 1, "colour map"}, Case{2, 3, "grey"}, Case{5, 16, "map length"},
                        Case{8, 1, "x origin"}, Case{11, 2, "y origin"}}) {
    SCOPED_TRACE(c.what);
    Bytes file = TgaFile(2, 2, 24, Pixels(12));
    file[c.offset] = c.value;
    const CaughtError error = LoadFails(file);
    EXPECT_EQ(error.message, NotValidMessage());
    EXPECT_EQ(error.title, "TGA tgaFile invalid!");
  }
}

TEST_F(ImageFileTGATest, RefusesGreyAndSixteenBitFilesWithTheirBytesPerPixel) {
  const CaughtError sixteen = LoadFails(TgaFile(2, 2, 16, Pixels(8)));
  EXPECT_EQ(sixteen.message, "Sorry, Ulvo does not yet support 2 bytes-per-pixel TGA formats");
  EXPECT_EQ(sixteen.title, "TGA format not supported");
  EXPECT_EQ(LoadFails(TgaFile(2, 2, 8, Pixels(4))).message,
            "Sorry, Ulvo does not yet support 1 bytes-per-pixel TGA formats");
}

TEST_F(ImageFileTGATest, RefusesBitsPerPixelOfNoKnownFormat) {
  for (const int bits : {0, 4, 7, 40, 255}) {
    const CaughtError error =
        LoadFails(TgaFile(2, 2, static_cast<uint8_t>(bits), Pixels(4 * 32)));
    EXPECT_EQ(error.message, "Targa image '" + m_path + "' has " + std::to_string(bits) +
                                 " bits per pixel; only 24 and 32 are supported.");
    EXPECT_EQ(error.title, "TGA format not supported");
  }
}

TEST_F(ImageFileTGATest, RefusesAShortHeader) {
  const Bytes header = TgaFile(2, 2, 24, {});
  for (size_t length : {size_t{0}, size_t{11}, size_t{17}}) {
    const CaughtError error = LoadFails(Bytes(header.begin(), header.begin() + length));
    EXPECT_EQ(error.message, "Targa image '" + m_path + "' is truncated: its header needs 18 "
                                 "bytes, the file holds " + std::to_string(length) + ".");
    EXPECT_EQ(error.title, "TGA tgaFile invalid!");
  }
}

TEST_F(ImageFileTGATest, RefusesMissingPixelsInsteadOfReadingPastTheFile) {
  const CaughtError error = LoadFails(TgaFile(4, 4, 32, Pixels(4 * 4 * 4 - 1)));
  EXPECT_EQ(error.message, "Targa image '" + m_path + "' is truncated: its 4 x 4 pixels need 64 "
                               "bytes, only 63 follow the header.");
  EXPECT_EQ(error.title, "TGA tgaFile invalid!");
  EXPECT_EQ(LoadFails(TgaFile(1, 1, 24, {})).title, "TGA tgaFile invalid!");
}

TEST_F(ImageFileTGATest, RefusesPicturesWithoutPixels) {
  for (const auto& size : {std::pair<int, int>{0, 0}, {0, 5}, {5, 0}}) {
    const CaughtError error =
        LoadFails(TgaFile(static_cast<uint16_t>(size.first), static_cast<uint16_t>(size.second),
                          24, {}));
    EXPECT_EQ(error.message, "Targa image '" + m_path + "' has no pixels: it is " +
                                 std::to_string(size.first) + " x " +
                                 std::to_string(size.second) + ".");
  }
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

TEST_F(ImageFileTGATest, RefusesAnEmptyPathAndAFolder) {
  const CaughtError noPath =
      CatchUlvoException([] { ImageFileTGA(UlvoPath(PATH_MARKER_NONE, "")).Load(); });
  EXPECT_EQ(noPath.message, "Couldn't load TGA image from file; no filename specified!");
  EXPECT_EQ(noPath.title, "Couldn't load TGA");

  const std::string folder = m_folder.File("folder.tga");
  std::filesystem::create_directory(folder);
  const CaughtError notAFile =
      CatchUlvoException([&] { ImageFileTGA(UlvoPath(PATH_MARKER_NONE, folder)).Load(); });
  EXPECT_EQ(notAFile.message, "Failed to load TGA image \"" + folder + "\" (error code #" + std::to_string(EISDIR) + ")");
  EXPECT_EQ(notAFile.title, "Failed to load TGA");
}

}  // namespace
