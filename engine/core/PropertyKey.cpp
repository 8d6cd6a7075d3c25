#include "engine/core/PropertyKey.h"

#include <algorithm>

namespace {

int LowerAscii(int c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; }

}  // namespace

PropertyKey::PropertyKey(const std::string& text) : m_text(text), m_hash(ComputeHash(text)) {}

uint32_t PropertyKey::ComputeHash(const std::string& text) {
  uint32_t hash = 0;
  for (const char c : text) {
    const int character = LowerAscii(static_cast<int8_t>(c));
    hash = (hash & 0x7FFFFFFFu) * 31u + static_cast<uint32_t>(character);
  }
  return hash;
}

int PropertyKey::CompareIgnoringCase(const std::string& a, const std::string& b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const int difference =
        LowerAscii(static_cast<unsigned char>(a[i])) - LowerAscii(static_cast<unsigned char>(b[i]));
    if (difference != 0) {
      return difference;
    }
  }
  if (a.size() == b.size()) {
    return 0;
  }
  return a.size() < b.size() ? -1 : 1;
}

bool PropertyKey::operator<(const PropertyKey& other) const {
  if (m_hash != other.m_hash) {
    return m_hash < other.m_hash;
  }
  return CompareIgnoringCase(m_text, other.m_text) < 0;
}
