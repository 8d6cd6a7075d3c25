#include "platform/window/VirtualKey.h"

#include <gtest/gtest.h>

#include <SDL_keyboard.h>

namespace {

using namespace platform;

// The ends of each range, keys whose right-hand twin shares a code, and the
// keys that follow the layout.
TEST(VirtualKeyTest, GameKeysMapToTheirWindowsCodes) {
  const struct {
    SDL_Keycode key;
    SDL_Scancode scancode;
    int expected;
  } cases[] = {
      {SDLK_a, SDL_SCANCODE_A, 'A'},         {SDLK_z, SDL_SCANCODE_Z, 'Z'},           {SDLK_0, SDL_SCANCODE_0, '0'},
      {SDLK_9, SDL_SCANCODE_9, '9'},         {SDLK_F1, SDL_SCANCODE_F1, 0x70},        {SDLK_F24, SDL_SCANCODE_F24, 0x87},
      {SDLK_F12, SDL_SCANCODE_F12, 0x7B},    {SDLK_F13, SDL_SCANCODE_F13, 0x7C},
      {SDLK_LEFT, SDL_SCANCODE_LEFT, 37},    {SDLK_DOWN, SDL_SCANCODE_DOWN, 40},      {SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, 16},
      {SDLK_RCTRL, SDL_SCANCODE_RCTRL, 17},  {SDLK_RALT, SDL_SCANCODE_RALT, 18},      {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, 13},
      {SDLK_KP_0, SDL_SCANCODE_KP_0, 0x60},  {SDLK_KP_9, SDL_SCANCODE_KP_9, 0x69},    {SDLK_KP_DIVIDE, SDL_SCANCODE_KP_DIVIDE, 0x6F},
      {SDLK_MINUS, SDL_SCANCODE_MINUS, 0xBD}, {SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE, 0xC0},
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
