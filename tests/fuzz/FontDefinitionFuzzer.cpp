// A bitmap font's definition file. There is no writer in the game to round
// trip through; what reads must keep every glyph inside its page.

#include "engine/modules/renderer/FontDefinition.h"
#include "tests/fuzz/RecordRoundTrip.h"

namespace {

bool InsideItsPage(const GlyphInfo& glyph) {
  for (const float coordinate : {glyph.textureBounds.mins.x, glyph.textureBounds.mins.y,
                                 glyph.textureBounds.maxs.x, glyph.textureBounds.maxs.y}) {
    if (!(coordinate >= 0.0f && coordinate <= 1.0f)) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static testsupport::SilentConsole console;
  FontDefinition definition;
  try {
    record_fuzz::ReadServed(record_fuzz::Bytes(data, data + size),
                            [&definition](ResourceStream& stream) { definition.ReadFrom(stream); });
  } catch (const UlvoException&) {
    return 0;
  }
  for (size_t character = 0; character < FontDefinition::GLYPH_COUNT; ++character) {
    if (!InsideItsPage(definition.GetGlyph(static_cast<unsigned char>(character)))) {
      record_fuzz::Finding("a glyph samples outside its page");
    }
  }
  return 0;
}
