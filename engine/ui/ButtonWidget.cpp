#include "engine/ui/ButtonWidget.h"

#include "engine/modules/renderer/UlvoRendererInterface.h"

ButtonWidget::ButtonWidget(const std::string& name, BaseWidget* parent)
    : LabelledActivatableWidget(name, parent) {
  GetProperties().Set("BorderThickness", 0);
  GetProperties().Set("BorderColor", Rgba(0, 0, 0, 128));
  GetStateProperties(UI_STATE_FOCUSED).Set("TintGradient", -0.5f);
}

ButtonWidget::~ButtonWidget() = default;

void ButtonWidget::Draw() {
  LayOutParentIfDirty();
  UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance();
  if (renderer == nullptr) {
    return;
  }
  const AABB2 box = GetAnimatedBounds();
  DrawBaseBox(*renderer, box);
  DrawOverlayTexture(*renderer, box);
  DrawOutline(*renderer, box);
}
