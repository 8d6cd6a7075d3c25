#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "engine/core/AABB2.h"
#include "engine/core/IntVector2.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/PropertyKey.h"
#include "engine/core/Rgba.h"
#include "engine/core/Vector2.h"

namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

TEST(Vector2Test, ToIntVector2RoundsHalvesUpwardAndSaturatesAndDivisionByZeroGivesZero) {
  EXPECT_EQ(Vector2(3.0f, 4.0f) / 0.0f, Vector2());
  const struct {
    Vector2 value;
    float unit;
    IntVector2 expected;
  } cases[] = {
      {{2.5f, -0.5f}, 1.0f, {3, 0}},  {{25.0f, -26.0f}, 10.0f, {3, -3}},
      {{25.0f, -26.0f}, 0.0f, {0, 0}}, {{NaN, NaN}, 1.0f, {0, 0}},
      {{1e20f, -1e20f}, 1.0f, {INT32_MAX, INT32_MIN}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.value.ToIntVector2(c.unit), c.expected) << c.value.x << "," << c.value.y;
  }
}

TEST(AABB2Test, PointInsideIncludesEdgesAndCenteredBoxKeepsTheAspectRatio) {
  const AABB2 box(0.0f, 0.0f, 10.0f, 5.0f);
  EXPECT_TRUE(box.IsPointInside(Vector2(10.0f, 5.0f)));
  EXPECT_FALSE(box != AABB2(0.0f, 0.0f, 10.0f, 5.0f));
  EXPECT_TRUE(box != AABB2(0.0f, 0.0f, 10.0f, 6.0f));
  EXPECT_FALSE(box.IsPointInside(Vector2(10.01f, 2.0f)));
  const struct {
    AABB2 box;
    float ratio;
    AABB2 expected;
  } cases[] = {
      {{0, 0, 100, 100}, 2.0f, {0, 25, 100, 75}},   {{0, 0, 100, 100}, 0.5f, {25, 0, 75, 100}},
      {{0, 0, 100, 100}, -2.0f, {0, 25, 100, 75}},  {{0, 0, 100, 100}, 0.0f, {50, 0, 50, 100}},
      // A flat box never becomes a box of no area in the other direction.
      {{0, 10, 100, 10}, 2.0f, {50, 10, 50, 10}},   {{20, 0, 20, 100}, 2.0f, {20, 50, 20, 50}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.box.GetCenteredBoxWithAspectRatio(c.ratio), c.expected) << c.ratio;
  }
}

TEST(RgbaTest, SetBrightness) {
  const struct {
    Rgba start;
    int target;
    Rgba expected;
  } cases[] = {
      // Scaling when it can; blending toward white, alpha along, when that
      // falls short; a grey at either end of the range, and from black.
      {{100, 50, 20, 200}, 116, {200, 100, 40, 200}}, {{200, 100, 40, 255}, 29, {49, 24, 9, 255}},
      {{0, 0, 255, 255}, 128, {100, 100, 255, 255}},  {{0, 0, 255, 100}, 128, {100, 100, 255, 161}},
      {{10, 20, 30, 77}, 0, {0, 0, 0, 77}},           {{10, 20, 30, 77}, 400, {255, 255, 255, 77}},
      {{0, 0, 0, 50}, 90, {90, 90, 90, 50}},
  };
  for (const auto& c : cases) {
    Rgba color = c.start;
    color.SetBrightness(c.target);
    EXPECT_EQ(color, c.expected) << c.target;
  }
}

TEST(RgbaTest, OutOfRangeInputClampsToAByte) {
  EXPECT_EQ(Rgba(1.5f, -0.2f, NaN, 2.0f), Rgba(255, 0, 0, 255));
  EXPECT_EQ(Rgba(300, -5, 128, 999), Rgba(255, 0, 128, 255));
}

// Stored bags and event tables depend on these exact values. Only A..Z are
// lowered; bytes above 0x7F count as negative.
TEST(PropertyKeyTest, HashMatchesTheStoredValuesAndIgnoresAsciiCase) {
  const struct {
    const char* name;
    uint32_t hash;
  } cases[] = {
      {"Value", 111972721u}, {"value", 111972721u}, {"QuitGameEvent", 3407664249u}, {"", 0u},
      // Long enough for the top bit to be set between characters.
      {"OnStartupLoadingTaskComplete", 3732375676u}, {"\xE9", 4294967273u}, {"caf\xE9", 3045665u},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PropertyKey::ComputeHash(c.name), c.hash) << c.name;
  }
  // Names differing only in ASCII case are one key.
  const PropertyKey lower("quitgameevent");
  const PropertyKey mixed("QuitGameEvent");
  EXPECT_FALSE(lower < mixed);
  EXPECT_FALSE(mixed < lower);
}

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
