#pragma once

#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Animatable.h"
#include "engine/core/Diagnostics.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/PropertyAnimationSystem.h"
#include "engine/core/UlvoConsoleInterface.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoException.h"
#include "engine/ui/ContainerWidget.h"
#include "engine/ui/WindowWidget.h"
#include "tests/support/RecordingConsole.h"

namespace ui_core_test {

// The first line of the message of the UlvoException that call throws (an
// assertion adds its condition on further lines); a test failure when it
// throws none.
template <typename Call>
std::string ThrownMessage(Call&& call) {
  try {
    call();
  } catch (const UlvoException& error) {
    const std::string& message = error.GetMessage();
    return message.substr(0, message.find('\n'));
  }
  ADD_FAILURE() << "no UlvoException was thrown";
  return std::string();
}

// Records the order of draws and event firings across several widgets.
struct Journal {
  std::vector<std::string> entries;
};

// Every firing of one event, in order, with a copy of its arguments.
class EventRecorder : public EventRecipient {
 public:
  explicit EventRecorder(const std::string& eventName, Journal* journal = nullptr)
      : m_eventName(eventName), m_journal(journal) {
    RegisterEventHandler(eventName, UlvoEventSystem::GetGlobal(), &EventRecorder::OnEvent, this);
  }

  void OnEvent(NamedProperties& args) {
    firings.push_back(args);
    if (m_journal != nullptr) {
      m_journal->entries.push_back("event " + m_eventName);
    }
  }

  int Count() const { return static_cast<int>(firings.size()); }

  // The named argument of the last firing.
  template <typename T>
  T Get(const std::string& name) const {
    T value{};
    EXPECT_FALSE(firings.empty()) << m_eventName << " never fired";
    if (!firings.empty()) {
      EXPECT_EQ(firings.back().Get(name, value), PROPERTY_FETCH_OK) << name;
    }
    return value;
  }

  std::vector<NamedProperties> firings;

 private:
  std::string m_eventName;
  Journal* m_journal;
};

// The smallest concrete widget: its drawing is a journal entry.
class TestWidget : public BaseWidget {
 public:
  TestWidget(const std::string& name, BaseWidget* parent, Journal* journal = nullptr)
      : BaseWidget(name, parent), m_journal(journal) {}
  void Draw() override {
    ++drawCount;
    if (m_journal != nullptr) {
      m_journal->entries.push_back("draw " + GetName());
    }
  }
  bool OnKeyEvent(int action, int key) override {
    keys.push_back(action * 1000 + key);
    return takesKeys;
  }
  void OnChildReleased(BaseWidget* child) override { released.push_back(child); }

  int drawCount = 0;
  bool takesKeys = false;
  std::vector<int> keys;
  std::vector<BaseWidget*> released;

 private:
  Journal* m_journal;
};

class TestContainer : public ContainerWidget {
 public:
  TestContainer(const std::string& name, BaseWidget* parent, Journal* journal = nullptr)
      : ContainerWidget(name, parent), m_journal(journal) {}
  void Draw() override {
    if (m_journal != nullptr) {
      m_journal->entries.push_back("draw " + GetName());
    }
  }

 private:
  Journal* m_journal;
};

// An event system of the test's own (the global one while it lives), and a
// quiet console.
class WidgetTest : public ::testing::Test {
 protected:
  // A one-track animation of a float property keyed (from at 0 s, to at
  // duration), registered under a name of the test's own.
  std::string MakeFloatAnimation(const std::string& property, float from, float to,
                                 double duration) {
    const std::string name = NewAnimationName();
    Animatable<float> track(from);
    track.AddKeyframe(to, duration);
    Animations().CreateAnimation(name)->AddTrack(property, track);
    return name;
  }

  std::string NewAnimationName() {
    static int s_count = 0;
    return "TestAnimation" + std::to_string(++s_count);
  }

  static PropertyAnimationSystem& Animations() { return PropertyAnimationSystem::GetGlobal(); }

  // Moves every animation on by seconds, in steps the animation clock takes.
  static void AdvanceAnimations(double seconds) {
    const double step = PropertyAnimationSystem::ANIMATION_CLOCK_MAXIMUM_STEP;
    for (; seconds > step; seconds -= step) {
      Animations().GetAnimationClock().Advance(step);
    }
    Animations().GetAnimationClock().Advance(seconds);
  }

  UlvoEventSystem events;
  testsupport::RecordingConsole console;
};

inline NamedProperties Bag() { return NamedProperties(); }

template <typename T, typename... Rest>
NamedProperties Bag(const std::string& name, const T& value, Rest&&... rest) {
  NamedProperties bag = Bag(std::forward<Rest>(rest)...);
  bag.Set(name, value);
  return bag;
}

// Applies a description built in place to the widget's own bag.
inline void Describe(BaseWidget& widget, NamedProperties description) {
  widget.SetProperties(description);
}

}  // namespace ui_core_test
