#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/NamedProperties.h"
#include "engine/core/PropertyAnimationSystem.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/core/UlvoTimeSystem_Win32.h"
#include "engine/modules/application/UlvoGameInterface.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/ScopedWorkingDirectory.h"
#include "tests/support/TemporaryFolder.h"

namespace modules_test {

struct Pair {
  int action;
  int code;
};

inline bool operator==(const Pair& a, const Pair& b) {
  return a.action == b.action && a.code == b.code;
}

inline void PrintTo(const Pair& pair, std::ostream* os) {
  *os << "(" << pair.action << ", " << pair.code << ")";
}

// The driver as the modules see it: records every pair that reaches the end
// of the key chain.
class RecordingGame : public UlvoGameInterface {
 public:
  bool IsQuitting() const override { return quitting; }
  bool OnKeyEvent(int action, int code) override {
    pairs.push_back({action, code});
    return takesKeys;
  }

  std::vector<Pair> pairs;
  bool quitting = false;
  bool takesKeys = false;
};

// A recording console that may take keys.
class RecordingConsole : public testsupport::RecordingConsole {
 public:
  bool OnKeyEvent(int action, int code) override {
    pairs.push_back({action, code});
    return takesKeys;
  }

  bool Printed(const std::string& line) const { return Text().find(line) != std::string::npos; }

  std::vector<Pair> pairs;
  bool takesKeys = false;
};

// Counts the firings of one event on the global event system and keeps the
// arguments of the last one.
class EventLog : public EventRecipient {
 public:
  explicit EventLog(const std::string& eventName) {
    RegisterEventHandler(eventName, UlvoEventSystem::GetGlobal(), &EventLog::OnEvent, this);
  }

  void OnEvent(NamedProperties& args) {
    ++count;
    last = args;
    if (whileFiring) {
      whileFiring(args);
    }
  }

  template <typename T>
  T Get(const std::string& name) const {
    T value{};
    EXPECT_EQ(last.Get(name, value), PROPERTY_FETCH_OK) << name;
    return value;
  }

  int count = 0;
  NamedProperties last;
  std::function<void(NamedProperties&)> whileFiring;
};

// An engine core whose time the test controls: every reading of the clock
// moves it on by a fixed step (none by default).
class TestCore {
 public:
  explicit TestCore(int64_t nanosecondsPerReading = 0) : m_step(nanosecondsPerReading) {
    m_core = std::make_unique<UlvoCore>(
        std::make_unique<UlvoTimeSystem_Win32>(
            [this] {
              const int64_t now = m_ticks;
              m_ticks += m_step;
              return now;
            },
            1000000000),
        m_animations);
  }

  UlvoCore& Core() { return *m_core; }

 private:
  int64_t m_ticks = 0;
  int64_t m_step;
  PropertyAnimationSystem m_animations;
  std::unique_ptr<UlvoCore> m_core;
};

using testsupport::ScopedWorkingDirectory;
using testsupport::TemporaryFolder;

inline std::string ReadTextFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      end = text.size();
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

}  // namespace modules_test
