#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoException.h"

namespace {

// Counts live copies, so that a value that is leaked, freed twice or shared
// between bags instead of cloned shows up in the count.
struct Tracked {
  static int live;
  int value = 0;
  explicit Tracked(int v) : value(v) { ++live; }
  Tracked(const Tracked& other) : value(other.value) { ++live; }
  Tracked& operator=(const Tracked&) = default;
  ~Tracked() { --live; }
};
int Tracked::live = 0;

struct Target {
  int hits = 0;
};

TEST(NamedPropertiesTest, GetReportsEachResultCodeAndLeavesDefaultsOnFailure) {
  NamedProperties bag;
  int out = -7;
  EXPECT_EQ(bag.Get("Anything", out), PROPERTY_FETCH_EMPTY);
  EXPECT_EQ(PROPERTY_FETCH_EMPTY, 2);
  EXPECT_EQ(out, -7);

  bag.Set<unsigned int>("Count", 5u);
  EXPECT_EQ(bag.Get("Missing", out), PROPERTY_FETCH_NOT_FOUND);
  EXPECT_EQ(PROPERTY_FETCH_NOT_FOUND, 1);
  EXPECT_EQ(out, -7);

  EXPECT_EQ(bag.Get("Count", out), PROPERTY_FETCH_WRONG_TYPE);
  EXPECT_EQ(PROPERTY_FETCH_WRONG_TYPE, 3);
  EXPECT_EQ(out, -7);

  unsigned int count = 0;
  EXPECT_EQ(bag.Get("count", count), PROPERTY_FETCH_OK);
  EXPECT_EQ(PROPERTY_FETCH_OK, 0);
  EXPECT_EQ(count, 5u);
}

TEST(NamedPropertiesTest, CopiesAreDeepAndIndependent) {
  Target target;
  NamedProperties inner;
  inner.Set<std::string>("Label", "inner");
  NamedProperties source;
  source.Set<std::vector<std::string>>("Lines", {"one", "two"});
  source.Set<Target*>("Target", &target);
  source.Set<NamedProperties>("Inner", inner);

  NamedProperties copy(source);
  copy.Set<std::vector<std::string>>("Lines", {"changed"});
  NamedProperties copiedInner;
  ASSERT_EQ(copy.Get("Inner", copiedInner), PROPERTY_FETCH_OK);
  copiedInner.Set<std::string>("Label", "changed");
  copy.Set<NamedProperties>("Inner", copiedInner);

  std::vector<std::string> lines;
  ASSERT_EQ(source.Get("Lines", lines), PROPERTY_FETCH_OK);
  EXPECT_EQ(lines, (std::vector<std::string>{"one", "two"}));
  NamedProperties sourceInner;
  ASSERT_EQ(source.Get("Inner", sourceInner), PROPERTY_FETCH_OK);
  std::string label;
  ASSERT_EQ(sourceInner.Get("Label", label), PROPERTY_FETCH_OK);
  EXPECT_EQ(label, "inner");

  // Pointers are copied, not what they point to.
  Target* fromSource = nullptr;
  Target* fromCopy = nullptr;
  source.Get("Target", fromSource);
  copy.Get("Target", fromCopy);
  EXPECT_EQ(fromSource, &target);
  EXPECT_EQ(fromCopy, &target);
}

TEST(NamedPropertiesTest, EveryValueIsFreedExactlyOnce) {
  Tracked::live = 0;
  {
    NamedProperties bag;
    bag.Set("A", Tracked(1));
    bag.Set("B", Tracked(2));
    EXPECT_EQ(Tracked::live, 2);
    bag.Set("a", Tracked(3));  // replaces A
    EXPECT_EQ(Tracked::live, 2);
    {
      NamedProperties copy(bag);
      EXPECT_EQ(Tracked::live, 4);
      NamedProperties assigned;
      assigned.Set("C", Tracked(4));
      assigned = bag;
      EXPECT_EQ(Tracked::live, 6);
    }
    EXPECT_EQ(Tracked::live, 2);
    EXPECT_TRUE(bag.Remove("B"));
    EXPECT_EQ(Tracked::live, 1);
    bag.Set<int>("A", 0);  // another type over A
    EXPECT_EQ(Tracked::live, 0);
    bag.Set("D", Tracked(5));
    bag.Clear();
    EXPECT_TRUE(bag.IsEmpty());
    EXPECT_EQ(Tracked::live, 0);
    bag.Set("E", Tracked(6));
  }
  EXPECT_EQ(Tracked::live, 0);
}

}  // namespace
