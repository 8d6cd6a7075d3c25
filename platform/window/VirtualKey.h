#pragma once

#include <SDL_keycode.h>
#include <SDL_scancode.h>

#include <cstdint>

namespace platform {

// The virtual-key codes of the Windows keyboard, which the game's key
// handling and stored key bindings are written in. Mouse buttons share the
// code space (1 left, 2 right, 4 middle).
constexpr uint8_t VK_LBUTTON = 0x01;
constexpr uint8_t VK_RBUTTON = 0x02;
constexpr uint8_t VK_MBUTTON = 0x04;
constexpr uint8_t VK_XBUTTON1 = 0x05;
constexpr uint8_t VK_XBUTTON2 = 0x06;
constexpr uint8_t VK_BACK = 0x08;
constexpr uint8_t VK_TAB = 0x09;
constexpr uint8_t VK_RETURN = 0x0D;
constexpr uint8_t VK_SHIFT = 0x10;
constexpr uint8_t VK_CONTROL = 0x11;
constexpr uint8_t VK_MENU = 0x12;  // Alt
constexpr uint8_t VK_PAUSE = 0x13;
constexpr uint8_t VK_CAPITAL = 0x14;
constexpr uint8_t VK_ESCAPE = 0x1B;
constexpr uint8_t VK_SPACE = 0x20;
constexpr uint8_t VK_PRIOR = 0x21;  // Page Up
constexpr uint8_t VK_NEXT = 0x22;   // Page Down
constexpr uint8_t VK_END = 0x23;
constexpr uint8_t VK_HOME = 0x24;
constexpr uint8_t VK_LEFT = 0x25;
constexpr uint8_t VK_UP = 0x26;
constexpr uint8_t VK_RIGHT = 0x27;
constexpr uint8_t VK_DOWN = 0x28;
constexpr uint8_t VK_SNAPSHOT = 0x2C;
constexpr uint8_t VK_INSERT = 0x2D;
constexpr uint8_t VK_DELETE = 0x2E;
constexpr uint8_t VK_0 = 0x30;  // '0'..'9' follow
constexpr uint8_t VK_A = 0x41;  // 'A'..'Z' follow
constexpr uint8_t VK_LWIN = 0x5B;
constexpr uint8_t VK_RWIN = 0x5C;
constexpr uint8_t VK_APPS = 0x5D;
constexpr uint8_t VK_NUMPAD0 = 0x60;  // NUMPAD1..NUMPAD9 follow
constexpr uint8_t VK_MULTIPLY = 0x6A;
constexpr uint8_t VK_ADD = 0x6B;
constexpr uint8_t VK_SUBTRACT = 0x6D;
constexpr uint8_t VK_DECIMAL = 0x6E;
constexpr uint8_t VK_DIVIDE = 0x6F;
constexpr uint8_t VK_F1 = 0x70;  // F2..F24 follow
constexpr uint8_t VK_F10 = 0x79;
constexpr uint8_t VK_F24 = 0x87;
constexpr uint8_t VK_NUMLOCK = 0x90;
constexpr uint8_t VK_SCROLL = 0x91;
constexpr uint8_t VK_OEM_1 = 0xBA;  // ;:
constexpr uint8_t VK_OEM_PLUS = 0xBB;
constexpr uint8_t VK_OEM_COMMA = 0xBC;
constexpr uint8_t VK_OEM_MINUS = 0xBD;
constexpr uint8_t VK_OEM_PERIOD = 0xBE;
constexpr uint8_t VK_OEM_2 = 0xBF;  // /?
constexpr uint8_t VK_OEM_3 = 0xC0;  // `~
constexpr uint8_t VK_OEM_4 = 0xDB;  // [{
constexpr uint8_t VK_OEM_5 = 0xDC;  // \|
constexpr uint8_t VK_OEM_6 = 0xDD;  // ]}
constexpr uint8_t VK_OEM_7 = 0xDE;  // '"
constexpr uint8_t VK_OEM_102 = 0xE2;  // the extra key beside left Shift

// Number of distinct virtual-key codes; key tables have one entry for each.
constexpr int VIRTUAL_KEY_COUNT = 256;

// The virtual-key code of an SDL key, or 0 for keys the game has no code
// for. Letters follow the keyboard layout, as Windows does; keys without a
// Latin letter on them fall back to their position.
uint8_t VirtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode);

}  // namespace platform
