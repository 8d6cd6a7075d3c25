#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/core/ResourceStream.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "engine/modules/renderer/BitmapFont.h"
#include "tests/engine/modules/ModuleTestSupport.h"
#include "tools/fontbaker/Cp1252Characters.h"
#include "tools/fontbaker/FontBake.h"
#include "tools/fontbaker/FontBakeOutput.h"
#include "tools/fontbaker/GlyphRasterizer.h"

namespace fontbaker {
namespace {

const char* const DEJAVU_SANS = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr int LINE_HEIGHT = 24;

// DejaVu Sans baked small, on small pages so that it needs several.
class FontBakeTest : public ::testing::Test {
 protected:
  FontBakeTest() : m_rasterizer(DEJAVU_SANS, LINE_HEIGHT) {
    FontBakeSettings settings;
    settings.name = "Baked";
    settings.locale = "XX";
    settings.pageSize = 128;
    m_font = BakeFont(m_rasterizer, settings, &m_warnings);
  }

  // The sum of the page's alpha inside the glyph's texture rectangle.
  long AlphaInside(const BakedGlyph& glyph) const {
    const FontPage& page = m_font.pages.at(glyph.page);
    long sum = 0;
    for (int y = static_cast<int>(glyph.textureBounds.mins.y * page.height);
         y < static_cast<int>(glyph.textureBounds.maxs.y * page.height); ++y) {
      for (int x = static_cast<int>(glyph.textureBounds.mins.x * page.width);
           x < static_cast<int>(glyph.textureBounds.maxs.x * page.width); ++x) {
        sum += page.rgba[(static_cast<size_t>(y) * page.width + x) * 4 + 3];
      }
    }
    return sum;
  }

  GlyphRasterizer m_rasterizer;
  std::vector<std::string> m_warnings;
  BakedFont m_font;
};

TEST_F(FontBakeTest, EveryCharacterOfTheCodePageGetsItsGlyphAndControlBytesNone) {
  EXPECT_TRUE(m_warnings.empty()) << m_warnings.front();
  EXPECT_EQ(m_font.name, "Baked");
  EXPECT_EQ(m_font.locale, "XX");
  for (int byte = 0; byte < 256; ++byte) {
    const bool expected = Cp1252CharacterOf(static_cast<unsigned char>(byte)) != 0;
    EXPECT_EQ(m_font.glyphs[byte].present, expected) << byte;
    if (!expected) {
      EXPECT_EQ(m_font.glyphs[byte].page, 0xFF) << byte;
    }
  }
  EXPECT_TRUE(m_font.glyphs[0xF7].present);
  EXPECT_GT(m_font.pages.size(), 1u);
}

TEST_F(FontBakeTest, SpacesAddUpToTheFacesAdvanceInUnitsOfTheLine) {
  for (int byte = 0; byte < 256; ++byte) {
    const BakedGlyph& glyph = m_font.glyphs[byte];
    if (!glyph.present) {
      continue;
    }
    const double advance =
        m_rasterizer.Rasterize(Cp1252CharacterOf(static_cast<unsigned char>(byte))).advance;
    EXPECT_NEAR((glyph.leadingSpace + glyph.width + glyph.trailingSpace) * LINE_HEIGHT, advance,
                1e-3)
        << byte;
  }
  // A space draws nothing and is all space after.
  const BakedGlyph& space = m_font.glyphs[' '];
  EXPECT_EQ(space.width, 0.0f);
  EXPECT_GT(space.trailingSpace, 0.2f);
  EXPECT_LT(space.trailingSpace, 0.4f);
  // Digits stand apart from their neighbours: ink starts after the pen.
  EXPECT_GE(m_font.glyphs['1'].leadingSpace, 0.0f);
}

TEST_F(FontBakeTest, EachGlyphsRectangleHoldsAllOfItsInkAndNothingElse) {
  for (int byte = 0; byte < 256; ++byte) {
    const BakedGlyph& glyph = m_font.glyphs[byte];
    if (!glyph.present || glyph.width == 0.0f) {
      continue;
    }
    ASSERT_LT(glyph.page, m_font.pages.size()) << byte;
    const FontPage& page = m_font.pages[glyph.page];
    // Whole pixels, the rectangle as tall as the line.
    EXPECT_EQ(std::fmod(glyph.textureBounds.mins.x * page.width, 1.0f), 0.0f) << byte;
    EXPECT_EQ((glyph.textureBounds.maxs.y - glyph.textureBounds.mins.y) * page.height,
              static_cast<float>(LINE_HEIGHT))
        << byte;
    EXPECT_GE(glyph.textureBounds.mins.x, 0.0f);
    EXPECT_LE(glyph.textureBounds.maxs.x, 1.0f);
    EXPECT_LE(glyph.textureBounds.maxs.y, 1.0f);

    const RasterizedGlyph bitmap =
        m_rasterizer.Rasterize(Cp1252CharacterOf(static_cast<unsigned char>(byte)));
    long coverage = 0;
    for (const uint8_t value : bitmap.coverage) {
      coverage += value;
    }
    EXPECT_EQ(AlphaInside(glyph), coverage) << byte;
  }
  // All of the pages' alpha belongs to some glyph.
  long total = 0;
  for (const FontPage& page : m_font.pages) {
    EXPECT_EQ(page.width & (page.width - 1), 0);
    EXPECT_EQ(page.height & (page.height - 1), 0);
    for (size_t i = 3; i < page.rgba.size(); i += 4) {
      total += page.rgba[i];
      EXPECT_EQ(page.rgba[i - 1], 255);
    }
  }
  long inside = 0;
  for (const BakedGlyph& glyph : m_font.glyphs) {
    inside += glyph.present && glyph.width > 0.0f ? AlphaInside(glyph) : 0;
  }
  EXPECT_EQ(total, inside);
}

TEST_F(FontBakeTest, TheEnginesLoaderReadsBackExactlyWhatWasBaked) {
  modules_test::TemporaryFolder folder;
  modules_test::ScopedWorkingDirectory workingDirectory(folder.Path());
  const std::string fonts = "Data/Locale/Fonts";
  std::filesystem::create_directories(fonts);
  // Pages of an earlier, larger bake are cleared away.
  const size_t pageCount = m_font.pages.size();
  for (size_t stale = pageCount; stale < pageCount + 2; ++stale) {
    std::ofstream(fonts + "/" + PageFileName("Baked", "XX", static_cast<int>(stale))) << "old";
  }
  const std::vector<std::string> written = WriteBakedFont(m_font, fonts);
  EXPECT_EQ(written.size(), pageCount + 1);
  EXPECT_FALSE(std::filesystem::exists(fonts + "/" +
                                       PageFileName("Baked", "XX", static_cast<int>(pageCount))));

  std::unique_ptr<UlvoImageStudioBasic_Win32> imageStudio = UlvoImageStudioBasic_Win32::Create();
  ResourceStream stream(UlvoPath(PATH_MARKER_DATA, BitmapFont::DefinitionPath("Baked", "XX")));
  EXPECT_EQ(stream.GetInternalFormat(), RESOURCE_STREAM_FORMAT_BINARY);
  FontDefinition definition;
  definition.ReadFrom(stream);
  EXPECT_EQ(stream.DataBytesRemaining(), 0);
  EXPECT_EQ(definition.GetName(), "Baked");
  EXPECT_EQ(definition.GetLocale(), "XX");
  EXPECT_EQ(definition.GetPageCount(), static_cast<int32_t>(pageCount));
  for (int byte = 0; byte < 256; ++byte) {
    const BakedGlyph& baked = m_font.glyphs[byte];
    const GlyphInfo& read = definition.GetGlyph(static_cast<unsigned char>(byte));
    EXPECT_EQ(read.page, baked.page) << byte;
    if (baked.present) {
      EXPECT_EQ(read.textureBounds, baked.textureBounds) << byte;
      EXPECT_EQ(read.leadingSpace, baked.leadingSpace) << byte;
      EXPECT_EQ(read.width, baked.width) << byte;
      EXPECT_EQ(read.trailingSpace, baked.trailingSpace) << byte;
    }
  }

  for (size_t page = 0; page < pageCount; ++page) {
    const std::unique_ptr<Image> image = imageStudio->LoadImage(
        UlvoPath(PATH_MARKER_DATA, BitmapFont::PagePath("Baked", "XX", static_cast<int>(page))));
    ASSERT_NE(image, nullptr);
    ASSERT_EQ(image->GetFormat(), Image::IMAGE_FORMAT_RGBA);
    EXPECT_EQ(image->GetSize(), IntVector2(m_font.pages[page].width, m_font.pages[page].height));
    EXPECT_TRUE(std::equal(m_font.pages[page].rgba.begin(), m_font.pages[page].rgba.end(),
                           image->GetPixels()));
  }
}

TEST(GlyphRasterizerTest, AFileThatIsNoFaceIsRefused) {
  EXPECT_THROW(GlyphRasterizer("/nonexistent/face.ttf", 24), std::runtime_error);
  EXPECT_THROW(GlyphRasterizer(DEJAVU_SANS, 2), std::runtime_error);
}

}  // namespace
}  // namespace fontbaker
