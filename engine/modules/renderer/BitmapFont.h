#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Vector2.h"
#include "engine/modules/renderer/FontDefinition.h"

class Texture;

// A loaded bitmap font: its definition and one texture per page image, each
// page a pure alpha mask (white wherever the glyphs are), so that drawing
// tints the glyphs with the text colour.
class BitmapFont {
 public:
  // "Locale/Fonts/<face>_<locale>.FontDef" in the data folder.
  static std::string DefinitionPath(const std::string& face, const std::string& locale);
  // "Locale/Fonts/<name>_<locale>_<NN>.png" in the data folder.
  static std::string PagePath(const std::string& name, const std::string& locale, int page);

  // Reads the definition of the face and locale from the data folder and
  // loads its pages, named after the name and locale that the file gives,
  // through the default image studio. A missing or malformed definition, a
  // page count below 0 or above 256, a missing image studio or a page image
  // that does not load throw UlvoException.
  static std::unique_ptr<BitmapFont> Load(const std::string& face, const std::string& locale);

  BitmapFont(const FontDefinition& definition, std::vector<std::unique_ptr<Texture>> pages);
  ~BitmapFont();
  BitmapFont(const BitmapFont&) = delete;
  BitmapFont& operator=(const BitmapFont&) = delete;

  const FontDefinition& GetDefinition() const { return m_definition; }
  const GlyphInfo& GetGlyph(unsigned char character) const {
    return m_definition.GetGlyph(character);
  }
  size_t GetPageCount() const { return m_pages.size(); }
  // Null for a page the font does not have.
  Texture* GetPage(size_t page) const;

  // (width, height) of one line of the text at the size: the width is size
  // times the sum of the advances of its bytes up to the first NUL; the
  // height is the size.
  Vector2 CalcTextExtent(const std::string& text, float size) const;

 private:
  FontDefinition m_definition;
  std::vector<std::unique_ptr<Texture>> m_pages;
};
