#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/EventRecipient.h"
#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/sound/UlvoSoundInterface.h"
#include "engine/ui/BaseWidget.h"

namespace ui_test {

// Listens to the events it is told of and keeps every firing, in order, with
// a copy of its arguments.
class EventLog {
 public:
  struct Firing {
    std::string name;
    NamedProperties args;
  };

  void Listen(const std::string& eventName) {
    auto listener = std::make_unique<Listener>(eventName, m_firings);
    RegisterEventHandler(eventName, UlvoEventSystem::GetGlobal(), &Listener::OnEvent,
                         listener.get());
    m_listeners.push_back(std::move(listener));
  }

  const std::vector<Firing>& Firings() const { return m_firings; }
  void Forget() { m_firings.clear(); }

  // How many times the event fired since the last Forget.
  int Count(const std::string& eventName) const {
    int count = 0;
    for (const Firing& firing : m_firings) {
      count += firing.name == eventName ? 1 : 0;
    }
    return count;
  }

  // The arguments of the event's last firing; a test failure when it never fired.
  const NamedProperties& Last(const std::string& eventName) const {
    for (auto firing = m_firings.rbegin(); firing != m_firings.rend(); ++firing) {
      if (firing->name == eventName) {
        return firing->args;
      }
    }
    ADD_FAILURE() << "\"" << eventName << "\" never fired";
    static const NamedProperties none;
    return none;
  }

 private:
  class Listener : public EventRecipient {
   public:
    Listener(const std::string& eventName, std::vector<Firing>& firings)
        : m_eventName(eventName), m_firings(firings) {}
    void OnEvent(NamedProperties& args) { m_firings.push_back({m_eventName, args}); }

   private:
    std::string m_eventName;
    std::vector<Firing>& m_firings;
  };

  std::vector<Firing> m_firings;
  std::vector<std::unique_ptr<Listener>> m_listeners;
};

// A bag value read back, or the test fails.
template <typename T>
T Read(const NamedProperties& bag, const std::string& name) {
  T value{};
  EXPECT_EQ(bag.Get(name, value), PROPERTY_FETCH_OK) << name;
  return value;
}

// The default sound module while it lives: keeps the samples played and stopped.
class RecordingSound : public UlvoSoundInterface {
 public:
  struct Play {
    int id;
    int tag;
    int loopMode;
    float volume;
  };

  void PlaySample(int id, int tag, int loopMode, float volume, float, float) override {
    plays.push_back({id, tag, loopMode, volume});
  }
  void StopSample(int id) override { stops.push_back(id); }

  void DebugRender() override {}
  bool IsFMODOk() override { return true; }
  float GetSpectrumPeak(int) override { return 0.0f; }
  void RegisterSample(int, const std::string&) override {}
  void RegisterStream(int, const std::string&, unsigned) override {}
  void UnregisterSample(int) override {}
  void UnregisterStream(int) override {}
  void UnregisterAll() override {}
  float GetSampleVolume(int, int) override { return 0.0f; }
  float GetStreamVolume(int) override { return 0.0f; }
  void ChangeSampleFrequency(int, float) override {}
  void SetPlaybackLimit(int, uint8_t) override {}
  void PlaySampleEx(int, int, int, float, float, float) override {}
  void PlayStream(int, float) override {}
  void StopSampleByTag(int, int) override {}
  void StopStream(int) override {}
  void PauseSample(int) override {}
  void UnpauseSample(int) override {}
  void PauseStream(int) override {}
  void UnpauseStream(int) override {}
  void StopAll() override {}
  void PauseAll() override {}
  void UnpauseAll() override {}
  void ChangeSampleVolume(int, int, float, int) override {}
  void ChangeStreamVolume(int, float) override {}

  std::vector<Play> plays;
  std::vector<int> stops;
};

// Applies a description the way the UI module does after building a widget.
inline void Describe(BaseWidget& widget, NamedProperties description) {
  widget.ApplyStateProperty(description);
}

// The key and button codes the widgets hear.
constexpr int PRESS = 1;
constexpr int REPEAT = 2;
constexpr int RELEASE = 3;
constexpr int CHARACTER = 4;
constexpr int LEFT_BUTTON = 1;
constexpr int KEY_ENTER = 13;

}  // namespace ui_test
