#include "engine/modules/renderer/FontDefinition.h"

#include <cmath>

#include "engine/core/Diagnostics.h"
#include "engine/core/ResourceStream.h"

namespace {

constexpr const char* READ_TITLE = "FontDefinition::ReadFrom";

// NaN becomes 0 too.
float ClampToUnit(float value) {
  if (!(value > 0.0f)) {
    return 0.0f;
  }
  return value > 1.0f ? 1.0f : value;
}

Vector2 ClampToUnit(const Vector2& point) {
  return Vector2(ClampToUnit(point.x), ClampToUnit(point.y));
}

}  // namespace

void FontDefinition::ReadFrom(ResourceStream& stream) {
  m_name = stream.ReadString();
  m_locale = stream.ReadString();
  m_reservedByte = stream.ReadUInt8();
  m_pageCount = stream.ReadInt32();
  m_reservedScale = stream.ReadFloat();
  for (size_t character = 0; character < GLYPH_COUNT; ++character) {
    ReadGlyph(stream, character);
  }
}

void FontDefinition::ReadGlyph(ResourceStream& stream, size_t character) {
  const bool text = stream.IsTextFormat();
  if (text) {
    stream.ReadExpectedToken('{');
  }
  GlyphInfo glyph;
  if (stream.ReadBool()) {
    glyph.page = stream.ReadUInt8();
    const AABB2 bounds = stream.ReadAABB2();
    glyph.textureBounds = AABB2(ClampToUnit(bounds.mins), ClampToUnit(bounds.maxs));
    glyph.leadingSpace = stream.ReadFloat();
    glyph.width = stream.ReadFloat();
    glyph.trailingSpace = stream.ReadFloat();
    ULVO_ASSERT(
        std::isfinite(glyph.leadingSpace) && std::isfinite(glyph.width) &&
            std::isfinite(glyph.trailingSpace),
        Stringf("Font definition \"%s\": the glyph of character %u has a space that is "
                "not a finite number.",
                stream.GetPath().GetResolvedPath().c_str(), static_cast<unsigned>(character)),
        READ_TITLE);
  }
  if (text) {
    stream.ReadExpectedToken('}');
  }
  m_glyphs[character] = glyph;
}
