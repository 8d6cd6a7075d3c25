#pragma once

#include <memory>
#include <string>

#include "engine/core/EventRecipient.h"
#include "engine/core/FontDescriptor.h"
#include "engine/core/Vector2.h"
#include "engine/ui/UIWidgetType.h"
#include "engine/ui/UlvoUIInterface.h"

class ContainerWidget;
class WindowWidget;

// The UI module: owns the root window (and through it every widget), builds
// widgets from descriptions, passes the mouse and keys into the tree and
// draws it once per frame. Every window created without a parent becomes a
// child of the root window, so the root's window stack is the stack of
// screens and dialogs. The root keeps the bounds it was built with for the
// whole run: the virtual screen keeps its size when the window changes.
class UlvoUIBasic : public UlvoUIInterface, public EventRecipient {
 public:
  static std::unique_ptr<UlvoUIBasic> Create();

  UlvoUIBasic();
  ~UlvoUIBasic() override;

  // Builds and shows the root window over the view bounds, and the main
  // font, and listens for "ScreenResizedEvent".
  void Startup() override;
  // Destroys the root window with every widget in the tree.
  void Shutdown() override;
  // Reads the mouse and moves the roll-over through the tree.
  void Update() override;
  // Projects the view bounds and draws the tree.
  void Render() override;

  int CreateComponent(const NamedProperties& properties) override;
  bool DeleteComponent(int handle) override;
  void SetWidgetProperties(int handle, NamedProperties& properties) override;
  void SetWidgetState(int handle, UIState state, NamedProperties& properties) override;
  // Only while the root window is shown: the roll-over first moves to the
  // mouse position (for a mouse button, where the button went down or up;
  // for a key, where the last update found the mouse), then the tree may
  // take the pair.
  bool OnKeyEvent(int action, int key) override;

  // The validation step of CreateComponent; every broken rule is an
  // assertion. The caller sets outParent to null and outOverlay to false.
  bool CheckThatPropertiesSatisfyWidgetConstraints(const NamedProperties& properties,
                                                   UIWidgetType& outWidgetType,
                                                   std::string& outName,
                                                   ContainerWidget*& outParent,
                                                   bool& outOverlay) const;

  // Null before Startup and after Shutdown.
  WindowWidget* GetRootWindow() const { return m_rootWindow.get(); }
  FontDescriptor* GetMainFont() const { return m_mainFont.get(); }
  const Vector2& GetMousePosition() const { return m_mousePosition; }

  // The root window keeps its bounds: the virtual screen does not change
  // with the window, only the way it is shown in it.
  virtual void Event_OnScreenResizedEvent(NamedProperties& args);

 private:
  // False without an input module.
  bool ReadMousePosition();

  std::unique_ptr<WindowWidget> m_rootWindow;
  std::unique_ptr<FontDescriptor> m_mainFont;
  // Virtual-screen units, read in the last update pass or at the last mouse
  // button; (0, 0) again after the tree changed.
  Vector2 m_mousePosition;
};
