#include "platform/steam/CallbackQueue.h"

#include <algorithm>

namespace platform {

CallbackQueue::CallId CallbackQueue::Post(std::function<void()> callback) {
  const CallId id = m_nextId++;
  m_pending.emplace_back(id, std::move(callback));
  return id;
}

void CallbackQueue::Cancel(CallId id) {
  m_pending.erase(std::remove_if(m_pending.begin(), m_pending.end(),
                                 [id](const auto& entry) { return entry.first == id; }),
                  m_pending.end());
}

void CallbackQueue::RunPending() {
  const CallId lastPostedBeforeRun = m_nextId - 1;
  while (!m_pending.empty() && m_pending.front().first <= lastPostedBeforeRun) {
    // A callback may cancel or post others, so take each one out before it runs.
    std::function<void()> callback = std::move(m_pending.front().second);
    m_pending.erase(m_pending.begin());
    callback();
  }
}

}  // namespace platform
