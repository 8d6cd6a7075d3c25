#include "engine/modules/application/WindowInputTranslation.h"

#include <string>

#include "engine/modules/input/UlvoInputInterface.h"
#include "platform/system/TextEncoding.h"
#include "platform/window/VirtualKey.h"

namespace {

using platform::WindowMessageType;

constexpr int WHEEL_DELTA_PER_NOTCH = 120;

std::string Utf8Of(uint32_t codePoint) {
  std::string text;
  if (codePoint < 0x800) {
    text += static_cast<char>(0xC0 | (codePoint >> 6));
  } else {
    text += static_cast<char>(0xE0 | (codePoint >> 12));
    text += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
  }
  text += static_cast<char>(0x80 | (codePoint & 0x3F));
  return text;
}

int LowByte(int value) { return value & 0xFF; }

bool TranslateButton(const platform::WindowMessage& message, int action, KeyPair& out) {
  if (message.virtualKey != platform::VK_LBUTTON && message.virtualKey != platform::VK_RBUTTON) {
    return false;
  }
  out = {action, message.virtualKey};
  return true;
}

bool TranslateWheel(int delta, KeyPair& out) {
  if (delta > 0) {
    out = {KEY_ACTION_WHEEL_FORWARD, LowByte(delta / WHEEL_DELTA_PER_NOTCH)};
    return true;
  }
  if (delta < 0) {
    out = {KEY_ACTION_WHEEL_BACKWARD, LowByte(-delta / WHEEL_DELTA_PER_NOTCH)};
    return true;
  }
  return false;
}

}  // namespace

int Cp1252FromCodePoint(uint32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    return static_cast<int>(codePoint);
  }
  // Only 0x80..0x9F differ from Unicode; the euro sign and the typographic
  // quotes live there.
  if (codePoint > 0xFFFF) {
    return -1;
  }
  const std::string wanted = Utf8Of(codePoint);
  for (int byte = 0x80; byte <= 0x9F; ++byte) {
    if (platform::Cp1252ToUtf8(std::string(1, static_cast<char>(byte))) == wanted) {
      return byte;
    }
  }
  return -1;
}

bool TranslateToKeyPair(const platform::WindowMessage& message, KeyPair& out) {
  switch (message.type) {
    case WindowMessageType::KeyDown:
      if (message.systemKey) {
        return false;
      }
      out = {message.repeat ? KEY_ACTION_REPEAT : KEY_ACTION_DOWN, message.virtualKey};
      return true;
    case WindowMessageType::KeyUp:
      if (message.systemKey) {
        return false;
      }
      out = {KEY_ACTION_UP, message.virtualKey};
      return true;
    case WindowMessageType::Character: {
      const int character = Cp1252FromCodePoint(message.character);
      if (character < 0) {
        return false;
      }
      out = {KEY_ACTION_CHARACTER, character};
      return true;
    }
    case WindowMessageType::MouseButtonDown:
      return TranslateButton(message, KEY_ACTION_DOWN, out);
    case WindowMessageType::MouseButtonUp:
      return TranslateButton(message, KEY_ACTION_UP, out);
    case WindowMessageType::MouseWheel:
      return TranslateWheel(message.wheelDelta, out);
    default:
      return false;
  }
}
