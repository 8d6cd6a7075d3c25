#pragma once

#include <map>
#include <memory>
#include <string>
#include <type_traits>

#include "engine/core/PropertyKey.h"
#include "engine/core/TypedProperty.h"

// Results of NamedProperties::Get. Callers keep their default in the out
// value, which every code but PROPERTY_FETCH_OK leaves untouched.
enum PropertyFetchResult {
  PROPERTY_FETCH_OK = 0,
  PROPERTY_FETCH_NOT_FOUND = 1,   // the bag has entries, none of that name
  PROPERTY_FETCH_EMPTY = 2,       // the bag has no entries at all
  PROPERTY_FETCH_WRONG_TYPE = 3,  // the entry exists but holds another type
};

// A map from a case-insensitive name to an owned value of any copyable type:
// the arguments of every event, the settings of every widget. Copying a bag
// clones every value; pointer values are copied as pointers, never owned.
class NamedProperties {
 public:
  using PropertyMap = std::map<PropertyKey, std::unique_ptr<TypedPropertyBase>>;

  NamedProperties() = default;
  NamedProperties(const NamedProperties& other);
  NamedProperties(NamedProperties&& other) noexcept = default;
  NamedProperties& operator=(const NamedProperties& other);
  NamedProperties& operator=(NamedProperties&& other) noexcept = default;
  virtual ~NamedProperties() = default;

  // Stores a copy of value under name, replacing whatever was there, of any
  // type. A replaced entry keeps the spelling it was first stored under.
  // To store a bag inside a bag, name the type: Set<NamedProperties>(name, bag);
  // without it the call copies one entry between bags (see below).
  template <typename T>
  void Set(const std::string& name, const T& value) {
    static_assert(!std::is_same_v<T, char*> && !std::is_same_v<T, const char*>,
                  "text is stored as std::string");
    Store(name, std::make_unique<TypedProperty<T>>(value));
  }

  // Text given as a C string is stored as a std::string (a null pointer as
  // empty text): the common shortcut for the text payloads of events and
  // widget descriptions.
  static void SetCString(NamedProperties& bag, const std::string& name, const char* value);
  void Set(const std::string& name, const char* value) { SetCString(*this, name, value); }

  // Copies the one entry called name from srcProperties into this bag,
  // replacing an entry of that name. False, and this bag unchanged, when
  // srcProperties has no such entry. srcProperties must not be this bag.
  bool Set(const std::string& name, const NamedProperties& srcProperties);

  template <typename T>
  PropertyFetchResult Get(const std::string& name, T& out) const {
    if (m_properties.empty()) {
      return PROPERTY_FETCH_EMPTY;
    }
    const auto found = m_properties.find(PropertyKey(name));
    if (found == m_properties.end()) {
      return PROPERTY_FETCH_NOT_FOUND;
    }
    const auto* holder = dynamic_cast<const TypedProperty<T>*>(found->second.get());
    if (holder == nullptr) {
      return PROPERTY_FETCH_WRONG_TYPE;
    }
    out = holder->GetValue();
    return PROPERTY_FETCH_OK;
  }

  // True when name was there.
  bool Remove(const std::string& name);
  void Clear();

  bool IsEmpty() const { return m_properties.empty(); }

  // In key order, which is hash order.
  PropertyMap::const_iterator begin() const { return m_properties.begin(); }
  PropertyMap::const_iterator end() const { return m_properties.end(); }

 private:
  void Store(const std::string& name, std::unique_ptr<TypedPropertyBase> holder);

  PropertyMap m_properties;
};
