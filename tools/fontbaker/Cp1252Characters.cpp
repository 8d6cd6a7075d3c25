#include "tools/fontbaker/Cp1252Characters.h"

#include <string>

#include "platform/system/TextEncoding.h"

namespace fontbaker {

namespace {

// The code page's one conversion table lives in the platform layer; one
// byte becomes at most three UTF-8 bytes there.
uint32_t DecodeUtf8(const std::string& text) {
  const auto byte = [&text](size_t i) {
    return static_cast<uint32_t>(static_cast<unsigned char>(text[i]));
  };
  switch (text.size()) {
    case 1:
      return byte(0);
    case 2:
      return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
    case 3:
      return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    default:
      return 0;
  }
}

bool IsControlCharacter(uint32_t character) {
  return character < 0x20 || (character >= 0x7F && character <= 0x9F);
}

}  // namespace

uint32_t Cp1252CharacterOf(unsigned char byte) {
  const uint32_t character =
      DecodeUtf8(platform::Cp1252ToUtf8(std::string(1, static_cast<char>(byte))));
  return IsControlCharacter(character) ? 0 : character;
}

}  // namespace fontbaker
