#pragma once

#include <string>

namespace platform {

// An advisory lock that this process holds on a file until it lets go or
// ends in any way: the system drops the lock with the process, so a kill
// leaves nothing behind that would lock a later start out. While it is
// held, every other attempt is refused, from another process or from a
// second lock in this one. The file carries the holder's process id for
// whoever is refused; it stays behind and means nothing once no one holds it.
class ExclusiveFileLock {
 public:
  enum class Outcome { HELD, HELD_ELSEWHERE, FAILED };

  ExclusiveFileLock() = default;
  ~ExclusiveFileLock() { Release(); }
  ExclusiveFileLock(const ExclusiveFileLock&) = delete;
  ExclusiveFileLock& operator=(const ExclusiveFileLock&) = delete;

  // Creates the file when it is missing. A file this process may read but
  // not write can still be held.
  Outcome Hold(const std::string& path);
  void Release();
  bool IsHeld() const { return m_fd >= 0; }

  // After HELD_ELSEWHERE: the holder's process id, 0 when the file does
  // not tell.
  int GetHolderProcessId() const { return m_holderProcessId; }
  // After FAILED: the system's reason.
  const std::string& GetError() const { return m_error; }

 private:
  int m_fd = -1;
  int m_holderProcessId = 0;
  std::string m_error;
};

}  // namespace platform
