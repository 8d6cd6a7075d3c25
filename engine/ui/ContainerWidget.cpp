#include "engine/ui/ContainerWidget.h"

#include <algorithm>
#include <utility>

ContainerWidget::ContainerWidget(const std::string& name, BaseWidget* parent)
    : BaseWidget(name, parent) {
  GetProperties().Set("Virtual", true);
}

ContainerWidget::~ContainerWidget() { DeleteAllChildren(); }

bool ContainerWidget::AreChildrenHidden() const {
  return std::all_of(m_children.begin(), m_children.end(),
                     [](const std::unique_ptr<BaseWidget>& child) {
                       return child->GetState() == UI_STATE_HIDDEN;
                     });
}

void ContainerWidget::ApplyProperties(NamedProperties& source, NamedProperties& destination) {
  ReadProperty<bool>("Virtual", source, destination, PROPERTY_READ_COPY);
  bool ableToBeVisible = true;
  if (source.Get("AbleToBeVisible", ableToBeVisible) == PROPERTY_FETCH_OK && !ableToBeVisible) {
    ForgetRolloverChild();
  }
  BaseWidget::ApplyProperties(source, destination);
}

// The loops below walk the children by index and re-read the count: event
// handlers that run inside a child's call may add or delete children.
void ContainerWidget::Render() {
  RenderOwnPass();
  for (size_t i = 0; i < m_children.size(); ++i) {
    BaseWidget* child = m_children[i].get();
    if (child->GetState() != UI_STATE_HIDDEN) {
      child->Render();
    }
  }
  RenderParts();
}

void ContainerWidget::LayoutContents() {
  const AABB2 bounds = GetProperty<AABB2>("Bounds");
  for (size_t i = 0; i < m_children.size(); ++i) {
    BaseWidget* child = m_children[i].get();
    if (child->GetProperty<UILayoutMode>("LayoutMode") != UI_LAYOUT_MODE_PARENT_RELATIVE) {
      continue;
    }
    const Vector2 padding = child->GetProperty<Vector2>("Padding");
    Vector2 size = child->GetProperty<Vector2>("Size");
    const Vector2 offset = child->GetProperty<Vector2>("Offset");
    const Vector2 topLeft = (bounds.mins + offset) + padding;
    // The child and its trailing padding end at the container's edge at most.
    const float trailingX = (size.x + topLeft.x) + padding.x;
    if (bounds.maxs.x < trailingX) {
      size.x -= trailingX - bounds.maxs.x;
    }
    const float trailingY = (size.y + topLeft.y) + padding.y;
    if (bounds.maxs.y < trailingY) {
      size.y -= trailingY - bounds.maxs.y;
    }
    child->GetProperties().Set("Bounds", AABB2(topLeft, topLeft + size));
    child->GetProperties().Set("Size", size);
    child->LayoutContents();
  }
  ClearLayoutDirty();
}

bool ContainerWidget::UpdateMouseOver(const Vector2& point) {
  if (m_rolloverChild != nullptr) {
    if (m_rolloverChild->IsActive() && m_rolloverChild->UpdateMouseOver(point)) {
      return true;
    }
    m_rolloverChild = nullptr;
  }
  for (size_t i = 0; i < m_children.size(); ++i) {
    BaseWidget* child = m_children[i].get();
    if (child->IsActive() && child->IsTopOfStack() && child->IsTakingInput() &&
        child->UpdateMouseOver(point)) {
      m_rolloverChild = child;
      return true;
    }
  }
  if (IsVirtual()) {
    return false;
  }
  return BaseWidget::UpdateMouseOver(point);
}

bool ContainerWidget::Show() {
  if (!IsAbleToBeVisible()) {
    return false;
  }
  if (GetState() == UI_STATE_HIDDEN || GetState() == UI_STATE_HIDING) {
    SetState(UI_STATE_APPEARING);
  }
  ShowAll();
  ShowParts();
  return true;
}

bool ContainerWidget::Hide() {
  if (GetState() > UI_STATE_HIDING) {
    SetState(UI_STATE_HIDING);
    HideAll();
    return true;
  }
  return AreChildrenHidden();
}

void ContainerWidget::OnChildReleased(BaseWidget* child) {
  if (child == m_rolloverChild) {
    m_rolloverChild = nullptr;
  }
}

std::unique_ptr<BaseWidget> ContainerWidget::RemoveChild(BaseWidget* child) {
  OnChildReleased(child);
  const auto found = std::find_if(
      m_children.begin(), m_children.end(),
      [child](const std::unique_ptr<BaseWidget>& entry) { return entry.get() == child; });
  if (found == m_children.end()) {
    return nullptr;
  }
  std::unique_ptr<BaseWidget> owned = std::move(*found);
  m_children.erase(found);
  return owned;
}

void ContainerWidget::ScaleLayout(float scaleX, float scaleY) {
  BaseWidget::ScaleLayout(scaleX, scaleY);
  for (size_t i = 0; i < m_children.size(); ++i) {
    m_children[i]->ScaleLayout(scaleX, scaleY);
  }
}

bool ContainerWidget::OnKeyEvent(int action, int key) {
  if (m_rolloverChild != nullptr) {
    return m_rolloverChild->OnKeyEvent(action, key);
  }
  for (size_t i = 0; i < m_children.size(); ++i) {
    BaseWidget* child = m_children[i].get();
    if (child->GetState() != UI_STATE_HIDDEN && child->IsTopOfStack() &&
        child->OnKeyEvent(action, key)) {
      return true;
    }
  }
  return false;
}

BaseWidget* ContainerWidget::AddChild(std::unique_ptr<BaseWidget> child) {
  BaseWidget* added = child.get();
  m_children.push_back(std::move(child));
  SetLayoutDirty();
  return added;
}

void ContainerWidget::HideAll() {
  for (size_t i = 0; i < m_children.size(); ++i) {
    m_children[i]->Hide();
  }
}

void ContainerWidget::ShowAll() {
  for (size_t i = 0; i < m_children.size(); ++i) {
    m_children[i]->Show();
  }
}

void ContainerWidget::DeleteAllChildren() {
  m_rolloverChild = nullptr;
  // Taken out of the list first: a child's hide event may reach back into
  // this container while the children are being destroyed.
  std::vector<std::unique_ptr<BaseWidget>> children;
  children.swap(m_children);
  for (std::unique_ptr<BaseWidget>& child : children) {
    child.reset();
  }
}

BaseWidget* ContainerWidget::FindChildById(int handle) const {
  for (const std::unique_ptr<BaseWidget>& child : m_children) {
    if (child->GetHandle() == handle) {
      return child.get();
    }
  }
  return nullptr;
}
