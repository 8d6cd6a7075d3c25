#pragma once

#include <string>

#include "engine/ui/LabelWidget.h"
#include "engine/ui/LabelledActivatableWidget.h"

// The one-line text entry: a box whose inner label shows the text and the
// cursor. Printable characters are inserted at the cursor, Backspace, Delete,
// Home, End and the arrows edit and move, and Enter fires
// "OnActivationEventName" with the text as "OnActivationEventNameProperty".
// Every such key fires "EditBoxKeypressEvent". Characters are single bytes.
class EditLineWidget : public LabelledActivatableWidget {
 public:
  EditLineWidget(const std::string& name, BaseWidget* parent);
  ~EditLineWidget() override;

  void ApplyProperties(NamedProperties& source, NamedProperties& destination) override;
  void Draw() override;
  bool OnKeyEvent(int action, int key) override;
  // False, and nothing fired, for an empty text or one of spaces only.
  bool Activate() override;

  std::string GetText() const;
  int GetCursor() const { return m_cursor; }
  LabelWidget& GetTextLabel() { return GetInnerLabel(); }

 private:
  // Stores the text and the cursor in the inner label.
  void SetText(const std::string& text);
  // Keeps the cursor within the text, which may have changed from outside.
  void ClampCursor();
  // Edits and cursor moves of a pressed key; false for a key it does not edit.
  bool EditForKey(int key);
  void InsertCharacter(char character);
  bool AcceptsCharacter(int character) const;

  int m_cursor = 0;
};
