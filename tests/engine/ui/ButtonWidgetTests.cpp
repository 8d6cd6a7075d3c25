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

TEST_F(ButtonWidgetTest, DefaultsOfTheActivatableAndTheButton) {
  ButtonWidget button("Plain", nullptr);
  for (const char* eventName :
       {"OnActivationEventName", "OnSelectionEventName", "GrabFocusEventToFire",
        "ReleaseFocusEventToFire", "RolloverText"}) {
    EXPECT_EQ(button.GetProperty<std::string>(eventName), "") << eventName;
  }
  for (const char* sound :
       {"GrabFocusSoundHandle", "LoseFocusSoundHandle", "ActivateSoundHandle"}) {
    EXPECT_EQ(button.GetProperty<int>(sound), -1) << sound;
  }
  EXPECT_EQ(button.GetProperty<int>("BorderThickness"), 0);
  EXPECT_EQ(button.GetProperty<Rgba>("BorderColor"), Rgba(0, 0, 0, 128));
  EXPECT_EQ(button.GetProperty<Rgba>("BaseColor"), Rgba(220, 0, 0, 255));
  EXPECT_EQ(ui_test::Read<float>(button.GetStateProperties(UI_STATE_FOCUSED), "TintGradient"),
            -0.5f);
  EXPECT_EQ(button.GetState(), UI_STATE_HIDDEN);
}

TEST_F(ButtonWidgetTest, CaptionIsAWidgetOfItsOwnNamedAfterTheButton) {
  ButtonWidget button("PlayButton", nullptr);
  LabelWidget& caption = button.GetCaption();
  EXPECT_EQ(caption.GetName(), "PlayButtonLabel");
  EXPECT_EQ(caption.GetParent(), &button);
  EXPECT_EQ(caption.GetHandle(), button.GetHandle() + 1);
  EXPECT_EQ(BaseWidget::FindWidgetByHandle(caption.GetHandle()), &caption);
  EXPECT_EQ(caption.GetProperty<std::string>("Label"), "Label");

  NamedProperties description;
  description.Set("Label", std::string("Play"));
  description.Set("Bounds", BOX);
  Describe(button, description);
  EXPECT_EQ(caption.GetProperty<std::string>("Label"), "Play");
  EXPECT_EQ(caption.GetBounds(), AABB2()) << "Bounds stay with the button";
  button.LayoutContents();
  EXPECT_EQ(caption.GetBounds(), BOX);
  EXPECT_EQ(caption.GetProperty<Vector2>("Size"), button.GetProperty<Vector2>("Size"));
}

TEST_F(ButtonWidgetTest, IdleButtonTakesNeitherClickNorEnter) {
  auto button = MakeButton();
  EXPECT_EQ(button->GetState(), UI_STATE_IDLE);
  EXPECT_FALSE(button->OnKeyEvent(PRESS, LEFT_BUTTON));
  EXPECT_FALSE(button->OnKeyEvent(PRESS, KEY_ENTER));
  EXPECT_FALSE(button->OnKeyEvent(RELEASE, LEFT_BUTTON));
  EXPECT_EQ(m_log.Count("Pressed"), 0);
}

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

TEST_F(ButtonWidgetTest, ActivationCarriesTheCompanionAndTheBounds) {
  NamedProperties description;
  description.Set("OnActivationEventNameProperty", 3);
  auto button = MakeButton(description);
  button->UpdateMouseOver(INSIDE);
  Click(*button);
  ASSERT_EQ(m_log.Count("Pressed"), 1);
  const NamedProperties& args = m_log.Last("Pressed");
  EXPECT_EQ(Read<int>(args, "OnActivationEventNameProperty"), 3);
  EXPECT_EQ(Read<AABB2>(args, "Bounds"), BOX);
}

TEST_F(ButtonWidgetTest, WithoutAnEventNameActivationStillSoundsAndChangesState) {
  auto button = std::make_unique<ButtonWidget>("Mute", nullptr);
  NamedProperties description;
  description.Set("Bounds", BOX);
  description.Set("ActivateSoundHandle", 5);
  Describe(*button, description);
  button->Show();
  button->UpdateMouseOver(INSIDE);
  button->OnKeyEvent(PRESS, LEFT_BUTTON);
  EXPECT_TRUE(button->OnKeyEvent(RELEASE, LEFT_BUTTON));
  EXPECT_EQ(m_sound.plays.size(), 1u);
  EXPECT_EQ(button->GetState(), UI_STATE_FOCUSED);
  EXPECT_EQ(m_log.Count("Pressed"), 0);
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

TEST_F(ButtonWidgetTest, RolloverPublishesAndClearsTheHelpText) {
  NamedProperties description;
  description.Set("RolloverText", std::string("Starts the game"));
  description.Set("GrabFocusEventToFire", std::string("Entered"));
  description.Set("GrabFocusEventToFireProperty", std::string("node"));
  description.Set("ReleaseFocusEventToFire", std::string("Left"));
  description.Set("GrabFocusSoundHandle", 20);
  description.Set("LoseFocusSoundHandle", 22);
  auto button = MakeButton(description);

  button->UpdateMouseOver(INSIDE);
  ASSERT_EQ(m_log.Count("RolloverTextChangedEvent"), 1);
  const NamedProperties& shown = m_log.Last("RolloverTextChangedEvent");
  EXPECT_EQ(Read<std::string>(shown, "Label"), "Starts the game");
  EXPECT_EQ(Read<Rgba>(shown, "FontColor"), Rgba(255, 255, 0, 255));
  EXPECT_EQ(Read<Rgba>(shown, "BaseColor"), Rgba(0, 0, 0, 200));
  EXPECT_EQ(Read<std::string>(m_log.Last("Entered"), "GrabFocusEventToFireProperty"), "node");
  ASSERT_EQ(m_sound.plays.size(), 1u);
  EXPECT_EQ(m_sound.plays[0].id, 20);
  EXPECT_EQ(m_sound.stops, std::vector<int>{22});

  button->UpdateMouseOver(INSIDE);
  EXPECT_EQ(m_log.Count("RolloverTextChangedEvent"), 1) << "staying over it is no new roll-over";

  button->UpdateMouseOver(OUTSIDE);
  ASSERT_EQ(m_log.Count("RolloverTextChangedEvent"), 2);
  const NamedProperties& cleared = m_log.Last("RolloverTextChangedEvent");
  EXPECT_EQ(Read<std::string>(cleared, "Label"), "");
  EXPECT_EQ(Read<Rgba>(cleared, "BaseColor"), Rgba(255, 255, 255, 0));
  EXPECT_EQ(m_log.Count("Left"), 1);
  EXPECT_EQ(m_sound.plays.back().id, 22);
  EXPECT_EQ(m_sound.stops.back(), 20);
}

TEST_F(ButtonWidgetTest, EmptyRolloverTextOnlyClearsOnLeaving) {
  auto button = MakeButton();
  button->UpdateMouseOver(INSIDE);
  EXPECT_EQ(m_log.Count("RolloverTextChangedEvent"), 0);
  button->UpdateMouseOver(OUTSIDE);
  EXPECT_EQ(m_log.Count("RolloverTextChangedEvent"), 1);
}

TEST_F(ButtonWidgetTest, CaptionFollowsTheButtonsStateAndLooks) {
  auto button = MakeButton();
  LabelWidget& caption = button->GetCaption();
  EXPECT_EQ(caption.GetState(), UI_STATE_IDLE);
  button->UpdateMouseOver(INSIDE);
  EXPECT_EQ(caption.GetState(), UI_STATE_FOCUSED);
  EXPECT_EQ(caption.GetFontColor(), Rgba(255, 255, 0, 255));
  button->UpdateMouseOver(OUTSIDE);
  EXPECT_EQ(caption.GetState(), UI_STATE_IDLE);

  button->Hide();
  EXPECT_EQ(button->GetState(), UI_STATE_HIDDEN);
  EXPECT_EQ(caption.GetState(), UI_STATE_HIDDEN);
}

TEST_F(ButtonWidgetTest, DrawsARedShadedBoxThenTheCaptionOverIt) {
  NamedProperties description;
  description.Set("Label", std::string("Play"));
  auto button = MakeButton(description);
  m_renderer.Forget();
  button->Render();
  ASSERT_EQ(m_renderer.boxes.size(), 1u) << "no outline at thickness 0";
  EXPECT_EQ(m_renderer.boxes[0].box, BOX);
  EXPECT_TRUE(m_renderer.boxes[0].filled);
  EXPECT_EQ(m_renderer.boxes[0].color, Rgba(220, 0, 0, 255));
  EXPECT_EQ(m_renderer.boxes[0].shade, 0.5f);
  ASSERT_EQ(m_renderer.texts.size(), 2u);
  EXPECT_EQ(m_renderer.texts[1].text, "Play");
  EXPECT_EQ(m_renderer.texts[1].box, BOX);

  button->UpdateMouseOver(INSIDE);
  m_renderer.Forget();
  button->Render();
  ASSERT_FALSE(m_renderer.boxes.empty());
  EXPECT_EQ(m_renderer.boxes[0].shade, -0.5f) << "focused: gradient reversed";
  EXPECT_EQ(m_renderer.texts[1].color, Rgba(255, 255, 0, 255));
}

TEST_F(ButtonWidgetTest, OutlineAndTexturesFromTheDescription) {
  Texture base;
  Texture overlay;
  NamedProperties description;
  description.Set("BorderThickness", 2);
  description.Set("BorderColor", Rgba(0, 0, 0, 255));
  description.Set("BaseTexture", &base);
  description.Set("OverlayTexture", &overlay);
  description.Set("MinBaseTextureCoords", Vector2(0.0f, 0.125f));
  description.Set("MaxBaseTextureCoords", Vector2(1.0f, 0.875f));
  description.Set("Tint", Rgba(10, 20, 30, 40));
  auto button = MakeButton(description);
  m_renderer.Forget();
  button->Render();

  ASSERT_EQ(m_renderer.texturedQuads.size(), 2u);
  EXPECT_EQ(m_renderer.texturedQuads[0].texture, &base);
  EXPECT_EQ(m_renderer.texturedQuads[0].textureMins, Vector2(0.0f, 0.125f));
  EXPECT_EQ(m_renderer.texturedQuads[0].textureMaxs, Vector2(1.0f, 0.875f));
  EXPECT_EQ(m_renderer.texturedQuads[0].tint, Rgba(10, 20, 30, 40));
  EXPECT_EQ(m_renderer.texturedQuads[1].texture, &overlay);
  EXPECT_EQ(m_renderer.texturedQuads[1].textureMins, Vector2(0.0f, 0.0f));
  ASSERT_EQ(m_renderer.boxes.size(), 1u);
  EXPECT_FALSE(m_renderer.boxes[0].filled);
  EXPECT_EQ(m_renderer.boxes[0].color, Rgba(0, 0, 0, 255));
  EXPECT_EQ(m_renderer.boxes[0].thickness, 2.0f);
  EXPECT_EQ(m_renderer.boxes[0].shade, 0.0f);
}

TEST_F(ButtonWidgetTest, DisabledButtonIsGreyWithGreyCaption) {
  auto button = MakeButton();
  NamedProperties disable;
  disable.Set("Enabled", false);
  Describe(*button, disable);
  EXPECT_EQ(button->GetState(), UI_STATE_DISABLED);
  m_renderer.Forget();
  button->Render();
  ASSERT_FALSE(m_renderer.boxes.empty());
  EXPECT_EQ(m_renderer.boxes[0].color, Rgba(128, 128, 128, 255));
  EXPECT_EQ(m_renderer.boxes[0].shade, -0.5f);
  ASSERT_EQ(m_renderer.texts.size(), 2u);
  EXPECT_EQ(m_renderer.texts[1].color, Rgba(40, 40, 40, 255));
  EXPECT_TRUE(button->UpdateMouseOver(INSIDE));
  EXPECT_EQ(button->GetState(), UI_STATE_DISABLED) << "no roll-over while disabled";
}

TEST_F(ButtonWidgetTest, TrackedButtonLogsItsStateBeforeActivation) {
  testsupport::RecordingConsole console;
  NamedProperties description;
  description.Set("Tracked", true);
  auto button = MakeButton(description);
  button->UpdateMouseOver(INSIDE);
  button->OnKeyEvent(PRESS, LEFT_BUTTON);
  console.lines.clear();
  button->OnKeyEvent(RELEASE, LEFT_BUTTON);
  ASSERT_FALSE(console.lines.empty());
  EXPECT_EQ(
      console.lines[0],
      "TRACKED WIDGET: UI Widget \"PlayButton\" was Activated! (state was UI_STATE_SELECTED)\n");
}

}  // namespace
