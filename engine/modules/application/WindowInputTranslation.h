#pragma once

#include <cstdint>

#include "platform/window/WindowMessage.h"

// One key, button or wheel message as the engine sees it.
struct KeyPair {
  int action = 0;
  int code = 0;
};

// The pair a window message stands for. False for messages that are not
// input, for system keys (those pressed with Alt, and F10, which belong to
// the window menu), for buttons other than left and right, for a wheel delta
// of 0 and for characters outside the game's code page.
bool TranslateToKeyPair(const platform::WindowMessage& message, KeyPair& out);

// The Windows-1252 byte of a Unicode character, which the game's text and
// fonts are written in; -1 when the code page has no such character.
int Cp1252FromCodePoint(uint32_t codePoint);
