#pragma once

#include <string>

#include "engine/ui/LabelledActivatableWidget.h"
#include "engine/ui/LabelWidget.h"

// The push button: a filled or textured box with an outline and a caption,
// the inner label.
class ButtonWidget : public LabelledActivatableWidget {
 public:
  ButtonWidget(const std::string& name, BaseWidget* parent);
  ~ButtonWidget() override;

  void Draw() override;

  LabelWidget& GetCaption() { return GetInnerLabel(); }
};
