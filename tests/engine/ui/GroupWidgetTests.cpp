#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/core/UlvoEventSystem.h"
#include "engine/ui/ButtonWidget.h"
#include "engine/ui/GroupWidget.h"
#include "engine/ui/LabelWidget.h"
#include "tests/engine/ui/RecordingWidgetRenderer.h"
#include "tests/engine/ui/WidgetTestDoubles.h"

namespace {

using namespace ui_test;

const AABB2 GROUP_BOUNDS(50.0f, 50.0f, 350.0f, 250.0f);

class GroupWidgetTest : public ::testing::Test {
 protected:
  GroupWidgetTest() {
    m_log.Listen("FirstPressed");
    m_log.Listen("SecondPressed");
    m_log.Listen("GroupPreRender");
    m_log.Listen("GroupPostRender");
  }

  std::unique_ptr<GroupWidget> MakeGroup(NamedProperties description = NamedProperties()) {
    auto group = std::make_unique<GroupWidget>("Stats", nullptr);
    description.Set("Bounds", GROUP_BOUNDS);
    description.Set("Size", GROUP_BOUNDS.CalcSize());
    Describe(*group, description);
    return group;
  }

  // A button placed by the group's layout at the offset, 100 x 30.
  ButtonWidget& AddButton(GroupWidget& group, const std::string& name, const Vector2& offset,
                          const std::string& eventName) {
    auto button = std::make_unique<ButtonWidget>(name, &group);
    NamedProperties description;
    description.Set("Offset", offset);
    description.Set("Size", Vector2(100.0f, 30.0f));
    description.Set("OnActivationEventName", eventName);
    description.Set("Label", name);
    Describe(*button, description);
    return static_cast<ButtonWidget&>(*group.AddChild(std::move(button)));
  }

  UlvoEventSystem m_events;
  EventLog m_log;
  RecordingWidgetRenderer m_renderer;
};

TEST_F(GroupWidgetTest, DefaultsMakeAnInvisibleFrame) {
  GroupWidget group("Panel", nullptr);
  EXPECT_TRUE(group.GetProperty<bool>("Transparent"));
  EXPECT_TRUE(group.GetProperty<bool>("Virtual"));
  EXPECT_EQ(group.GetProperty<int>("BorderThickness"), 2);
  LabelWidget& caption = group.GetCaption();
  EXPECT_EQ(caption.GetName(), "PanelLabel");
  EXPECT_EQ(caption.GetParent(), &group);
  EXPECT_EQ(caption.GetProperty<std::string>("Label"), "");
  EXPECT_EQ(Read<Rgba>(caption.GetStateProperties(UI_STATE_FOCUSED), "FontColor"),
            Rgba(0, 0, 0, 255));
  EXPECT_EQ(group.GetChildCount(), 0u) << "the caption is no child";
}

TEST_F(GroupWidgetTest, PlainGroupLaysOutAndDrawsItsChildrenButNothingOfItsOwn) {
  auto group = MakeGroup();
  ButtonWidget& first = AddButton(*group, "First", Vector2(10.0f, 10.0f), "FirstPressed");
  group->Show();
  m_renderer.Forget();
  group->Render();

  EXPECT_EQ(first.GetBounds(), AABB2(60.0f, 60.0f, 160.0f, 90.0f));
  ASSERT_EQ(m_renderer.boxes.size(), 1u) << "only the child's box";
  EXPECT_EQ(m_renderer.boxes[0].box, first.GetBounds());
  for (const auto& text : m_renderer.texts) {
    EXPECT_TRUE(text.text == "First" || text.text.empty()) << "the caption has no text";
  }
  EXPECT_FALSE(group->UpdateMouseOver(Vector2(300.0f, 200.0f))) << "a virtual group takes no mouse";
  EXPECT_EQ(group->GetState(), UI_STATE_IDLE);
}

TEST_F(GroupWidgetTest, VisibleGroupDrawsItsBoxBehindChildrenAndCaptionOverThem) {
  NamedProperties description;
  description.Set("Transparent", false);
  description.Set("Virtual", false);
  description.Set("BaseColor", Rgba(0, 0, 64, 200));
  description.Set("Label", std::string("Statistics"));
  auto group = MakeGroup(description);
  AddButton(*group, "First", Vector2(10.0f, 10.0f), "FirstPressed");
  group->Show();
  m_renderer.Forget();
  group->Render();

  ASSERT_EQ(m_renderer.boxes.size(), 2u);
  EXPECT_EQ(m_renderer.boxes[0].box, GROUP_BOUNDS);
  EXPECT_EQ(m_renderer.boxes[0].color, Rgba(0, 0, 64, 200));
  EXPECT_TRUE(m_renderer.boxes[0].filled);
  EXPECT_EQ(m_renderer.boxes[0].shade, 0.5f);
  ASSERT_FALSE(m_renderer.texts.empty());
  EXPECT_EQ(m_renderer.texts.back().text, "Statistics");
  EXPECT_EQ(m_renderer.texts.back().box, GROUP_BOUNDS);
  EXPECT_EQ(m_renderer.texts.back().horizontalAlignment, 0);
  EXPECT_EQ(m_renderer.texts.back().verticalAlignment, 0);
}

TEST_F(GroupWidgetTest, OpaqueButVirtualGroupDrawsNoBoxYetFiresItsRenderEvents) {
  NamedProperties description;
  description.Set("Transparent", false);
  description.Set("PreRenderEventToFire", std::string("GroupPreRender"));
  description.Set("PostRenderEventToFire", std::string("GroupPostRender"));
  auto group = MakeGroup(description);
  group->Show();
  m_renderer.Forget();
  group->Render();
  EXPECT_TRUE(m_renderer.boxes.empty());
  EXPECT_EQ(m_log.Count("GroupPreRender"), 1);
  EXPECT_EQ(m_log.Count("GroupPostRender"), 1);
}

TEST_F(GroupWidgetTest, OnlyTheChildUnderThePointerHoldsFocusAndKeys) {
  auto group = MakeGroup();
  ButtonWidget& first = AddButton(*group, "First", Vector2(10.0f, 10.0f), "FirstPressed");
  ButtonWidget& second = AddButton(*group, "Second", Vector2(10.0f, 60.0f), "SecondPressed");
  group->Show();
  group->LayoutContents();

  EXPECT_TRUE(group->UpdateMouseOver(first.GetBounds().CalcCenter()));
  EXPECT_EQ(first.GetState(), UI_STATE_FOCUSED);
  EXPECT_EQ(second.GetState(), UI_STATE_IDLE);

  EXPECT_TRUE(group->UpdateMouseOver(second.GetBounds().CalcCenter()));
  EXPECT_EQ(first.GetState(), UI_STATE_IDLE);
  EXPECT_EQ(second.GetState(), UI_STATE_FOCUSED);
  EXPECT_EQ(group->GetRolloverChild(), &second);

  EXPECT_TRUE(group->OnKeyEvent(PRESS, KEY_ENTER));
  EXPECT_EQ(m_log.Count("SecondPressed"), 1);
  EXPECT_EQ(m_log.Count("FirstPressed"), 0);

  EXPECT_FALSE(group->UpdateMouseOver(Vector2(300.0f, 220.0f)));
  EXPECT_EQ(second.GetState(), UI_STATE_IDLE);
  EXPECT_FALSE(group->OnKeyEvent(PRESS, KEY_ENTER)) << "no button is under the pointer";
}

TEST_F(GroupWidgetTest, SolidGroupTakesTheMouseAndBlackensItsCaption) {
  NamedProperties description;
  description.Set("Virtual", false);
  description.Set("Label", std::string("Panel"));
  auto group = MakeGroup(description);
  group->Show();
  EXPECT_TRUE(group->UpdateMouseOver(Vector2(300.0f, 200.0f)));
  EXPECT_EQ(group->GetState(), UI_STATE_FOCUSED);
  EXPECT_EQ(group->GetCaption().GetState(), UI_STATE_FOCUSED);
  EXPECT_EQ(group->GetCaption().GetFontColor(), Rgba(0, 0, 0, 255));
  EXPECT_FALSE(group->UpdateMouseOver(Vector2(0.0f, 0.0f)));
  EXPECT_EQ(group->GetState(), UI_STATE_IDLE);
  EXPECT_EQ(group->GetCaption().GetState(), UI_STATE_IDLE);
}

TEST_F(GroupWidgetTest, HideTakesChildrenAndCaptionAlong) {
  auto group = MakeGroup();
  ButtonWidget& first = AddButton(*group, "First", Vector2(10.0f, 10.0f), "FirstPressed");
  group->Show();
  EXPECT_EQ(first.GetState(), UI_STATE_IDLE);
  EXPECT_EQ(group->GetCaption().GetState(), UI_STATE_IDLE);

  EXPECT_TRUE(group->Hide());
  EXPECT_EQ(group->GetState(), UI_STATE_HIDDEN);
  EXPECT_EQ(first.GetState(), UI_STATE_HIDDEN);
  EXPECT_EQ(first.GetCaption().GetState(), UI_STATE_HIDDEN);
  EXPECT_EQ(group->GetCaption().GetState(), UI_STATE_HIDDEN);
}

TEST_F(GroupWidgetTest, ScaleLayoutReachesTheGroupItsChildrenAndItsCaption) {
  auto group = MakeGroup();
  ButtonWidget& button = AddButton(*group, "First", Vector2(10.0f, 10.0f), "FirstPressed");
  group->ScaleLayout(2.0f, 0.5f);
  EXPECT_EQ(group->GetProperty<Vector2>("Size"), Vector2(600.0f, 100.0f));
  EXPECT_EQ(button.GetProperty<Vector2>("Size"), Vector2(200.0f, 15.0f));
  EXPECT_EQ(button.GetProperty<Vector2>("Offset"), Vector2(20.0f, 5.0f));
  EXPECT_FLOAT_EQ(button.GetCaption().GetProperty<float>("FontHeight"), 12.0f);
  EXPECT_FLOAT_EQ(group->GetCaption().GetProperty<float>("FontHeight"), 12.0f);
}

}  // namespace
