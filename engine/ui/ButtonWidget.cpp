#include "engine/ui/ButtonWidget.h"

#include "engine/modules/renderer/UlvoRendererInterface.h"

ButtonWidget::ButtonWidget(const std::string& name, BaseWidget* parent)
    : ActivatableWidget(name, parent), m_caption(name + "Label", nullptr) {
  m_caption.SetParent(this);
  GetProperties().Set("BorderThickness", 0);
  GetProperties().Set("BorderColor", Rgba(0, 0, 0, 128));
  GetStateProperties(UI_STATE_FOCUSED).Set("TintGradient", -0.5f);
}

// The caption, a member, goes before the activatable and base parts.
ButtonWidget::~ButtonWidget() = default;

void ButtonWidget::ApplyProperties(NamedProperties& source, NamedProperties& destination) {
  ActivatableWidget::ApplyProperties(source, destination);
  m_caption.ApplyStateProperty(source);
}

void ButtonWidget::LayoutContents() {
  CoverWithPart(m_caption);
  ClearLayoutDirty();
}

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

void ButtonWidget::OnRolloverBegin() {
  m_caption.OnRolloverBegin();
  ActivatableWidget::OnRolloverBegin();
}

void ButtonWidget::OnRolloverEnd() {
  m_caption.OnRolloverEnd();
  ActivatableWidget::OnRolloverEnd();
}
