#pragma once

#include <string>

#include "engine/ui/BaseWidget.h"

// The base of every widget the player can press. It turns the left button
// and Enter into selection and activation, fires the events named in its
// properties when the pointer enters or leaves it, when it is selected and
// when it is activated, plays the sounds named in its properties and
// publishes its roll-over text. It draws nothing: only its subclasses are
// created.
class ActivatableWidget : public BaseWidget {
 public:
  ActivatableWidget(const std::string& name, BaseWidget* parent);
  ~ActivatableWidget() override;

  void ApplyProperties(NamedProperties& source, NamedProperties& destination) override;
  void OnRolloverBegin() override;
  void OnRolloverEnd() override;
  // Reacts only while the pointer is over the widget or it has been pressed
  // (gaining focus to activated): a left press selects, a left release on a
  // selected widget activates, Enter (pressed or repeated) activates.
  bool OnKeyEvent(int action, int key) override;

  // Fires "OnActivationEventName" after the state change and the sound, so
  // that a handler that deletes the widget runs last.
  virtual bool Activate();
  virtual bool Select();

 protected:
  void WithdrawRolloverText() override;
};
