#include <gtest/gtest.h>

#include <string>

#include "engine/ui/EditLineWidget.h"
#include "tests/engine/ui/UITestSupport.h"

namespace {

using namespace ui_test;

constexpr int KEY_BACKSPACE = 8;
constexpr int KEY_END = 35;
constexpr int KEY_HOME = 36;
constexpr int KEY_LEFT = 37;
constexpr int KEY_DELETE = 46;

class EditLineWidgetTest : public WidgetTest {
 protected:
  EditLineWidgetTest() {
    Describe(editLine, Bag("Bounds", AABB2(10.0f, 10.0f, 310.0f, 45.0f), "OnActivationEventName",
                           std::string("CreateProfileEvent"), "Label", std::string(),
                           "MaxLineLength", 8));
    editLine.Show();
  }
  void Type(const std::string& text) {
    for (const char character : text) {
      EXPECT_TRUE(editLine.OnKeyEvent(KEY_ACTION_CHARACTER, static_cast<unsigned char>(character)));
    }
  }
  bool Press(int key) { return editLine.OnKeyEvent(KEY_ACTION_DOWN, key); }
  int Cursor() { return editLine.GetTextLabel().GetProperty<int>("CursorPosition"); }

  EventRecorder keypresses{"EditBoxKeypressEvent"};
  EventRecorder created{"CreateProfileEvent"};
  EditLineWidget editLine{"NameBox", nullptr};
};

TEST_F(EditLineWidgetTest, PrintableCharactersInsertAtTheCursorAndEachFiresAKeypress) {
  Type("Ada");
  EXPECT_EQ(Cursor(), 3);
  EXPECT_TRUE(Press(KEY_LEFT));
  EXPECT_TRUE(Press(KEY_LEFT));
  Type("l ");
  EXPECT_EQ(editLine.GetText(), "Al da");
  EXPECT_EQ(editLine.GetCursor(), 3);
  EXPECT_EQ(Cursor(), 3);
  EXPECT_EQ(keypresses.Count(), 7);

  // Only the characters 32 to 126 are typed.
  for (const int refused : {31, 127, 255}) EXPECT_FALSE(editLine.OnKeyEvent(KEY_ACTION_CHARACTER, refused));
  Type(" ~");
  EXPECT_EQ(editLine.GetText(), "Al  ~da");
  EXPECT_EQ(keypresses.Count(), 9);
}

TEST_F(EditLineWidgetTest, BackspaceAndDeleteRemoveAroundTheCursorAndTheLengthIsCapped) {
  Type("abcd");
  EXPECT_TRUE(Press(KEY_BACKSPACE));
  EXPECT_EQ(editLine.GetText(), "abc");
  Press(KEY_HOME);
  EXPECT_EQ(Cursor(), 0);
  EXPECT_TRUE(Press(KEY_DELETE));
  EXPECT_EQ(editLine.GetText(), "bc");
  EXPECT_EQ(editLine.GetCursor(), 0);
  EXPECT_TRUE(Press(KEY_BACKSPACE)) << "at the start: nothing to remove";
  Press(KEY_END);
  EXPECT_EQ(editLine.GetCursor(), 2);
  EXPECT_TRUE(Press(KEY_DELETE)) << "at the end: nothing to remove";
  EXPECT_EQ(editLine.GetText(), "bc");

  Type("defghi");
  keypresses.firings.clear();
  EXPECT_TRUE(editLine.OnKeyEvent(KEY_ACTION_CHARACTER, 'j')) << "refused but answered";
  EXPECT_EQ(editLine.GetText(), "bcdefghi");
  EXPECT_EQ(keypresses.Count(), 1);
}

TEST_F(EditLineWidgetTest, EnterFiresTheTextAsIsButNeverABlankOneAndAHiddenLineTakesNoKeys) {
  EXPECT_TRUE(Press(KEY_ENTER));
  Type("   ");
  EXPECT_TRUE(Press(KEY_ENTER));
  EXPECT_EQ(created.Count(), 0);
  EXPECT_EQ(keypresses.Count(), 5);

  Press(KEY_HOME);
  Type(" Mo");
  EXPECT_TRUE(Press(KEY_ENTER));
  EXPECT_EQ(created.Count(), 1);
  EXPECT_EQ(created.Get<std::string>("OnActivationEventNameProperty"), " Mo   ");
  EXPECT_EQ(editLine.GetText(), " Mo   ") << "the text stays";

  editLine.Hide();
  EXPECT_FALSE(editLine.OnKeyEvent(KEY_ACTION_CHARACTER, 'a'));
  EXPECT_FALSE(Press(KEY_ENTER));
  EXPECT_EQ(editLine.GetText(), " Mo   ");
}

}  // namespace
