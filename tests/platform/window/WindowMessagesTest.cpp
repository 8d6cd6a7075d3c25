#include "tests/platform/window/WindowTestSupport.h"

#include "platform/window/VirtualKey.h"

namespace {

using namespace platform;
using Messages = std::vector<WindowMessage>;
using WindowMessagesTest = platform_test::WindowTest;

TEST_F(WindowMessagesTest, HeldKeyGivesDownRepeatsAndUp) {
  PushKey(SDL_KEYDOWN, SDLK_z, SDL_SCANCODE_Z);
  PushKey(SDL_KEYDOWN, SDLK_z, SDL_SCANCODE_Z, KMOD_NONE, true);
  PushKey(SDL_KEYDOWN, SDLK_z, SDL_SCANCODE_Z, KMOD_NONE, true);
  EXPECT_EQ(Drain(), (Messages{WindowMessage::KeyDown('Z', false, false),
                               WindowMessage::KeyDown('Z', true, false),
                               WindowMessage::KeyDown('Z', true, false)}));
  EXPECT_TRUE(window_->IsKeyDown('Z'));
  PushKey(SDL_KEYUP, SDLK_z, SDL_SCANCODE_Z);
  EXPECT_EQ(Drain(), (Messages{WindowMessage::KeyUp('Z', false)}));
  EXPECT_FALSE(window_->IsKeyDown('Z'));
}

TEST_F(WindowMessagesTest, ControlKeysAlsoArriveAsCharacters) {
  PushKey(SDL_KEYDOWN, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE);
  PushKey(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN);
  PushKey(SDL_KEYDOWN, SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER);
  PushKey(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, KMOD_NONE, true);
  PushKey(SDL_KEYDOWN, SDLK_TAB, SDL_SCANCODE_TAB, KMOD_LSHIFT);
  PushKey(SDL_KEYDOWN, SDLK_DELETE, SDL_SCANCODE_DELETE);
  EXPECT_EQ(Drain(), (Messages{
                         WindowMessage::KeyDown(VK_ESCAPE, false, false),
                         WindowMessage::Character(27),
                         WindowMessage::KeyDown(VK_RETURN, false, false),
                         WindowMessage::Character(13),
                         WindowMessage::KeyDown(VK_RETURN, false, false),
                         WindowMessage::Character(13),
                         WindowMessage::KeyDown(VK_BACK, true, false),
                         WindowMessage::Character(8),
                         WindowMessage::KeyDown(VK_TAB, false, false),
                         WindowMessage::Character(9),
                         WindowMessage::KeyDown(VK_DELETE, false, false),
                     }));
}

TEST_F(WindowMessagesTest, TypedTextArrivesAsCodePoints) {
  PushText("a");
  PushText("N\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80");  // N, e acute, euro, an emoji
  PushText("\xC3");                                    // cut short
  PushText("\xC0\xAF");                                // overlong '/'
  // The smallest code point of each length, then the one below it spelled
  // overlong in that length.
  PushText("\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80");
  PushText("\xC1\xBF\xE0\x9F\xBF\xF0\x8F\xBF\xBF");
  const uint32_t bad = 0xFFFD;
  Messages expected;
  for (uint32_t c : {uint32_t{'a'}, uint32_t{'N'}, 0xE9u, 0x20ACu, 0x1F600u, bad, bad, 0x80u,
                     0x800u, 0x10000u, bad, bad, bad}) {
    expected.push_back(WindowMessage::Character(c));
  }
  EXPECT_EQ(Drain(), expected);
}

TEST_F(WindowMessagesTest, TextFillingTheWholeEventIsReadWithinIt) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  event.text.windowID = WindowId();
  for (char& c : event.text.text) {
    c = 'x';
  }
  event.text.text[sizeof(event.text.text) - 1] = '\xE2';  // a lead byte at the very end
  Push(event);
  const Messages messages = Drain();
  ASSERT_EQ(messages.size(), sizeof(event.text.text));
  EXPECT_EQ(messages.back(), WindowMessage::Character(0xFFFD));
}

TEST_F(WindowMessagesTest, AltEnterAsksForTheWindowMenuOnce) {
  PushKey(SDL_KEYDOWN, SDLK_LALT, SDL_SCANCODE_LALT, KMOD_LALT);
  PushKey(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT);
  PushKey(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT, true);
  PushKey(SDL_KEYUP, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT);
  PushKey(SDL_KEYUP, SDLK_LALT, SDL_SCANCODE_LALT, KMOD_NONE);
  EXPECT_EQ(Drain(), (Messages{WindowMessage::KeyDown(VK_MENU, false, true),
                               WindowMessage::KeyDown(VK_RETURN, false, true),
                               WindowMessage::KeyMenu(13),
                               WindowMessage::KeyDown(VK_RETURN, true, true),
                               WindowMessage::KeyUp(VK_RETURN, true),
                               WindowMessage::KeyUp(VK_MENU, true)}));
}

TEST_F(WindowMessagesTest, F10AndAltSpaceAreSystemKeys) {
  PushKey(SDL_KEYDOWN, SDLK_F10, SDL_SCANCODE_F10);
  PushKey(SDL_KEYUP, SDLK_F10, SDL_SCANCODE_F10);
  PushKey(SDL_KEYDOWN, SDLK_SPACE, SDL_SCANCODE_SPACE, KMOD_RALT);
  EXPECT_EQ(Drain(), (Messages{WindowMessage::KeyDown(VK_F10, false, true),
                               WindowMessage::KeyUp(VK_F10, true),
                               WindowMessage::KeyDown(VK_SPACE, false, true),
                               WindowMessage::KeyMenu(' ')}));
}

TEST_F(WindowMessagesTest, CtrlAltKeysAndTheirTextAreOrdinary) {
  // AltGr reaches applications as Ctrl+Alt; its characters must get through.
  PushKey(SDL_KEYDOWN, SDLK_LCTRL, SDL_SCANCODE_LCTRL, KMOD_LCTRL);
  PushKey(SDL_KEYDOWN, SDLK_LALT, SDL_SCANCODE_LALT, KMOD_LCTRL | KMOD_LALT);
  PushKey(SDL_KEYDOWN, SDLK_q, SDL_SCANCODE_Q, KMOD_LCTRL | KMOD_LALT);
  PushText("@");
  EXPECT_EQ(Drain(), (Messages{WindowMessage::KeyDown(VK_CONTROL, false, false),
                               WindowMessage::KeyDown(VK_MENU, false, false),
                               WindowMessage::KeyDown('Q', false, false),
                               WindowMessage::Character('@')}));
}

TEST_F(WindowMessagesTest, TextTypedWithLeftAltIsDropped) {
  PushKey(SDL_KEYDOWN, SDLK_LALT, SDL_SCANCODE_LALT, KMOD_LALT);
  PushKey(SDL_KEYDOWN, SDLK_f, SDL_SCANCODE_F, KMOD_LALT);
  PushText("f");
  PushKey(SDL_KEYUP, SDLK_LALT, SDL_SCANCODE_LALT, KMOD_NONE);
  PushText("g");
  EXPECT_EQ(Drain(), (Messages{WindowMessage::KeyDown(VK_MENU, false, true),
                               WindowMessage::KeyDown('F', false, true),
                               WindowMessage::KeyMenu('f'),
                               WindowMessage::KeyUp(VK_MENU, true),
                               WindowMessage::Character('g')}));
}

TEST_F(WindowMessagesTest, MouseButtonsUseTheirKeyCodes) {
  PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
  PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
  PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
  PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE);
  PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
  PushButton(SDL_MOUSEBUTTONDOWN, 9);
  EXPECT_EQ(Drain(), (Messages{WindowMessage::MouseButtonDown(VK_LBUTTON),
                               WindowMessage::MouseButtonUp(VK_LBUTTON),
                               WindowMessage::MouseButtonDown(VK_RBUTTON),
                               WindowMessage::MouseButtonDown(VK_MBUTTON),
                               WindowMessage::MouseButtonUp(VK_RBUTTON)}));
  EXPECT_FALSE(window_->IsKeyDown(VK_LBUTTON));
  EXPECT_FALSE(window_->IsKeyDown(VK_RBUTTON));
  EXPECT_TRUE(window_->IsKeyDown(VK_MBUTTON));
}

TEST_F(WindowMessagesTest, WheelCountsIn120thsOfANotch) {
  PushWheel(1, 1.0f);
  PushWheel(-2, -2.0f);
  PushWheel(0, 0.5f);
  PushWheel(1, 0.0f);  // a driver without fractions
  PushWheel(1, 1.0f, SDL_MOUSEWHEEL_FLIPPED);
  PushWheel(0, 0.0f);
  EXPECT_EQ(Drain(), (Messages{WindowMessage::MouseWheel(120), WindowMessage::MouseWheel(-240),
                               WindowMessage::MouseWheel(60), WindowMessage::MouseWheel(120),
                               WindowMessage::MouseWheel(-120)}));
}

TEST_F(WindowMessagesTest, MovesAndSizesAreReportedWhenTheyChange) {
  PushWindowEvent(SDL_WINDOWEVENT_MOVED, -300, 20);
  PushWindowEvent(SDL_WINDOWEVENT_MOVED, -300, 20);
  PushWindowEvent(SDL_WINDOWEVENT_RESIZED, 800, 500);
  PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 800, 500);
  PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 800, 500);
  PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 640, 400);
  EXPECT_EQ(Drain(), (Messages{WindowMessage::Move({-300, 20}), WindowMessage::Size({800, 500}),
                               WindowMessage::Size({640, 400})}));
}

TEST_F(WindowMessagesTest, LosingTheFocusReleasesHeldKeysFirst) {
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
  PushKey(SDL_KEYDOWN, SDLK_LCTRL, SDL_SCANCODE_LCTRL, KMOD_LCTRL);
  PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  EXPECT_EQ(Drain(), (Messages{WindowMessage::Activate(true),
                               WindowMessage::KeyDown(VK_CONTROL, false, false),
                               WindowMessage::MouseButtonDown(VK_LBUTTON),
                               WindowMessage::MouseButtonUp(VK_LBUTTON),
                               WindowMessage::KeyUp(VK_CONTROL, false),
                               WindowMessage::Activate(false)}));
  EXPECT_FALSE(window_->IsKeyDown(VK_CONTROL));
}

TEST_F(WindowMessagesTest, ReleasesAreReportedOnlyAfterTheirPress) {
  PushKey(SDL_KEYUP, SDLK_a, SDL_SCANCODE_A);  // held before the window opened
  PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
  PushKey(SDL_KEYDOWN, SDLK_LCTRL, SDL_SCANCODE_LCTRL, KMOD_LCTRL);
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  PushKey(SDL_KEYUP, SDLK_LCTRL, SDL_SCANCODE_LCTRL);  // SDL's own release, after ours
  EXPECT_EQ(Drain(), (Messages{WindowMessage::KeyDown(VK_CONTROL, false, false),
                               WindowMessage::KeyUp(VK_CONTROL, false),
                               WindowMessage::Activate(false)}));
}

TEST_F(WindowMessagesTest, EventsOfOtherWindowsAreIgnored) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.windowID = WindowId() + 1000;
  event.window.event = SDL_WINDOWEVENT_CLOSE;
  Push(event);
  EXPECT_TRUE(Drain().empty());
}

TEST_F(WindowMessagesTest, AMessageStaysQueuedUntilTaken) {
  PushKey(SDL_KEYDOWN, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE);
  EXPECT_TRUE(window_->HasMessage());
  EXPECT_TRUE(window_->HasMessage());
  WindowMessage message;
  ASSERT_TRUE(window_->PollMessage(message));
  EXPECT_EQ(message, WindowMessage::KeyDown(VK_ESCAPE, false, false));
  ASSERT_TRUE(window_->PollMessage(message));
  EXPECT_EQ(message, WindowMessage::Character(27));
  EXPECT_FALSE(window_->HasMessage());
  EXPECT_FALSE(window_->PollMessage(message));
}

}  // namespace
