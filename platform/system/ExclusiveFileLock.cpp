#include "platform/system/ExclusiveFileLock.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

namespace {

int ReadProcessId(int fd) {
  char text[24] = {};
  const ssize_t length = pread(fd, text, sizeof(text) - 1, 0);
  return length > 0 ? std::atoi(text) : 0;
}

// Only a note for the refused: a failure costs nothing but the number.
bool WriteProcessId(int fd) {
  const std::string text = std::to_string(getpid()) + "\n";
  return ftruncate(fd, 0) == 0 &&
         pwrite(fd, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size());
}

}  // namespace

ExclusiveFileLock::Outcome ExclusiveFileLock::Hold(const std::string& path) {
  Release();
  m_holderProcessId = 0;
  m_error.clear();
  int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  const bool isWritable = fd >= 0;
  if (!isWritable && (errno == EACCES || errno == EROFS)) {
    fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  }
  if (fd < 0) {
    m_error = std::strerror(errno);
    return Outcome::FAILED;
  }
  // flock, not fcntl: its lock belongs to this open file, so that no other
  // close of the same file in this process lets go of it.
  while (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) {
      continue;
    }
    const int error = errno;
    if (error == EWOULDBLOCK) {
      m_holderProcessId = ReadProcessId(fd);
    } else {
      m_error = std::strerror(error);
    }
    close(fd);
    return error == EWOULDBLOCK ? Outcome::HELD_ELSEWHERE : Outcome::FAILED;
  }
  if (isWritable) {
    WriteProcessId(fd);
  }
  m_fd = fd;
  return Outcome::HELD;
}

void ExclusiveFileLock::Release() {
  if (m_fd >= 0) {
    close(m_fd);
    m_fd = -1;
  }
}

}  // namespace platform
