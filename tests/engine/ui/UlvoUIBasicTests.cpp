#include <gtest/gtest.h>

#include <memory>

#include "engine/core/UlvoException.h"
#include "engine/ui/UlvoUIBasic.h"
#include "tests/engine/ui/UITestSupport.h"

namespace {

using namespace ui_test;

// The default input module while it lives: the mouse is where the test puts it.
class FakeInput : public UlvoInputInterface {
 public:
  bool OnKeyEvent(int, int) override { return false; }
  bool IsKeyDown(uint8_t) const override { return false; }
  void GetMouseClientPosition(int& x, int& y) const override { GetMousePosition(x, y); }
  void GetMousePosition(int& x, int& y) const override {
    x = mouseX;
    y = mouseY;
  }
  void SetCursorScreenPosition(const IntVector2&) override {}
  int mouseX = 0;
  int mouseY = 0;
};

class UlvoUIBasicTest : public ::testing::Test {
 protected:
  void SetUp() override { ui->Startup(); }
  void TearDown() override { ui->Shutdown(); }

  int Create(UIWidgetType type, const std::string& name, int parent = 0,
             NamedProperties description = Bag()) {
    description.Set("Type", type);
    description.Set("Name", name);
    if (parent != 0) {
      description.Set("Parent", parent);
    }
    return ui->CreateComponent(description);
  }

  UlvoEventSystem events;
  testsupport::RecordingConsole console;
  OffscreenApplication application;
  FakeInput input;
  testsupport::RecordingDrawCalls renderer;
  std::unique_ptr<UlvoUIBasic> ui = UlvoUIBasic::Create();
};

TEST_F(UlvoUIBasicTest, StartupShowsARootWindowOverTheViewBounds) {
  EXPECT_EQ(ui->GetRootWindow()->GetBounds(), AABB2(0.0f, 0.0f, 1024.0f, 640.0f));
  EXPECT_THROW(ui->Startup(), UlvoException) << "started twice";

  ui->Shutdown();
  EXPECT_EQ(ui->GetRootWindow(), nullptr);
  EXPECT_FALSE(ui->OnKeyEvent(1, 13));
  ui->Shutdown();
  ui->Startup();
}

// Heard while started, once however often the module was started.
TEST_F(UlvoUIBasicTest, TheScreenBeingResizedIsHeardWhileStarted) {
  struct ListeningUI : UlvoUIBasic {
    void Event_OnScreenResizedEvent(NamedProperties&) override { ++heard; }
    int heard = 0;
  } listening;
  const auto resize = [&] { events.FireEvent("ScreenResizedEvent"); };
  resize();
  listening.Startup();
  resize();
  listening.Shutdown();
  resize();
  listening.Startup();
  resize();
  EXPECT_EQ(listening.heard, 2);
  listening.Shutdown();
}

TEST_F(UlvoUIBasicTest, DeleteComponentDestroysTheWidgetWithItsChildrenOnce) {
  EventRecorder gone("LabelGone");
  const int window = Create(UI_WIDGET_TYPE_WINDOW, "Window");
  const int button = Create(UI_WIDGET_TYPE_BUTTON, "Button", window);
  const int label = Create(UI_WIDGET_TYPE_LABEL, "Label", window,
                           Bag("HideEventToFire", std::string("LabelGone")));
  NamedProperties push = Bag("Handle", window, "PushImmediately", true);
  events.FireEvent("WindowPushEvent", push);
  ui->Render();

  const int caption = button + 1;
  EXPECT_FALSE(ui->DeleteComponent(caption)) << "a part dies with its owner";
  EXPECT_NE(BaseWidget::FindWidgetByHandle(caption), nullptr);

  EXPECT_TRUE(ui->DeleteComponent(window));
  EXPECT_EQ(gone.Count(), 1);
  for (int handle : {window, button, caption, label}) {
    EXPECT_EQ(BaseWidget::FindWidgetByHandle(handle), nullptr) << handle;
  }
  EXPECT_TRUE(ui->GetRootWindow()->GetWindowStack().empty());
  EXPECT_FALSE(ui->DeleteComponent(window));
  EXPECT_THROW(ui->DeleteComponent(ui->GetRootWindow()->GetHandle()), UlvoException)
      << "the root has no parent";

  const int next = Create(UI_WIDGET_TYPE_WINDOW, "Next");
  EXPECT_GT(next, label) << "handles are never given twice";
}

TEST_F(UlvoUIBasicTest, MouseAndKeysReachTheTopWindowThroughTheRoot) {
  const int window = Create(UI_WIDGET_TYPE_WINDOW, "Window");
  auto* windowWidget = static_cast<WindowWidget*>(BaseWidget::FindWidgetByHandle(window));
  auto* probe = static_cast<TestWidget*>(
      windowWidget->AddChild(std::make_unique<TestWidget>("Probe", windowWidget)));
  Describe(*probe, Bag("LayoutMode", UI_LAYOUT_MODE_ABSOLUTE, "Bounds",
                       AABB2(100.0f, 100.0f, 200.0f, 200.0f)));
  probe->takesKeys = true;
  NamedProperties push = Bag("Handle", window, "PushImmediately", true);
  events.FireEvent("WindowPushEvent", push);

  ui->Render();
  input.mouseX = 150;
  input.mouseY = 120;
  ui->Update();
  EXPECT_EQ(ui->GetMousePosition(), Vector2(150.0f, 120.0f));
  EXPECT_EQ(probe->GetState(), UI_STATE_FOCUSED);
  EXPECT_TRUE(ui->OnKeyEvent(1, 13));
  EXPECT_EQ(probe->keys, std::vector<int>{1013});
}

}  // namespace
