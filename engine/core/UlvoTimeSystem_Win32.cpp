#include "engine/core/UlvoTimeSystem_Win32.h"

#include <utility>

#include "engine/core/Diagnostics.h"
#include "platform/system/HighResolutionCounter.h"

std::unique_ptr<UlvoTimeSystem_Win32> UlvoTimeSystem_Win32::Create() {
  return std::make_unique<UlvoTimeSystem_Win32>(&platform::QueryCounter,
                                                platform::QueryCounterFrequency());
}

UlvoTimeSystem_Win32::UlvoTimeSystem_Win32(CounterQuery queryCounter, int64_t ticksPerSecond)
    : m_queryCounter(std::move(queryCounter)), m_ticksPerSecond(ticksPerSecond) {
  ULVO_ASSERT(m_queryCounter != nullptr, "The time system needs a counter to read.",
              "UlvoTimeSystem_Win32");
  ULVO_ASSERT(m_ticksPerSecond > 0,
              Stringf("The counter frequency must be positive, not %lld.",
                      static_cast<long long>(m_ticksPerSecond)),
              "UlvoTimeSystem_Win32");
  m_secondsPerTick = 1.0 / static_cast<double>(m_ticksPerSecond);
  m_counterAtCreation = m_queryCounter();
}

int64_t UlvoTimeSystem_Win32::TicksSinceCreation() const {
  return m_queryCounter() - m_counterAtCreation;
}

double UlvoTimeSystem_Win32::GetCurrentTimeSeconds() const {
  return static_cast<double>(TicksSinceCreation()) * m_secondsPerTick;
}

int64_t UlvoTimeSystem_Win32::GetCurrentTimeMilliseconds() const {
  // Whole seconds and the remainder apart, in integers: exact, and the
  // product cannot overflow for any realistic counter frequency.
  const int64_t ticks = TicksSinceCreation();
  const int64_t wholeSeconds = ticks / m_ticksPerSecond;
  const int64_t remainderTicks = ticks % m_ticksPerSecond;
  return wholeSeconds * 1000 + remainderTicks * 1000 / m_ticksPerSecond;
}
