#pragma once

#include <string>

#include "engine/ui/BaseWidget.h"
#include "engine/ui/ButtonWidget.h"
#include "engine/ui/LabelWidget.h"

// The value control with a minus and a plus button, side by side: a caption
// (name + "Label"), a decrease button ("Decrease" + name), a label with the
// current value (name + "CurrentValueLabel") and an increase button
// ("Increase" + name). The slider holds no value: its buttons fire
// "Increase" + X and "Decrease" + X, X being its "OnActivationEventName",
// and the game publishes the new value text back through the event named in
// "SetDefaultLabelEvent", which only the value label hears.
//
// The parts stand in no child list; the slider hands them its state,
// visibility, roll-over, layout, scaling, keys and drawing.
class SliderWidget : public BaseWidget {
 public:
  SliderWidget(const std::string& name, BaseWidget* parent);
  ~SliderWidget() override;

  void ApplyProperties(NamedProperties& source, NamedProperties& destination) override;
  void LayoutContents() override;
  void Draw() override;
  // The buttons first; the slider's own roll-over only when neither takes it.
  bool UpdateMouseOver(const Vector2& point) override;
  void OnRolloverBegin() override;
  void OnRolloverEnd() override;
  // The increase button, then the decrease button; the slider takes none.
  bool OnKeyEvent(int action, int key) override;

  LabelWidget& GetCaption() { return m_caption; }
  LabelWidget& GetValueLabel() { return m_valueLabel; }
  ButtonWidget& GetIncreaseButton() { return m_increaseButton; }
  ButtonWidget& GetDecreaseButton() { return m_decreaseButton; }

 protected:
  std::vector<BaseWidget*> GetParts() override {
    return {&m_caption, &m_valueLabel, &m_increaseButton, &m_decreaseButton};
  }
  void WithdrawRolloverText() override;

 private:
  void ConfigureParts(const NamedProperties& source, const std::string& activationEventName);
  void ApplyButtonTextures(const NamedProperties& source);

  // Constructed in this order, destroyed in the reverse.
  LabelWidget m_caption;
  LabelWidget m_valueLabel;
  ButtonWidget m_increaseButton;
  ButtonWidget m_decreaseButton;
};
