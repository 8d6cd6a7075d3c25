#include <cmath>
#include <limits>

#include "engine/modules/renderer/FontDefinition.h"
#include "tests/engine/modules/renderer/FontTestSupport.h"

namespace font_test {
namespace {

// A font that uses the values a reader can get wrong: a page above 0, a
// reserved byte that is not 0, spaces of every sign, absent glyphs between
// present ones and the last byte value present.
FontFile SampleFont() {
  FontFile font;
  font.name = "Sample";
  font.locale = "FR";
  font.reservedByte = 7;
  font.pageCount = 2;
  font.reservedScale = 0.75f;
  font.glyphs['A'] = Glyph(1, AABB2(0.25f, 0.5f, 0.375f, 0.75f), 0.0625f, 0.5f, -0.125f);
  font.glyphs['B'] = Glyph(0, AABB2(0.0f, 0.0f, 0.125f, 0.25f), -0.03125f, 0.4375f, 0.1f);
  font.glyphs[0xF7] = Glyph(0, AABB2(0.5f, 0.5f, 0.625f, 0.75f), 0.05f, 0.5f, 0.05f);
  font.glyphs[0xFF] = Glyph(1, AABB2(0.875f, 0.75f, 1.0f, 1.0f), 0.0f, 0.25f, 0.0f);
  return font;
}

class FontDefinitionTest : public ::testing::Test {
 protected:
  FontDefinition Read(const Bytes& bytes) {
    m_data.Write("Sample.FontDef", bytes);
    ResourceStream stream(UlvoPath(PATH_MARKER_DATA, "Sample.FontDef"));
    FontDefinition definition;
    definition.ReadFrom(stream);
    stream.ReadPastWhitespaceAndComments();
    EXPECT_EQ(stream.DataBytesRemaining(), 0);
    return definition;
  }
  FontDefinition Read(const std::string& text) { return Read(Bytes(text.begin(), text.end())); }

  static void ExpectSampleFont(const FontDefinition& definition) {
    EXPECT_EQ(definition.GetName(), "Sample");
    EXPECT_EQ(definition.GetLocale(), "FR");
    EXPECT_EQ(definition.GetReservedByte(), 7u);
    EXPECT_EQ(definition.GetPageCount(), 2);
    EXPECT_FLOAT_EQ(definition.GetReservedScale(), 0.75f);

    const GlyphInfo& a = definition.GetGlyph('A');
    EXPECT_EQ(a.page, 1);
    EXPECT_EQ(a.textureBounds, AABB2(0.25f, 0.5f, 0.375f, 0.75f));
    EXPECT_FLOAT_EQ(a.leadingSpace, 0.0625f);
    EXPECT_FLOAT_EQ(a.width, 0.5f);
    EXPECT_FLOAT_EQ(a.trailingSpace, -0.125f);
    EXPECT_FLOAT_EQ(definition.GetGlyph('B').leadingSpace, -0.03125f);
    EXPECT_FLOAT_EQ(definition.GetGlyph('B').trailingSpace, 0.1f);
    EXPECT_EQ(definition.GetGlyph(0xF7).textureBounds, AABB2(0.5f, 0.5f, 0.625f, 0.75f));
    EXPECT_EQ(definition.GetGlyph(0xFF).page, 1);
    EXPECT_EQ(definition.GetGlyph(0xFF).textureBounds, AABB2(0.875f, 0.75f, 1.0f, 1.0f)) << "ends at the page edge";
    EXPECT_FLOAT_EQ(definition.GetGlyph(0xFF).width, 0.25f);

    // Absent glyphs keep the defaults: no page, the whole page, half a size.
    for (const int absent : {0, int('C'), 0x80, 0xFE}) {
      const GlyphInfo& glyph = definition.GetGlyph(static_cast<unsigned char>(absent));
      EXPECT_EQ(glyph.page, GlyphInfo::NO_PAGE) << int(absent);
      EXPECT_FALSE(glyph.IsDrawn());
      EXPECT_EQ(glyph.textureBounds, AABB2(0.0f, 0.0f, 1.0f, 1.0f));
      EXPECT_FLOAT_EQ(glyph.GetAdvance(), 0.5f);
    }
  }

  ScopedDataFolder m_data;
};

TEST_F(FontDefinitionTest, ABinaryDefinitionReadsEveryValueInFileOrder) {
  ExpectSampleFont(Read(BinaryFontDefinition(SampleFont())));
}

TEST_F(FontDefinitionTest, ATextDefinitionReadsTheSameValues) {
  ExpectSampleFont(Read(TextFontDefinition(SampleFont())));
}

TEST_F(FontDefinitionTest, TextureCoordinatesOutsideThePageAreClampedToIt) {
  FontFile font;
  font.glyphs['x'] = Glyph(0, AABB2(-0.5f, 0.25f, 1.5f, 2.0f), 0.0f, 0.5f, 0.0f);
  font.glyphs['y'] =
      Glyph(0, AABB2(0.0f, 0.0f, std::numeric_limits<float>::quiet_NaN(), 0.5f), 0.0f, 0.5f, 0.0f);
  const FontDefinition definition = Read(BinaryFontDefinition(font));
  EXPECT_EQ(definition.GetGlyph('x').textureBounds, AABB2(0.0f, 0.25f, 1.0f, 1.0f));
  EXPECT_EQ(definition.GetGlyph('y').textureBounds, AABB2(0.0f, 0.0f, 0.0f, 0.5f));
}

}  // namespace
}  // namespace font_test
