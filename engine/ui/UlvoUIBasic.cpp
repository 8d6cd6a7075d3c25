#include "engine/ui/UlvoUIBasic.h"

#include "engine/core/Diagnostics.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/application/UlvoApplicationInterface.h"
#include "engine/modules/input/UlvoInputInterface.h"
#include "engine/modules/renderer/UlvoRendererInterface.h"
#include "engine/ui/ContainerWidget.h"
#include "engine/ui/UIWidgetFactory.h"
#include "engine/ui/WindowWidget.h"

namespace {

const char* const MAIN_FONT_FACE = "MainFont";
constexpr int MAIN_FONT_SIZE = 24;

IntVector2 GetDefaultViewBoundsSize() {
  const UlvoApplicationInterface* application = UlvoApplicationInterface::GetDefaultInstance();
  return application != nullptr ? application->GetViewBoundsSize() : IntVector2(0, 0);
}

NamedProperties MakeRootWindowProperties() {
  const IntVector2 viewSize = GetDefaultViewBoundsSize();
  NamedProperties properties;
  properties.Set("Type", UI_WIDGET_TYPE_WINDOW);
  properties.Set("Name", std::string("RootWindow"));
  properties.Set("FullScreen", true);
  properties.Set("Bounds", AABB2(0.0f, 0.0f, static_cast<float>(viewSize.x),
                                 static_cast<float>(viewSize.y)));
  properties.Set("BaseColor", Rgba(255, 255, 255, 0));
  properties.Set("Virtual", true);
  properties.Set("EscapePops", false);
  return properties;
}

}  // namespace

std::unique_ptr<UlvoUIBasic> UlvoUIBasic::Create() { return std::make_unique<UlvoUIBasic>(); }

UlvoUIBasic::UlvoUIBasic() = default;

UlvoUIBasic::~UlvoUIBasic() {
  ULVO_ASSERT_IN_DESTRUCTOR(m_rootWindow == nullptr,
                            "UlvoUIBasic was deleted without Shutdown() being called.",
                            "UlvoUIBasic::~UlvoUIBasic");
}

void UlvoUIBasic::Startup() {
  ConsolePrintf("::: Initialization : UlvoUIBasic (starting)\n");
  ULVO_ASSERT(m_rootWindow == nullptr, "Startup called on an initialized subsystem.",
              "UlvoUIBasic::Startup");
  NamedProperties rootProperties = MakeRootWindowProperties();
  m_rootWindow = std::make_unique<WindowWidget>("RootWindow", nullptr);
  m_rootWindow->SetProperties(rootProperties);
  m_rootWindow->Show();
  m_mainFont = std::make_unique<FontDescriptor>(MAIN_FONT_FACE, MAIN_FONT_SIZE, false, false);
  RegisterEventHandler("ScreenResizedEvent", UlvoEventSystem::GetGlobal(),
                       &UlvoUIBasic::Event_OnScreenResizedEvent, this);
  ConsolePrintf("::: Initialization : UlvoUIBasic (finished)\n");
}

void UlvoUIBasic::Shutdown() {
  if (m_rootWindow == nullptr) {
    return;
  }
  ConsolePrintf("::: Shutdown : UlvoUIBasic (starting)\n");
  if (UlvoEventSystem* events = UlvoEventSystem::GetGlobal()) {
    events->Unregister("ScreenResizedEvent", this);
  }
  m_rootWindow.reset();
  m_mainFont.reset();
  m_mousePosition = Vector2();
  ConsolePrintf("::: Shutdown : UlvoUIBasic (finished)\n");
}

void UlvoUIBasic::Event_OnScreenResizedEvent(NamedProperties& /*args*/) {}

void UlvoUIBasic::Update() {
  if (ReadMousePosition() && m_rootWindow != nullptr) {
    m_rootWindow->UpdateMouseOver(m_mousePosition);
  }
}

bool UlvoUIBasic::ReadMousePosition() {
  const UlvoInputInterface* input = UlvoInputInterface::GetDefaultInstance();
  if (input == nullptr) {
    return false;
  }
  int x = 0;
  int y = 0;
  input->GetMousePosition(x, y);
  m_mousePosition = Vector2(static_cast<float>(x), static_cast<float>(y));
  return true;
}

void UlvoUIBasic::Render() {
  UlvoRendererInterface* renderer = UlvoRendererInterface::GetDefaultInstance();
  if (renderer == nullptr || UlvoApplicationInterface::GetDefaultInstance() == nullptr) {
    return;
  }
  const IntVector2 viewSize = GetDefaultViewBoundsSize();
  renderer->SetTransform(0.0f, 0.0f, static_cast<float>(viewSize.x),
                         static_cast<float>(viewSize.y));
  if (m_rootWindow != nullptr) {
    m_rootWindow->Render();
  }
}

bool UlvoUIBasic::CheckThatPropertiesSatisfyWidgetConstraints(const NamedProperties& properties,
                                                              UIWidgetType& outWidgetType,
                                                              std::string& outName,
                                                              ContainerWidget*& outParent,
                                                              bool& outOverlay) const {
  const char* const title = "UlvoUIBasic::CheckThatPropertiesSatisfyWidgetConstraints";
  ULVO_ASSERT(properties.Get("Type", outWidgetType) == PROPERTY_FETCH_OK,
              "Missing or invalid 'Type' property", title);
  ULVO_ASSERT(properties.Get("Name", outName) == PROPERTY_FETCH_OK,
              "All widgets are required to have a name.", title);
  int parentHandle = BaseWidget::NO_WIDGET_HANDLE;
  if (properties.Get("Parent", parentHandle) == PROPERTY_FETCH_OK &&
      parentHandle != BaseWidget::NO_WIDGET_HANDLE) {
    outParent = dynamic_cast<ContainerWidget*>(BaseWidget::FindWidgetByHandle(parentHandle));
  }
  if (outWidgetType == UI_WIDGET_TYPE_WINDOW) {
    ULVO_ASSERT(outParent == NULL, "Windows MUST have a NULL parent", title);
  }
  outOverlay = false;
  if (outParent == nullptr) {
    ULVO_ASSERT(outWidgetType == UI_WIDGET_TYPE_WINDOW, "Only Windows can have a NULL parent",
                title);
    outParent = m_rootWindow.get();
    properties.Get("Overlay", outOverlay);
  }
  return true;
}

int UlvoUIBasic::CreateComponent(const NamedProperties& properties) {
  const char* const title = "UlvoUIBasic::CreateComponent";
  UIWidgetType widgetType = UI_WIDGET_TYPE_WINDOW;
  std::string name;
  ContainerWidget* parent = nullptr;
  bool overlay = false;
  CheckThatPropertiesSatisfyWidgetConstraints(properties, widgetType, name, parent, overlay);
  ULVO_ASSERT(parent != nullptr, "The parent widget is not a container.", title);

  std::unique_ptr<BaseWidget> widget = CreateWidgetOfType(widgetType, name, parent);
  NamedProperties description(properties);
  widget->ApplyStateProperty(description);

  BaseWidget* added = parent->AddChild(std::move(widget));
  if (overlay) {
    auto* overlayWindow = dynamic_cast<WindowWidget*>(added);
    ULVO_ASSERT(overlayWindow, "The Overlay widget is not a window.", title);
    auto* parentWindow = dynamic_cast<WindowWidget*>(parent);
    ULVO_ASSERT(parentWindow, "The parent widget is not a window.", title);
    parentWindow->SetOverlay(overlayWindow);
  }
  m_mousePosition = Vector2();
  return added->GetHandle();
}

bool UlvoUIBasic::DeleteComponent(int handle) {
  BaseWidget* widget = BaseWidget::FindWidgetByHandle(handle);
  if (widget == nullptr) {
    return false;
  }
  BaseWidget* parentWidget = widget->GetParent();
  ULVO_ASSERT(parentWidget, "Unable to find parent for widget being deleted.",
              "UlvoUIBasic::DeleteComponent");
  std::unique_ptr<BaseWidget> removed = parentWidget->RemoveChild(widget);
  if (removed == nullptr) {
    // A part of a compound widget (a button's caption, a slider's buttons)
    // belongs to its owner and dies with it.
    ConsolePrintf("WARNING: Widget \"%s\" (handle %d) is part of \"%s\" and cannot be deleted "
                  "on its own.\n",
                  widget->GetName().c_str(), handle, parentWidget->GetName().c_str());
    return false;
  }
  removed.reset();
  m_mousePosition = Vector2();
  return true;
}

void UlvoUIBasic::SetWidgetProperties(int handle, NamedProperties& properties) {
  if (BaseWidget* widget = BaseWidget::FindWidgetByHandle(handle)) {
    widget->SetProperties(properties);
  }
}

void UlvoUIBasic::SetWidgetState(int handle, UIState state, NamedProperties& properties) {
  if (BaseWidget* widget = BaseWidget::FindWidgetByHandle(handle)) {
    properties.Set("State", state);
    widget->ApplyStateProperty(properties);
  }
}

bool UlvoUIBasic::OnKeyEvent(int action, int key) {
  if (m_rootWindow == nullptr || m_rootWindow->GetState() <= UI_STATE_HIDING) {
    return false;
  }
  if (IsMouseButtonPair(action, key)) {
    ReadMousePosition();
  }
  m_rootWindow->UpdateMouseOver(m_mousePosition);
  return m_rootWindow->OnKeyEvent(action, key);
}
