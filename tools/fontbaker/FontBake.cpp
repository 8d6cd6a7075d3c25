#include "tools/fontbaker/FontBake.h"

#include <optional>
#include <stdexcept>
#include <utility>

#include "engine/core/Diagnostics.h"
#include "tools/fontbaker/Cp1252Characters.h"
#include "tools/fontbaker/GlyphPagePacker.h"
#include "tools/fontbaker/GlyphRasterizer.h"

namespace fontbaker {

namespace {

// A drawn glyph waiting for its page's final height.
struct PlacedGlyph {
  RasterizedGlyph bitmap;
  SlotPlacement slot;
  int slotWidth = 0;
};

// The bitmap's rows that fall inside the line; returns how many were cut.
int CopyIntoPage(const PlacedGlyph& glyph, int lineHeight, int baseline, FontPage& page) {
  int rowsCut = 0;
  const int firstRowInLine = baseline - glyph.bitmap.top;
  for (int row = 0; row < glyph.bitmap.height; ++row) {
    const int lineRow = firstRowInLine + row;
    if (lineRow < 0 || lineRow >= lineHeight) {
      ++rowsCut;
      continue;
    }
    const int pageY = glyph.slot.y + lineRow;
    for (int column = 0; column < glyph.bitmap.width; ++column) {
      const int pageX = glyph.slot.x + GLYPH_MARGIN + column;
      uint8_t* pixel = &page.rgba[(static_cast<size_t>(pageY) * page.width + pageX) * 4];
      pixel[0] = pixel[1] = pixel[2] = 255;
      pixel[3] = glyph.bitmap.coverage[static_cast<size_t>(row) * glyph.bitmap.width + column];
    }
  }
  return rowsCut;
}

FontPage EmptyPage(int width, int height) {
  FontPage page;
  page.width = width;
  page.height = height;
  // Transparent white, so that filtering next to a glyph blends toward the
  // glyph's own colour rather than toward black.
  page.rgba.resize(static_cast<size_t>(width) * height * 4);
  for (size_t i = 0; i < page.rgba.size(); i += 4) {
    page.rgba[i] = page.rgba[i + 1] = page.rgba[i + 2] = 255;
    page.rgba[i + 3] = 0;
  }
  return page;
}

}  // namespace

BakedFont BakeFont(const GlyphRasterizer& rasterizer, const FontBakeSettings& settings,
                   std::vector<std::string>* warnings) {
  const int lineHeight = rasterizer.GetLineHeight();
  const float size = static_cast<float>(lineHeight);
  GlyphPagePacker packer(settings.pageSize, lineHeight, SLOT_GAP);

  BakedFont font;
  font.name = settings.name;
  font.locale = settings.locale;
  std::array<std::optional<PlacedGlyph>, 256> placed;
  for (int byte = 0; byte < 256; ++byte) {
    const uint32_t character = Cp1252CharacterOf(static_cast<unsigned char>(byte));
    if (character == 0) {
      continue;
    }
    if (!rasterizer.HasCharacter(character)) {
      warnings->push_back(
          Stringf("the face has no character U+%04X for byte 0x%02X", character, byte));
      continue;
    }
    BakedGlyph& glyph = font.glyphs[byte];
    RasterizedGlyph bitmap = rasterizer.Rasterize(character);
    glyph.present = true;
    glyph.page = 0;
    if (bitmap.width == 0 || bitmap.height == 0) {
      // Nothing to see (a space): all of the advance is space after it.
      glyph.textureBounds = AABB2(0.0f, 0.0f, 0.0f, 0.0f);
      glyph.leadingSpace = 0.0f;
      glyph.width = 0.0f;
      glyph.trailingSpace = static_cast<float>(bitmap.advance) / size;
      continue;
    }
    PlacedGlyph& slot = placed[byte].emplace();
    slot.slotWidth = bitmap.width + 2 * GLYPH_MARGIN;
    slot.slot = packer.Place(slot.slotWidth);
    slot.bitmap = std::move(bitmap);
  }

  // The engine draws nothing from pages numbered 128 and up.
  if (packer.GetPageCount() > MAX_PAGE_COUNT) {
    throw std::runtime_error(Stringf("the glyphs need %d pages; a font may have at most %d",
                                     packer.GetPageCount(), MAX_PAGE_COUNT));
  }
  for (int page = 0; page < packer.GetPageCount(); ++page) {
    font.pages.push_back(EmptyPage(packer.GetPageSize(), packer.GetPageHeight(page)));
  }
  for (int byte = 0; byte < 256; ++byte) {
    if (!placed[byte]) {
      continue;
    }
    const PlacedGlyph& slot = *placed[byte];
    FontPage& page = font.pages[static_cast<size_t>(slot.slot.page)];
    const int rowsCut = CopyIntoPage(slot, lineHeight, rasterizer.GetBaseline(), page);
    if (rowsCut > 0) {
      warnings->push_back(
          Stringf("%d pixel rows of byte 0x%02X lie outside the line", rowsCut, byte));
    }
    BakedGlyph& glyph = font.glyphs[byte];
    glyph.page = static_cast<uint8_t>(slot.slot.page);
    const float pageWidth = static_cast<float>(page.width);
    const float pageHeight = static_cast<float>(page.height);
    glyph.textureBounds =
        AABB2(slot.slot.x / pageWidth, slot.slot.y / pageHeight,
              (slot.slot.x + slot.slotWidth) / pageWidth, (slot.slot.y + lineHeight) / pageHeight);
    const int slotLeft = slot.bitmap.left - GLYPH_MARGIN;
    glyph.leadingSpace = slotLeft / size;
    glyph.width = slot.slotWidth / size;
    glyph.trailingSpace =
        static_cast<float>(slot.bitmap.advance - slotLeft - slot.slotWidth) / size;
  }
  return font;
}

}  // namespace fontbaker
