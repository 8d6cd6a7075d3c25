#pragma once

#include <vector>

// A node in the tree of clocks. Each frame the master clock is advanced by
// the real time step and passes the step it took on to its children, so
// pausing or scaling one clock pauses or scales its whole subtree.
// A clock never owns its parent or its children.
class Clock {
 public:
  // A clock without a parent is a master clock; any other joins its parent's
  // children and starts at the parent's time.
  explicit Clock(Clock* parent = nullptr);
  Clock(const Clock&) = delete;
  Clock& operator=(const Clock&) = delete;
  // The children move up to this clock's parent, after its existing children.
  virtual ~Clock();

  // Applies pause, scale and the step limits to deltaSeconds, advances this
  // clock by the result and passes the same result on to every child.
  void Advance(double deltaSeconds);

  // Detaches from the current parent and joins newParent's children (last).
  // The clock keeps its own time.
  void SetParent(Clock* newParent);

  Clock* GetParent() const { return m_parent; }
  const std::vector<Clock*>& GetChildren() const { return m_children; }

  double GetTime() const { return m_time; }
  void SetTime(double seconds) { m_time = seconds; }
  double GetLastStep() const { return m_lastStep; }
  void SetLastStep(double seconds) { m_lastStep = seconds; }

  float GetScale() const { return m_scale; }
  void SetScale(float scale) { m_scale = scale; }
  bool IsPaused() const { return m_isPaused; }
  void SetPaused(bool paused) { m_isPaused = paused; }

  // 0 means no limit. When the maximum is below the minimum, the maximum wins.
  double GetMinimumStep() const { return m_minimumStep; }
  void SetMinimumStep(double seconds) { m_minimumStep = seconds; }
  double GetMaximumStep() const { return m_maximumStep; }
  void SetMaximumStep(double seconds) { m_maximumStep = seconds; }

 private:
  double LimitStep(double deltaSeconds) const;
  void RemoveChild(Clock* child);

  Clock* m_parent = nullptr;
  std::vector<Clock*> m_children;
  double m_time = 0.0;
  double m_lastStep = 0.0;
  float m_scale = 1.0f;
  bool m_isPaused = false;
  double m_minimumStep = 0.0;
  double m_maximumStep = 0.0;
};
