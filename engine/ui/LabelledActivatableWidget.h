#pragma once

#include <string>
#include <vector>

#include "engine/ui/ActivatableWidget.h"
#include "engine/ui/LabelWidget.h"

// A pressable box covered by one inner label (named after the widget with
// "Label" appended). The label stands in no child list: the widget hands it
// its state, visibility, roll-over, layout, scaling and drawing.
class LabelledActivatableWidget : public ActivatableWidget {
 public:
  LabelledActivatableWidget(const std::string& name, BaseWidget* parent);
  ~LabelledActivatableWidget() override;

  // What the widget's own readers leave of the description reaches the
  // label: its text, font and text colours.
  void ApplyProperties(NamedProperties& source, NamedProperties& destination) override;
  // The label covers the whole widget.
  void LayoutContents() override;
  void OnRolloverBegin() override;
  void OnRolloverEnd() override;

 protected:
  LabelWidget& GetInnerLabel() { return m_label; }
  const LabelWidget& GetInnerLabel() const { return m_label; }
  std::vector<BaseWidget*> GetParts() override { return {&m_label}; }

 private:
  LabelWidget m_label;
};
