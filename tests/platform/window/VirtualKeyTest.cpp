#include "platform/window/VirtualKey.h"

#include <gtest/gtest.h>

#include <SDL_keyboard.h>

namespace {

using namespace platform;

// The ends of each range and every key of its own.
TEST(VirtualKeyTest, GameKeysMapToTheirWindowsCodes) {
  const struct {
    SDL_Keycode key;
    SDL_Scancode scancode;
    int expected;
  } cases[] = {
      {SDLK_a, SDL_SCANCODE_A, 'A'},        {SDLK_z, SDL_SCANCODE_Z, 'Z'},           {SDLK_0, SDL_SCANCODE_0, '0'},
      {SDLK_9, SDL_SCANCODE_9, '9'},        {SDLK_F1, SDL_SCANCODE_F1, 0x70},       {SDLK_F12, SDL_SCANCODE_F12, 0x7B},
      {SDLK_F13, SDL_SCANCODE_F13, 0x7C},   {SDLK_F24, SDL_SCANCODE_F24, 0x87},     {SDLK_LEFT, SDL_SCANCODE_LEFT, 37},
      {SDLK_UP, SDL_SCANCODE_UP, 38},       {SDLK_RIGHT, SDL_SCANCODE_RIGHT, 39},   {SDLK_DOWN, SDL_SCANCODE_DOWN, 40},
      {SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, 16}, {SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, 16}, {SDLK_LCTRL, SDL_SCANCODE_LCTRL, 17},
      {SDLK_RCTRL, SDL_SCANCODE_RCTRL, 17}, {SDLK_LALT, SDL_SCANCODE_LALT, 18},     {SDLK_RALT, SDL_SCANCODE_RALT, 18},
      {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 27}, {SDLK_RETURN, SDL_SCANCODE_RETURN, 13}, {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, 13},
      {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, 8}, {SDLK_TAB, SDL_SCANCODE_TAB, 9}, {SDLK_SPACE, SDL_SCANCODE_SPACE, 32},
      {SDLK_DELETE, SDL_SCANCODE_DELETE, 46}, {SDLK_HOME, SDL_SCANCODE_HOME, 36},   {SDLK_END, SDL_SCANCODE_END, 35},
      {SDLK_PAGEUP, SDL_SCANCODE_PAGEUP, 33}, {SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, 34}, {SDLK_INSERT, SDL_SCANCODE_INSERT, 45},
      {SDLK_KP_0, SDL_SCANCODE_KP_0, 0x60}, {SDLK_KP_9, SDL_SCANCODE_KP_9, 0x69},   {SDLK_KP_MULTIPLY, SDL_SCANCODE_KP_MULTIPLY, 0x6A},
      {SDLK_KP_PLUS, SDL_SCANCODE_KP_PLUS, 0x6B}, {SDLK_KP_MINUS, SDL_SCANCODE_KP_MINUS, 0x6D},
      {SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, 0x6E}, {SDLK_KP_DIVIDE, SDL_SCANCODE_KP_DIVIDE, 0x6F},
      {SDLK_NUMLOCKCLEAR, SDL_SCANCODE_NUMLOCKCLEAR, 0x90}, {SDLK_MINUS, SDL_SCANCODE_MINUS, 0xBD},
      {SDLK_EQUALS, SDL_SCANCODE_EQUALS, 0xBB}, {SDLK_SLASH, SDL_SCANCODE_SLASH, 0xBF}, {SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE, 0xC0},
      // Letters follow the layout (the 'Q' position types 'a' in French);
      // digits, and letters of other scripts, the position.
      {SDLK_a, SDL_SCANCODE_Q, 'A'},        {SDLK_AMPERSAND, SDL_SCANCODE_1, '1'},  {0x0444, SDL_SCANCODE_A, 'A'},
  };
  for (const auto& c : cases) EXPECT_EQ(VirtualKeyFromSdl(c.key, c.scancode), c.expected) << SDL_GetScancodeName(c.scancode);
}

TEST(VirtualKeyTest, NoTwoPositionsShareALetterOrDigit) {
  int letterKeys = 0;
  for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
    const uint8_t code = VirtualKeyFromSdl(SDLK_UNKNOWN, static_cast<SDL_Scancode>(scancode));
    letterKeys += (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9');
  }
  EXPECT_EQ(letterKeys, 36);
}

}  // namespace
