#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "engine/core/UlvoTimeSystem_Win32.h"

namespace {

constexpr int64_t TICKS_PER_SECOND = 1000000000;

// A counter that moves only when the test says so.
class FakeCounter {
 public:
  explicit FakeCounter(int64_t start) : m_ticks(start) {}
  void AdvanceSeconds(double seconds) {
    m_ticks += static_cast<int64_t>(seconds * static_cast<double>(TICKS_PER_SECOND));
  }
  void AdvanceTicks(int64_t ticks) { m_ticks += ticks; }
  std::unique_ptr<UlvoTimeSystem_Win32> MakeTimeSystem() {
    return std::make_unique<UlvoTimeSystem_Win32>([this] { return m_ticks; }, TICKS_PER_SECOND);
  }

 private:
  int64_t m_ticks;
};

TEST(TimeSystem, StartupAndUpdateDriveMasterAndFrameClocks) {
  FakeCounter counter(0);
  auto timeSystem = counter.MakeTimeSystem();
  counter.AdvanceSeconds(4.0);
  timeSystem->Startup();

  Clock& master = timeSystem->GetMasterClock();
  Clock& frame = timeSystem->GetFrameClock();
  EXPECT_EQ(frame.GetParent(), &master);
  EXPECT_DOUBLE_EQ(master.GetTime(), 4.0);
  EXPECT_DOUBLE_EQ(frame.GetTime(), 4.0);
  EXPECT_EQ(timeSystem->GetFrameCount(), 0u);

  counter.AdvanceSeconds(0.25);
  timeSystem->Update();
  EXPECT_DOUBLE_EQ(master.GetTime(), 4.25);
  EXPECT_DOUBLE_EQ(master.GetLastStep(), 0.25);
  EXPECT_DOUBLE_EQ(frame.GetLastStep(), 0.25);
  EXPECT_EQ(timeSystem->GetFrameCount(), 1u);

  // A stall: the master follows real time, the frame clock takes at most 1 s.
  counter.AdvanceSeconds(5.0);
  timeSystem->Update();
  EXPECT_DOUBLE_EQ(master.GetTime(), 9.25);
  EXPECT_DOUBLE_EQ(frame.GetLastStep(), 1.0);

  // A frame too short to measure still moves the frame clock a millisecond.
  timeSystem->Update();
  EXPECT_DOUBLE_EQ(master.GetLastStep(), 0.0);
  EXPECT_DOUBLE_EQ(frame.GetLastStep(), 0.001);
  EXPECT_EQ(timeSystem->GetFrameCount(), 3u);
}

}  // namespace
