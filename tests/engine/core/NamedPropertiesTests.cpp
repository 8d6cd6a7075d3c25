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

std::vector<std::string> NamesInOrder(const NamedProperties& bag) {
  std::vector<std::string> names;
  for (const auto& entry : bag) {
    names.push_back(entry.first.GetText());
  }
  return names;
}

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

TEST(NamedPropertiesTest, NamesIgnoreCaseAndKeepTheirFirstSpelling) {
  NamedProperties bag;
  bag.Set<float>("Value", 1.5f);
  bag.Set<float>("VALUE", 2.5f);
  float value = 0.0f;
  EXPECT_EQ(bag.Get("value", value), PROPERTY_FETCH_OK);
  EXPECT_EQ(value, 2.5f);
  EXPECT_EQ(NamesInOrder(bag), std::vector<std::string>{"Value"});
}

TEST(NamedPropertiesTest, SetOverAnotherTypeReplacesTheEntry) {
  NamedProperties bag;
  bag.Set<int>("Size", 3);
  bag.Set<double>("Size", 0.25);
  int asInt = 0;
  double asDouble = 0.0;
  EXPECT_EQ(bag.Get("Size", asInt), PROPERTY_FETCH_WRONG_TYPE);
  EXPECT_EQ(bag.Get("Size", asDouble), PROPERTY_FETCH_OK);
  EXPECT_EQ(asDouble, 0.25);
}

TEST(NamedPropertiesTest, TextAndPointersAreStoredByTheirOwnTypes) {
  NamedProperties bag;
  bag.Set("Caption", "Quit");
  const char* noText = nullptr;
  bag.Set("Empty", noText);
  Target target;
  bag.Set<Target*>("Target", &target);

  std::string caption;
  EXPECT_EQ(bag.Get("Caption", caption), PROPERTY_FETCH_OK);
  EXPECT_EQ(caption, "Quit");
  std::string empty = "unchanged";
  EXPECT_EQ(bag.Get("Empty", empty), PROPERTY_FETCH_OK);
  EXPECT_EQ(empty, "");

  Target* pointer = nullptr;
  EXPECT_EQ(bag.Get("Target", pointer), PROPERTY_FETCH_OK);
  EXPECT_EQ(pointer, &target);
  const Target* constPointer = nullptr;
  EXPECT_EQ(bag.Get("Target", constPointer), PROPERTY_FETCH_WRONG_TYPE);
}

TEST(NamedPropertiesTest, EntriesEnumerateInHashOrder) {
  NamedProperties bag;
  bag.Set<int>("a1", 1);  // hash 3056
  bag.Set<int>("b", 2);   // hash 98
  EXPECT_EQ(NamesInOrder(bag), (std::vector<std::string>{"b", "a1"}));
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

TEST(NamedPropertiesTest, AssignmentReplacesEveryEntry) {
  NamedProperties source;
  source.Set<int>("Kept", 1);
  NamedProperties target;
  target.Set<int>("Dropped", 2);
  target.Set<int>("Kept", 3);

  target = source;
  int value = 0;
  EXPECT_EQ(target.Get("Dropped", value), PROPERTY_FETCH_NOT_FOUND);
  EXPECT_EQ(target.Get("Kept", value), PROPERTY_FETCH_OK);
  EXPECT_EQ(value, 1);

  NamedProperties& alias = target;
  target = alias;
  EXPECT_EQ(target.Get("Kept", value), PROPERTY_FETCH_OK);
  EXPECT_EQ(value, 1);

  NamedProperties moved(std::move(target));
  EXPECT_EQ(moved.Get("Kept", value), PROPERTY_FETCH_OK);
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

TEST(NamedPropertiesTest, RemoveReportsWhetherTheNameWasThere) {
  NamedProperties bag;
  EXPECT_FALSE(bag.Remove("Any"));
  bag.Set<bool>("First", true);
  bag.Set<bool>("Second", false);
  EXPECT_FALSE(bag.Remove("Third"));

  bool value = false;
  EXPECT_TRUE(bag.Remove("FIRST"));
  EXPECT_EQ(bag.Get("First", value), PROPERTY_FETCH_NOT_FOUND);
  EXPECT_TRUE(bag.Remove("Second"));
  EXPECT_EQ(bag.Get("Second", value), PROPERTY_FETCH_EMPTY);
}

TEST(NamedPropertiesTest, SetFromAnotherBagCopiesOneEntry) {
  NamedProperties source;
  source.Set<int>("Width", 40);
  source.Set<int>("Height", 30);
  NamedProperties target;
  target.Set<std::string>("Width", "old");
  target.Set<int>("Depth", 9);

  EXPECT_FALSE(target.Set("Depth", source));
  int depth = 0;
  EXPECT_EQ(target.Get("Depth", depth), PROPERTY_FETCH_OK);
  EXPECT_EQ(depth, 9);

  EXPECT_TRUE(target.Set("width", source));
  source.Set<int>("Width", 41);
  int width = 0;
  EXPECT_EQ(target.Get("Width", width), PROPERTY_FETCH_OK);
  EXPECT_EQ(width, 40);
  int height = 0;
  EXPECT_EQ(target.Get("Height", height), PROPERTY_FETCH_NOT_FOUND);
}

TEST(NamedPropertiesTest, SetFromTheSameBagIsAnAssertion) {
  NamedProperties bag;
  bag.Set<int>("Width", 40);
  try {
    bag.Set("Width", bag);
    FAIL() << "copying an entry onto its own bag must fail";
  } catch (const UlvoException& failure) {
    EXPECT_EQ(failure.GetTitle(), "NamedProperties internal error");
    EXPECT_EQ(failure.GetMessage(),
              "NamedProperties::Set called trying to copy from Me to Me\n"
              "ULVO_ASSERT or ULVO_VALIDATE failed; condition \"&srcProperties != this\" was "
              "not true.");
  }
  int width = 0;
  EXPECT_EQ(bag.Get("Width", width), PROPERTY_FETCH_OK);
  EXPECT_EQ(width, 40);
}

TEST(NamedPropertiesTest, ABagStoredInsideABagNeedsItsTypeNamed) {
  NamedProperties inner;
  inner.Set<int>("Depth", 2);
  NamedProperties outer;
  outer.Set<NamedProperties>("Inner", inner);
  // Without the type the call copies the entry "Inner" out of inner, which
  // has none: outer keeps its nested bag.
  EXPECT_FALSE(outer.Set("Inner", inner));

  NamedProperties fetched;
  ASSERT_EQ(outer.Get("Inner", fetched), PROPERTY_FETCH_OK);
  int depth = 0;
  EXPECT_EQ(fetched.Get("Depth", depth), PROPERTY_FETCH_OK);
  EXPECT_EQ(depth, 2);
}

}  // namespace
