#include "engine/ui/EditLineWidget.h"

#include <algorithm>

#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/input/UlvoInputInterface.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"

namespace {

constexpr int KEY_CODE_BACKSPACE = 8;
constexpr int KEY_CODE_ENTER = 13;
constexpr int KEY_CODE_END = 35;
constexpr int KEY_CODE_HOME = 36;
constexpr int KEY_CODE_LEFT = 37;
constexpr int KEY_CODE_RIGHT = 39;
constexpr int KEY_CODE_DELETE = 46;

constexpr int FIRST_PRINTABLE_CHARACTER = 32;
constexpr int LAST_PRINTABLE_CHARACTER = 126;

const char* const KEYPRESS_EVENT = "EditBoxKeypressEvent";

}  // namespace

EditLineWidget::EditLineWidget(const std::string& name, BaseWidget* parent)
    : LabelledActivatableWidget(name, parent) {
  GetProperties().Set("MaxLineLength", 0);
  GetProperties().Set("Numeric", false);
  GetProperties().Set("BorderThickness", 2);
  GetStateProperties(UI_STATE_FOCUSED).Set("BaseColor", Rgba(255, 255, 0, 255));
  GetInnerLabel().GetStateProperties(UI_STATE_FOCUSED).Set("FontColor", Rgba(0, 0, 0, 255));
  GetInnerLabel().GetProperties().Set("Editable", true);
}

EditLineWidget::~EditLineWidget() = default;

std::string EditLineWidget::GetText() const {
  return GetInnerLabel().GetProperty<std::string>("Label");
}

void EditLineWidget::SetText(const std::string& text) {
  GetInnerLabel().GetProperties().Set("Label", text);
  GetInnerLabel().GetProperties().Set("CursorPosition", m_cursor);
  SetLayoutDirty();
}

void EditLineWidget::ClampCursor() {
  const std::string text = GetText();
  m_cursor = std::max(std::min(m_cursor, static_cast<int>(text.size())), 0);
  SetText(text);
}

void EditLineWidget::ApplyProperties(NamedProperties& source, NamedProperties& destination) {
  ReadProperty<int>("MaxLineLength", source, destination, PROPERTY_READ_REMOVE_FROM_SOURCE);
  ReadProperty<bool>("Numeric", source, destination, PROPERTY_READ_REMOVE_FROM_SOURCE);
  LabelledActivatableWidget::ApplyProperties(source, destination);
}

void EditLineWidget::Draw() {
  LayOutParentIfDirty();
  UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance();
  if (renderer == nullptr) {
    return;
  }
  const AABB2 box = GetAnimatedBounds();
  DrawBaseBox(*renderer, box);
  DrawOutline(*renderer, box);
}

bool EditLineWidget::OnKeyEvent(int action, int key) {
  if (!IsActive() || action == 0) {
    return false;
  }
  if (action == KEY_ACTION_DOWN || action == KEY_ACTION_REPEAT) {
    if (key == KEY_CODE_ENTER) {
      // The activation may destroy this widget: nothing of it is used after.
      Activate();
      FireGlobalEvent(KEYPRESS_EVENT);
      return true;
    }
    if (EditForKey(key)) {
      FireGlobalEvent(KEYPRESS_EVENT);
      return true;
    }
  } else if (action == KEY_ACTION_CHARACTER && AcceptsCharacter(key)) {
    InsertCharacter(static_cast<char>(key));
    FireGlobalEvent(KEYPRESS_EVENT);
    return true;
  }
  return LabelledActivatableWidget::OnKeyEvent(action, key);
}

bool EditLineWidget::EditForKey(int key) {
  switch (key) {
    case KEY_CODE_BACKSPACE: {
      ClampCursor();
      if (m_cursor >= 1) {
        std::string text = GetText();
        text.erase(static_cast<size_t>(m_cursor - 1), 1);
        --m_cursor;
        SetText(text);
      }
      return true;
    }
    case KEY_CODE_END:
      m_cursor = 99999;
      ClampCursor();
      return true;
    case KEY_CODE_HOME:
      m_cursor = 0;
      SetText(GetText());
      return true;
    case KEY_CODE_LEFT:
      --m_cursor;
      ClampCursor();
      return true;
    case KEY_CODE_RIGHT:
      ++m_cursor;
      ClampCursor();
      return true;
    case KEY_CODE_DELETE: {
      ClampCursor();
      std::string text = GetText();
      if (static_cast<size_t>(m_cursor) < text.size()) {
        text.erase(static_cast<size_t>(m_cursor), 1);
        SetText(text);
      }
      return true;
    }
    default:
      return false;
  }
}

bool EditLineWidget::AcceptsCharacter(int character) const {
  if (character < FIRST_PRINTABLE_CHARACTER || character > LAST_PRINTABLE_CHARACTER) {
    return false;
  }
  return !GetProperty<bool>("Numeric") || (character >= '0' && character <= '9');
}

void EditLineWidget::InsertCharacter(char character) {
  ClampCursor();
  std::string text = GetText();
  const int maxLineLength = GetProperty<int>("MaxLineLength");
  if (maxLineLength > 0 && static_cast<int>(text.size()) >= maxLineLength) {
    return;
  }
  text.insert(static_cast<size_t>(m_cursor), 1, character);
  ++m_cursor;
  SetText(text);
}

bool EditLineWidget::Activate() {
  const std::string text = GetText();
  if (text.find_first_not_of(' ') == std::string::npos) {
    return false;
  }
  GetProperties().Set("OnActivationEventNameProperty", text);
  return LabelledActivatableWidget::Activate();
}
