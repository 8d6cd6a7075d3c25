#pragma once

#include <string>

#include "engine/ui/ActivatableWidget.h"
#include "engine/ui/ButtonWidget.h"
#include "engine/ui/LabelWidget.h"

// The on/off switch: a caption on the left and a box on the right that
// shows a tick while the bool "Value" is on. Pressing the box flips the value
// and fires "Toggle" + X with the new "Value", X being the check box's
// "OnActivationEventName"; the game sets the value back by firing "Set" + X,
// which fires nothing.
//
// The caption (name + "Label") and the box (name + "Button") are widgets of
// their own that stand in no child list; the check box hands them its state,
// visibility, roll-over, layout, scaling and drawing.
class CheckBoxWidget : public ActivatableWidget {
 public:
  CheckBoxWidget(const std::string& name, BaseWidget* parent);
  ~CheckBoxWidget() override;

  // The one place where the check box subscribes: a description with
  // "OnActivationEventName" subscribes both handlers (once; a new name
  // replaces the "Set" subscription) and configures the caption and the box.
  void ApplyProperties(NamedProperties& source, NamedProperties& destination) override;
  void LayoutContents() override;
  void Draw() override;
  // The box's roll-over runs first; the check box's own test answers.
  bool UpdateMouseOver(const Vector2& point) override;
  void OnRolloverBegin() override;
  void OnRolloverEnd() override;
  // The box takes the keys; the check box's own state plays no part.
  bool OnKeyEvent(int action, int key) override;

  // "InternalToggle" + name: the box was pressed.
  void Event_OnInternalToggle(NamedProperties& payload);
  // "Set" + X: the payload's bool "Value", without echo.
  void Event_OnSet(NamedProperties& payload);
  // Shows "Value" on the box (the tick) and in the text colours.
  void UpdateCheckedAppearance();

  LabelWidget& GetCaption() { return m_caption; }
  ButtonWidget& GetBox() { return m_box; }

 protected:
  std::vector<BaseWidget*> GetParts() override { return {&m_caption, &m_box}; }

 private:
  void SubscribeToToggleAndSet(const std::string& activationEventName);
  void ConfigureParts(const NamedProperties& source);
  void ApplyBoxTextures(const NamedProperties& source);

  bool m_isSubscribedToInternalToggle = false;
  // "Set" + X while subscribed, else empty.
  std::string m_subscribedSetEventName;
  // Constructed in this order, destroyed box first.
  LabelWidget m_caption;
  ButtonWidget m_box;
};
