#include <gtest/gtest.h>

#include <memory>

#include "engine/ui/ButtonWidget.h"
#include "engine/ui/GroupWidget.h"
#include "tests/engine/ui/UITestSupport.h"

namespace {

using namespace ui_test;

using GroupWidgetTest = WidgetTest;

TEST_F(GroupWidgetTest, AnOpaqueGroupDrawsItsBoxFirstUnlessItIsVirtual) {
  const AABB2 bounds(50.0f, 50.0f, 350.0f, 250.0f);
  EventRecorder preRender("GroupPreRender");
  for (const bool isVirtual : {false, true}) {
    GroupWidget group("Stats", nullptr);
    Describe(group, Bag("Bounds", bounds, "Size", bounds.CalcSize(), "Transparent", false,
                        "Virtual", isVirtual, "PreRenderEventToFire",
                        std::string("GroupPreRender")));
    auto button = std::make_unique<ButtonWidget>("First", &group);
    Describe(*button, Bag("Offset", Vector2(10.0f, 10.0f), "Size", Vector2(100.0f, 30.0f)));
    group.AddChild(std::move(button));
    group.Show();
    renderer.calls.clear();
    group.Render();

    const auto boxes = renderer.Of(testsupport::RecordingDrawCalls::BOX);
    ASSERT_EQ(boxes.size(), isVirtual ? 1u : 2u) << isVirtual;
    EXPECT_EQ(boxes[0].Box() == bounds, !isVirtual);
  }
  EXPECT_EQ(preRender.Count(), 2) << "a virtual group still fires its render events";
}

}  // namespace
