#include <gtest/gtest.h>

#include <map>
#include <string>

#include "engine/core/PropertyKey.h"

namespace {

// Stored bags and event tables depend on these exact values.
TEST(PropertyKeyTest, HashMatchesTheStoredValues) {
  EXPECT_EQ(PropertyKey::ComputeHash("Value"), 111972721u);
  EXPECT_EQ(PropertyKey::ComputeHash("value"), 111972721u);
  EXPECT_EQ(PropertyKey::ComputeHash("QuitGameEvent"), 3407664249u);
  EXPECT_EQ(PropertyKey::ComputeHash(""), 0u);
  // Long enough for the top bit to be set between characters, where the
  // mask before the multiplication changes the result.
  EXPECT_EQ(PropertyKey::ComputeHash("OnStartupLoadingTaskComplete"), 3732375676u);
  EXPECT_EQ(PropertyKey("SaveGameEvent").GetHash(), 3448858891u);
}

TEST(PropertyKeyTest, HighBytesCountAsNegativeAndAreNotLowered) {
  EXPECT_EQ(PropertyKey::ComputeHash("\xE9"), 4294967273u);  // -23
  EXPECT_EQ(PropertyKey::ComputeHash("a\xE9"), 97u * 31u - 23u);
  EXPECT_EQ(PropertyKey::ComputeHash("caf\xE9"), 3045665u);
  // Only A..Z are lowered: an upper-case accented letter is another name.
  EXPECT_EQ(PropertyKey::ComputeHash("\xC9"), 4294967241u);
  EXPECT_TRUE(PropertyKey("\xC9") < PropertyKey("\xE9"));
}

TEST(PropertyKeyTest, NamesDifferingOnlyInAsciiCaseAreOneKey) {
  const PropertyKey lower("quitgameevent");
  const PropertyKey mixed("QuitGameEvent");
  EXPECT_FALSE(lower < mixed);
  EXPECT_FALSE(mixed < lower);
  EXPECT_EQ(mixed.GetText(), "QuitGameEvent");
}

}  // namespace
