#pragma once

#include <cstdint>

namespace fontbaker {

// The Unicode character that a byte of game text stands for (game text is
// Windows-1252), or 0 for a byte that is a control code or that the code page
// leaves undefined: those bytes get no glyph.
uint32_t Cp1252CharacterOf(unsigned char byte);

}  // namespace fontbaker
