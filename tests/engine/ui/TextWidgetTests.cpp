#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoTimeSystem_Win32.h"
#include "engine/ui/EditLineWidget.h"
#include "engine/ui/LabelWidget.h"
#include "tests/engine/ui/UITestSupport.h"

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
  EXPECT_EQ(texts[0].color, Rgba(0, 0, 0, 63));
  EXPECT_EQ(texts[1].Box(), BOX + Vector2(5.0f, -3.0f));
  EXPECT_EQ(texts[1].color, Rgba(255, 255, 255, 127));
  for (const Call& text : texts) {
    EXPECT_EQ(text.text, "Label");
    EXPECT_EQ(text.width, 24.0f);
    EXPECT_EQ(text.horizontal, HORIZONTAL_TEXT_ALIGNMENT_RIGHT);
  }
  EXPECT_TRUE(renderer.Of(testsupport::RecordingDrawCalls::BOX).empty()) << "no background";
}

// The cursor blinks on the core's clock, which the test holds still.
TEST_F(LabelWidgetTest, EditableCursorStandsAfterTheCharactersBeforeIt) {
  PropertyAnimationSystem animations;
  UlvoCore core(std::make_unique<UlvoTimeSystem_Win32>([] { return int64_t{100}; }, 1000),
                animations);
  // Glyphs are half a size wide: "abc" at size 24 is 36 wide, centred in a
  // 200-wide box it starts at 82; the line is 24 high, centred in 40.
  Describe(label, Bag("Editable", true, "Label", std::string("abc"), "HorizontalTextAlignment",
                      HORIZONTAL_TEXT_ALIGNMENT_CENTER, "VerticalTextAlignment",
                      VERTICAL_TEXT_ALIGNMENT_CENTER, "Bounds", AABB2(0.0f, 0.0f, 200.0f, 40.0f)));
  label.Show();
  for (const auto& [cursor, x] : {std::pair(3, 120.0f), std::pair(0, 84.0f), std::pair(1, 96.0f),
                                  std::pair(99, 120.0f)}) {
    Describe(label, Bag("CursorPosition", cursor));
    const std::vector<Call> lines = Render(testsupport::RecordingDrawCalls::LINE);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].points[0], Vector2(x, 8.0f)) << cursor;
    EXPECT_EQ(lines[0].points[1], Vector2(x, 32.0f)) << cursor;
    EXPECT_EQ(lines[0].width, 2.0f);
  }
}

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
