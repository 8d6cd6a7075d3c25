#include "engine/ui/ButtonWidget.h"

#include "engine/modules/renderer/UlvoRendererInterface.h"

class Texture;

ButtonWidget::ButtonWidget(const std::string& name, BaseWidget* parent)
    : ActivatableWidget(name, parent), m_caption(name + "Label", nullptr) {
  m_caption.SetParent(this);
  GetProperties().Set("BorderThickness", 0);
  GetProperties().Set("BorderColor", Rgba(0, 0, 0, 128));
  GetStateProperties(UI_STATE_FOCUSED).Set("TintGradient", -0.5f);
}

// The caption, a member, goes before the activatable and base parts.
ButtonWidget::~ButtonWidget() = default;

bool ButtonWidget::SetState(UIState newState) {
  m_caption.SetState(newState);
  return ActivatableWidget::SetState(newState);
}

void ButtonWidget::ApplyProperties(NamedProperties& source, NamedProperties& destination) {
  ActivatableWidget::ApplyProperties(source, destination);
  m_caption.ApplyStateProperty(source);
}

void ButtonWidget::Render() {
  ActivatableWidget::Render();
  m_caption.Render();
}

void ButtonWidget::LayoutContents() {
  m_caption.GetProperties().Set("Bounds", GetBounds());
  m_caption.GetProperties().Set("Size", GetProperty<Vector2>("Size"));
  m_caption.LayoutContents();
  ClearLayoutDirty();
}

void ButtonWidget::Draw() {
  if (IsLayoutDirty() && GetParent() != nullptr) {
    GetParent()->LayoutContents();
  }
  UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance();
  if (renderer == nullptr) {
    return;
  }
  Texture* baseTexture = GetProperty<Texture*>("BaseTexture");
  Texture* overlayTexture = GetProperty<Texture*>("OverlayTexture");
  const int thickness = GetProperty<int>("BorderThickness");
  const AABB2 box = GetAnimatedBounds();
  const Rgba tint = GetProperty<Rgba>("Tint");
  if (baseTexture == nullptr) {
    renderer->DrawBounds(box, GetBaseColor(), true, GetTintGradient(), 1.0f);
  } else {
    renderer->DrawTexturedQuad(baseTexture, box.mins, box.maxs, tint, GetMinBaseTextureCoords(),
                               GetMaxBaseTextureCoords());
  }
  if (overlayTexture != nullptr) {
    renderer->DrawTexturedQuad(overlayTexture, box.mins, box.maxs, tint,
                               GetMinOverlayTextureCoords(), GetMaxOverlayTextureCoords());
  }
  if (thickness > 0) {
    renderer->DrawBounds(box, GetBorderColor(), false, 0.0f, static_cast<float>(thickness));
  }
}

bool ButtonWidget::Show() {
  if (!IsAbleToBeVisible()) {
    return false;
  }
  if (GetState() == UI_STATE_HIDDEN || GetState() == UI_STATE_HIDING) {
    SetState(UI_STATE_APPEARING);
  }
  m_caption.Show();
  return true;
}

bool ButtonWidget::Hide() {
  bool hidden = AreChildrenHidden();
  if (GetState() >= UI_STATE_APPEARING) {
    SetState(UI_STATE_HIDING);
    hidden = true;
  }
  if (hidden) {
    m_caption.Hide();
  }
  return hidden;
}

void ButtonWidget::OnRolloverBegin() {
  m_caption.OnRolloverBegin();
  ActivatableWidget::OnRolloverBegin();
}

void ButtonWidget::OnRolloverEnd() {
  m_caption.OnRolloverEnd();
  ActivatableWidget::OnRolloverEnd();
}

void ButtonWidget::ScaleLayout(float scaleX, float scaleY) {
  ActivatableWidget::ScaleLayout(scaleX, scaleY);
  m_caption.ScaleLayout(scaleX, scaleY);
}
