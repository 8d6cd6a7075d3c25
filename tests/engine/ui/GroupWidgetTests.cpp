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

}  // namespace
