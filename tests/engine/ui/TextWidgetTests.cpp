#include <gtest/gtest.h>

#include <string>

#include "engine/ui/EditLineWidget.h"
#include "tests/engine/ui/UITestSupport.h"

namespace {

using namespace ui_test;

// Typing, moving and removing around the cursor: every key answered fires a
// keypress; Enter fires the text as is, but never a blank one.
TEST_F(WidgetTest, EditLineEditsAroundTheCursorAndEnterFiresTheText) {
  constexpr int KEY_BACKSPACE = 8;
  constexpr int KEY_END = 35;
  constexpr int KEY_HOME = 36;
  constexpr int KEY_LEFT = 37;
  constexpr int KEY_DELETE = 46;
  EventRecorder keypresses("EditBoxKeypressEvent");
  EventRecorder created("CreateProfileEvent");
  EditLineWidget editLine("NameBox", nullptr);
  Describe(editLine, Bag("Bounds", AABB2(10.0f, 10.0f, 310.0f, 45.0f), "OnActivationEventName",
                         std::string("CreateProfileEvent"), "Label", std::string(),
                         "MaxLineLength", 8));
  editLine.Show();
  const auto type = [&editLine](const std::string& text) {
    for (const char character : text) {
      EXPECT_TRUE(editLine.OnKeyEvent(KEY_ACTION_CHARACTER, static_cast<unsigned char>(character)));
    }
  };
  const auto press = [&editLine](int key) { return editLine.OnKeyEvent(KEY_ACTION_DOWN, key); };
  const auto cursor = [&editLine] {
    return editLine.GetTextLabel().GetProperty<int>("CursorPosition");
  };

  EXPECT_TRUE(press(KEY_ENTER));
  type("   ");
  EXPECT_TRUE(press(KEY_ENTER));
  EXPECT_EQ(created.Count(), 0);
  EXPECT_TRUE(press(KEY_HOME));
  type("Ada");
  EXPECT_TRUE(press(KEY_LEFT));
  EXPECT_TRUE(press(KEY_LEFT));
  type("l");
  EXPECT_EQ(editLine.GetText(), "Alda   ");
  EXPECT_EQ(cursor(), 2);
  EXPECT_EQ(keypresses.Count(), 12);
  EXPECT_FALSE(editLine.OnKeyEvent(KEY_ACTION_CHARACTER, 127)) << "only 32 to 126 are typed";
  type("~");
  EXPECT_EQ(editLine.GetText(), "Al~da   ");
  EXPECT_TRUE(editLine.OnKeyEvent(KEY_ACTION_CHARACTER, 'j')) << "refused at the cap, answered";
  EXPECT_EQ(editLine.GetText(), "Al~da   ");

  EXPECT_TRUE(press(KEY_BACKSPACE));
  EXPECT_EQ(editLine.GetText(), "Alda   ");
  EXPECT_TRUE(press(KEY_HOME));
  EXPECT_TRUE(press(KEY_DELETE));
  EXPECT_EQ(editLine.GetText(), "lda   ");
  EXPECT_TRUE(press(KEY_BACKSPACE)) << "at the start: nothing to remove";
  EXPECT_TRUE(press(KEY_END));
  EXPECT_TRUE(press(KEY_DELETE)) << "at the end: nothing to remove";
  EXPECT_TRUE(press(KEY_ENTER));
  EXPECT_EQ(created.Count(), 1);
  EXPECT_EQ(created.Get<std::string>("OnActivationEventNameProperty"), "lda   ");

  editLine.Hide();
  EXPECT_FALSE(editLine.OnKeyEvent(KEY_ACTION_CHARACTER, 'a'));
  EXPECT_FALSE(press(KEY_ENTER));
  EXPECT_EQ(editLine.GetText(), "lda   ");
}

}  // namespace
