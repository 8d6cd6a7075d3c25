#pragma once

#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "engine/core/AABB2.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/EventRecipient.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/PropertyAnimationInstance.h"
#include "engine/core/Rgba.h"
#include "engine/core/UlvoCollectedClassInterface.h"
#include "engine/core/Vector2.h"
#include "engine/ui/UILayoutMode.h"
#include "engine/ui/UIState.h"
#include "engine/ui/UITextAlignment.h"
#include "engine/ui/UIWidgetType.h"

class UlvoRendererInterface;

// Flags of the property readers that ApplyProperties chains are made of.
// They combine: "SubscribeEvent" is read with
// PROPERTY_READ_DONT_STORE | PROPERTY_READ_REMOVE_FROM_SOURCE | PROPERTY_READ_SUBSCRIBE.
enum UIPropertyReadFlags : unsigned {
  PROPERTY_READ_COPY = 0,
  PROPERTY_READ_REMOVE_FROM_SOURCE = 1,
  PROPERTY_READ_SET_LAYOUT_DIRTY = 2,
  PROPERTY_READ_SUBSCRIBE = 4,         // text only: subscribe to the named event
  PROPERTY_READ_UNSUBSCRIBE = 8,       // text only: drop one subscription to it
  PROPERTY_READ_DONT_STORE = 16,
  PROPERTY_READ_COPY_COMPANION = 32,   // name + "Property" goes along, any type
  PROPERTY_READ_ANIM_APPEARING = 64,   // text only: show animation, played once
  PROPERTY_READ_ANIM_IDLE = 128,       // text only: idle animation, looping
  PROPERTY_READ_ANIM_HIDING = 256,     // text only: hide animation, played once
  PROPERTY_READ_ANIM_DISABLING = 512,  // text only: disable animation, played once
};

// The base of every widget. A widget keeps all of its settings as named,
// typed values: the class defaults in its own bag (overwritten by the
// description), per-state overrides in one bag per UIState, and the tracks
// of the animation playing on it. GetProperty<T> reads them in that order of
// precedence: animation, current state's bag, own bag.
//
// Widgets are reached from outside the toolkit only by handle: every widget
// constructed in a run draws the next handle (the first gets 2), and a handle
// is never given twice. 0 stands for no widget.
class BaseWidget : public EventRecipient, public UlvoCollectedClassInterface<BaseWidget> {
 public:
  static constexpr int NO_WIDGET_HANDLE = 0;

  BaseWidget(const std::string& name, BaseWidget* parent);
  BaseWidget(const BaseWidget&) = delete;
  BaseWidget& operator=(const BaseWidget&) = delete;
  ~BaseWidget() override;

  // The first live widget with that handle; null when none has it.
  static BaseWidget* FindWidgetByHandle(int handle);

  const std::string& GetName() const { return m_name; }
  int GetHandle() const { return m_handle; }
  BaseWidget* GetParent() const { return m_parent; }
  // Compound widgets build their parts without a parent and then adopt them.
  void SetParent(BaseWidget* parent) { m_parent = parent; }

  UIState GetState() const { return m_state; }
  // Gaining focus, focused, selected, activating or activated.
  bool HasFocus() const;
  // Whether a container passes the mouse and keys on to a widget in this
  // state: appearing without a running animation, or enabling to losing focus.
  bool IsTakingInput() const;
  bool IsShowPending() const { return m_isShowPending; }
  bool IsLayoutDirty() const { return m_isLayoutDirty; }
  void SetLayoutDirty() { m_isLayoutDirty = true; }
  // Whether the window is the top of its parent's stack; true for every
  // other widget. Only the window stack changes it.
  bool IsTopOfStack() const { return m_isTopOfStack; }
  void SetTopOfStack(bool isTopOfStack) { m_isTopOfStack = isTopOfStack; }

  // The own bag: class defaults, overwritten by descriptions.
  NamedProperties& GetProperties() { return m_properties; }
  const NamedProperties& GetProperties() const { return m_properties; }
  // The bag whose values replace the own bag's while the widget is in state.
  NamedProperties& GetStateProperties(UIState state);
  const NamedProperties& GetStateProperties(UIState state) const;

  // The value of the named property: from the attached animation's track of
  // that name and type, else the current state's bag, else the own bag. A
  // name that the own bag lacks or holds with another type is an assertion.
  template <typename T>
  T GetProperty(const std::string& name) const;

  // --- Typed readers ---
  AABB2 GetBounds() const { return GetProperty<AABB2>("Bounds"); }
  // "Bounds" moved by ("AnimOffsetX", "AnimOffsetY") while an animation is attached.
  AABB2 GetAnimatedBounds() const;
  // The animated bounds with "ExternalRenderOffset" added to the minimum and
  // "ExternalRenderInset" taken from the maximum: the box handed to event
  // handlers that draw on the widget's behalf.
  AABB2 GetExternalRenderBounds() const;
  // "BaseColor" with its alpha multiplied by "BaseAlpha", truncated.
  Rgba GetBaseColor() const;
  // "BorderColor" with its alpha multiplied by "BorderAlpha", truncated.
  Rgba GetBorderColor() const;
  float GetTintGradient() const { return GetProperty<float>("TintGradient"); }
  Vector2 GetMinBaseTextureCoords() const { return GetProperty<Vector2>("MinBaseTextureCoords"); }
  Vector2 GetMaxBaseTextureCoords() const { return GetProperty<Vector2>("MaxBaseTextureCoords"); }
  Vector2 GetMinOverlayTextureCoords() const {
    return GetProperty<Vector2>("MinOverlayTextureCoords");
  }
  Vector2 GetMaxOverlayTextureCoords() const {
    return GetProperty<Vector2>("MaxOverlayTextureCoords");
  }
  bool IsTracked() const { return GetProperty<bool>("Tracked"); }
  bool IsTransparent() const { return GetProperty<bool>("Transparent"); }
  bool IsAbleToBeVisible() const { return GetProperty<bool>("AbleToBeVisible"); }

  PropertyAnimationInstance* GetActiveAnimation() const { return m_activeAnimation; }

  // --- Virtual operations ---
  // Whether every child is hidden; a widget without children answers true.
  virtual bool AreChildrenHidden() const;
  // Not hidden.
  virtual bool IsActive() const;
  // False when newState is the current state. Entering a state starts its
  // animation, and states without one move straight on (hiding to hidden,
  // appearing to idle, ...).
  virtual bool SetState(UIState newState);
  // A bag holding a UIState "State" restyles that state only; any other bag
  // is applied to the own bag. Names that some reader takes may be removed
  // from properties.
  virtual void ApplyStateProperty(NamedProperties& properties);
  virtual void SetProperties(NamedProperties& properties);
  // state must be a real state (UI_STATE_HIDDEN to UI_STATE_DISABLED).
  virtual void SetStateProperties(UIState state, NamedProperties& properties);
  // Reads the names that the class knows from source into destination.
  // Subclasses read their own names first, then call their base class's.
  virtual void ApplyProperties(NamedProperties& source, NamedProperties& destination);
  // Registers the named animation for a state, replacing an earlier one. An
  // empty name registers nothing; an unknown name is an assertion.
  virtual void AddPropertyAnim(const std::string& animationName, UIState state,
                               AnimationPlayMode playMode);
  // Null when the state has no animation.
  virtual PropertyAnimationInstance* GetStateAnimation(UIState state) const;
  // Attaches and restarts the state's animation from "AnimStartTime"; without
  // one, detaches the attached animation and answers false.
  virtual bool StartAnimation(UIState state);
  // Once per frame: render events, Draw, show and update events, animation;
  // then the render pass of each part.
  virtual void Render();
  // Places what the widget holds; the base only clears the layout-dirty flag.
  virtual void LayoutContents();
  // Every concrete class draws itself.
  virtual void Draw() = 0;
  // The roll-over test: true when point is over the widget. Starts or ends
  // the widget's roll-over as the point enters or leaves it.
  virtual bool UpdateMouseOver(const Vector2& point);
  virtual bool Show();
  virtual bool Hide();
  virtual void OnRolloverBegin();
  virtual void OnRolloverEnd();
  // A child's roll-over has ended.
  virtual void OnChildReleased(BaseWidget* child);
  // Takes child out of the widget's children and hands its ownership to the
  // caller; null when child is not one of them (and for every widget that
  // holds no children).
  virtual std::unique_ptr<BaseWidget> RemoveChild(BaseWidget* child);
  // In layout mode 1, "Size", "Offset", "Padding" and "Bounds" are scaled.
  virtual void ScaleLayout(float scaleX, float scaleY);
  // Plays the sound whose identifier the int property holds; false for -1 or
  // without a sound module.
  virtual bool PlaySoundFromProperty(const std::string& propertyName);
  virtual bool StopSoundFromProperty(const std::string& propertyName);
  // Fires prefix + the event named by the text property, with a copy of
  // payload, the own bag's companion propertyName + "Property" when there is
  // one, and "Bounds" = the external render bounds. False, and nothing fired,
  // when the property is empty.
  virtual bool FireEventFromProperty(const std::string& propertyName, const std::string& prefix,
                                     const NamedProperties& payload);
  // True when the widget took the key; the base takes none.
  virtual bool OnKeyEvent(int action, int key);

  // Advances the attached animation (the render pass calls it).
  void UpdateAnimations();

  // The handler of "SubscribeEvent" and "SetVisibilityEvent" subscriptions:
  // the payload restyles the widget.
  void Event_OnSubscribedEvent(NamedProperties& payload);

 protected:
  void ClearLayoutDirty() { m_isLayoutDirty = false; }
  // While the layout is dirty, the parent places its children (and so this
  // widget) anew, so that bounds read next are current.
  void LayOutParentIfDirty();

  // Takes back the help text that the roll-over published, for a focused
  // widget that is hidden, disabled or destroyed under the pointer: the
  // pointer never leaves it, so its roll-over would never end. The base
  // publishes none.
  virtual void WithdrawRolloverText();
  // For the destructors of the classes that publish a help text: a widget
  // destroyed under the pointer withdraws it, and no failure leaves the
  // destructor.
  void WithdrawRolloverTextIfFocused() noexcept;

  // The widgets that a compound widget is built from (a button's caption, a
  // slider's labels and buttons), in the order in which they follow it. They
  // stand in no child list: the owner's SetState hands them the new state
  // before it changes its own, and its Show, Hide, render pass and
  // ScaleLayout reach them after its own. A plain widget has none.
  virtual std::vector<BaseWidget*> GetParts();
  void ShowParts();
  void HideParts();
  void RenderParts();
  // Gives a part its box, stored in its own bag, and lays it out.
  static void PlacePart(BaseWidget& part, const Vector2& topLeft, const Vector2& size);
  // Gives a part this widget's "Bounds" and "Size" and lays it out, so that a
  // caption covers its whole button or group and aligns its text there.
  void CoverWithPart(BaseWidget& part) const;
  // The widget's own render pass, without its parts or children.
  void RenderOwnPass();

  // The box of buttons, edit lines, groups and windows: filled in the base
  // colour with the tint gradient, or the base texture stretched over it
  // and tinted with "Tint".
  void DrawBaseBox(UlvoRendererInterface& renderer, const AABB2& box) const;
  // The overlay texture over the box, when there is one.
  void DrawOverlayTexture(UlvoRendererInterface& renderer, const AABB2& box) const;
  // The outline in the border colour, "BorderThickness" wide; none when the
  // thickness is 0 or less.
  void DrawOutline(UlvoRendererInterface& renderer, const AABB2& box) const;

  // The property reader of every ApplyProperties: when source holds a T under
  // name, it acts by the flags (UIPropertyReadFlags) and answers true;
  // otherwise it does nothing and answers false.
  template <typename T>
  bool ReadProperty(const std::string& name, NamedProperties& source,
                    NamedProperties& destination, unsigned flags);

  // Copies the entry, whatever its type, when source has it; source keeps it.
  static bool CopyAnyProperty(const std::string& name, const NamedProperties& source,
                              NamedProperties& destination);

 private:
  template <typename T>
  T GetOwnProperty(const std::string& name) const;
  [[noreturn]] void RaiseMissingProperty(const std::string& name,
                                         PropertyFetchResult result) const;

  void ActOnTextProperty(const std::string& value, unsigned flags);
  void ApplyEnabled(NamedProperties& source, NamedProperties& destination);
  void ApplyAbleToBeVisible(NamedProperties& source);
  // Where a widget that has finished appearing or enabling goes: idle, or
  // straight back to disabled when its "Enabled" is false.
  UIState GetStateAfterAppearing() const;
  void StepStateAfterAnimation();

  std::string m_name;
  BaseWidget* m_parent;
  UIState m_state = UI_STATE_HIDDEN;
  int m_handle;
  bool m_isShowPending = false;
  bool m_isLayoutDirty = true;
  bool m_isTopOfStack = true;
  NamedProperties m_properties;
  std::vector<NamedProperties> m_stateProperties;
  // The instances belong to the animation system.
  std::map<UIState, PropertyAnimationInstance*> m_stateAnimations;
  PropertyAnimationInstance* m_activeAnimation = nullptr;
};

// color with its alpha byte multiplied by factor, truncated toward zero and
// kept within 0..255: how "BaseAlpha", "BorderAlpha" and the like apply.
Rgba MultiplyAlpha(const Rgba& color, float factor);

template <typename T>
T BaseWidget::GetProperty(const std::string& name) const {
  T value{};
  if (m_activeAnimation != nullptr && m_activeAnimation->GetValue(name, value)) {
    return value;
  }
  if (m_stateProperties[m_state].Get(name, value) == PROPERTY_FETCH_OK) {
    return value;
  }
  return GetOwnProperty<T>(name);
}

template <typename T>
T BaseWidget::GetOwnProperty(const std::string& name) const {
  T value{};
  const PropertyFetchResult result = m_properties.Get(name, value);
  if (result != PROPERTY_FETCH_OK) {
    RaiseMissingProperty(name, result);
  }
  return value;
}

template <typename T>
bool BaseWidget::ReadProperty(const std::string& name, NamedProperties& source,
                              NamedProperties& destination, unsigned flags) {
  T value{};
  if (source.Get(name, value) != PROPERTY_FETCH_OK) {
    return false;
  }
  if ((flags & PROPERTY_READ_DONT_STORE) == 0) {
    destination.Set(name, value);
  }
  if ((flags & PROPERTY_READ_COPY_COMPANION) != 0 && &source != &destination) {
    destination.Set(name + "Property", source);
  }
  if ((flags & PROPERTY_READ_REMOVE_FROM_SOURCE) != 0 && &source != &destination) {
    source.Remove(name);
  }
  if ((flags & PROPERTY_READ_SET_LAYOUT_DIRTY) != 0) {
    SetLayoutDirty();
  }
  if constexpr (std::is_same_v<T, std::string>) {
    ActOnTextProperty(value, flags);
  }
  return true;
}
