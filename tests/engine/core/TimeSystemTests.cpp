#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "engine/core/UlvoTimeSystem_Win32.h"

TEST(TimeSystem, StartupAndUpdateDriveMasterAndFrameClocks) {
  // Times count from the time system's creation.
  int64_t milliseconds = 7000;
  UlvoTimeSystem_Win32 timeSystem([&milliseconds] { return milliseconds; }, 1000);
  milliseconds += 4000;
  timeSystem.Startup();
  Clock& master = timeSystem.GetMasterClock();
  Clock& frame = timeSystem.GetFrameClock();
  EXPECT_EQ(frame.GetParent(), &master);
  EXPECT_DOUBLE_EQ(frame.GetTime(), 4.0);

  milliseconds += 250;
  timeSystem.Update();
  EXPECT_DOUBLE_EQ(master.GetTime(), 4.25);
  EXPECT_DOUBLE_EQ(frame.GetLastStep(), 0.25);
  EXPECT_EQ(timeSystem.GetFrameCount(), 1u);

  // A stall: the master follows real time, the frame clock takes at most 1 s.
  milliseconds += 5000;
  timeSystem.Update();
  EXPECT_DOUBLE_EQ(master.GetTime(), 9.25);
  EXPECT_DOUBLE_EQ(frame.GetLastStep(), 1.0);

  // A frame too short to measure still moves the frame clock a millisecond.
  timeSystem.Update();
  EXPECT_DOUBLE_EQ(master.GetLastStep(), 0.0);
  EXPECT_DOUBLE_EQ(frame.GetLastStep(), 0.001);
  EXPECT_EQ(timeSystem.GetFrameCount(), 3u);
}
