#include "platform/system/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

// ASCII and NUL pass through; the upper half follows the code page, and its
// five undefined bytes become their control characters.
TEST(TextEncodingTest, EachByteFollowsTheCodePage) {
  const std::pair<std::string, std::string> cases[] = {
      {std::string("Puzzle 1:\t~\0b", 13), std::string("Puzzle 1:\t~\0b", 13)},
      {"\x80\x85\x92\x99", "\xE2\x82\xAC\xE2\x80\xA6\xE2\x80\x99\xE2\x84\xA2"},
      {"\x9F\xA0\xE9\xFF", "\xC5\xB8\xC2\xA0\xC3\xA9\xC3\xBF"},
      {"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
  };
  for (const auto& [cp1252, utf8] : cases) EXPECT_EQ(platform::Cp1252ToUtf8(cp1252), utf8);
}

}  // namespace
