#include <gtest/gtest.h>

#include "engine/modules/application/WindowInputTranslation.h"
#include "platform/window/VirtualKey.h"

namespace {

using platform::WindowMessage;

// The pair of a message, or (0, 0) when it stands for none.
std::pair<int, int> PairOf(const WindowMessage& message) {
  KeyPair pair;
  if (!TranslateToKeyPair(message, pair)) {
    return {0, 0};
  }
  return {pair.action, pair.code};
}

using P = std::pair<int, int>;

TEST(KeyPairTest, SystemKeysAreNotInput) {
  EXPECT_EQ(PairOf(WindowMessage::KeyDown(platform::VK_MENU, false, true)), P(0, 0));
  EXPECT_EQ(PairOf(WindowMessage::KeyDown(platform::VK_F10, false, true)), P(0, 0));
  EXPECT_EQ(PairOf(WindowMessage::KeyUp(platform::VK_RETURN, true)), P(0, 0));
  EXPECT_EQ(PairOf(WindowMessage::KeyMenu(13)), P(0, 0));
}

// Keys and the two buttons the game uses become down, repeat and up pairs
// under their own codes; the middle button is not input.
TEST(KeyPairTest, KeysAndButtonsGiveTheirActionAndCode) {
  using platform::VK_LBUTTON;
  using platform::VK_MBUTTON;
  using platform::VK_RBUTTON;
  const struct {
    WindowMessage message;
    std::pair<int, int> pair;
  } cases[] = {
      {WindowMessage::KeyDown('Z', false, false), P(1, 'Z')},
      {WindowMessage::KeyDown('Z', true, false), P(2, 'Z')},
      {WindowMessage::KeyUp('Z', false), P(3, 'Z')},
      {WindowMessage::MouseButtonDown(VK_LBUTTON), P(1, VK_LBUTTON)},
      {WindowMessage::MouseButtonUp(VK_LBUTTON), P(3, VK_LBUTTON)},
      {WindowMessage::MouseButtonDown(VK_RBUTTON), P(1, VK_RBUTTON)},
      {WindowMessage::MouseButtonUp(VK_RBUTTON), P(3, VK_RBUTTON)},
      {WindowMessage::MouseButtonDown(VK_MBUTTON), P(0, 0)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PairOf(c.message), c.pair) << &c - cases;
  }
}

TEST(KeyPairTest, TheWheelCountsWholeNotches) {
  EXPECT_EQ(PairOf(WindowMessage::MouseWheel(120)), P(5, 1));
  EXPECT_EQ(PairOf(WindowMessage::MouseWheel(-240)), P(6, 2));
  EXPECT_EQ(PairOf(WindowMessage::MouseWheel(60)), P(5, 0));
  EXPECT_EQ(PairOf(WindowMessage::MouseWheel(-359)), P(6, 2));
  EXPECT_EQ(PairOf(WindowMessage::MouseWheel(0)), P(0, 0));
  // 300 notches at once: the count keeps its low 8 bits.
  EXPECT_EQ(PairOf(WindowMessage::MouseWheel(300 * 120)), P(5, 300 - 256));
}

// Characters arrive as their byte in the game's code page; those it lacks
// are dropped rather than cut to their low byte.
TEST(KeyPairTest, CharactersArriveInTheGamesCodePage) {
  const struct {
    uint32_t character;
    std::pair<int, int> pair;
  } cases[] = {
      {'a', P(4, 'a')},      {27, P(4, 27)},        {8, P(4, 8)},
      {0xE9, P(4, 0xE9)},    {0xFF, P(4, 0xFF)},    {0x20AC, P(4, 0x80)},
      {0x201C, P(4, 0x93)},  {0x0178, P(4, 0x9F)},  {0x0100, P(0, 0)},
      {0x0151, P(0, 0)},     {0x4E2D, P(0, 0)},     {0x1F600, P(0, 0)},
      {0xFFFD, P(0, 0)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PairOf(WindowMessage::Character(c.character)), c.pair) << std::hex << c.character;
  }
}

}  // namespace
