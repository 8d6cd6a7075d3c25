#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "engine/core/Animatable.h"
#include "engine/core/PropertyAnimationSystem.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/application/UlvoApplicationBasic_Win32.h"
#include "engine/modules/input/UlvoInputInterface.h"
#include "engine/ui/ContainerWidget.h"
#include "engine/ui/WindowWidget.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/RecordingDrawCalls.h"

namespace ui_test {

// Records the order of draws and event firings across several widgets.
using Journal = std::vector<std::string>;

// Every firing of one global event, with a copy of its arguments.
class EventRecorder : public EventRecipient {
 public:
  explicit EventRecorder(const std::string& eventName, Journal* journal = nullptr)
      : m_eventName(eventName), m_journal(journal) {
    RegisterEventHandler(eventName, UlvoEventSystem::GetGlobal(), &EventRecorder::OnEvent, this);
  }
  void OnEvent(NamedProperties& args) {
    firings.push_back(args);
    if (m_journal != nullptr) m_journal->push_back("event " + m_eventName);
  }
  int Count() const { return static_cast<int>(firings.size()); }
  // The named argument of the last firing.
  template <typename T>
  T Get(const std::string& name) const {
    T value{};
    EXPECT_TRUE(!firings.empty() && firings.back().Get(name, value) == PROPERTY_FETCH_OK) << name;
    return value;
  }

  std::vector<NamedProperties> firings;

 private:
  std::string m_eventName;
  Journal* m_journal;
};

// The smallest concrete widget: its drawing is a journal entry.
template <typename Base>
class Probe : public Base {
 public:
  Probe(const std::string& name, BaseWidget* parent, Journal* journal = nullptr)
      : Base(name, parent), m_journal(journal) {}
  void Draw() override {
    ++drawCount;
    if (m_journal != nullptr) m_journal->push_back("draw " + this->GetName());
  }
  bool OnKeyEvent(int action, int key) override {
    keys.push_back(action * 1000 + key);
    return takesKeys || Base::OnKeyEvent(action, key);
  }
  void OnChildReleased(BaseWidget* child) override {
    released.push_back(child);
    Base::OnChildReleased(child);
  }

  int drawCount = 0;
  bool takesKeys = false;
  std::vector<int> keys;
  std::vector<BaseWidget*> released;

 private:
  Journal* m_journal;
};
using TestWidget = Probe<BaseWidget>;
using TestContainer = Probe<ContainerWidget>;

inline NamedProperties Bag() { return NamedProperties(); }

template <typename T, typename... Rest>
NamedProperties Bag(const std::string& name, const T& value, Rest&&... rest) {
  NamedProperties bag = Bag(std::forward<Rest>(rest)...);
  bag.Set(name, value);
  return bag;
}

// Applies a description built in place, as the UI module does.
inline void Describe(BaseWidget& widget, NamedProperties description) {
  widget.SetProperties(description);
}

// The press and release of the left button at point, roll-over first.
inline void ClickAt(BaseWidget& widget, const Vector2& point) {
  widget.UpdateMouseOver(point);
  widget.OnKeyEvent(KEY_ACTION_DOWN, KEY_CODE_LEFT_BUTTON);
  widget.OnKeyEvent(KEY_ACTION_UP, KEY_CODE_LEFT_BUTTON);
}

// The default application while it lives: a window on the test's offscreen
// display, under a virtual screen of 1024 x 640.
class OffscreenApplication {
 public:
  OffscreenApplication() { m_application->OpenWindow(IntVector2(800, 500), 0, 101); }

 private:
  std::unique_ptr<UlvoApplicationBasic_Win32> m_application = UlvoApplicationBasic_Win32::Create();
};

// An event system of the test's own (the global one while it lives), a
// recording renderer and a quiet console.
class WidgetTest : public ::testing::Test {
 protected:
  // A one-track animation of a float property keyed from at 0 s to at
  // duration, under a name of its own.
  static std::string MakeFloatAnimation(const std::string& property, float from, float to,
                                        double duration) {
    static int s_count = 0;
    const std::string name = "TestAnimation" + std::to_string(++s_count);
    Animatable<float> track(from);
    track.AddKeyframe(to, duration);
    Animations().CreateAnimation(name)->AddTrack(property, track);
    return name;
  }
  static PropertyAnimationSystem& Animations() { return PropertyAnimationSystem::GetGlobal(); }
  // Moves every animation on by seconds, in steps the animation clock takes.
  static void AdvanceAnimations(double seconds) {
    const double step = PropertyAnimationSystem::ANIMATION_CLOCK_MAXIMUM_STEP;
    for (; seconds > step; seconds -= step) Animations().GetAnimationClock().Advance(step);
    Animations().GetAnimationClock().Advance(seconds);
  }

  UlvoEventSystem events;
  testsupport::RecordingConsole console;
  testsupport::RecordingDrawCalls renderer;
};

constexpr int KEY_ENTER = 13;

}  // namespace ui_test
