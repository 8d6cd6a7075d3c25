#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/ui/BaseWidget.h"

// A widget that owns other widgets: it lays out those in layout mode 1
// inside its "Bounds", draws them after itself, passes show and hide down to
// them, and routes the mouse and keys to them, remembering the child that
// holds the mouse (the roll-over child). The keys follow the mouse: while a
// child holds it, only that child hears them.
//
// A virtual container ("Virtual", true by default) never takes the mouse
// itself. Drawing the container is left to the derived class.
class ContainerWidget : public BaseWidget {
 public:
  ContainerWidget(const std::string& name, BaseWidget* parent);
  ~ContainerWidget() override;

  // True when every child is hidden, and when there are none.
  bool AreChildrenHidden() const override;
  void ApplyProperties(NamedProperties& source, NamedProperties& destination) override;
  // The container itself, then every child that is not hidden, in order,
  // then its parts over them.
  void Render() override;
  // Places every child in layout mode 1 from its "Offset", "Padding" and
  // "Size", cutting the size where it would run past the container's
  // maximum corner, and lays the child out in turn.
  void LayoutContents() override;
  bool UpdateMouseOver(const Vector2& point) override;
  bool Show() override;
  bool Hide() override;
  void OnChildReleased(BaseWidget* child) override;
  // Hands the child's ownership to the caller; null when it is not a child.
  std::unique_ptr<BaseWidget> RemoveChild(BaseWidget* child) override;
  void ScaleLayout(float scaleX, float scaleY) override;
  bool OnKeyEvent(int action, int key) override;

  // Takes ownership and appends the child; returns it.
  virtual BaseWidget* AddChild(std::unique_ptr<BaseWidget> child);
  virtual void HideAll();
  virtual void ShowAll();
  // Destroys every child in list order.
  virtual void DeleteAllChildren();

  // The first direct child with that handle, or null; grandchildren are not
  // searched.
  BaseWidget* FindChildById(int handle) const;
  size_t GetChildCount() const { return m_children.size(); }
  BaseWidget* GetChild(size_t index) const { return m_children.at(index).get(); }
  BaseWidget* GetRolloverChild() const { return m_rolloverChild; }

  bool IsVirtual() const { return GetProperty<bool>("Virtual"); }

 protected:
  void ForgetRolloverChild() { m_rolloverChild = nullptr; }

 private:
  std::vector<std::unique_ptr<BaseWidget>> m_children;
  BaseWidget* m_rolloverChild = nullptr;
};
