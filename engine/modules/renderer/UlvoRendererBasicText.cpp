// The renderer's bitmap fonts and text drawing.

#include "engine/modules/application/UlvoApplicationInterface.h"
#include "engine/modules/renderer/BitmapFont.h"
#include "engine/modules/renderer/TextPlacement.h"
#include "engine/modules/renderer/UlvoRendererBasic.h"

namespace {

// Where a line of the given length starts along one axis when it is to end
// at the anchor (0), start at it (2) or be centred on it (anything else).
float StartAgainstAnchor(float anchor, float length, int alignment) {
  switch (alignment) {
    case TEXT_ALIGN_AT_MINIMUM:
      return anchor - length;
    case TEXT_ALIGN_AT_MAXIMUM:
      return anchor;
    default:
      return anchor - length * 0.5f;
  }
}

// Without an application there is no view, and every line is drawn.
bool IsLineInView(float top, float size) {
  const UlvoApplicationInterface* application = UlvoApplicationInterface::GetDefaultInstance();
  if (application == nullptr) {
    return true;
  }
  const float viewHeight = static_cast<float>(application->GetViewBoundsSize().y);
  return top <= viewHeight && top + 2.0f * size >= 0.0f;
}

}  // namespace

BitmapFont* UlvoRendererBasic::GetFont(const std::string& face) { return m_fonts.Find(face); }

BitmapFont* UlvoRendererBasic::LoadFont(const std::string& face, const std::string& locale) {
  return m_fonts.Add(face, BitmapFont::Load(face, locale));
}

Vector2 UlvoRendererBasic::CalcTextExtent(const BitmapFont* font, const std::string& text,
                                          float size) const {
  return font != nullptr ? font->CalcTextExtent(text, size) : Vector2(0.0f, size);
}

void UlvoRendererBasic::DrawText(const BitmapFont* font, const Vector2& anchor,
                                 const std::string& text, float size, const Rgba& color,
                                 int verticalAlignment, int horizontalAlignment) {
  if (font == nullptr) {
    return;
  }
  const Vector2 extent = font->CalcTextExtent(text, size);
  const Vector2 topLeft(StartAgainstAnchor(anchor.x, extent.x, horizontalAlignment),
                        StartAgainstAnchor(anchor.y, extent.y, verticalAlignment));
  if (!IsLineInView(topLeft.y, size)) {
    return;
  }
  DrawGlyphRun(*font, text, topLeft, size, color);
}

void UlvoRendererBasic::DrawTextInBox(const BitmapFont* font, const AABB2& box,
                                      const std::string& text, float size, const Rgba& color,
                                      int verticalAlignment, int horizontalAlignment) {
  if (font == nullptr) {
    return;
  }
  Vector2 topLeft;
  if (FitLineInBox(box, font->CalcTextExtent(text, size), verticalAlignment, horizontalAlignment,
                   size, topLeft)) {
    DrawGlyphRun(*font, text, topLeft, size, color);
  }
}

void UlvoRendererBasic::DrawGlyphRun(const BitmapFont& font, const std::string& text,
                                     const Vector2& topLeft, float size, const Rgba& color) {
  float pen = topLeft.x;
  const float bottom = topLeft.y + size;
  for (const char character : text) {
    if (character == '\0') {
      break;
    }
    const GlyphInfo& glyph = font.GetGlyph(static_cast<unsigned char>(character));
    const float left = pen + glyph.leadingSpace * size;
    const float width = glyph.width * size;
    // A glyph on a page the font lacks is skipped; one without width (a
    // space) would draw nothing anyway.
    Texture* page = glyph.IsDrawn() ? font.GetPage(glyph.page) : nullptr;
    if (page != nullptr && width != 0.0f) {
      DrawTexturedQuad(page, Vector2(left, topLeft.y), Vector2(left + width, bottom), color,
                       glyph.textureBounds.mins, glyph.textureBounds.maxs);
    }
    pen = left + width + glyph.trailingSpace * size;
  }
}
