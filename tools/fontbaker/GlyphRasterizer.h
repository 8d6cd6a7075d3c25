#pragma once

#include <cstdint>
#include <string>
#include <vector>

// FreeType's handles, kept out of the users' way.
struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace fontbaker {

// One character drawn by the face: its coverage bitmap and where it sits
// relative to the pen on the baseline, in pixels.
struct RasterizedGlyph {
  int left = 0;  // from the pen to the bitmap's first column
  int top = 0;   // from the baseline up to the bitmap's first row
  int width = 0;
  int height = 0;
  std::vector<uint8_t> coverage;  // width * height bytes, top row first
  double advance = 0.0;           // how far the pen moves on
};

// A TrueType face scaled so that its line, from the ascender down to the
// descender and a margin below it, is lineHeight pixels tall: the engine
// draws every glyph in a box of exactly the font size, so that box is one
// line of the face.
class GlyphRasterizer {
 public:
  // The part of the line left empty below the descender. Labels centre text
  // a little taller than their box (the status line at the foot of the screen
  // is 20 high and writes 24), and what hangs below the box must be margin,
  // not the tails of g, y and p. It also brings the middle of the line nearer
  // the middle of mixed text, whose capitals leave the top of the line empty.
  static constexpr double BOTTOM_MARGIN = 1.0 / 12.0;

  // Throws std::runtime_error when the file is not a face FreeType can read.
  GlyphRasterizer(const std::string& fontFile, int lineHeight);
  ~GlyphRasterizer();
  GlyphRasterizer(const GlyphRasterizer&) = delete;
  GlyphRasterizer& operator=(const GlyphRasterizer&) = delete;

  int GetLineHeight() const { return m_lineHeight; }
  // Rows from the top of the line down to the baseline.
  int GetBaseline() const { return m_baseline; }
  std::string GetFaceName() const;

  bool HasCharacter(uint32_t character) const;
  // Outlines are drawn unhinted: the bitmaps are scaled when drawn, so the
  // face's own shapes and spacing matter more than a crisp pixel grid.
  // Throws std::runtime_error when FreeType cannot draw the character.
  RasterizedGlyph Rasterize(uint32_t character) const;

 private:
  FT_LibraryRec_* m_library = nullptr;
  FT_FaceRec_* m_face = nullptr;
  int m_lineHeight;
  int m_baseline = 0;
  // In 1/64 pixel, upward: moves outlines so that the face's ascender meets
  // the top of the line exactly although the baseline is a whole row.
  long m_outlineShift = 0;
};

}  // namespace fontbaker
