#include "tools/fontbaker/GlyphRasterizer.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>
#include <cstring>
#include <stdexcept>

namespace fontbaker {

namespace {

void Check(FT_Error error, const std::string& what) {
  if (error != 0) {
    const char* reason = FT_Error_String(error);
    throw std::runtime_error(what + " (FreeType error " + std::to_string(error) +
                             (reason != nullptr ? std::string(": ") + reason : std::string()) +
                             ")");
  }
}

}  // namespace

GlyphRasterizer::GlyphRasterizer(const std::string& fontFile, int lineHeight)
    : m_lineHeight(lineHeight) {
  if (lineHeight < 4) {
    throw std::runtime_error("a line height of " + std::to_string(lineHeight) +
                             " pixels is too small to draw glyphs in");
  }
  Check(FT_Init_FreeType(&m_library), "cannot start FreeType");
  try {
    Check(FT_New_Face(m_library, fontFile.c_str(), 0, &m_face),
          "cannot open the face \"" + fontFile + "\"");
    if (!FT_IS_SCALABLE(m_face) || m_face->ascender <= m_face->descender) {
      throw std::runtime_error("\"" + fontFile + "\" is not a scalable face with a line height");
    }
    // The face's line, ascender to descender, fills the line above the
    // margin. Both the size and the shift below are whole 64ths of a pixel:
    // rounding both down and giving up one 64th keeps letters as tall as the
    // ascender under the top of the line, and the tails out of the margin.
    const double faceLine = lineHeight * (1.0 - BOTTOM_MARGIN) - 1.0 / 64.0;
    const double unitsPerFaceLine = static_cast<double>(m_face->ascender) - m_face->descender;
    const double pixelsPerEm = faceLine * m_face->units_per_EM / unitsPerFaceLine;
    const FT_F26Dot6 charSize = static_cast<FT_F26Dot6>(std::floor(pixelsPerEm * 64.0));
    Check(FT_Set_Char_Size(m_face, 0, charSize, 72, 72), "cannot scale the face");
    const double ascent = charSize / 64.0 * m_face->ascender / m_face->units_per_EM;
    m_baseline = static_cast<int>(std::lround(ascent));
    m_outlineShift = static_cast<long>(std::floor((m_baseline - ascent) * 64.0));
  } catch (...) {
    if (m_face != nullptr) {
      FT_Done_Face(m_face);
    }
    FT_Done_FreeType(m_library);
    throw;
  }
}

GlyphRasterizer::~GlyphRasterizer() {
  FT_Done_Face(m_face);
  FT_Done_FreeType(m_library);
}

std::string GlyphRasterizer::GetFaceName() const {
  std::string name = m_face->family_name != nullptr ? m_face->family_name : "unnamed";
  if (m_face->style_name != nullptr) {
    name += std::string(" ") + m_face->style_name;
  }
  return name;
}

bool GlyphRasterizer::HasCharacter(uint32_t character) const {
  return FT_Get_Char_Index(m_face, character) != 0;
}

RasterizedGlyph GlyphRasterizer::Rasterize(uint32_t character) const {
  const std::string name = "U+" + std::to_string(character);
  Check(FT_Load_Char(m_face, character, FT_LOAD_NO_HINTING), "cannot load the character " + name);
  const FT_GlyphSlot slot = m_face->glyph;
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE) {
    throw std::runtime_error("the character " + name + " is not an outline");
  }
  FT_Outline_Translate(&slot->outline, 0, m_outlineShift);
  Check(FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL), "cannot draw the character " + name);
  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY && bitmap.rows > 0 && bitmap.width > 0) {
    throw std::runtime_error("FreeType drew " + name + " in a pixel mode other than 8-bit grey");
  }

  RasterizedGlyph glyph;
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = static_cast<int>(bitmap.width);
  glyph.height = static_cast<int>(bitmap.rows);
  // The unhinted advance in 16.16 pixels, so spacing scales with the text.
  glyph.advance = slot->linearHoriAdvance / 65536.0;
  glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.height);
  for (int row = 0; row < glyph.height; ++row) {
    const unsigned char* source = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
    std::memcpy(glyph.coverage.data() + static_cast<size_t>(row) * glyph.width, source,
                static_cast<size_t>(glyph.width));
  }
  return glyph;
}

}  // namespace fontbaker
