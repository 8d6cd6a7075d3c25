#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "tests/engine/modules/imagestudio/ImageTestSupport.h"
#include "tests/support/ScopedWorkingDirectory.h"

namespace {

using namespace image_test;

class UlvoImageStudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PngDescription d;
    d.width = 2;
    d.height = 2;
    d.colorType = PNG_COLOR_TYPE_RGB;
    FillWithSamples(d);
    m_png = EncodePng(d);
    m_tga = TgaFile(1, 1, 32, {1, 2, 3, 4});
  }

  std::unique_ptr<Image> LoadAs(const std::string& name, const Bytes& file) {
    WriteFileBytes(m_folder.File(name), file);
    return m_studio->LoadImage(UlvoPath(PATH_MARKER_NONE, m_folder.File(name)));
  }

  TemporaryFolder m_folder;
  RecordingConsole m_console;
  std::unique_ptr<UlvoImageStudioBasic_Win32> m_studio = UlvoImageStudioBasic_Win32::Create();
  Bytes m_png;
  Bytes m_tga;
};

TEST_F(UlvoImageStudioTest, ChoosesTheLoaderByExtensionIgnoringCase) {
  for (const char* name : {"a.png", "b.PNG", "c.Png"}) {
    const std::unique_ptr<Image> image = LoadAs(name, m_png);
    ASSERT_NE(image, nullptr) << name;
    EXPECT_EQ(image->GetFormat(), Image::IMAGE_FORMAT_RGB) << name;
  }
  for (const char* name : {"d.tga", "e.TGA", "f.targa", "g.Targa"}) {
    const std::unique_ptr<Image> image = LoadAs(name, m_tga);
    ASSERT_NE(image, nullptr) << name;
    EXPECT_EQ(image->GetPixel(0, 0), Rgba(3, 2, 1, 4)) << name;
  }
  EXPECT_TRUE(m_console.lines.empty());
}

TEST_F(UlvoImageStudioTest, AFileThatCannotBeReadIsAnError) {
  const std::string folder = m_folder.File("folder.png");
  std::filesystem::create_directory(folder);
  const CaughtError error =
      CatchUlvoException([&] { m_studio->LoadImage(UlvoPath(PATH_MARKER_NONE, folder)); });
  EXPECT_EQ(error.message,
            "Failed to open PNG image \"" + folder + "\" (error code #" + std::to_string(EISDIR) +
                ")");
  EXPECT_EQ(error.title, "Failed to open PNG");

  // A pipe is refused without being opened: opening it would wait for a writer.
  const std::string pipe = m_folder.File("pipe.png");
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  EXPECT_EQ(CatchUlvoException([&] { m_studio->LoadImage(UlvoPath(PATH_MARKER_NONE, pipe)); })
                .message,
            "Failed to open PNG image \"" + pipe + "\" (error code #" + std::to_string(ENODEV) +
                ")");
}

}  // namespace
