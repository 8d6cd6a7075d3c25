#include "engine/core/Clock.h"

#include <algorithm>

#include "engine/core/Diagnostics.h"

Clock::Clock(Clock* parent) {
  if (parent != nullptr) {
    m_time = parent->m_time;
    SetParent(parent);
  }
}

Clock::~Clock() {
  // Copied first: each SetParent removes the child from this list.
  const std::vector<Clock*> children = m_children;
  for (Clock* child : children) {
    child->SetParent(m_parent);
  }
  SetParent(nullptr);
}

void Clock::Advance(double deltaSeconds) {
  const double step = LimitStep(deltaSeconds);
  m_lastStep = step;
  m_time += step;
  for (Clock* child : m_children) {
    child->Advance(step);
  }
}

double Clock::LimitStep(double deltaSeconds) const {
  if (m_isPaused) {
    return 0.0;
  }
  double step = m_scale * deltaSeconds;
  if (m_minimumStep > 0.0 && step < m_minimumStep) {
    step = m_minimumStep;
  }
  if (m_maximumStep > 0.0 && step > m_maximumStep) {
    step = m_maximumStep;
  }
  return step;
}

void Clock::SetParent(Clock* newParent) {
  for (const Clock* ancestor = newParent; ancestor != nullptr; ancestor = ancestor->m_parent) {
    ULVO_ASSERT(ancestor != this, "A clock cannot be attached below itself.", "Clock::SetParent");
  }
  if (m_parent != nullptr) {
    m_parent->RemoveChild(this);
  }
  m_parent = newParent;
  if (m_parent != nullptr) {
    m_parent->m_children.push_back(this);
  }
}

void Clock::RemoveChild(Clock* child) {
  const auto found = std::find(m_children.begin(), m_children.end(), child);
  if (found != m_children.end()) {
    m_children.erase(found);
  }
}
