#pragma once

#include <cstdint>
#include <memory>

#include "engine/core/Clock.h"
#include "engine/core/UlvoCoreSystemInterface.h"

// The core's time system: reads the platform's time source and advances the
// master clock once per frame, so every clock below it follows real time.
class UlvoTimeSystem : public UlvoCoreSystemInterface {
 public:
  UlvoTimeSystem();
  ~UlvoTimeSystem() override;

  // Sets the master and frame clocks to the current time.
  void Startup() override;
  // Advances the master clock by the real time since the previous update.
  void Update() override;

  // Seconds since the time system was created.
  virtual double GetCurrentTimeSeconds() const = 0;
  // The same in whole milliseconds, truncated toward zero. 64 bits, so that
  // it does not overflow after a few weeks of running.
  virtual int64_t GetCurrentTimeMilliseconds() const = 0;

  Clock& GetMasterClock() { return m_masterClock; }
  Clock& GetFrameClock() { return *m_frameClock; }
  uint32_t GetFrameCount() const { return m_frameCount; }

 private:
  Clock m_masterClock;
  // Declared after the master clock so that it leaves the tree first.
  std::unique_ptr<Clock> m_frameClock;
  uint32_t m_frameCount = 0;
};
