#pragma once

#include <string>

#include "engine/ui/ActivatableWidget.h"
#include "engine/ui/LabelWidget.h"

// The push button: a filled or textured box with an outline and a caption.
// The caption (a label named after the button with "Label" appended) is a
// widget of its own that stands in no child list: the button hands it its
// state, visibility, roll-over, layout, scaling and drawing.
class ButtonWidget : public ActivatableWidget {
 public:
  ButtonWidget(const std::string& name, BaseWidget* parent);
  ~ButtonWidget() override;

  // What the button's own readers leave of the description reaches the
  // caption: its text, font and text colours.
  void ApplyProperties(NamedProperties& source, NamedProperties& destination) override;
  // The caption covers the whole button.
  void LayoutContents() override;
  void Draw() override;
  void OnRolloverBegin() override;
  void OnRolloverEnd() override;

  LabelWidget& GetCaption() { return m_caption; }

 protected:
  std::vector<BaseWidget*> GetParts() override { return {&m_caption}; }

 private:
  LabelWidget m_caption;
};
