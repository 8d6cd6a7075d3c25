#include "game/presentation/board/SlantedText.h"

#include "engine/modules/renderer/BitmapFont.h"
#include "engine/modules/renderer/TextPlacement.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"

#include <algorithm>
#include <cmath>

namespace Pemberquill {

namespace {

// Bands this tall (screen units) keep the steps of the lean below a pixel.
constexpr float BAND_HEIGHT = 3.0f;

// The bands meet on whole units: a renderer that rounds each band's edges
// on its own would otherwise leave seams between them.
void DrawSlantedGlyph(UlvoRendererInterface& renderer, Texture* page, const AABB2& textureBounds,
                      const AABB2& quad, const Rgba& color)
{
    const float top = std::round(quad.mins.y);
    const float bottom = std::max(std::round(quad.maxs.y), top + 1.0f);
    const float height = bottom - top;
    const float textureHeight = textureBounds.CalcSize().y;
    for (float y = top; y < bottom; y += BAND_HEIGHT) {
        const float next = std::min(y + BAND_HEIGHT, bottom);
        const float lean = TEXT_SLANT * (bottom - 0.5f * (y + next));
        renderer.DrawTexturedQuad(
            page, Vector2(quad.mins.x + lean, y), Vector2(quad.maxs.x + lean, next), color,
            Vector2(textureBounds.mins.x, textureBounds.mins.y + textureHeight * (y - top) / height),
            Vector2(textureBounds.maxs.x, textureBounds.mins.y + textureHeight * (next - top) / height));
    }
}

} // namespace

void DrawSlantedTextInBox(UlvoRendererInterface& renderer, const BitmapFont* font, const AABB2& box,
                          const std::string& text, float size, const Rgba& color, int verticalAlignment,
                          int horizontalAlignment)
{
    if (font == nullptr) {
        return;
    }
    Vector2 topLeft;
    if (!FitLineInBox(box, font->CalcTextExtent(text, size), verticalAlignment, horizontalAlignment, size,
                      topLeft)) {
        return;
    }
    float pen = topLeft.x - 0.5f * TEXT_SLANT * size;
    const float top = topLeft.y;
    for (const char character : text) {
        if (character == '\0') {
            break;
        }
        const GlyphInfo& glyph = font->GetGlyph(static_cast<unsigned char>(character));
        const float left = pen + glyph.leadingSpace * size;
        const float width = glyph.width * size;
        Texture* page = glyph.IsDrawn() ? font->GetPage(glyph.page) : nullptr;
        if (page != nullptr && width != 0.0f) {
            DrawSlantedGlyph(renderer, page, glyph.textureBounds,
                             AABB2(Vector2(left, top), Vector2(left + width, top + size)), color);
        }
        pen = left + width + glyph.trailingSpace * size;
    }
}

} // namespace Pemberquill
