#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/renderer/Texture.h"
#include "engine/ui/ButtonWidget.h"
#include "tests/engine/ui/RecordingWidgetRenderer.h"
#include "tests/engine/ui/WidgetTestDoubles.h"
#include "tests/support/RecordingConsole.h"

namespace {

using namespace ui_test;

const AABB2 BOX(100.0f, 100.0f, 200.0f, 130.0f);
const Vector2 INSIDE(150.0f, 115.0f);
const Vector2 OUTSIDE(500.0f, 500.0f);

class ButtonWidgetTest : public ::testing::Test {
 protected:
  ButtonWidgetTest() {
    for (const char* name :
         {"Pressed", "Selected", "Entered", "Left", "RolloverTextChangedEvent"}) {
      m_log.Listen(name);
    }
  }

  // A shown button in BOX, described with description on top of an
  // activation event "Pressed".
  std::unique_ptr<ButtonWidget> MakeButton(NamedProperties description = NamedProperties()) {
    auto button = std::make_unique<ButtonWidget>("PlayButton", nullptr);
    NamedProperties full;
    full.Set("Bounds", BOX);
    full.Set("OnActivationEventName", std::string("Pressed"));
    for (const auto& entry : description) {
      full.Set(entry.first.GetText(), description);
    }
    Describe(*button, full);
    button->Show();
    button->LayoutContents();
    return button;
  }

  UlvoEventSystem m_events;
  EventLog m_log;
  RecordingSound m_sound;
  RecordingWidgetRenderer m_renderer;
};

TEST_F(ButtonWidgetTest, ClickSelectsThenActivatesOnce) {
  NamedProperties description;
  description.Set("OnSelectionEventName", std::string("Selected"));
  description.Set("ActivateSoundHandle", 21);
  auto button = MakeButton(description);
  ASSERT_TRUE(button->UpdateMouseOver(INSIDE));
  EXPECT_EQ(button->GetState(), UI_STATE_FOCUSED);

  EXPECT_TRUE(button->OnKeyEvent(PRESS, LEFT_BUTTON));
  EXPECT_EQ(button->GetState(), UI_STATE_SELECTED);
  EXPECT_EQ(m_log.Count("Selected"), 1);
  EXPECT_EQ(m_log.Count("Pressed"), 0);
  EXPECT_TRUE(m_sound.plays.empty());

  EXPECT_TRUE(button->OnKeyEvent(RELEASE, LEFT_BUTTON));
  EXPECT_EQ(button->GetState(), UI_STATE_FOCUSED);
  EXPECT_EQ(m_log.Count("Pressed"), 1);
  ASSERT_EQ(m_sound.plays.size(), 1u);
  EXPECT_EQ(m_sound.plays[0].id, 21);
  EXPECT_EQ(m_sound.plays[0].tag, 1);
  EXPECT_EQ(m_sound.plays[0].loopMode, 1);
  EXPECT_EQ(m_sound.plays[0].volume, 1.0f);

  // A second release is no click.
  EXPECT_FALSE(button->OnKeyEvent(RELEASE, LEFT_BUTTON));
  EXPECT_EQ(m_log.Count("Pressed"), 1);
}

TEST_F(ButtonWidgetTest, PressThenLeavingBeforeTheReleaseActivatesNothing) {
  auto button = MakeButton();
  button->UpdateMouseOver(INSIDE);
  button->OnKeyEvent(PRESS, LEFT_BUTTON);
  EXPECT_FALSE(button->UpdateMouseOver(OUTSIDE));
  EXPECT_EQ(button->GetState(), UI_STATE_IDLE);
  EXPECT_FALSE(button->OnKeyEvent(RELEASE, LEFT_BUTTON));
  EXPECT_EQ(m_log.Count("Pressed"), 0);
}

TEST_F(ButtonWidgetTest, EnterActivatesOncePerPressAndRepeat) {
  auto button = MakeButton();
  button->UpdateMouseOver(INSIDE);
  EXPECT_TRUE(button->OnKeyEvent(PRESS, KEY_ENTER));
  EXPECT_TRUE(button->OnKeyEvent(REPEAT, KEY_ENTER));
  EXPECT_TRUE(button->OnKeyEvent(REPEAT, KEY_ENTER));
  EXPECT_FALSE(button->OnKeyEvent(RELEASE, KEY_ENTER));
  EXPECT_FALSE(button->OnKeyEvent(CHARACTER, KEY_ENTER));
  EXPECT_EQ(m_log.Count("Pressed"), 3);
  EXPECT_EQ(button->GetState(), UI_STATE_FOCUSED);
}

TEST_F(ButtonWidgetTest, HandlerMayDestroyTheButtonItActivated) {
  struct Closer : EventRecipient {
    std::unique_ptr<ButtonWidget>* button = nullptr;
    void OnPressed(NamedProperties&) { button->reset(); }
  } closer;
  auto button = MakeButton();
  closer.button = &button;
  RegisterEventHandler("Pressed", UlvoEventSystem::GetGlobal(), &Closer::OnPressed, &closer);
  button->UpdateMouseOver(INSIDE);
  ButtonWidget* raw = button.get();
  raw->OnKeyEvent(PRESS, LEFT_BUTTON);
  EXPECT_TRUE(raw->OnKeyEvent(RELEASE, LEFT_BUTTON));
  EXPECT_EQ(button, nullptr);
}

}  // namespace
