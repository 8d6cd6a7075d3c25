#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "tools/fontbaker/Cp1252Characters.h"
#include "tools/fontbaker/GlyphPagePacker.h"

namespace fontbaker {
namespace {

TEST(Cp1252CharactersTest, PrintableBytesMapToTheirCharactersAndControlBytesToNone) {
  EXPECT_EQ(Cp1252CharacterOf('A'), 0x41u);
  EXPECT_EQ(Cp1252CharacterOf(' '), 0x20u);
  EXPECT_EQ(Cp1252CharacterOf('~'), 0x7Eu);
  EXPECT_EQ(Cp1252CharacterOf(0xF7), 0xF7u);  // the division sign
  EXPECT_EQ(Cp1252CharacterOf(0xD7), 0xD7u);  // the multiplication sign
  EXPECT_EQ(Cp1252CharacterOf(0x80), 0x20ACu);
  EXPECT_EQ(Cp1252CharacterOf(0x85), 0x2026u);
  EXPECT_EQ(Cp1252CharacterOf(0x9F), 0x0178u);
  EXPECT_EQ(Cp1252CharacterOf(0xA0), 0xA0u);
  EXPECT_EQ(Cp1252CharacterOf(0xFF), 0xFFu);
  for (const int control : {0x00, 0x09, 0x0A, 0x0D, 0x1F, 0x7F}) {
    EXPECT_EQ(Cp1252CharacterOf(static_cast<unsigned char>(control)), 0u) << control;
  }
  for (const int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    EXPECT_EQ(Cp1252CharacterOf(static_cast<unsigned char>(undefined)), 0u) << undefined;
  }
  int withGlyph = 0;
  for (int byte = 0; byte < 256; ++byte) {
    withGlyph += Cp1252CharacterOf(static_cast<unsigned char>(byte)) != 0 ? 1 : 0;
  }
  EXPECT_EQ(withGlyph, 256 - 32 - 1 - 5);
}

struct Slot {
  SlotPlacement placement;
  int width;
};

bool Overlap(const Slot& a, const Slot& b, int height) {
  return a.placement.page == b.placement.page && a.placement.x < b.placement.x + b.width &&
         b.placement.x < a.placement.x + a.width && a.placement.y < b.placement.y + height &&
         b.placement.y < a.placement.y + height;
}

TEST(GlyphPagePackerTest, SlotsFillRowsAndPagesWithoutTouching) {
  const int pageSize = 64;
  const int height = 20;
  const int gap = 2;
  GlyphPagePacker packer(pageSize, height, gap);
  std::vector<Slot> slots;
  for (int i = 0; i < 40; ++i) {
    const int width = 5 + (i * 7) % 23;
    slots.push_back({packer.Place(width), width});
  }
  // Three rows of 20 with gaps fit a page of 64: 2 + 22 + 22 + 22 = 68 > 64,
  // so two rows a page.
  EXPECT_EQ(slots[0].placement.x, gap);
  EXPECT_EQ(slots[0].placement.y, gap);
  for (size_t i = 0; i < slots.size(); ++i) {
    const Slot& slot = slots[i];
    EXPECT_GE(slot.placement.x, gap);
    EXPECT_LE(slot.placement.x + slot.width + gap, pageSize);
    EXPECT_LE(slot.placement.y + height + gap, pageSize);
    EXPECT_TRUE(slot.placement.y == gap || slot.placement.y == gap + height + gap);
    for (size_t j = 0; j < i; ++j) {
      EXPECT_FALSE(Overlap(slot, slots[j], height + gap)) << i << " and " << j;
      EXPECT_GE(slot.placement.page, slots[j].placement.page);
    }
  }
  EXPECT_EQ(packer.GetPageCount(), slots.back().placement.page + 1);
  EXPECT_GT(packer.GetPageCount(), 1);
  for (int page = 0; page + 1 < packer.GetPageCount(); ++page) {
    EXPECT_EQ(packer.GetPageHeight(page), 64);
  }
}

TEST(GlyphPagePackerTest, APartlyFilledPageIsStoredAtThePowerOfTwoThatHoldsIt) {
  GlyphPagePacker packer(256, 20, 2);
  packer.Place(10);
  EXPECT_EQ(packer.GetPageHeight(0), 32);  // 2 + 20 + 2 = 24 rows used
  for (int i = 0; i < 30; ++i) {
    packer.Place(10);
  }
  EXPECT_EQ(packer.GetPageHeight(0), 64);  // a second row: 46 used
}

TEST(GlyphPagePackerTest, SlotsEndingExactlyAtThePageEdgeStayInTheirRowAndPage) {
  GlyphPagePacker row(64, 10, 2);
  row.Place(30);
  const SlotPlacement last = row.Place(28);  // 34 + 28 + the gap of 2 is 64
  EXPECT_EQ(last.x, 34);
  EXPECT_EQ(last.y, 2);

  GlyphPagePacker page(64, 20, 1);  // rows at 1, 22 and 43: 43 + 20 + 1 is 64
  SlotPlacement third{};
  for (int i = 0; i < 3; ++i) {
    third = page.Place(62);
  }
  EXPECT_EQ(third.page, 0);
  EXPECT_EQ(third.y, 43);
  EXPECT_EQ(page.GetPageHeight(0), 64);
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
