#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "engine/core/UlvoTimeSystem.h"

// The time system on the platform's monotonic high-resolution counter.
// The counter can be replaced, so that tests drive time exactly.
class UlvoTimeSystem_Win32 : public UlvoTimeSystem {
 public:
  using CounterQuery = std::function<int64_t()>;

  // On the platform counter.
  static std::unique_ptr<UlvoTimeSystem_Win32> Create();

  // Reads the counter once now: that moment is time 0.
  UlvoTimeSystem_Win32(CounterQuery queryCounter, int64_t ticksPerSecond);

  double GetCurrentTimeSeconds() const override;
  int64_t GetCurrentTimeMilliseconds() const override;

 private:
  int64_t TicksSinceCreation() const;

  CounterQuery m_queryCounter;
  int64_t m_ticksPerSecond;
  double m_secondsPerTick;
  int64_t m_counterAtCreation;
};
