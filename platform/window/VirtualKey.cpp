#include "platform/window/VirtualKey.h"

#include <array>
#include <utility>

namespace platform {

namespace {

using ScancodeTable = std::array<uint8_t, SDL_NUM_SCANCODES>;

constexpr std::pair<SDL_Scancode, uint8_t> SINGLE_KEYS[] = {
    {SDL_SCANCODE_RETURN, VK_RETURN},
    {SDL_SCANCODE_ESCAPE, VK_ESCAPE},
    {SDL_SCANCODE_BACKSPACE, VK_BACK},
    {SDL_SCANCODE_TAB, VK_TAB},
    {SDL_SCANCODE_SPACE, VK_SPACE},
    {SDL_SCANCODE_MINUS, VK_OEM_MINUS},
    {SDL_SCANCODE_EQUALS, VK_OEM_PLUS},
    {SDL_SCANCODE_LEFTBRACKET, VK_OEM_4},
    {SDL_SCANCODE_RIGHTBRACKET, VK_OEM_6},
    {SDL_SCANCODE_BACKSLASH, VK_OEM_5},
    {SDL_SCANCODE_NONUSHASH, VK_OEM_5},
    {SDL_SCANCODE_SEMICOLON, VK_OEM_1},
    {SDL_SCANCODE_APOSTROPHE, VK_OEM_7},
    {SDL_SCANCODE_GRAVE, VK_OEM_3},
    {SDL_SCANCODE_COMMA, VK_OEM_COMMA},
    {SDL_SCANCODE_PERIOD, VK_OEM_PERIOD},
    {SDL_SCANCODE_SLASH, VK_OEM_2},
    {SDL_SCANCODE_NONUSBACKSLASH, VK_OEM_102},
    {SDL_SCANCODE_CAPSLOCK, VK_CAPITAL},
    {SDL_SCANCODE_PRINTSCREEN, VK_SNAPSHOT},
    {SDL_SCANCODE_SCROLLLOCK, VK_SCROLL},
    {SDL_SCANCODE_PAUSE, VK_PAUSE},
    {SDL_SCANCODE_INSERT, VK_INSERT},
    {SDL_SCANCODE_HOME, VK_HOME},
    {SDL_SCANCODE_PAGEUP, VK_PRIOR},
    {SDL_SCANCODE_DELETE, VK_DELETE},
    {SDL_SCANCODE_END, VK_END},
    {SDL_SCANCODE_PAGEDOWN, VK_NEXT},
    {SDL_SCANCODE_RIGHT, VK_RIGHT},
    {SDL_SCANCODE_LEFT, VK_LEFT},
    {SDL_SCANCODE_DOWN, VK_DOWN},
    {SDL_SCANCODE_UP, VK_UP},
    {SDL_SCANCODE_NUMLOCKCLEAR, VK_NUMLOCK},
    {SDL_SCANCODE_KP_DIVIDE, VK_DIVIDE},
    {SDL_SCANCODE_KP_MULTIPLY, VK_MULTIPLY},
    {SDL_SCANCODE_KP_MINUS, VK_SUBTRACT},
    {SDL_SCANCODE_KP_PLUS, VK_ADD},
    {SDL_SCANCODE_KP_ENTER, VK_RETURN},
    {SDL_SCANCODE_KP_PERIOD, VK_DECIMAL},
    {SDL_SCANCODE_KP_0, VK_NUMPAD0},
    {SDL_SCANCODE_APPLICATION, VK_APPS},
    {SDL_SCANCODE_LCTRL, VK_CONTROL},
    {SDL_SCANCODE_RCTRL, VK_CONTROL},
    {SDL_SCANCODE_LSHIFT, VK_SHIFT},
    {SDL_SCANCODE_RSHIFT, VK_SHIFT},
    {SDL_SCANCODE_LALT, VK_MENU},
    {SDL_SCANCODE_RALT, VK_MENU},
    {SDL_SCANCODE_LGUI, VK_LWIN},
    {SDL_SCANCODE_RGUI, VK_RWIN},
};

// Runs of consecutive scancodes that map onto consecutive codes.
struct ScancodeRun {
  SDL_Scancode first;
  int count;
  uint8_t firstCode;
};

constexpr ScancodeRun RUNS[] = {
    {SDL_SCANCODE_A, 26, VK_A},
    {SDL_SCANCODE_1, 9, VK_0 + 1},
    {SDL_SCANCODE_0, 1, VK_0},
    {SDL_SCANCODE_F1, 12, VK_F1},
    {SDL_SCANCODE_F13, 12, VK_F1 + 12},
    {SDL_SCANCODE_KP_1, 9, VK_NUMPAD0 + 1},
};

ScancodeTable BuildScancodeTable() {
  ScancodeTable table{};
  for (const auto& [scancode, code] : SINGLE_KEYS) {
    table[scancode] = code;
  }
  for (const ScancodeRun& run : RUNS) {
    for (int i = 0; i < run.count; ++i) {
      table[run.first + i] = static_cast<uint8_t>(run.firstCode + i);
    }
  }
  return table;
}

}  // namespace

uint8_t VirtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode) {
  if (key >= SDLK_a && key <= SDLK_z) {
    return static_cast<uint8_t>(VK_A + (key - SDLK_a));
  }
  static const ScancodeTable table = BuildScancodeTable();
  if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) {
    return 0;
  }
  return table[scancode];
}

}  // namespace platform
