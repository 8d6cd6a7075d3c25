#pragma once

#include <deque>
#include <memory>
#include <string>

#include "engine/ui/ContainerWidget.h"

// One screen, dialog or panel, and the keeper of a window stack: the child
// windows currently shown, the top one receiving the mouse and the keys.
// Every window is a child of the root window, so the root's stack is the
// program's stack of screens and dialogs.
//
// Windows are pushed and popped by "WindowPushEvent" and "WindowPopEvent"
// ("Handle", or "OnActivationEventNameProperty" when a button fires them);
// only the parent of the named window acts on them. A push takes effect at
// the next render pass unless "PushImmediately" is set; a pop with
// "AllowAnimationsToFinish" waits for the window's hide animation before its
// "WindowPopEventToFire" fires.
//
// From a push until the render pass that puts it on the stack, the windows
// in the stack take no keys or clicks: the window pushed will cover them,
// and a key they took meanwhile (an Escape closing the menu the push came
// from) would leave the new window over a screen that no longer expects it.
// Of two inputs in one frame the first wins. The UI does not take the
// dropped input, so the game still sees it, as it would with the new window
// on top.
class WindowWidget : public ContainerWidget {
 public:
  WindowWidget(const std::string& name, BaseWidget* parent);
  ~WindowWidget() override;

  void ApplyProperties(NamedProperties& source, NamedProperties& destination) override;
  // Settles the pending push and the finished pop, updates the stack's
  // visibility, then draws the window, its stack from the bottom up, the
  // popping window and the overlay. With an empty stack it renders as a
  // plain container.
  void Render() override;
  // The dialog veil, then (unless virtual) the window's box and border.
  void Draw() override;
  bool UpdateMouseOver(const Vector2& point) override;
  // The child also leaves the stack and the overlay, popping and pending slots.
  std::unique_ptr<BaseWidget> RemoveChild(BaseWidget* child) override;
  // Escape (the character 27) pops the window or fires its "EscapeEvent";
  // other keys go to the roll-over child or to the top of the stack.
  bool OnKeyEvent(int action, int key) override;

  // Drawn over everything while it is not hidden.
  virtual void SetOverlay(WindowWidget* window);
  // Shows or hides this window for its place in its parent's stack.
  virtual void UpdateStackVisibility(bool visible, bool isTop);
  // Takes window off this window's stack, or cancels its pending push.
  virtual void PopWindow(WindowWidget* window, bool allowAnimationsToFinish);
  virtual void Event_OnWindowPush(NamedProperties& properties);
  virtual void Event_OnWindowPop(NamedProperties& properties);

  bool IsDialog() const { return GetProperty<bool>("Dialog"); }
  // The front is the top of the stack.
  const std::deque<WindowWidget*>& GetWindowStack() const { return m_windowStack; }
  WindowWidget* GetTopWindow() const {
    return m_windowStack.empty() ? nullptr : m_windowStack.front();
  }
  bool IsInStack(const WindowWidget* window) const;
  WindowWidget* GetOverlayWindow() const { return m_overlayWindow; }
  WindowWidget* GetPoppingWindow() const { return m_poppingWindow; }
  WindowWidget* GetPendingWindow() const { return m_pendingWindow; }

 private:
  // The window named by a push or pop event, when it is a child window.
  WindowWidget* FindChildWindowFromEvent(const NamedProperties& properties) const;
  void PutOnTop(WindowWidget* window);
  void RemoveFromStack(WindowWidget* window);
  void SettlePendingAndPopping();
  bool OfferKeyToStack(int action, int key);
  bool OfferMouseToStack(const Vector2& point);
  static bool IsStackWindowTakingInput(const WindowWidget* window);

  // None of these own: the windows belong to the child list.
  std::deque<WindowWidget*> m_windowStack;
  WindowWidget* m_overlayWindow = nullptr;
  WindowWidget* m_poppingWindow = nullptr;
  WindowWidget* m_pendingWindow = nullptr;
  // Set by a push; cleared by the first render pass that leaves no push
  // pending.
  bool m_isPushLanding = false;
};
