#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/modules/renderer/GlyphInfo.h"

class ResourceStream;

// A bitmap font's definition file: its name and locale (which name its page
// images), how many pages it has, and one glyph for each of the 256 byte
// values. Read from a resource stream in either encoding; the text form puts
// each glyph record in braces.
class FontDefinition {
 public:
  static constexpr size_t GLYPH_COUNT = 256;

  // The values of a definition not yet read: no pages, no glyphs.
  FontDefinition() = default;

  // Reads every value of the file in order. A format error throws
  // UlvoException, as does a glyph whose spaces are not finite numbers.
  // Texture coordinates are clamped to 0..1, so a damaged file can never
  // make a glyph sample outside its page.
  void ReadFrom(ResourceStream& stream);

  const std::string& GetName() const { return m_name; }
  const std::string& GetLocale() const { return m_locale; }
  int32_t GetPageCount() const { return m_pageCount; }
  // Two values of the file that no drawing uses.
  uint32_t GetReservedByte() const { return m_reservedByte; }
  float GetReservedScale() const { return m_reservedScale; }

  // The glyph of the byte value (text bytes are looked up unsigned).
  const GlyphInfo& GetGlyph(unsigned char character) const { return m_glyphs[character]; }

 private:
  void ReadGlyph(ResourceStream& stream, size_t character);

  std::string m_name;
  std::string m_locale = "EN";
  uint32_t m_reservedByte = 0;
  int32_t m_pageCount = -1;
  float m_reservedScale = 1.0f;
  std::array<GlyphInfo, GLYPH_COUNT> m_glyphs;
};
