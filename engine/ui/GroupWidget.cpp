#include "engine/ui/GroupWidget.h"

#include "engine/modules/renderer/UlvoRendererInterface.h"

class Texture;

GroupWidget::GroupWidget(const std::string& name, BaseWidget* parent)
    : ContainerWidget(name, parent), m_caption(name + "Label", nullptr) {
  m_caption.SetParent(this);
  GetProperties().Set("Transparent", true);
  GetProperties().Set("BorderThickness", 2);
  m_caption.GetStateProperties(UI_STATE_FOCUSED).Set("FontColor", Rgba(0, 0, 0, 255));
  m_caption.GetProperties().Set("Label", std::string());
}

// The caption, a member, goes before the container part and its children.
GroupWidget::~GroupWidget() = default;

bool GroupWidget::SetState(UIState newState) {
  m_caption.SetState(newState);
  return ContainerWidget::SetState(newState);
}

void GroupWidget::ApplyProperties(NamedProperties& source, NamedProperties& destination) {
  ContainerWidget::ApplyProperties(source, destination);
  m_caption.ApplyStateProperty(source);
}

void GroupWidget::Render() {
  ContainerWidget::Render();
  m_caption.Render();
}

void GroupWidget::LayoutContents() {
  m_caption.GetProperties().Set("Size", GetProperty<Vector2>("Size"));
  m_caption.GetProperties().Set("Bounds", GetBounds());
  m_caption.LayoutContents();
  ContainerWidget::LayoutContents();
}

// No outline is drawn, though "BorderThickness" is installed: the screens
// were laid out for groups whose box has no border.
void GroupWidget::Draw() {
  if (IsLayoutDirty()) {
    LayoutContents();
  }
  UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance();
  if (renderer == nullptr || IsVirtual()) {
    return;
  }
  Texture* baseTexture = GetProperty<Texture*>("BaseTexture");
  Texture* overlayTexture = GetProperty<Texture*>("OverlayTexture");
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
}

bool GroupWidget::Show() {
  if (!IsAbleToBeVisible()) {
    return false;
  }
  if (GetState() == UI_STATE_HIDDEN || GetState() == UI_STATE_HIDING) {
    SetState(UI_STATE_APPEARING);
  }
  ShowAll();
  m_caption.Show();
  return true;
}

bool GroupWidget::Hide() {
  bool hidden = AreChildrenHidden();
  if (GetState() >= UI_STATE_APPEARING) {
    SetState(UI_STATE_HIDING);
    hidden = true;
  }
  if (hidden) {
    HideAll();
    m_caption.Hide();
  }
  return hidden;
}

void GroupWidget::OnRolloverBegin() {
  m_caption.OnRolloverBegin();
  SetState(UI_STATE_GAINING_FOCUS);
}

void GroupWidget::OnRolloverEnd() {
  m_caption.OnRolloverEnd();
  if (GetState() != UI_STATE_HIDING) {
    SetState(UI_STATE_LOSING_FOCUS);
  }
  if (GetParent() != nullptr) {
    GetParent()->OnChildReleased(this);
  }
}

void GroupWidget::ScaleLayout(float scaleX, float scaleY) {
  ContainerWidget::ScaleLayout(scaleX, scaleY);
  m_caption.ScaleLayout(scaleX, scaleY);
}
