#pragma once

#include "engine/core/AABB2.h"
#include "engine/core/Rgba.h"

#include <string>

class BitmapFont;
class UlvoRendererInterface;

namespace Pemberquill {

// How far the top of a slanted line leans right, in fractions of its height.
constexpr float TEXT_SLANT = 0.2f;

// The renderer's DrawTextInBox with the glyphs leaning right: the bitmap
// fonts have no slanted faces, so each glyph is drawn in thin horizontal
// bands, each moved right by TEXT_SLANT times its height above the baseline.
// Placed and shrunk to the box as the upright text would be, the lean shared
// evenly to both sides. Nothing without a font, a text or a box width.
void DrawSlantedTextInBox(UlvoRendererInterface& renderer, const BitmapFont* font, const AABB2& box,
                          const std::string& text, float size, const Rgba& color, int verticalAlignment,
                          int horizontalAlignment);

} // namespace Pemberquill
