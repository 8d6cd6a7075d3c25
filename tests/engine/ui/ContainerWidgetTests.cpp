#include <gtest/gtest.h>

#include <memory>

#include "tests/engine/ui/UITestSupport.h"

namespace {

using namespace ui_test;

class ContainerWidgetTest : public WidgetTest {
 protected:
  template <typename W = TestWidget>
  W* Add(TestContainer& to, const std::string& name, NamedProperties description = Bag()) {
    auto child = std::make_unique<W>(name, &to, &journal);
    child->SetProperties(description);
    return static_cast<W*>(to.AddChild(std::move(child)));
  }

  Journal journal;
  TestContainer container{"Container", nullptr, &journal};
};

TEST_F(ContainerWidgetTest, LayoutPlacesChildrenAndCutsThemAtTheMaximumCorner) {
  Describe(container, Bag("Bounds", AABB2(0.0f, 0.0f, 300.0f, 300.0f)));
  const NamedProperties placed = Bag("Offset", Vector2(10.0f, 10.0f), "Padding",
                                     Vector2(5.0f, 5.0f), "Size", Vector2(100.0f, 50.0f));
  TestWidget* fits = Add(container, "Fits", placed);
  TestContainer* nested = Add<TestContainer>(container, "Nested", placed);
  TestWidget* grandchild = Add(*nested, "Grandchild", Bag("Size", Vector2(500.0f, 10.0f)));
  TestWidget* fixed = Add(container, "Fixed", Bag("LayoutMode", UI_LAYOUT_MODE_ABSOLUTE,
                                                  "Bounds", AABB2(1.0f, 2.0f, 3.0f, 4.0f)));
  TestContainer* fixedNest = Add<TestContainer>(container, "FixedNest",
                                                Bag("LayoutMode", UI_LAYOUT_MODE_ABSOLUTE));
  TestWidget* untouched = Add(*fixedNest, "Untouched");

  container.LayoutContents();
  EXPECT_EQ(fits->GetBounds(), AABB2(15.0f, 15.0f, 115.0f, 65.0f));
  EXPECT_EQ(grandchild->GetBounds(), AABB2(15.0f, 15.0f, 115.0f, 25.0f)) << "nested layout ran";
  EXPECT_EQ(fixed->GetBounds(), AABB2(1.0f, 2.0f, 3.0f, 4.0f));
  EXPECT_EQ(untouched->GetBounds(), AABB2());

  Describe(container, Bag("Bounds", AABB2(0.0f, 0.0f, 100.0f, 100.0f)));
  container.LayoutContents();
  EXPECT_EQ(fits->GetProperty<Vector2>("Size"), Vector2(80.0f, 50.0f));
  EXPECT_EQ(fits->GetBounds(), AABB2(15.0f, 15.0f, 95.0f, 65.0f));
}

TEST_F(ContainerWidgetTest, RemoveChildHandsOverOwnershipAndForgetsTheRollover) {
  container.Show();
  TestWidget* child = Add(container, "Child", Bag("Bounds", AABB2(0.0f, 0.0f, 10.0f, 10.0f)));
  container.ShowAll();
  container.UpdateMouseOver(Vector2(5.0f, 5.0f));
  ASSERT_EQ(container.GetRolloverChild(), child);

  const int handle = child->GetHandle();
  std::unique_ptr<BaseWidget> removed = container.RemoveChild(child);
  EXPECT_EQ(removed.get(), child);
  EXPECT_EQ(container.GetRolloverChild(), nullptr);
  EXPECT_EQ(container.FindChildById(handle), nullptr);
  EXPECT_EQ(BaseWidget::FindWidgetByHandle(handle), child) << "not destroyed";
}

TEST_F(ContainerWidgetTest, DestroyingTheContainerDestroysEveryChildOnce) {
  EventRecorder gone("Gone");
  auto owner = std::make_unique<TestContainer>("Owner", nullptr);
  auto* nested = Add<TestContainer>(*owner, "Nested");
  TestWidget* leaf = Add(*nested, "Leaf", Bag("HideEventToFire", std::string("Gone")));
  owner->Show();
  const int leafHandle = leaf->GetHandle();
  owner.reset();
  EXPECT_EQ(BaseWidget::FindWidgetByHandle(leafHandle), nullptr);
  EXPECT_EQ(gone.Count(), 1);
}

}  // namespace
