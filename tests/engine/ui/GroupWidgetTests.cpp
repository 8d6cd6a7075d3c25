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

TEST_F(GroupWidgetTest, AnOpaqueGroupDrawsItsBoxFirstUnlessItIsVirtual) {
  for (const bool isVirtual : {false, true}) {
    NamedProperties description;
    description.Set("Transparent", false);
    description.Set("Virtual", isVirtual);
    description.Set("PreRenderEventToFire", std::string("GroupPreRender"));
    auto group = MakeGroup(description);
    AddButton(*group, "First", Vector2(10.0f, 10.0f), "FirstPressed");
    group->Show();
    m_renderer.Forget();
    group->Render();

    ASSERT_EQ(m_renderer.boxes.size(), isVirtual ? 1u : 2u) << isVirtual;
    EXPECT_EQ(m_renderer.boxes[0].box == GROUP_BOUNDS, !isVirtual);
  }
  EXPECT_EQ(m_log.Count("GroupPreRender"), 2) << "a virtual group still fires its render events";
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

}  // namespace
