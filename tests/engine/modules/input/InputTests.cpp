#include <gtest/gtest.h>

#include <tuple>

#include "engine/modules/input/UlvoInputBasic_Win32.h"
#include "engine/modules/input/UlvoUIKeyHandlerInterface.h"
#include "tests/engine/modules/ModuleTestSupport.h"
#include "tests/support/CatchUlvoException.h"

namespace {

class RecordingUI : public UlvoUIKeyHandlerInterface {
 public:
  bool OnKeyEvent(int action, int code) override {
    pairs.push_back({action, code});
    return takesKeys;
  }
  std::vector<modules_test::Pair> pairs;
  bool takesKeys = false;
};

// Down and repeat hold a key, up releases it, every code from 0 to 254 has
// its own entry; the state is kept even for pairs the console or the UI
// take before the game sees them. Code 255 may arrive but is no key to ask
// about.
TEST(InputTest, KeysAreHeldAndPassedDownTheChainUntilOneTakesThem) {
  modules_test::RecordingConsole console;
  modules_test::RecordingGame game;
  RecordingUI ui;
  auto input = UlvoInputBasic_Win32::Create();
  input->Startup();
  const std::tuple<int, int, bool> steps[] = {
      {KEY_ACTION_DOWN, 'A', true},   {KEY_ACTION_REPEAT, 'A', true}, {KEY_ACTION_UP, 'A', false},
      {KEY_ACTION_REPEAT, 'B', true}, {KEY_ACTION_DOWN, 254, true},   {KEY_ACTION_DOWN, 0, true}};
  for (const auto& [action, code, down] : steps) {
    input->OnKeyEvent(action, code);
    EXPECT_EQ(input->IsKeyDown(code), down) << code;
  }
  EXPECT_FALSE(input->IsKeyDown(253));
  input->OnKeyEvent(KEY_ACTION_DOWN, 255);
  const testsupport::CaughtError error = testsupport::CatchUlvoException([&] { input->IsKeyDown(255); });
  EXPECT_EQ(error.message, "UlvoInputBasic_Win32: Illegal keycode: 255\n");
  EXPECT_EQ(error.title, "UlvoInputBasic_Win32");

  ui.takesKeys = true;
  EXPECT_TRUE(input->OnKeyEvent(KEY_ACTION_DOWN, 'W'));
  console.takesKeys = true;
  EXPECT_TRUE(input->OnKeyEvent(KEY_ACTION_UP, 'W'));
  EXPECT_FALSE(input->IsKeyDown('W'));
  EXPECT_EQ(ui.pairs.size(), 8u);
  EXPECT_EQ(game.pairs.size(), 7u);
  input->Shutdown();
}

// 1280 x 1024: the virtual screen covers (0, 112)-(1280, 912) at 0.8 units
// a pixel; positions are truncated toward zero, also above the screen.
TEST(InputTest, TheMouseIsMappedIntoTheVirtualScreen) {
  const auto toScreen = [](int x, int y) {
    return ClientToVirtualScreen(IntVector2(x, y), AABB2(0, 112, 1280, 912), Vector2(0.8f, 0.8f));
  };
  EXPECT_EQ(toScreen(112, 112), IntVector2(89, 0));
  EXPECT_EQ(toScreen(1279, 911), IntVector2(1023, 639));
  EXPECT_EQ(toScreen(0, 100), IntVector2(0, -9));
}

}  // namespace
