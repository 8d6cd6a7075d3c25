#pragma once

#include <cstdint>
#include <string>

// The name key of property bags and of the event table. Names match ignoring
// ASCII letter case; the map compares the precomputed hash first, so most
// comparisons never touch the text. Iterating a map of these visits entries
// in hash order, not in alphabetical or insertion order.
class PropertyKey {
 public:
  explicit PropertyKey(const std::string& text);

  // h = (h & 0x7FFFFFFF) * 31 + lower(c), wrapping at 32 bits. Each character
  // counts as a signed 8-bit value (bytes 0x80..0xFF are -128..-1) and only
  // 'A'..'Z' are lowered, so the value never depends on the C locale; stored
  // data and event tables were built with exactly this function.
  static uint32_t ComputeHash(const std::string& text);

  // Negative, zero or positive as a is below, equal to or above b, comparing
  // bytes as unsigned values after lowering 'A'..'Z'.
  static int CompareIgnoringCase(const std::string& a, const std::string& b);

  // The name as first spelled by the caller.
  const std::string& GetText() const { return m_text; }
  uint32_t GetHash() const { return m_hash; }

  bool operator<(const PropertyKey& other) const;

 private:
  std::string m_text;
  uint32_t m_hash;
};
