#include "engine/core/NamedProperties.h"

#include <utility>

#include "engine/core/Diagnostics.h"

NamedProperties::NamedProperties(const NamedProperties& other) {
  for (const auto& [key, holder] : other.m_properties) {
    m_properties.emplace_hint(m_properties.end(), key, holder->Clone());
  }
}

// Built aside and swapped in, so that a clone that throws leaves this bag as
// it was, and assigning a bag to itself leaves it unchanged.
NamedProperties& NamedProperties::operator=(const NamedProperties& other) {
  NamedProperties copy(other);
  m_properties.swap(copy.m_properties);
  return *this;
}

// A null C string is stored as empty text rather than read through.
void NamedProperties::SetCString(NamedProperties& bag, const std::string& name, const char* value) {
  bag.Set<std::string>(name, value != nullptr ? std::string(value) : std::string());
}

bool NamedProperties::Set(const std::string& name, const NamedProperties& srcProperties) {
  ULVO_ASSERT(&srcProperties != this, "NamedProperties::Set called trying to copy from Me to Me",
              "NamedProperties internal error");
  const auto found = srcProperties.m_properties.find(PropertyKey(name));
  if (found == srcProperties.m_properties.end()) {
    return false;
  }
  Store(name, found->second->Clone());
  return true;
}

bool NamedProperties::Remove(const std::string& name) {
  return m_properties.erase(PropertyKey(name)) > 0;
}

void NamedProperties::Clear() { m_properties.clear(); }

void NamedProperties::Store(const std::string& name, std::unique_ptr<TypedPropertyBase> holder) {
  PropertyKey key(name);
  const auto found = m_properties.find(key);
  if (found == m_properties.end()) {
    m_properties.emplace(std::move(key), std::move(holder));
  } else {
    found->second = std::move(holder);
  }
}
