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

TEST(PropertyKeyTest, OrdersByHashBeforeText) {
  // "b" hashes to 98, "a1" to 3056: hash order, not alphabetical order.
  EXPECT_TRUE(PropertyKey("b") < PropertyKey("a1"));
  EXPECT_FALSE(PropertyKey("a1") < PropertyKey("b"));
}

TEST(PropertyKeyTest, EqualHashesFallBackToCaseInsensitiveText) {
  // Both hash to 3129.
  ASSERT_EQ(PropertyKey::ComputeHash("az"), PropertyKey::ComputeHash("b["));
  EXPECT_TRUE(PropertyKey("az") < PropertyKey("b["));
  EXPECT_TRUE(PropertyKey("AZ") < PropertyKey("b["));
  EXPECT_FALSE(PropertyKey("b[") < PropertyKey("AZ"));

  std::map<PropertyKey, int> table;
  table.emplace(PropertyKey("b["), 1);
  table.emplace(PropertyKey("az"), 2);
  table.emplace(PropertyKey("AZ"), 3);  // same entry as "az": not inserted
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table.begin()->first.GetText(), "az");
  EXPECT_EQ(table.begin()->second, 2);

  // Bytes compare as unsigned, after lowering: '[' lies between 'Z' and 'a'.
  EXPECT_GT(PropertyKey::CompareIgnoringCase("\xE9", "z"), 0);
  EXPECT_LT(PropertyKey::CompareIgnoringCase("[", "A"), 0);
  EXPECT_LT(PropertyKey::CompareIgnoringCase("ab", "ABC"), 0);
}

}  // namespace
