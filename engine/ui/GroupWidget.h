#pragma once

#include <string>

#include "engine/ui/ContainerWidget.h"
#include "engine/ui/LabelWidget.h"

// A container that gathers widgets inside a window, with an optional caption
// (name + "Label") and, when made visible, a box behind its children. By
// default only a layout frame: transparent, virtual (it never takes the
// mouse) and without caption text. A group that shows a box needs both
// "Transparent" and "Virtual" false.
//
// The caption stands in no child list; the group hands it its state,
// visibility, roll-over, layout, scaling and drawing, and draws it over the
// children.
class GroupWidget : public ContainerWidget {
 public:
  GroupWidget(const std::string& name, BaseWidget* parent);
  ~GroupWidget() override;

  void ApplyProperties(NamedProperties& source, NamedProperties& destination) override;
  void LayoutContents() override;
  // The box only; a group lays itself out rather than ask its parent.
  void Draw() override;
  // Unlike a plain container, a group that is already hiding or hidden still
  // hides its children and caption once they have all gone.
  bool Hide() override;
  void OnRolloverBegin() override;
  void OnRolloverEnd() override;

  LabelWidget& GetCaption() { return m_caption; }

 protected:
  std::vector<BaseWidget*> GetParts() override { return {&m_caption}; }

 private:
  LabelWidget m_caption;
};
