#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "engine/core/NamedProperties.h"
#include "engine/core/UlvoEventSystem.h"
#include "engine/modules/application/UlvoGameInterface.h"
#include "tests/platform/ScopedEnvironment.h"
#include "tests/support/RecordingConsole.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestCore.h"

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

using testsupport::TestCore;
using testsupport::TemporaryFolder;

inline std::string ReadTextFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace modules_test
