#include "platform/system/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

using platform::Cp1252ToUtf8;

TEST(TextEncodingTest, AsciiPassesThroughUnchanged) {
  EXPECT_EQ(Cp1252ToUtf8(""), "");
  EXPECT_EQ(Cp1252ToUtf8("Puzzle 12: \"ready\"\t~"), "Puzzle 12: \"ready\"\t~");
  EXPECT_EQ(Cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(TextEncodingTest, UpperHalfFollowsTheCodePage) {
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");          // euro sign
  EXPECT_EQ(Cp1252ToUtf8("\x85"), "\xE2\x80\xA6");          // ellipsis
  EXPECT_EQ(Cp1252ToUtf8("\x92"), "\xE2\x80\x99");          // right single quote
  EXPECT_EQ(Cp1252ToUtf8("\x99"), "\xE2\x84\xA2");          // trade mark
  EXPECT_EQ(Cp1252ToUtf8("\x9F"), "\xC5\xB8");              // Y with diaeresis
  EXPECT_EQ(Cp1252ToUtf8("\xA0"), "\xC2\xA0");              // no-break space
  EXPECT_EQ(Cp1252ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
  EXPECT_EQ(Cp1252ToUtf8("\xFF"), "\xC3\xBF");
}

TEST(TextEncodingTest, UndefinedBytesBecomeTheirControlCharacters) {
  EXPECT_EQ(Cp1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
}

}  // namespace
