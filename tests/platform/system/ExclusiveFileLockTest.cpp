// The lock one copy of the game holds on its data folder: exclusive, let go
// with its holder, telling the refused who holds it, and held also on a
// file the process may read but not write (another user's folder).
#include "platform/system/ExclusiveFileLock.h"

#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using platform::ExclusiveFileLock;
using Outcome = ExclusiveFileLock::Outcome;

constexpr uid_t NOBODY = 65534;

// Two locks in one process stand for two processes: each open of the file
// is a holder of its own.
void ExpectExclusiveUntilReleased(const std::string& path) {
  ExclusiveFileLock first;
  ExclusiveFileLock second;
  ASSERT_EQ(first.Hold(path), Outcome::HELD);
  EXPECT_EQ(second.Hold(path), Outcome::HELD_ELSEWHERE);
  EXPECT_FALSE(second.IsHeld());
  first.Release();
  EXPECT_EQ(second.Hold(path), Outcome::HELD);
}

TEST(ExclusiveFileLockTest, OneHolderAtATimeWhoseProcessTheRefusedLearn) {
  testsupport::TemporaryFolder folder;
  const std::string path = folder.File("running.lock");
  ExpectExclusiveUntilReleased(path);

  ExclusiveFileLock holder;
  ExclusiveFileLock refused;
  ASSERT_EQ(holder.Hold(path), Outcome::HELD);
  ASSERT_EQ(refused.Hold(path), Outcome::HELD_ELSEWHERE);
  EXPECT_EQ(refused.GetHolderProcessId(), getpid());

  EXPECT_EQ(refused.Hold(folder.File("missing/running.lock")), Outcome::FAILED);
  EXPECT_EQ(refused.GetError(), "No such file or directory");
}

// Root writes anywhere, so root looks at the file as nobody does; anyone
// else loses the write permission.
TEST(ExclusiveFileLockTest, AFileThatMayOnlyBeReadIsHeldAllTheSame) {
  testsupport::TemporaryFolder folder;
  const std::string path = folder.File("running.lock");
  std::ofstream(path) << "1\n";
  ASSERT_EQ(chmod(folder.Path().c_str(), 0755), 0);
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  const bool isRoot = geteuid() == 0;
  if (isRoot) {
    setfsuid(NOBODY);
  }
  ExpectExclusiveUntilReleased(path);
  if (isRoot) {
    setfsuid(0);
  }
}

}  // namespace
