#pragma once

#include <cstdint>
#include <memory>

#include "engine/core/PropertyAnimationSystem.h"
#include "engine/core/UlvoCore.h"
#include "engine/core/UlvoTimeSystem_Win32.h"

namespace testsupport {

// An engine core whose time the test controls: every reading of the clock
// moves it on by a fixed step (none by default). What draws from the
// engine's clock, such as the seeds of puzzles asked for with seed -1, then
// draws the same in every run.
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

}  // namespace testsupport
