#include <gtest/gtest.h>

#include <vector>

#include "tests/engine/modules/application/ApplicationTestSupport.h"

namespace {

using modules_test::EventLog;
using modules_test::OpenApplicationTest;
using modules_test::Pair;
using Pairs = std::vector<Pair>;

using MessagePumpTest = OpenApplicationTest;

TEST_F(MessagePumpTest, TypedTextArrivesInTheGamesCodePage) {
  Focus();
  PushText("b\xC3\xA9\xE2\x82\xAC\xC5\x91");  // b, e acute, euro sign, o double acute
  Pump();
  EXPECT_EQ(m_game->pairs, (Pairs{{4, 'b'}, {4, 0xE9}, {4, 0x80}}));
}

TEST_F(MessagePumpTest, AltEnterTogglesFullScreenOnceAndReachesNobodyElse) {
  EventLog toggles("ToggleFullscreenEvent");
  Focus();
  PushKey(SDL_KEYDOWN, SDLK_LALT, SDL_SCANCODE_LALT, KMOD_LALT);
  PushKey(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT);
  PushKey(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT, true);
  PushKey(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT, true);
  PushKey(SDL_KEYUP, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT);
  PushKey(SDL_KEYUP, SDLK_LALT, SDL_SCANCODE_LALT);
  Pump();
  EXPECT_EQ(toggles.count, 1);
  EXPECT_TRUE(toggles.last.IsEmpty());
  EXPECT_TRUE(m_game->pairs.empty());
}

TEST_F(MessagePumpTest, NoPairBeforeTheApplicationHasTheFocus) {
  PushTap(SDLK_a, SDL_SCANCODE_A);
  PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
  PushWheel(1, 1.0f);
  PushText("x");
  Pump();
  EXPECT_TRUE(m_game->pairs.empty());
  EXPECT_FALSE(m_input->IsKeyDown(1));

  Focus();
  PushTap(SDLK_b, SDL_SCANCODE_B);
  Pump();
  EXPECT_EQ(m_game->pairs, (Pairs{{1, 'B'}, {3, 'B'}}));
}

TEST_F(MessagePumpTest, KeysPressedWhileAnotherApplicationIsActiveAreNotSeen) {
  EventLog focus("OnAppChangeFocus");
  Focus();
  EXPECT_EQ(focus.count, 1);
  EXPECT_TRUE(focus.Get<bool>("hasFocus"));

  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  Pump();
  EXPECT_EQ(focus.count, 2);
  EXPECT_FALSE(focus.Get<bool>("hasFocus"));
  PushTap(SDLK_c, SDL_SCANCODE_C);
  Pump();
  EXPECT_TRUE(m_game->pairs.empty());
}

TEST_F(MessagePumpTest, ClosingTheWindowAsksTheGameToQuitAndKeepsTheWindow) {
  EventLog quits("QuitGameEvent");
  PushWindowEvent(SDL_WINDOWEVENT_CLOSE);
  Pump();
  EXPECT_EQ(quits.count, 1);
  EXPECT_TRUE(quits.last.IsEmpty());
  ASSERT_NE(m_application->GetDeviceContext(), nullptr);
  EXPECT_STREQ(SDL_GetWindowTitle(Window().NativeHandle()), "Harrowmere: Pemberquill");

  SDL_Event quit{};
  quit.type = SDL_QUIT;
  Push(quit);
  Pump();
  EXPECT_EQ(quits.count, 2) << "a quit from outside (a signal) also asks";
}

// Every reading of the clock moves it on 20 ms, so the 50 ms budget lets
// two messages through per frame.
class MessagePumpBudgetTest : public OpenApplicationTest {
 protected:
  MessagePumpBudgetTest() : OpenApplicationTest(20000000) {}
};

TEST_F(MessagePumpBudgetTest, MessagesBeyondTheBudgetWaitForTheNextFrame) {
  Focus();
  const SDL_Keycode keys[] = {SDLK_a, SDLK_b, SDLK_c, SDLK_d, SDLK_e};
  for (const SDL_Keycode key : keys) {
    PushKey(SDL_KEYDOWN, key, SDL_GetScancodeFromKey(key));
  }
  Pump();
  EXPECT_EQ(m_game->pairs, (Pairs{{1, 'A'}, {1, 'B'}}));
  Pump();
  EXPECT_EQ(m_game->pairs.size(), 4u);
  Pump();
  EXPECT_EQ(m_game->pairs, (Pairs{{1, 'A'}, {1, 'B'}, {1, 'C'}, {1, 'D'}, {1, 'E'}}));
}

}  // namespace
