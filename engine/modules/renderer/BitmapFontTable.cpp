#include "engine/modules/renderer/BitmapFontTable.h"

#include "engine/modules/renderer/BitmapFont.h"

BitmapFontTable::BitmapFontTable() = default;

BitmapFontTable::~BitmapFontTable() = default;

BitmapFont* BitmapFontTable::Add(const std::string& face, std::unique_ptr<BitmapFont> font) {
  m_fonts.push_back(std::move(font));
  m_byFace[face] = m_fonts.back().get();
  return m_fonts.back().get();
}

BitmapFont* BitmapFontTable::Find(const std::string& face) const {
  const auto found = m_byFace.find(face);
  return found != m_byFace.end() ? found->second : nullptr;
}
