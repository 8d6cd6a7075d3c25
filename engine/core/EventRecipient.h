#pragma once

#include <memory>

// The base of every object that handles events. Its destructor removes all of
// the object's subscriptions from every live event system, and a dispatch that
// is already under way and still holds one of them skips it rather than call
// into the destroyed object.
class EventRecipient {
 public:
  EventRecipient();
  // A copy is another recipient: it starts without subscriptions.
  EventRecipient(const EventRecipient& other);
  // Assignment copies values, not identity: subscriptions stay as they are.
  EventRecipient& operator=(const EventRecipient& other);
  virtual ~EventRecipient();

  // Expires when this recipient is destroyed; subscriptions test it before
  // every call.
  std::weak_ptr<const bool> GetLifetimeToken() const { return m_lifetimeToken; }

 private:
  std::shared_ptr<const bool> m_lifetimeToken;
};
