#pragma once

#include <vector>

namespace fontbaker {

// Where one glyph slot went: its page and the top-left pixel of the slot.
struct SlotPlacement {
  int page = 0;
  int x = 0;
  int y = 0;
};

// Lays glyph slots of one common height into rows on square pages, left to
// right and top to bottom, with a gap of empty pixels around every slot so
// that filtering at a glyph's edge never picks up its neighbour.
class GlyphPagePacker {
 public:
  // pageSize must be a power of two; a page must hold at least one row.
  // Throws std::invalid_argument otherwise.
  GlyphPagePacker(int pageSize, int slotHeight, int gap);

  // Throws std::invalid_argument for a slot wider than a page can hold.
  SlotPlacement Place(int slotWidth);

  int GetPageSize() const { return m_pageSize; }
  int GetPageCount() const { return static_cast<int>(m_usedHeights.size()); }
  // The smallest power of two that holds the page's rows: a page that is
  // only partly filled is stored shorter. The width is always the page size.
  int GetPageHeight(int page) const;

 private:
  void StartPage();

  int m_pageSize;
  int m_slotHeight;
  int m_gap;
  int m_cursorX = 0;
  int m_cursorY = 0;
  std::vector<int> m_usedHeights;
};

}  // namespace fontbaker
