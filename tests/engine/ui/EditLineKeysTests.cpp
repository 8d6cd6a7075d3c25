// The editing keys of an edit line at the edges of its text.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "engine/ui/EditLineWidget.h"
#include "tests/engine/ui/UITestSupport.h"

namespace {

using namespace ui_test;

constexpr int BACKSPACE = 8;
constexpr int HOME = 36;
constexpr int LEFT = 37;
constexpr int RIGHT = 39;
constexpr int DEL = 46;

// Each case types "abc", then presses the keys; the text and the cursor
// after them.
TEST_F(WidgetTest, EditingKeysWorkRightUpToEachEndOfTheText) {
  const std::tuple<std::vector<int>, std::string, int> cases[] = {
      {{HOME, RIGHT, BACKSPACE}, "bc", 0},
      {{HOME, BACKSPACE}, "abc", 0},
      {{LEFT, DEL}, "ab", 2},
      {{DEL}, "abc", 3},
      {{RIGHT, RIGHT, BACKSPACE}, "ab", 2},
      {{HOME, LEFT, DEL}, "bc", 0},
  };
  for (const auto& [keys, text, cursor] : cases) {
    EditLineWidget editLine("Name", nullptr);
    Describe(editLine, Bag("Bounds", AABB2(0.0f, 0.0f, 300.0f, 30.0f), "Label", std::string()));
    editLine.Show();
    for (const char c : std::string("abc")) editLine.OnKeyEvent(KEY_ACTION_CHARACTER, c);
    for (const int key : keys) EXPECT_TRUE(editLine.OnKeyEvent(KEY_ACTION_DOWN, key));
    EXPECT_EQ(editLine.GetText(), text) << keys.size();
    EXPECT_EQ(editLine.GetTextLabel().GetProperty<int>("CursorPosition"), cursor) << text;
  }
}

}  // namespace
