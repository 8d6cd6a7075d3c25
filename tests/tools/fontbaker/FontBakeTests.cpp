#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "engine/core/ResourceStream.h"
#include "engine/modules/imagestudio/Image.h"
#include "engine/modules/imagestudio/UlvoImageStudioBasic_Win32.h"
#include "engine/modules/renderer/BitmapFont.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/TemporaryFolder.h"
#include "tools/fontbaker/Cp1252Characters.h"
#include "tools/fontbaker/FontBake.h"
#include "tools/fontbaker/FontBakeOutput.h"
#include "tools/fontbaker/GlyphRasterizer.h"

namespace fontbaker {
namespace {

const char* const DEJAVU_SANS = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr int LINE_HEIGHT = 24;

// How many rows at the bottom of the glyph's line hold no ink; the whole
// line for a glyph without ink.
int EmptyRowsAtTheBottom(const uint8_t* rgba, int pageWidth, int pageHeight, const AABB2& bounds) {
  const int left = int(bounds.mins.x * pageWidth);
  const int right = int(bounds.maxs.x * pageWidth);
  const int top = int(bounds.mins.y * pageHeight);
  const int bottom = int(bounds.maxs.y * pageHeight);
  for (int y = bottom - 1; y >= top; --y) {
    for (int x = left; x < right; ++x) {
      if (rgba[(size_t(y) * pageWidth + x) * 4 + 3] != 0) {
        return bottom - 1 - y;
      }
    }
  }
  return bottom - top;
}

// DejaVu Sans baked small, on pages of 128 so that it needs several.
class FontBakeTest : public ::testing::Test {
 protected:
  FontBakeTest() : m_rasterizer(DEJAVU_SANS, LINE_HEIGHT) {
    m_font = BakeFont(m_rasterizer, FontBakeSettings{"Baked", "XX", 128}, &m_warnings);
  }

  // The sum of the page's alpha inside the glyph's texture rectangle.
  long AlphaInside(const BakedGlyph& glyph) const {
    const FontPage& page = m_font.pages.at(glyph.page);
    long sum = 0;
    for (int y = int(glyph.textureBounds.mins.y * page.height);
         y < int(glyph.textureBounds.maxs.y * page.height); ++y) {
      for (int x = int(glyph.textureBounds.mins.x * page.width);
           x < int(glyph.textureBounds.maxs.x * page.width); ++x) {
        sum += page.rgba[(size_t(y) * page.width + x) * 4 + 3];
      }
    }
    return sum;
  }

  GlyphRasterizer m_rasterizer;
  std::vector<std::string> m_warnings;
  BakedFont m_font;
};

// Each character of the code page has its glyph, its spaces add up to the
// face's advance, and its rectangle, a line tall, holds all of its ink; all
// of the pages' ink belongs to some glyph.
TEST_F(FontBakeTest, EveryGlyphHoldsAllOfItsInkAndItsAdvance) {
  EXPECT_TRUE(m_warnings.empty()) << m_warnings.front();
  EXPECT_GT(m_font.pages.size(), 1u);
  long inside = 0;
  for (int byte = 0; byte < 256; ++byte) {
    const BakedGlyph& glyph = m_font.glyphs[byte];
    const uint32_t character = Cp1252CharacterOf(static_cast<unsigned char>(byte));
    ASSERT_EQ(glyph.present, character != 0) << byte;
    if (!glyph.present) {
      EXPECT_EQ(glyph.page, 0xFF) << byte;
      continue;
    }
    const RasterizedGlyph bitmap = m_rasterizer.Rasterize(character);
    EXPECT_NEAR((glyph.leadingSpace + glyph.width + glyph.trailingSpace) * LINE_HEIGHT,
                bitmap.advance, 1e-3) << byte;
    if (glyph.width == 0.0f) {
      continue;
    }
    const FontPage& page = m_font.pages.at(glyph.page);
    EXPECT_EQ((glyph.textureBounds.maxs.y - glyph.textureBounds.mins.y) * page.height,
              float(LINE_HEIGHT)) << byte;
    long coverage = 0;
    for (const uint8_t value : bitmap.coverage) {
      coverage += value;
    }
    EXPECT_EQ(AlphaInside(glyph), coverage) << byte;
    inside += coverage;
  }
  long total = 0;
  for (const FontPage& page : m_font.pages) {
    for (size_t i = 3; i < page.rgba.size(); i += 4) {
      total += page.rgba[i];
    }
  }
  EXPECT_EQ(total, inside);
}

// The files the engine's own loader reads back hold exactly what was baked;
// pages of an earlier, larger bake are cleared away.
TEST_F(FontBakeTest, TheEnginesLoaderReadsBackExactlyWhatWasBaked) {
  testsupport::TemporaryFolder folder;
  testsupport::ScopedWorkingDirectory workingDirectory(folder.Path());
  const std::string fonts = "Data/Locale/Fonts/";
  const int pageCount = int(m_font.pages.size());
  std::filesystem::create_directories(fonts);
  std::ofstream(fonts + PageFileName("Baked", "XX", pageCount)) << "old";
  EXPECT_EQ(WriteBakedFont(m_font, fonts).size(), size_t(pageCount) + 1);
  EXPECT_FALSE(std::filesystem::exists(fonts + PageFileName("Baked", "XX", pageCount)));

  ResourceStream stream(UlvoPath(PATH_MARKER_DATA, BitmapFont::DefinitionPath("Baked", "XX")));
  FontDefinition definition;
  definition.ReadFrom(stream);
  EXPECT_EQ(stream.DataBytesRemaining(), 0);
  EXPECT_EQ(definition.GetPageCount(), pageCount);
  for (int byte = 0; byte < 256; ++byte) {
    const BakedGlyph& baked = m_font.glyphs[byte];
    const GlyphInfo& read = definition.GetGlyph(static_cast<unsigned char>(byte));
    EXPECT_EQ(read.page, baked.page) << byte;
    EXPECT_TRUE(!baked.present || (read.textureBounds == baked.textureBounds &&
                                   read.leadingSpace == baked.leadingSpace &&
                                   read.width == baked.width &&
                                   read.trailingSpace == baked.trailingSpace)) << byte;
  }
  const auto imageStudio = UlvoImageStudioBasic_Win32::Create();
  for (int page = 0; page < pageCount; ++page) {
    const std::unique_ptr<Image> image = imageStudio->LoadImage(
        UlvoPath(PATH_MARKER_DATA, BitmapFont::PagePath("Baked", "XX", page)));
    ASSERT_EQ(image->GetFormat(), Image::IMAGE_FORMAT_RGBA);
    EXPECT_EQ(image->GetSize(), IntVector2(m_font.pages[page].width, m_font.pages[page].height));
    EXPECT_TRUE(std::equal(m_font.pages[page].rgba.begin(), m_font.pages[page].rgba.end(),
                           image->GetPixels()));
  }
}

// Labels draw text a little taller than their box, and the status line sits
// on the foot of the screen: the bottom of every line is margin, so that what
// hangs over is never the tail of a g, y or p. Baked here, and as shipped.
TEST_F(FontBakeTest, EveryLineEndsInAnEmptyMarginBelowTheDescenders) {
  const int margin = int(LINE_HEIGHT * GlyphRasterizer::BOTTOM_MARGIN);
  for (int byte = 0; byte < 256; ++byte) {
    const BakedGlyph& glyph = m_font.glyphs[byte];
    if (glyph.present && glyph.width > 0.0f) {
      const FontPage& page = m_font.pages.at(glyph.page);
      EXPECT_GE(EmptyRowsAtTheBottom(page.rgba.data(), page.width, page.height, glyph.textureBounds),
                margin) << byte;
    }
  }

  ResourceStream stream(UlvoPath(PATH_MARKER_DATA, BitmapFont::DefinitionPath("MainFont", "EN")));
  FontDefinition shipped;
  shipped.ReadFrom(stream);
  const auto imageStudio = UlvoImageStudioBasic_Win32::Create();
  std::vector<std::unique_ptr<Image>> pages;
  for (int page = 0; page < shipped.GetPageCount(); ++page) {
    pages.push_back(imageStudio->LoadImage(
        UlvoPath(PATH_MARKER_DATA, BitmapFont::PagePath("MainFont", "EN", page))));
  }
  for (const unsigned char byte : std::string("gjpqy|_,;()Q\xE7")) {
    const GlyphInfo& glyph = shipped.GetGlyph(byte);
    const Image& page = *pages.at(glyph.page);
    const float lineRows = (glyph.textureBounds.maxs.y - glyph.textureBounds.mins.y) * page.GetSize().y;
    EXPECT_GE(EmptyRowsAtTheBottom(page.GetPixels(), page.GetSize().x, page.GetSize().y,
                                   glyph.textureBounds),
              int(lineRows * GlyphRasterizer::BOTTOM_MARGIN)) << byte;
  }
}

TEST(GlyphRasterizerTest, AFileThatIsNoFaceIsRefused) {
  EXPECT_THROW(GlyphRasterizer("/nonexistent/face.ttf", 24), std::runtime_error);
  EXPECT_THROW(GlyphRasterizer(DEJAVU_SANS, 2), std::runtime_error);
}

}  // namespace
}  // namespace fontbaker
