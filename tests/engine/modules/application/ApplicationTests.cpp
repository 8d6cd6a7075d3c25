// The application module: the window on SDL's offscreen driver and the
// messages it pumps, then the parts that need no window (layout, placement,
// key pairs, cursor files).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "engine/modules/application/CursorFile.h"
#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/application/WindowInputTranslation.h"
#include "engine/modules/application/WindowPlacement.h"
#include "engine/modules/input/UlvoInputBasic_Win32.h"
#include "platform/window/VirtualKey.h"
#include "platform/window/Window.h"
#include "tests/engine/modules/ModuleTestSupport.h"
#include "tests/engine/modules/application/CursorPngSupport.h"
#include "tests/support/CatchUlvoException.h"
#include "tests/support/SdlWindowEventTest.h"

namespace {

using modules_test::EventLog;
using Pairs = std::vector<modules_test::Pair>;

// An open offscreen window of 640 x 400 named in the game's code page, an
// input module and a game at the end of the key chain; events are pushed as
// SDL would deliver them. Every reading of the clock moves it on as given.
class ApplicationTest : public testsupport::SdlWindowEventTest {
 protected:
  explicit ApplicationTest(int64_t nanosecondsPerClockReading = 0)
      : m_core(nanosecondsPerClockReading) {}

  void SetUp() override {
    m_input->Startup();
    m_application->SetApplicationName("Caf\xE9 \x80");
    m_application->OpenWindow(IntVector2(640, 400), 0, 101);
    PumpUntilEmpty();
  }
  void TearDown() override {
    m_input->Shutdown();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  }
  Uint32 WindowId() const override { return SDL_GetWindowID(Window().NativeHandle()); }
  platform::Window& Window() const { return *m_application->GetDeviceContext(); }
  void PumpUntilEmpty() {
    for (int frame = 0; frame < 100 && Window().HasMessage(); ++frame) m_application->Update();
  }
  void Pump(Uint8 windowEvent, int data1 = 0, int data2 = 0) {
    PushWindowEvent(windowEvent, data1, data2);
    m_application->Update();
  }

  modules_test::TestCore m_core;
  modules_test::RecordingConsole m_console;
  modules_test::RecordingGame m_game;
  std::unique_ptr<UlvoApplicationBasic_Win32> m_application = UlvoApplicationBasic_Win32::Create();
  std::unique_ptr<UlvoInputBasic_Win32> m_input = UlvoInputBasic_Win32::Create();
};

// A bad aspect ratio is refused; a window that cannot open is an engine
// error.
TEST_F(ApplicationTest, OpensWithItsTitleAndTheVirtualScreenScaledIn) {
  EXPECT_STREQ(SDL_GetWindowTitle(Window().NativeHandle()), "Caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_FLOAT_EQ(m_application->GetViewScale().x, 1.6f);
  for (const float refused : {0.0f, -1.6f, std::nanf("")}) m_application->SetAspectRatio(refused);
  EXPECT_EQ(m_application->GetViewBoundsSize(), IntVector2(1024, 640));
  m_application->SetAspectRatio(1.25f);
  EXPECT_EQ(m_application->GetViewBoundsSize(), IntVector2(1024, 819));
  // A window that cannot be opened is named by its size and mode.
  for (const int fullscreen : {0, 1}) {
    const auto open = [&] { m_application->OpenWindow(IntVector2(0, 0), fullscreen, 101); };
    const testsupport::CaughtError error = testsupport::CatchUlvoException(open);
    EXPECT_EQ(error.title, "UlvoApplicationBasic_Win32::OpenWindow");
    EXPECT_THAT(error.message, ::testing::HasSubstr(fullscreen == 1 ? "0 x 0 pixels (full screen)"
                                                                    : "0 x 0 pixels (windowed)"));
  }
}

// Listeners see the bounds from before; a minimised window reports no size
// and keeps its bounds.
TEST_F(ApplicationTest, AResizeIsAnnouncedBeforeTheBoundsChange) {
  EventLog resizes("ScreenResizedEvent");
  AABB2 during;
  resizes.whileFiring = [&](NamedProperties&) { during = m_application->GetScreenBounds(); };
  Pump(SDL_WINDOWEVENT_SIZE_CHANGED, 1280, 1024);
  ASSERT_EQ(resizes.count, 1);
  EXPECT_EQ(IntVector2(resizes.Get<int>("Width"), resizes.Get<int>("DeltaY")),
            IntVector2(1280, 624));
  EXPECT_EQ(during, AABB2(0, 0, 640, 400));
  EXPECT_EQ(m_application->GetScreenBounds(), AABB2(0, 112, 1280, 912));
  Pump(SDL_WINDOWEVENT_MINIMIZED);
  EXPECT_EQ(resizes.Get<int>("Height"), 0);
  EXPECT_EQ(m_application->GetScreenBounds(), AABB2(0, 112, 1280, 912));
}

// Full screen covers the desktop; back in a window, the client area is the
// desktop less 200 pixels brought to 16:10, a pixel off the centre.
TEST_F(ApplicationTest, FullScreenCoversTheDesktopAndAWindowComesBackCentred) {
  const IntVector2 desktop = m_application->GetDesktopSize();
  m_application->SetFullscreen();
  PumpUntilEmpty();
  EXPECT_EQ(m_application->GetClientSize(), desktop);
  m_application->SetWindowed();
  PumpUntilEmpty();
  const IntVector2 size = BringToSixteenByTen(desktop - IntVector2(200, 200));
  EXPECT_EQ(m_application->GetClientSize(), size);
  EXPECT_EQ(m_application->GetClientRect().left, (desktop.x - size.x + 1) / 2 + 1);
  EXPECT_EQ(m_application->GetClientRect().top, (desktop.y - size.y + 1) / 2 + 1);
}

// Nothing reaches the game before the window has the focus or after it
// lost it; typed text arrives in the game's code page, characters it lacks
// dropped; Alt+Enter toggles full screen once, however long it is held, and
// reaches nobody else; closing the window asks the game to quit.
TEST_F(ApplicationTest, TheMessagePumpPassesKeysOnlyWithTheFocus) {
  EventLog toggles("ToggleFullscreenEvent");
  EventLog quits("QuitGameEvent");
  PushKey(SDL_KEYDOWN, SDLK_a, SDL_SCANCODE_A);
  PushKey(SDL_KEYUP, SDLK_a, SDL_SCANCODE_A);
  PushText("x");
  Pump(SDL_WINDOWEVENT_FOCUS_GAINED);
  PushText("b\xC3\xA9\xE2\x82\xAC\xC5\x91");  // b, e acute, euro sign, o double acute
  PushKey(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT);
  PushKey(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT, true);
  PushKey(SDL_KEYUP, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT);
  Pump(SDL_WINDOWEVENT_FOCUS_LOST);
  PushKey(SDL_KEYDOWN, SDLK_c, SDL_SCANCODE_C);
  Pump(SDL_WINDOWEVENT_CLOSE);
  EXPECT_EQ(m_game.pairs, (Pairs{{4, 'b'}, {4, 0xE9}, {4, 0x80}}));
  EXPECT_EQ(toggles.count, 1);
  EXPECT_EQ(quits.count, 1);
}

// Each reading of the clock takes 20 ms: the budget of 50 ms lets two
// messages through a frame, the others wait for the next.
class MessageBudgetTest : public ApplicationTest {
 protected:
  MessageBudgetTest() : ApplicationTest(20000000) {}
};

TEST_F(MessageBudgetTest, MessagesBeyondTheBudgetWaitForTheNextFrame) {
  Pump(SDL_WINDOWEVENT_FOCUS_GAINED);
  for (const SDL_Keycode key : {SDLK_a, SDLK_b, SDLK_c, SDLK_d, SDLK_e}) {
    PushKey(SDL_KEYDOWN, key, SDL_GetScancodeFromKey(key));
  }
  m_application->Update();
  EXPECT_EQ(m_game.pairs, (Pairs{{1, 'A'}, {1, 'B'}}));
  m_application->Update();
  m_application->Update();
  EXPECT_EQ(m_game.pairs.size(), 5u);
}

TEST(WindowLayoutTest, TheVirtualScreenIsLetterboxedAndWindowsArePlacedOnTheDesktop) {
  const std::pair<IntVector2, IntVector2> cuts[] = {
      {{1720, 880}, {1408, 880}}, {{1280, 1024}, {1280, 800}}, {{1001, 999}, {1001, 625}},
      {{1680, 1050}, {1680, 1050}}, {{640, 0}, {640, 400}}, {{0, 0}, {0, 0}}};
  for (const auto& [size, cut] : cuts) EXPECT_EQ(BringToSixteenByTen(size), cut) << size.x;
  ApplicationWindowProperties wide(IntVector2(1920, 1080), 0);
  wide.RecomputeBounds();
  EXPECT_EQ(wide.m_screenBounds, AABB2(96, 0, 1824, 1080));
  EXPECT_NEAR(wide.m_viewScale.y, 0.5926f, 0.00005f);

  // A window that fits is centred; one larger than the desktop keeps its
  // size at the top left; a frame over the bottom edge moves up with it.
  const ScreenRect desktop{0, 0, 1920, 1080};
  EXPECT_EQ(PlaceWindowOnDesktop({640, 400}, {30, 8, 8, 8}, desktop).windowRect,
            (ScreenRect{632, 310, 1288, 748}));
  EXPECT_EQ(PlaceWindowOnDesktop({1920, 1200}, {30, 8, 8, 8}, {0, 0, 1600, 900}).clientRect,
            (ScreenRect{8, 30, 1928, 1230}));
  EXPECT_EQ(PlaceWindowOnDesktop({800, 1000}, {2, 0, 30, 0}, {0, 0, 1200, 1040}).clientRect,
            (ScreenRect{200, 10, 1000, 1010}));
}

// System keys are not input; keys and the two buttons the game uses give
// down, repeat and up pairs; the wheel counts whole notches (in 8 bits);
// characters arrive as their byte in the game's code page, or not at all.
TEST(KeyPairTest, MessagesBecomeTheirActionAndCode) {
  using platform::WindowMessage;
  const std::pair<WindowMessage, std::pair<int, int>> cases[] = {
      {WindowMessage::KeyDown(platform::VK_MENU, false, true), {0, 0}},
      {WindowMessage::KeyDown('Z', true, false), {2, 'Z'}},
      {WindowMessage::KeyUp('Z', false), {3, 'Z'}},
      {WindowMessage::MouseButtonDown(platform::VK_RBUTTON, {}), {1, platform::VK_RBUTTON}},
      {WindowMessage::MouseButtonDown(platform::VK_MBUTTON, {}), {0, 0}},
      {WindowMessage::MouseWheel(-359), {6, 2}}, {WindowMessage::MouseWheel(60), {5, 0}},
      {WindowMessage::MouseWheel(300 * 120), {5, 300 - 256}},
      {WindowMessage::Character(0xFF), {4, 0xFF}}, {WindowMessage::Character(0x0178), {4, 0x9F}},
  };
  for (const auto& [message, expected] : cases) {
    KeyPair pair;
    const bool isInput = TranslateToKeyPair(message, pair);
    EXPECT_EQ(isInput ? std::make_pair(pair.action, pair.code) : std::make_pair(0, 0), expected);
  }
}

// The hot spot is the text chunk "HotSpot", "x,y" inside the image; a
// chunk claiming more bytes than the file holds is not followed.
TEST(CursorFileTest, DecodesThePixelsAndTheHotSpotAndRefusesBadOnes) {
  const auto cursor = [](int side, const std::string& hotSpot) {
    return modules_test::CursorPng(side, side, hotSpot);
  };
  CursorImage image;
  std::string error;
  ASSERT_TRUE(DecodeCursorImage(cursor(24, "3,23"), image, error)) << error;
  EXPECT_EQ(std::make_tuple(image.width, image.hotX, image.hotY, image.rgba[(24 + 1) * 4 + 2]),
            std::make_tuple(24, 3, 23, uint8_t(2)));  // pixel (1, 1) is (1, 1, 2, 255)
  testsupport::Bytes damaged = cursor(8, "2,2");
  const testsupport::Bytes withoutEnd(damaged.begin(), damaged.end() - 12);
  damaged[33] = 0x7F;  // the text chunk's length
  const std::pair<testsupport::Bytes, std::string> refusals[] = {
      {cursor(8, "8,0"), "outside"}, {cursor(8, "0,8"), "outside"}, {cursor(8, "-1,2"), "x,y"},
      {cursor(8, "99999,1"), "x,y"}, {cursor(257, "0,0"), "257 x 257"}, {damaged, "damaged"},
      {withoutEnd, "damaged"}, {{'n', 'o'}, "not a PNG"}};
  for (const auto& [file, reason] : refusals) {
    EXPECT_FALSE(DecodeCursorImage(file, image, error));
    EXPECT_NE(error.find(reason), std::string::npos) << error;
  }
}

}  // namespace
