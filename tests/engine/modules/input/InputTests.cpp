#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/core/UlvoException.h"
#include "engine/modules/application/UlvoApplicationBasic.h"
#include "engine/modules/input/UlvoInputBasic_Win32.h"
#include "engine/modules/input/UlvoUIKeyHandlerInterface.h"
#include "tests/engine/modules/ModuleTestSupport.h"

namespace {

using modules_test::EventLog;
using modules_test::Pair;
using modules_test::RecordingConsole;
using modules_test::RecordingGame;
using modules_test::TestCore;

// An application without a window: the cursor is wherever the test puts it.
class FakeApplication : public UlvoApplicationBasic {
 public:
  void OpenWindow(const IntVector2& size, int fullscreen, int) override {
    ReplaceProperties(std::make_unique<ApplicationWindowProperties>(size, fullscreen));
    ApplyWindowProperties();
  }
  void SetFullscreen() override {}
  void SetWindowed() override {}
  platform::Window* GetDeviceContext() override { return nullptr; }
  IntVector2 GetDesktopSize() const override { return IntVector2(1920, 1080); }
  IntVector2 GetClientSize() const override { return Properties().m_physicalSize; }
  void ClientToWindowOffset(int x, int y, int& outX, int& outY) const override {
    outX = x - clientOrigin.x;
    outY = y - clientOrigin.y;
  }
  void WindowToClientOffset(int x, int y, int& outX, int& outY) const override {
    outX = clientOrigin.x + x;
    outY = clientOrigin.y + y;
  }
  bool GetCursorScreenPosition(IntVector2& out) const override {
    out = cursor;
    return true;
  }
  void SetCustomCursor(const std::string&) override {}
  std::string GetUserDataPath() const override { return std::string(); }

  IntVector2 clientOrigin;
  IntVector2 cursor;
};

class RecordingUI : public UlvoUIKeyHandlerInterface {
 public:
  bool OnKeyEvent(int action, int code) override {
    pairs.push_back({action, code});
    return takesKeys;
  }
  std::vector<Pair> pairs;
  bool takesKeys = false;
};

class InputTest : public ::testing::Test {
 protected:
  InputTest() {
    m_application.OpenWindow(IntVector2(1280, 1024), 0, 101);
    m_input = UlvoInputBasic_Win32::Create();
    m_input->Startup();
  }
  ~InputTest() override {
    if (UlvoInputBasic_Win32::IsStarted()) {
      m_input->Shutdown();
    }
  }

  void FireFocus(bool hasFocus) {
    NamedProperties args;
    args.Set("hasFocus", hasFocus);
    m_core.Core().GetEventSystem().FireEvent("OnAppChangeFocus", args);
  }

  IntVector2 MousePosition() const {
    IntVector2 position;
    m_input->GetMousePosition(position.x, position.y);
    return position;
  }

  TestCore m_core;
  RecordingConsole m_console;
  FakeApplication m_application;
  RecordingGame m_game;
  std::unique_ptr<UlvoInputBasic_Win32> m_input;
};

TEST_F(InputTest, DownRepeatAndUpHoldAndReleaseTheKey) {
  m_input->OnKeyEvent(KEY_ACTION_DOWN, 'A');
  EXPECT_TRUE(m_input->IsKeyDown('A'));
  m_input->OnKeyEvent(KEY_ACTION_REPEAT, 'A');
  EXPECT_TRUE(m_input->IsKeyDown('A'));
  m_input->OnKeyEvent(KEY_ACTION_UP, 'A');
  EXPECT_FALSE(m_input->IsKeyDown('A'));
  EXPECT_FALSE(m_input->IsKeyDown('B'));
  // A key pressed while the focus was away arrives as repeats only.
  m_input->OnKeyEvent(KEY_ACTION_REPEAT, 'B');
  EXPECT_TRUE(m_input->IsKeyDown('B'));
}

TEST_F(InputTest, EveryCodeHasItsOwnEntryUpTo255) {
  m_input->OnKeyEvent(KEY_ACTION_DOWN, 255);
  EXPECT_TRUE(m_input->IsKeyDown(255));
  EXPECT_FALSE(m_input->IsKeyDown(254));
  m_input->OnKeyEvent(KEY_ACTION_UP, 255);
  EXPECT_FALSE(m_input->IsKeyDown(255));
  m_input->OnKeyEvent(KEY_ACTION_DOWN, 0);
  EXPECT_TRUE(m_input->IsKeyDown(0));
}

TEST_F(InputTest, TheFirstReceiverThatTakesThePairEndsTheChain) {
  RecordingUI ui;
  ui.takesKeys = true;
  EXPECT_TRUE(m_input->OnKeyEvent(KEY_ACTION_DOWN, 'W'));
  EXPECT_EQ(ui.pairs.size(), 1u);
  EXPECT_TRUE(m_game.pairs.empty());

  m_console.takesKeys = true;
  EXPECT_TRUE(m_input->OnKeyEvent(KEY_ACTION_UP, 'W'));
  EXPECT_EQ(ui.pairs.size(), 1u);
  EXPECT_FALSE(m_input->IsKeyDown('W')) << "the state is kept even for pairs others take";
}

TEST_F(InputTest, TheMouseIsMappedIntoTheVirtualScreenTruncatingTowardZero) {
  // 1280 x 1024: the virtual screen covers (0, 112)-(1280, 912) at 0.8 units per pixel.
  m_application.clientOrigin = IntVector2(-1600, 40);
  m_application.cursor = IntVector2(-1600 + 112, 40 + 112);
  m_input->Update();

  int clientX = 0;
  int clientY = 0;
  m_input->GetMouseClientPosition(clientX, clientY);
  EXPECT_EQ(clientX, 112);
  EXPECT_EQ(clientY, 112);
  EXPECT_EQ(MousePosition(), IntVector2(89, 0));

  m_application.cursor = IntVector2(-1600 + 1279, 40 + 911);
  m_input->Update();
  EXPECT_EQ(MousePosition(), IntVector2(1023, 639));

  // Over the bar above the virtual screen: -12 pixels is -9.6 units.
  m_application.cursor = IntVector2(-1600, 40 + 100);
  m_input->Update();
  EXPECT_EQ(MousePosition(), IntVector2(0, -9));
}

}  // namespace
