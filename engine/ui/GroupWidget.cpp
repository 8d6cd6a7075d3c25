#include "engine/ui/GroupWidget.h"

#include "engine/modules/renderer/UlvoRendererInterface.h"

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

void GroupWidget::ApplyProperties(NamedProperties& source, NamedProperties& destination) {
  ContainerWidget::ApplyProperties(source, destination);
  m_caption.ApplyStateProperty(source);
}

void GroupWidget::LayoutContents() {
  CoverWithPart(m_caption);
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
  const AABB2 box = GetAnimatedBounds();
  DrawBaseBox(*renderer, box);
  DrawOverlayTexture(*renderer, box);
}

bool GroupWidget::Hide() {
  bool hidden = AreChildrenHidden();
  if (GetState() >= UI_STATE_APPEARING) {
    SetState(UI_STATE_HIDING);
    hidden = true;
  }
  if (hidden) {
    HideAll();
    HideParts();
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
