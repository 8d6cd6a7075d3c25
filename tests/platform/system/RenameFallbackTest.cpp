// Renaming without replacing on a file system whose kernel call refuses the
// no-replace flag: the system's answer is made by a seccomp filter in a
// child process, so the fallback runs on the real files.
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <fstream>

#include "platform/system/FileSystem.h"
#include "tests/support/TemporaryFolder.h"

namespace {

// From now on renameat2 fails with the error, as on a file system without it.
void RefuseRenameat2(int error) {
  sock_filter program[] = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_renameat2, 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (static_cast<unsigned>(error) & SECCOMP_RET_DATA)),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  sock_fprog filter{static_cast<unsigned short>(std::size(program)), program};
  if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 ||
      prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &filter) != 0) {
    _exit(99);
  }
}

// The exit code tells: 1 renamed, 2 refused; 3 or more the files disagree.
int RenameInChild(const std::string& from, const std::string& to, int error) {
  RefuseRenameat2(error);
  const bool existedBefore = std::filesystem::exists(to);
  const bool renamed = platform::RenameWithoutReplacing(from, to);
  if (renamed != !std::filesystem::exists(from)) return 3;
  if (!renamed && !existedBefore && std::filesystem::exists(to)) return 4;
  return renamed ? 1 : 2;
}

// Without the kernel's no-replace rename a link stands in: a free name is
// taken and the old one goes; a taken name is refused and both files stay.
// Any other error refuses at once.
TEST(RenameFallbackTest, ALinkStandsInForTheNoReplaceRename) {
  testsupport::TemporaryFolder folder;
  const std::string from = folder.File("from");
  const std::string taken = folder.File("taken");
  const std::string free = folder.File("free");
  std::ofstream(from) << "a";
  std::ofstream(taken) << "b";
  const std::tuple<std::string, int, int> cases[] = {
      {taken, ENOSYS, 2}, {taken, EINVAL, 2}, {free, EACCES, 2}, {free, EINVAL, 1}};
  for (const auto& [to, error, outcome] : cases) {
    EXPECT_EXIT(_exit(RenameInChild(from, to, error)), ::testing::ExitedWithCode(outcome), "")
        << to << " " << error;
  }
}

}  // namespace
