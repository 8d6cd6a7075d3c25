#include "engine/ui/WindowWidget.h"

#include <algorithm>
#include <vector>

#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/application/UlvoApplicationInterface.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"

namespace {

constexpr int ESCAPE_CHARACTER = 27;
constexpr int KEY_ACTION_TYPED_CHARACTER = 4;
const Rgba DIALOG_VEIL_COLOR(0, 0, 0, 128);

}  // namespace

WindowWidget::WindowWidget(const std::string& name, BaseWidget* parent)
    : ContainerWidget(name, parent) {
  NamedProperties& properties = GetProperties();
  properties.Set("Dialog", false);
  properties.Set("FullScreen", false);
  properties.Set("EscapeEvent", std::string());
  properties.Set("EscapePops", true);
  properties.Set("BorderThickness", 0);
  properties.Set("WindowPushEventToFire", std::string());
  properties.Set("WindowPopEventToFire", std::string());
  properties.Set("Overlay", false);
  properties.Set("ShowOnlyWhenAtTopOfStack", false);
  properties.Set("HideChildrenWhenNotAtTop", false);

  UlvoEventSystem* eventSystem = UlvoEventSystem::GetGlobal();
  RegisterEventHandler("WindowPushEvent", eventSystem, &WindowWidget::Event_OnWindowPush, this);
  RegisterEventHandler("WindowPopEvent", eventSystem, &WindowWidget::Event_OnWindowPop, this);
}

WindowWidget::~WindowWidget() {
  m_windowStack.clear();
  m_overlayWindow = nullptr;
  m_poppingWindow = nullptr;
  m_pendingWindow = nullptr;
}

void WindowWidget::ApplyProperties(NamedProperties& source, NamedProperties& destination) {
  ReadProperty<bool>("FullScreen", source, destination, PROPERTY_READ_COPY);
  ReadProperty<bool>("EscapePops", source, destination, PROPERTY_READ_COPY);
  for (const char* flag : {"Overlay", "Dialog", "HideChildrenWhenNotAtTop",
                           "ShowOnlyWhenAtTopOfStack"}) {
    ReadProperty<bool>(flag, source, destination, PROPERTY_READ_REMOVE_FROM_SOURCE);
  }
  for (const char* eventName : {"EscapeEvent", "WindowPushEventToFire", "WindowPopEventToFire"}) {
    ReadProperty<std::string>(eventName, source, destination,
                              PROPERTY_READ_REMOVE_FROM_SOURCE | PROPERTY_READ_COPY_COMPANION);
  }
  ContainerWidget::ApplyProperties(source, destination);
}

bool WindowWidget::IsInStack(const WindowWidget* window) const {
  return std::find(m_windowStack.begin(), m_windowStack.end(), window) != m_windowStack.end();
}

void WindowWidget::PutOnTop(WindowWidget* window) {
  if (!IsInStack(window)) {
    m_windowStack.push_front(window);
  }
}

void WindowWidget::RemoveFromStack(WindowWidget* window) {
  m_windowStack.erase(std::remove(m_windowStack.begin(), m_windowStack.end(), window),
                      m_windowStack.end());
}

WindowWidget* WindowWidget::FindChildWindowFromEvent(const NamedProperties& properties) const {
  int handle = NO_WIDGET_HANDLE;
  const PropertyFetchResult result = properties.Get("Handle", handle);
  if (result == PROPERTY_FETCH_NOT_FOUND) {
    if (properties.Get("OnActivationEventNameProperty", handle) != PROPERTY_FETCH_OK) {
      return nullptr;
    }
  } else if (result != PROPERTY_FETCH_OK) {
    return nullptr;
  }
  return dynamic_cast<WindowWidget*>(FindChildById(handle));
}

void WindowWidget::Event_OnWindowPush(NamedProperties& properties) {
  bool pushImmediately = false;
  properties.Get("PushImmediately", pushImmediately);
  WindowWidget* target = FindChildWindowFromEvent(properties);
  if (target == nullptr || target == GetTopWindow()) {
    return;
  }
  ULVO_ASSERT(!IsInStack(target),
              Stringf("Pushed window \"%s\" onto the stack, but it was already present!",
                      target->GetName().c_str()),
              "WindowWidget::Event_OnWindowPush");
  m_isPushLanding = true;
  if (target == m_poppingWindow) {
    // Pushed back before its hide animation ended: the pop is called off,
    // else the window would be drawn twice and block later pushes.
    m_poppingWindow = nullptr;
  }
  if (target == m_pendingWindow) {
    // A second push of the pending window: an immediate one completes it,
    // another one leaves it pending. The stack never holds it twice.
    if (pushImmediately) {
      m_pendingWindow = nullptr;
      PutOnTop(target);
    }
    return;
  }
  if (m_pendingWindow != nullptr) {
    PutOnTop(m_pendingWindow);
    m_pendingWindow = nullptr;
  }
  if (pushImmediately) {
    PutOnTop(target);
  } else {
    m_pendingWindow = target;
  }
}

void WindowWidget::Event_OnWindowPop(NamedProperties& properties) {
  if (m_windowStack.empty()) {
    return;
  }
  bool allowAnimationsToFinish = false;
  properties.Get("AllowAnimationsToFinish", allowAnimationsToFinish);
  PopWindow(FindChildWindowFromEvent(properties), allowAnimationsToFinish);
}

void WindowWidget::PopWindow(WindowWidget* window, bool allowAnimationsToFinish) {
  if (window == nullptr) {
    return;
  }
  if (IsInStack(window)) {
    window->Hide();
    if (window->GetState() != UI_STATE_HIDDEN && allowAnimationsToFinish) {
      m_poppingWindow = window;
      RemoveFromStack(window);
    } else {
      RemoveFromStack(window);
      window->FireEventFromProperty("WindowPopEventToFire", std::string(), NamedProperties());
      window->UpdateStackVisibility(false, false);
    }
  } else if (window == m_pendingWindow) {
    m_pendingWindow = nullptr;
  } else if (window == m_poppingWindow) {
    m_poppingWindow = nullptr;
  }
}

void WindowWidget::SetOverlay(WindowWidget* window) {
  m_overlayWindow = window;
  if (window != nullptr) {
    window->SetState(UI_STATE_APPEARING);
  }
}

void WindowWidget::UpdateStackVisibility(bool visible, bool isTop) {
  if (IsTopOfStack() != isTop) {
    if (!isTop && HasFocus()) {
      OnRolloverEnd();
    }
    SetTopOfStack(isTop);
  }
  const bool shown = visible && (!GetProperty<bool>("ShowOnlyWhenAtTopOfStack") || isTop);
  if (shown && !isTop && GetProperty<bool>("HideChildrenWhenNotAtTop")) {
    if (IsAbleToBeVisible() &&
        (GetState() == UI_STATE_HIDDEN || GetState() == UI_STATE_HIDING)) {
      SetState(UI_STATE_APPEARING);
    }
    HideAll();
  } else if (shown) {
    Show();
  } else {
    Hide();
  }
}

std::unique_ptr<BaseWidget> WindowWidget::RemoveChild(BaseWidget* child) {
  std::unique_ptr<BaseWidget> owned = ContainerWidget::RemoveChild(child);
  m_windowStack.erase(std::remove(m_windowStack.begin(), m_windowStack.end(), child),
                      m_windowStack.end());
  if (m_overlayWindow == child) {
    m_overlayWindow = nullptr;
  }
  if (m_poppingWindow == child) {
    m_poppingWindow = nullptr;
  }
  if (m_pendingWindow == child) {
    m_pendingWindow = nullptr;
  }
  return owned;
}

void WindowWidget::SettlePendingAndPopping() {
  if (m_poppingWindow != nullptr) {
    if (m_poppingWindow->GetState() != UI_STATE_HIDDEN) {
      return;
    }
    WindowWidget* popped = m_poppingWindow;
    m_poppingWindow = nullptr;
    popped->FireEventFromProperty("WindowPopEventToFire", std::string(), NamedProperties());
  }
  if (m_pendingWindow != nullptr) {
    WindowWidget* pending = m_pendingWindow;
    m_pendingWindow = nullptr;
    PutOnTop(pending);
  }
}

void WindowWidget::Render() {
  SettlePendingAndPopping();
  m_isPushLanding = m_pendingWindow != nullptr;
  if (m_windowStack.empty()) {
    ContainerWidget::Render();
    return;
  }
  // Copies: showing, hiding and drawing fire events whose handlers may push
  // or pop windows. A window that has left the stack meanwhile is skipped.
  const std::vector<WindowWidget*> topDown(m_windowStack.begin(), m_windowStack.end());
  const bool topIsDialog = topDown.front()->IsDialog();
  for (size_t i = 0; i < topDown.size(); ++i) {
    if (IsInStack(topDown[i])) {
      topDown[i]->UpdateStackVisibility(i == 0 || topIsDialog, i == 0);
    }
  }
  BaseWidget::Render();
  for (auto window = topDown.rbegin(); window != topDown.rend(); ++window) {
    if (IsInStack(*window) && (*window)->GetState() != UI_STATE_HIDDEN) {
      (*window)->Render();
    }
  }
  if (m_poppingWindow != nullptr) {
    m_poppingWindow->Render();
  }
  if (m_overlayWindow != nullptr && m_overlayWindow->GetState() != UI_STATE_HIDDEN) {
    m_overlayWindow->Show();
    m_overlayWindow->Render();
  }
}

void WindowWidget::Draw() {
  if (IsLayoutDirty()) {
    LayoutContents();
  }
  UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance();
  if (renderer == nullptr) {
    return;
  }
  if (IsDialog()) {
    const UlvoApplicationInterface* application = UlvoApplicationInterface::GetDefaultInstance();
    if (application != nullptr) {
      const IntVector2 viewSize = application->GetViewBoundsSize();
      renderer->DrawBounds(
          AABB2(0.0f, 0.0f, static_cast<float>(viewSize.x), static_cast<float>(viewSize.y)),
          DIALOG_VEIL_COLOR, true, 0.0f, 1.0f);
    }
  }
  if (IsVirtual()) {
    return;
  }
  const AABB2 box = GetAnimatedBounds();
  DrawBaseBox(*renderer, box);
  renderer->DrawBounds(box, GetBorderColor(), false, 0.0f,
                       static_cast<float>(GetProperty<int>("BorderThickness")));
}

bool WindowWidget::IsStackWindowTakingInput(const WindowWidget* window) {
  return window->IsActive() && window->IsTopOfStack() && window->IsTakingInput();
}

bool WindowWidget::OfferKeyToStack(int action, int key) {
  const std::vector<WindowWidget*> bottomUp(m_windowStack.rbegin(), m_windowStack.rend());
  for (WindowWidget* window : bottomUp) {
    if (IsInStack(window) && IsStackWindowTakingInput(window) &&
        window->OnKeyEvent(action, key)) {
      return true;
    }
  }
  return false;
}

bool WindowWidget::OnKeyEvent(int action, int key) {
  if (IsActive() && action == KEY_ACTION_TYPED_CHARACTER && key == ESCAPE_CHARACTER) {
    bool popped = false;
    if (GetProperty<bool>("EscapePops")) {
      if (auto* parentWindow = dynamic_cast<WindowWidget*>(GetParent())) {
        parentWindow->PopWindow(this, false);
        popped = true;
      }
    }
    if (FireEventFromProperty("EscapeEvent", std::string(), NamedProperties())) {
      return true;
    }
    if (popped) {
      return true;
    }
  }
  if (m_isPushLanding) {
    return false;
  }
  if (m_windowStack.empty()) {
    return ContainerWidget::OnKeyEvent(action, key);
  }
  if (BaseWidget* rolloverChild = GetRolloverChild()) {
    return rolloverChild->OnKeyEvent(action, key);
  }
  return OfferKeyToStack(action, key);
}

bool WindowWidget::OfferMouseToStack(const Vector2& point) {
  const std::vector<WindowWidget*> bottomUp(m_windowStack.rbegin(), m_windowStack.rend());
  for (WindowWidget* window : bottomUp) {
    if (IsInStack(window) && IsStackWindowTakingInput(window) && window->UpdateMouseOver(point)) {
      return true;
    }
  }
  return false;
}

bool WindowWidget::UpdateMouseOver(const Vector2& point) {
  if (m_windowStack.empty()) {
    return ContainerWidget::UpdateMouseOver(point);
  }
  if (BaseWidget* rolloverChild = GetRolloverChild()) {
    if (rolloverChild->IsActive() && rolloverChild->IsTopOfStack() &&
        rolloverChild->IsTakingInput() && rolloverChild->UpdateMouseOver(point)) {
      return true;
    }
    ForgetRolloverChild();
  }
  if (OfferMouseToStack(point)) {
    return true;
  }
  if (IsVirtual()) {
    return false;
  }
  return BaseWidget::UpdateMouseOver(point);
}
