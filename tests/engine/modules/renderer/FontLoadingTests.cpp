#include <gmock/gmock.h>

#include "engine/core/FontDescriptor.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "engine/modules/renderer/BitmapFont.h"
#include "engine/modules/renderer/Texture_Win32_DirectX81.h"
#include "tests/engine/modules/renderer/FontTestSupport.h"
#include "tests/engine/modules/renderer/RendererTestSupport.h"

namespace font_test {
namespace {

using ::testing::HasSubstr;

// A started renderer on a recording device, an image studio and a data
// folder of the test's own.
class FontLoadingTest : public renderer_test::RecordingRendererTest {
 protected:
  // Writes the definition under the face and locale of its file name, and
  // one page per size, page i of sizes[i] pixels square, named after the
  // name and locale inside the definition.
  void WriteFont(const std::string& fileFace, const std::string& fileLocale, const FontFile& font,
                 const std::vector<int>& pageSizes) {
    m_data.Write("Locale/Fonts/" + fileFace + "_" + fileLocale + ".FontDef",
                 BinaryFontDefinition(font));
    for (size_t page = 0; page < pageSizes.size(); ++page) {
      m_data.Write(BitmapFont::PagePath(font.name, font.locale, static_cast<int>(page)),
                   SolidPng(pageSizes[page], pageSizes[page], Rgba(10, 20, 30, 40)));
    }
  }

  ScopedDataFolder m_data;
  std::unique_ptr<UlvoImageStudioBasic_Win32> m_imageStudio = UlvoImageStudioBasic_Win32::Create();
};

TEST_F(FontLoadingTest, APageCountOfThreeLoadsPagesZeroToTwoInOrder) {
  FontFile font;
  font.pageCount = 3;
  WriteFont("Test", "EN", font, {4, 8, 16, 32});
  BitmapFont* loaded = m_renderer->LoadFont("Test", "EN");
  ASSERT_NE(loaded, nullptr);
  ASSERT_EQ(loaded->GetPageCount(), 3u);
  EXPECT_EQ(loaded->GetPage(0)->GetWidth(), 4);
  EXPECT_EQ(loaded->GetPage(1)->GetWidth(), 8);
  EXPECT_EQ(loaded->GetPage(2)->GetWidth(), 16);
  EXPECT_EQ(loaded->GetPage(3), nullptr);
}

TEST_F(FontLoadingTest, AFontThatCannotBeLoadedWholeThrowsAndIsNotEntered) {
  EXPECT_THAT(
      UlvoExceptionMessage([&] { m_renderer->LoadFont("Missing", "EN"); }),
      HasSubstr("Font definition \"Data/Locale/Fonts/Missing_EN.FontDef\" could not be read"));

  FontFile twoPages;
  twoPages.pageCount = 2;
  WriteFont("Short", "EN", twoPages, {4});
  EXPECT_THAT(UlvoExceptionMessage([&] { m_renderer->LoadFont("Short", "EN"); }),
              HasSubstr("\"Data/Locale/Fonts/Test_EN_01.png\" could not be loaded"));

  FontFile negative;
  negative.pageCount = -1;
  WriteFont("Negative", "EN", negative, {4});
  EXPECT_THAT(UlvoExceptionMessage([&] { m_renderer->LoadFont("Negative", "EN"); }),
              HasSubstr("gives -1 pages"));

  EXPECT_EQ(m_renderer->GetFont("Missing"), nullptr);
  EXPECT_EQ(m_renderer->GetFont("Short"), nullptr);
  EXPECT_EQ(m_renderer->GetFont("Negative"), nullptr);
}

}  // namespace
}  // namespace font_test
