#include <gtest/gtest.h>

#include <string>

#include "engine/ui/EditLineWidget.h"
#include "engine/ui/LabelWidget.h"
#include "tests/engine/ui/UITestSupport.h"
#include "tests/support/TestCore.h"

namespace {

using namespace ui_test;
using Call = testsupport::RecordingDrawCalls::Call;

const AABB2 BOX(10.0f, 20.0f, 210.0f, 60.0f);

class LabelWidgetTest : public WidgetTest {
 protected:
  std::vector<Call> Render(testsupport::RecordingDrawCalls::Kind kind) {
    renderer.calls.clear();
    label.Render();
    return renderer.Of(kind);
  }

  LabelWidget label{"Caption", nullptr};
};

TEST_F(LabelWidgetTest, DrawsShadowOneUnitRightAndDownBeforeTheTextBothOffsetAndFaded) {
  Describe(label, Bag("Bounds", BOX, "TextOffset", Vector2(5.0f, -3.0f), "HorizontalTextAlignment",
                      HORIZONTAL_TEXT_ALIGNMENT_RIGHT, "FontAlpha", 0.5f, "ShadowAlpha", 0.25f));
  label.Show();
  const std::vector<Call> texts = Render(testsupport::RecordingDrawCalls::TEXT);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Box(), BOX + Vector2(6.0f, -2.0f));
  EXPECT_EQ(texts[0].color.a, 63);
  EXPECT_EQ(texts[1].Box(), BOX + Vector2(5.0f, -3.0f));
  EXPECT_EQ(texts[1].color.a, 127);
  EXPECT_TRUE(renderer.Of(testsupport::RecordingDrawCalls::BOX).empty()) << "no background";
}

// The cursor blinks on the core's clock, which the test holds still.
TEST_F(LabelWidgetTest, EditableCursorStandsAfterTheCharactersBeforeIt) {
  testsupport::TestCore core;
  // Glyphs are half a size wide: "abc" at size 24 is 36 wide, centred in a
  // 200-wide box it starts at 82; the line is 24 high, centred in 40.
  Describe(label, Bag("Editable", true, "Label", std::string("abc"), "HorizontalTextAlignment",
                      HORIZONTAL_TEXT_ALIGNMENT_CENTER, "VerticalTextAlignment",
                      VERTICAL_TEXT_ALIGNMENT_CENTER, "Bounds", AABB2(0.0f, 0.0f, 200.0f, 40.0f)));
  label.Show();
  for (const auto& [cursor, x] : {std::pair(1, 96.0f), std::pair(99, 120.0f)}) {
    Describe(label, Bag("CursorPosition", cursor));
    const std::vector<Call> lines = Render(testsupport::RecordingDrawCalls::LINE);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points[0], Vector2(x, 8.0f)) << cursor;
  }
}

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
  EXPECT_EQ(cursor(), 3);
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
  EXPECT_EQ(keypresses.Count(), 14);

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
