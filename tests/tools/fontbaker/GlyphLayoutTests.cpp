#include <gtest/gtest.h>


#include "tools/fontbaker/Cp1252Characters.h"
#include "tools/fontbaker/GlyphPagePacker.h"

namespace fontbaker {
namespace {

TEST(Cp1252CharactersTest, PrintableBytesMapToTheirCharactersAndControlBytesToNone) {
  const std::pair<int, uint32_t> cases[] = {
      {0x00, 0},    {0x1F, 0},       {' ', 0x20},  {'~', 0x7E},     {0x7F, 0},
      {0x80, 0x20AC}, {0x81, 0},     {0x9D, 0},    {0x9F, 0x0178},  {0xA0, 0xA0},
      {0xF7, 0xF7}, {0xFF, 0xFF},
  };
  for (const auto& [byte, character] : cases) {
    EXPECT_EQ(Cp1252CharacterOf(static_cast<unsigned char>(byte)), character) << byte;
  }
  int withGlyph = 0;
  for (int byte = 0; byte < 256; ++byte) {
    withGlyph += Cp1252CharacterOf(static_cast<unsigned char>(byte)) != 0 ? 1 : 0;
  }
  EXPECT_EQ(withGlyph, 256 - 32 - 1 - 5);
}

TEST(GlyphPagePackerTest, PagesAreFilledToTheEdgeAndStoredAtThePowerOfTwoThatHoldsThem) {
  GlyphPagePacker packer(256, 20, 2);
  packer.Place(10);
  EXPECT_EQ(packer.GetPageHeight(0), 32);  // 2 + 20 + 2 = 24 rows used
  for (int i = 0; i < 30; ++i) {
    packer.Place(10);
  }
  EXPECT_EQ(packer.GetPageHeight(0), 64);  // a second row: 46 used

  // Slots ending exactly at the page's edge stay in their row and page.
  GlyphPagePacker row(64, 10, 2);
  row.Place(30);
  const SlotPlacement last = row.Place(28);  // 34 + 28 + the gap of 2 is 64
  EXPECT_EQ(last.x, 34);

  GlyphPagePacker page(64, 20, 1);  // rows at 1, 22 and 43: 43 + 20 + 1 is 64
  SlotPlacement third{};
  for (int i = 0; i < 3; ++i) {
    third = page.Place(62);
  }
  EXPECT_EQ(third.y, 43);
  GlyphPagePacker tight(64, 30, 2);  // a row at 34 would end in the bottom gap
  EXPECT_EQ(tight.Place(60).page + tight.Place(60).page, 1);
}

TEST(GlyphPagePackerTest, ImpossibleLayoutsAreRefused) {
  EXPECT_THROW(GlyphPagePacker(100, 10, 1), std::invalid_argument);
  EXPECT_THROW(GlyphPagePacker(64, 62, 2), std::invalid_argument);
  GlyphPagePacker packer(64, 10, 2);
  EXPECT_THROW(packer.Place(61), std::invalid_argument);
  EXPECT_NO_THROW(packer.Place(60));
}

}  // namespace
}  // namespace fontbaker
