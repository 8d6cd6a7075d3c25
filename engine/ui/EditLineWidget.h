#pragma once

#include <string>

#include "engine/ui/ActivatableWidget.h"
#include "engine/ui/LabelWidget.h"

// The one-line text entry: a box with an inner label (name + "Label") that
// shows the text and the cursor. Printable characters are inserted at the
// cursor, Backspace, Delete, Home, End and the arrows edit and move, and
// Enter fires "OnActivationEventName" with the text as
// "OnActivationEventNameProperty". Every such key fires
// "EditBoxKeypressEvent". Characters are single bytes.
class EditLineWidget : public ActivatableWidget {
 public:
  EditLineWidget(const std::string& name, BaseWidget* parent);
  ~EditLineWidget() override;

  void ApplyProperties(NamedProperties& source, NamedProperties& destination) override;
  // The inner label covers the whole box.
  void LayoutContents() override;
  void Draw() override;
  void OnRolloverBegin() override;
  void OnRolloverEnd() override;
  bool OnKeyEvent(int action, int key) override;
  // False, and nothing fired, for an empty text or one of spaces only.
  bool Activate() override;

  std::string GetText() const;
  int GetCursor() const { return m_cursor; }
  LabelWidget& GetTextLabel() { return m_textLabel; }

 protected:
  std::vector<BaseWidget*> GetParts() override { return {&m_textLabel}; }

 private:
  // Stores the text and the cursor in the inner label.
  void SetText(const std::string& text);
  // Keeps the cursor within the text, which may have changed from outside.
  void ClampCursor();
  // Edits and cursor moves of a pressed key; false for a key it does not edit.
  bool EditForKey(int key);
  void InsertCharacter(char character);
  bool AcceptsCharacter(int character) const;

  LabelWidget m_textLabel;
  int m_cursor = 0;
};
