#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/core/UlvoEventSystem.h"
#include "engine/ui/EditLineWidget.h"
#include "tests/engine/ui/RecordingWidgetRenderer.h"
#include "tests/engine/ui/WidgetTestDoubles.h"

namespace {

using namespace ui_test;

constexpr int KEY_BACKSPACE = 8;
constexpr int KEY_ESCAPE = 27;
constexpr int KEY_END = 35;
constexpr int KEY_HOME = 36;
constexpr int KEY_LEFT = 37;
constexpr int KEY_RIGHT = 39;
constexpr int KEY_DELETE = 46;

const AABB2 BOX(10.0f, 10.0f, 310.0f, 45.0f);

class EditLineWidgetTest : public ::testing::Test {
 protected:
  EditLineWidgetTest() {
    m_log.Listen("EditBoxKeypressEvent");
    m_log.Listen("CreateProfileEvent");
  }

  std::unique_ptr<EditLineWidget> MakeEditLine(NamedProperties description = NamedProperties()) {
    auto editLine = std::make_unique<EditLineWidget>("NameBox", nullptr);
    description.Set("Bounds", BOX);
    description.Set("OnActivationEventName", std::string("CreateProfileEvent"));
    if (description.Get("Label", m_unused) != PROPERTY_FETCH_OK) {
      description.Set("Label", std::string());
    }
    Describe(*editLine, description);
    editLine->Show();
    return editLine;
  }

  static void Type(EditLineWidget& editLine, const std::string& text) {
    for (const char character : text) {
      EXPECT_TRUE(editLine.OnKeyEvent(CHARACTER, character)) << character;
    }
  }

  static bool Press(EditLineWidget& editLine, int key) { return editLine.OnKeyEvent(PRESS, key); }

  int Keypresses() const { return m_log.Count("EditBoxKeypressEvent"); }

  std::string m_unused;
  UlvoEventSystem m_events;
  EventLog m_log;
  RecordingWidgetRenderer m_renderer;
};

TEST_F(EditLineWidgetTest, CharactersInsertAtTheCursorAndEachFiresAKeypress) {
  auto editLine = MakeEditLine();
  Type(*editLine, "Ada");
  EXPECT_EQ(editLine->GetText(), "Ada");
  EXPECT_EQ(editLine->GetCursor(), 3);
  EXPECT_EQ(editLine->GetTextLabel().GetProperty<int>("CursorPosition"), 3);
  EXPECT_EQ(Keypresses(), 3);

  EXPECT_TRUE(Press(*editLine, KEY_LEFT));
  EXPECT_TRUE(Press(*editLine, KEY_LEFT));
  Type(*editLine, "l ");
  EXPECT_EQ(editLine->GetText(), "Al da");
  EXPECT_EQ(editLine->GetCursor(), 3);
  EXPECT_EQ(editLine->GetTextLabel().GetProperty<int>("CursorPosition"), 3);
  EXPECT_EQ(Keypresses(), 7);

  // Only the printable characters 32 to 126 are typed.
  editLine->OnKeyEvent(CHARACTER, 31);
  editLine->OnKeyEvent(CHARACTER, 127);
  Type(*editLine, "~");
  EXPECT_EQ(editLine->GetText(), "Al ~da");
  EXPECT_EQ(Keypresses(), 8);
}

TEST_F(EditLineWidgetTest, BackspaceAndDeleteRemoveAroundTheCursor) {
  auto editLine = MakeEditLine();
  Type(*editLine, "abcd");
  EXPECT_TRUE(Press(*editLine, KEY_BACKSPACE));
  EXPECT_EQ(editLine->GetText(), "abc");
  EXPECT_EQ(editLine->GetCursor(), 3);

  Press(*editLine, KEY_HOME);
  EXPECT_EQ(editLine->GetCursor(), 0);
  EXPECT_EQ(editLine->GetTextLabel().GetProperty<int>("CursorPosition"), 0);
  EXPECT_TRUE(Press(*editLine, KEY_DELETE));
  EXPECT_EQ(editLine->GetText(), "bc");
  EXPECT_EQ(editLine->GetCursor(), 0);

  m_log.Forget();
  EXPECT_TRUE(Press(*editLine, KEY_BACKSPACE)) << "at the start: nothing to remove";
  EXPECT_EQ(editLine->GetText(), "bc");
  Press(*editLine, KEY_END);
  EXPECT_EQ(editLine->GetCursor(), 2);
  EXPECT_TRUE(Press(*editLine, KEY_DELETE)) << "at the end: nothing to remove";
  EXPECT_EQ(editLine->GetText(), "bc");
  EXPECT_EQ(Keypresses(), 3) << "unchanged text still answers every key";
}

TEST_F(EditLineWidgetTest, MaxLineLengthRefusesFurtherCharactersButAnswersThem) {
  NamedProperties description;
  description.Set("MaxLineLength", 8);
  auto editLine = MakeEditLine(description);
  Type(*editLine, "abcdefgh");
  m_log.Forget();
  EXPECT_TRUE(editLine->OnKeyEvent(CHARACTER, 'i'));
  EXPECT_EQ(editLine->GetText(), "abcdefgh");
  EXPECT_EQ(editLine->GetCursor(), 8);
  EXPECT_EQ(Keypresses(), 1);

  Press(*editLine, KEY_BACKSPACE);
  Type(*editLine, "z");
  EXPECT_EQ(editLine->GetText(), "abcdefgz");
}

TEST_F(EditLineWidgetTest, HiddenEditLineTakesNoKeys) {
  auto editLine = MakeEditLine();
  editLine->Hide();
  EXPECT_FALSE(editLine->OnKeyEvent(CHARACTER, 'a'));
  EXPECT_FALSE(Press(*editLine, KEY_ENTER));
  EXPECT_EQ(editLine->GetText(), "");
}

TEST_F(EditLineWidgetTest, EnterFiresTheTextAsIsButNeverABlankOne) {
  auto editLine = MakeEditLine();
  EXPECT_TRUE(Press(*editLine, KEY_ENTER));
  Type(*editLine, "   ");
  EXPECT_TRUE(Press(*editLine, KEY_ENTER));
  EXPECT_EQ(m_log.Count("CreateProfileEvent"), 0);
  EXPECT_EQ(Keypresses(), 5);

  Press(*editLine, KEY_HOME);
  Type(*editLine, " Mo");
  EXPECT_TRUE(Press(*editLine, KEY_ENTER));
  ASSERT_EQ(m_log.Count("CreateProfileEvent"), 1);
  EXPECT_EQ(Read<std::string>(m_log.Last("CreateProfileEvent"), "OnActivationEventNameProperty"),
            " Mo   ");
  EXPECT_EQ(editLine->GetText(), " Mo   ") << "the text stays";
}

TEST_F(EditLineWidgetTest, HandlerMayDestroyTheEditLineOnEnter) {
  struct Closer : EventRecipient {
    std::unique_ptr<EditLineWidget>* editLine = nullptr;
    void OnCreate(NamedProperties&) { editLine->reset(); }
  } closer;
  auto editLine = MakeEditLine();
  closer.editLine = &editLine;
  RegisterEventHandler("CreateProfileEvent", UlvoEventSystem::GetGlobal(), &Closer::OnCreate,
                       &closer);
  Type(*editLine, "Lee");
  EditLineWidget* raw = editLine.get();
  EXPECT_TRUE(raw->OnKeyEvent(PRESS, KEY_ENTER));
  EXPECT_EQ(editLine, nullptr);
  EXPECT_EQ(Keypresses(), 4);
}

}  // namespace
