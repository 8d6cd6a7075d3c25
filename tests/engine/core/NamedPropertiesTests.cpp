#include <gtest/gtest.h>

#include <string>

#include "engine/core/NamedProperties.h"

namespace {

// Counts live copies, so that a value that is leaked, freed twice or shared
// between bags instead of cloned (copies of a bag are deep) shows up in the count.
struct Tracked {
  static int live;
  int value = 0;
  explicit Tracked(int v) : value(v) { ++live; }
  Tracked(const Tracked& other) : value(other.value) { ++live; }
  Tracked& operator=(const Tracked&) = default;
  ~Tracked() { --live; }
};
int Tracked::live = 0;

TEST(NamedPropertiesTest, GetTellsEachFailureApartAndLeavesTheDefault) {
  NamedProperties bag;
  int out = -7;
  EXPECT_EQ(bag.Get("Anything", out), PROPERTY_FETCH_EMPTY);
  bag.Set<unsigned int>("Count", 5u);
  EXPECT_EQ(bag.Get("Missing", out), PROPERTY_FETCH_NOT_FOUND);
  EXPECT_EQ(bag.Get("Count", out), PROPERTY_FETCH_WRONG_TYPE);
  EXPECT_EQ(out, -7);
  unsigned int count = 0;
  EXPECT_EQ(bag.Get("count", count), PROPERTY_FETCH_OK);
  EXPECT_EQ(count, 5u);
}

TEST(NamedPropertiesTest, EveryValueIsFreedExactlyOnce) {
  Tracked::live = 0;
  {
    NamedProperties bag;
    bag.Set("A", Tracked(1));
    bag.Set("B", Tracked(2));
    bag.Set("a", Tracked(3));  // replaces A
    EXPECT_EQ(Tracked::live, 2);
    {
      NamedProperties copy(bag);
      NamedProperties assigned;
      assigned.Set("C", Tracked(4));
      assigned = bag;
      EXPECT_EQ(Tracked::live, 6);
    }
    EXPECT_EQ(Tracked::live, 2);
    EXPECT_TRUE(bag.Remove("B"));
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
