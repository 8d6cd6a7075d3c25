#include "tools/fontbaker/GlyphPagePacker.h"

#include <stdexcept>
#include <string>

namespace fontbaker {

namespace {

bool IsPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

}  // namespace

GlyphPagePacker::GlyphPagePacker(int pageSize, int slotHeight, int gap)
    : m_pageSize(pageSize), m_slotHeight(slotHeight), m_gap(gap) {
  if (!IsPowerOfTwo(pageSize)) {
    throw std::invalid_argument("the page size " + std::to_string(pageSize) +
                                " is not a power of two");
  }
  if (slotHeight <= 0 || gap < 0 || 2 * gap + slotHeight > pageSize) {
    throw std::invalid_argument("rows of " + std::to_string(slotHeight) +
                                " pixels do not fit on a page of " + std::to_string(pageSize));
  }
}

SlotPlacement GlyphPagePacker::Place(int slotWidth) {
  if (slotWidth < 0 || 2 * m_gap + slotWidth > m_pageSize) {
    throw std::invalid_argument("a glyph " + std::to_string(slotWidth) +
                                " pixels wide does not fit on a page of " +
                                std::to_string(m_pageSize));
  }
  if (m_usedHeights.empty()) {
    StartPage();
  }
  if (m_cursorX + slotWidth + m_gap > m_pageSize) {
    m_cursorX = m_gap;
    m_cursorY += m_slotHeight + m_gap;
  }
  if (m_cursorY + m_slotHeight + m_gap > m_pageSize) {
    StartPage();
  }
  const SlotPlacement placement{GetPageCount() - 1, m_cursorX, m_cursorY};
  m_cursorX += slotWidth + m_gap;
  m_usedHeights.back() = m_cursorY + m_slotHeight + m_gap;
  return placement;
}

int GlyphPagePacker::GetPageHeight(int page) const {
  int height = 1;
  while (height < m_usedHeights.at(static_cast<size_t>(page))) {
    height *= 2;
  }
  return height;
}

void GlyphPagePacker::StartPage() {
  m_usedHeights.push_back(0);
  m_cursorX = m_gap;
  m_cursorY = m_gap;
}

}  // namespace fontbaker
