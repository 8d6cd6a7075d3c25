#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace platform {

// Results of the online service wait here until the game asks for them, so
// they always arrive on the game thread at one known point of the frame.
class CallbackQueue {
 public:
  using CallId = uint64_t;

  // Never returns 0, which callers keep as "no call pending".
  CallId Post(std::function<void()> callback);

  // A cancelled call never runs; an unknown or finished id is ignored.
  void Cancel(CallId id);

  // Runs what was posted before this run began, in posting order; what the
  // callbacks post in turn waits for the next run.
  void RunPending();

  size_t PendingCount() const { return m_pending.size(); }

 private:
  CallId m_nextId = 1;
  std::vector<std::pair<CallId, std::function<void()>>> m_pending;
};

}  // namespace platform
