// SDL's events as the window messages the game's window procedure handles.
#include "tests/platform/window/WindowTestSupport.h"

#include "platform/window/VirtualKey.h"

namespace {

using namespace platform;
using M = WindowMessage;
using Messages = std::vector<WindowMessage>;
using WindowMessagesTest = platform_test::WindowTest;

// A held key repeats; Escape, Enter, Backspace and Tab also arrive as
// characters, Delete does not.
TEST_F(WindowMessagesTest, KeysGiveDownRepeatsAndUpAndControlKeysAlsoCharacters) {
  PushKey(SDL_KEYDOWN, SDLK_z, SDL_SCANCODE_Z);
  PushKey(SDL_KEYDOWN, SDLK_z, SDL_SCANCODE_Z, KMOD_NONE, true);
  EXPECT_EQ(Drain(), (Messages{M::KeyDown('Z', false, false), M::KeyDown('Z', true, false)}));
  EXPECT_TRUE(window_->IsKeyDown('Z'));
  PushKey(SDL_KEYUP, SDLK_z, SDL_SCANCODE_Z);
  PushKey(SDL_KEYDOWN, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE);
  PushKey(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN);
  PushKey(SDL_KEYDOWN, SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER);
  PushKey(SDL_KEYDOWN, SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, KMOD_NONE, true);
  PushKey(SDL_KEYDOWN, SDLK_TAB, SDL_SCANCODE_TAB, KMOD_LSHIFT);
  PushKey(SDL_KEYDOWN, SDLK_DELETE, SDL_SCANCODE_DELETE);
  EXPECT_EQ(Drain(), (Messages{M::KeyUp('Z', false), M::KeyDown(VK_ESCAPE, false, false), M::Character(27),
                               M::KeyDown(VK_RETURN, false, false), M::Character(13), M::KeyDown(VK_RETURN, false, false),
                               M::Character(13), M::KeyDown(VK_BACK, true, false), M::Character(8),
                               M::KeyDown(VK_TAB, false, false), M::Character(9), M::KeyDown(VK_DELETE, false, false)}));
  EXPECT_FALSE(window_->IsKeyDown('Z'));
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
  for (uint32_t c : {uint32_t{'a'}, uint32_t{'N'}, 0xE9u, 0x20ACu, 0x1F600u, bad, bad, 0x80u, 0x800u, 0x10000u, bad, bad, bad}) {
    expected.push_back(M::Character(c));
  }
  EXPECT_EQ(Drain(), expected);
}

TEST_F(WindowMessagesTest, TextFillingTheWholeEventIsReadWithinIt) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  event.text.windowID = WindowId();
  for (char& c : event.text.text) c = 'x';
  event.text.text[sizeof(event.text.text) - 1] = '\xE2';  // a lead byte at the very end
  Push(event);
  const Messages messages = Drain();
  ASSERT_EQ(messages.size(), sizeof(event.text.text));
  EXPECT_EQ(messages.back(), M::Character(0xFFFD));
}

// Alt+Enter asks for the window menu once; text typed with left Alt is a
// menu key; F10 and Alt+Space are system keys.
TEST_F(WindowMessagesTest, AltKeysAndF10AreSystemKeys) {
  PushKey(SDL_KEYDOWN, SDLK_LALT, SDL_SCANCODE_LALT, KMOD_LALT);
  PushKey(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT);
  PushKey(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT, true);
  PushKey(SDL_KEYUP, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT);
  PushKey(SDL_KEYDOWN, SDLK_f, SDL_SCANCODE_F, KMOD_LALT);
  PushText("f");
  PushKey(SDL_KEYUP, SDLK_LALT, SDL_SCANCODE_LALT, KMOD_NONE);
  PushText("g");
  PushKey(SDL_KEYDOWN, SDLK_F10, SDL_SCANCODE_F10);
  PushKey(SDL_KEYUP, SDLK_F10, SDL_SCANCODE_F10);
  PushKey(SDL_KEYDOWN, SDLK_SPACE, SDL_SCANCODE_SPACE, KMOD_RALT);
  PushKey(SDL_KEYDOWN, SDLK_DELETE, SDL_SCANCODE_DELETE, KMOD_RALT);  // Delete types nothing
  EXPECT_EQ(Drain(), (Messages{M::KeyDown(VK_MENU, false, true), M::KeyDown(VK_RETURN, false, true), M::KeyMenu(13),
                               M::KeyDown(VK_RETURN, true, true), M::KeyUp(VK_RETURN, true), M::KeyDown('F', false, true),
                               M::KeyMenu('f'), M::KeyUp(VK_MENU, true), M::Character('g'),
                               M::KeyDown(VK_F10, false, true), M::KeyUp(VK_F10, true),
                               M::KeyDown(VK_SPACE, false, true), M::KeyMenu(' '), M::KeyDown(VK_DELETE, false, true)}));
}

TEST_F(WindowMessagesTest, CtrlAltKeysAndTheirTextAreOrdinary) {
  // AltGr reaches applications as Ctrl+Alt; its characters must get through.
  PushKey(SDL_KEYDOWN, SDLK_LCTRL, SDL_SCANCODE_LCTRL, KMOD_LCTRL);
  PushKey(SDL_KEYDOWN, SDLK_LALT, SDL_SCANCODE_LALT, KMOD_LCTRL | KMOD_LALT);
  PushKey(SDL_KEYDOWN, SDLK_q, SDL_SCANCODE_Q, KMOD_LCTRL | KMOD_LALT);
  PushText("@");
  EXPECT_EQ(Drain(), (Messages{M::KeyDown(VK_CONTROL, false, false), M::KeyDown(VK_MENU, false, false),
                               M::KeyDown('Q', false, false), M::Character('@')}));
}

TEST_F(WindowMessagesTest, MouseButtonsUseTheirKeyCodesAndTheWheelCountsIn120ths) {
  PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 10, 20);
  PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 11, 20);
  PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
  PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE);
  PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
  PushButton(SDL_MOUSEBUTTONDOWN, 9);
  PushWheel(1, 1.0f);
  PushWheel(-2, -2.0f);
  PushWheel(0, 0.5f);
  PushWheel(1, 0.0f);  // a driver without fractions
  PushWheel(1, 1.0f, SDL_MOUSEWHEEL_FLIPPED);
  PushWheel(0, 0.0f);
  const IntPoint origin{100, 50};
  EXPECT_EQ(Drain(), (Messages{M::MouseButtonDown(VK_LBUTTON, {110, 70}), M::MouseButtonUp(VK_LBUTTON, {111, 70}),
                               M::MouseButtonDown(VK_RBUTTON, origin), M::MouseButtonDown(VK_MBUTTON, origin),
                               M::MouseButtonUp(VK_RBUTTON, origin), M::MouseWheel(120),
                               M::MouseWheel(-240), M::MouseWheel(60), M::MouseWheel(120), M::MouseWheel(-120)}));
  EXPECT_FALSE(window_->IsKeyDown(VK_LBUTTON) || window_->IsKeyDown(VK_RBUTTON));
  EXPECT_TRUE(window_->IsKeyDown(VK_MBUTTON));
}

TEST_F(WindowMessagesTest, MovesAndSizesAreReportedWhenTheyChange) {
  PushWindowEvent(SDL_WINDOWEVENT_MOVED, -300, 20);
  PushWindowEvent(SDL_WINDOWEVENT_MOVED, -300, 20);
  PushWindowEvent(SDL_WINDOWEVENT_RESIZED, 800, 500);
  PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 800, 500);
  PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 800, 500);
  PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 640, 400);
  PushWindowEvent(SDL_WINDOWEVENT_SIZE_CHANGED, 640, 300);  // one side alone
  PushWindowEvent(SDL_WINDOWEVENT_MOVED, -300, 10);
  EXPECT_EQ(Drain(), (Messages{M::Move({-300, 20}), M::Size({800, 500}), M::Size({640, 400}), M::Size({640, 300}),
                               M::Move({-300, 10})}));
  // Minimised, the client area is 0 x 0; restored, the window's own again.
  PushWindowEvent(SDL_WINDOWEVENT_MINIMIZED);
  PushWindowEvent(SDL_WINDOWEVENT_RESTORED);
  EXPECT_EQ(Drain(), (Messages{M::Size({0, 0}), M::Size({640, 400})}));
}

// Releases come only after their press; losing the focus releases what is
// held first, and SDL's own release after it is not reported again.
TEST_F(WindowMessagesTest, LosingTheFocusReleasesHeldKeysFirst) {
  PushKey(SDL_KEYUP, SDLK_a, SDL_SCANCODE_A);  // held before the window opened
  PushButton(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
  PushKey(SDL_KEYDOWN, SDLK_LCTRL, SDL_SCANCODE_LCTRL, KMOD_LCTRL);
  PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 5, 6);
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  PushKey(SDL_KEYUP, SDLK_LCTRL, SDL_SCANCODE_LCTRL);
  EXPECT_EQ(Drain(), (Messages{M::Activate(true), M::KeyDown(VK_CONTROL, false, false), M::MouseButtonDown(VK_LBUTTON, {105, 56}),
                               M::MouseButtonUp(VK_LBUTTON, {105, 56}), M::KeyUp(VK_CONTROL, false), M::Activate(false)}));
  EXPECT_FALSE(window_->IsKeyDown(VK_CONTROL));
  // Alt+Tab: the left Alt's release goes to the other window; back here,
  // typing is typing again.
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
  PushKey(SDL_KEYDOWN, SDLK_LALT, SDL_SCANCODE_LALT, KMOD_LALT);
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST);
  PushWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED);
  PushText("x");
  EXPECT_EQ(Drain(), (Messages{M::Activate(true), M::KeyDown(VK_MENU, false, true), M::KeyUp(VK_MENU, true),
                               M::Activate(false), M::Activate(true), M::Character('x')}));
}

// Another window's events never arrive; a message stays queued until taken.
TEST_F(WindowMessagesTest, OnlyThisWindowsMessagesAreQueuedUntilTaken) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.windowID = WindowId() + 1000;
  event.window.event = SDL_WINDOWEVENT_CLOSE;
  Push(event);
  PushKey(SDL_KEYDOWN, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE);
  EXPECT_TRUE(window_->HasMessage());
  EXPECT_TRUE(window_->HasMessage());
  WindowMessage first, second;
  ASSERT_TRUE(window_->PollMessage(first) && window_->PollMessage(second));
  EXPECT_EQ(first, M::KeyDown(VK_ESCAPE, false, false));
  EXPECT_EQ(second, M::Character(27));
  EXPECT_FALSE(window_->HasMessage() || window_->PollMessage(first));
}

}  // namespace
