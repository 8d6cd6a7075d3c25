#include <gtest/gtest.h>

#include <string>

#include "engine/modules/application/CursorFile.h"
#include "tests/engine/modules/application/CursorPngSupport.h"

namespace {

using testsupport::Bytes;

// A cursor whose hot spot chunk says "2,3", with the chunk given placed
// before it.
Bytes CursorWithChunkFirst(const Bytes& chunk) {
  Bytes file = modules_test::CursorPng(8, 8, "2,3");
  file.insert(file.begin() + 33, chunk.begin(), chunk.end());  // after the header chunk
  return file;
}

Bytes TextChunk(const std::string& text) {
  Bytes chunk;
  png_bytes::AppendChunk(chunk, "tEXt", Bytes(text.begin(), text.end()));
  return chunk;
}

// Only a text chunk whose keyword is exactly "HotSpot" gives the hot spot,
// and the first such chunk is the one taken. The bare keyword, seven bytes
// with no text and a check sum starting with a zero byte, must not be read
// as the keyword followed by its terminator (its text would then have a
// length of minus one).
TEST(CursorFileHotSpotChunkTest, OnlyTheFirstChunkNamedExactlyHotSpotGivesTheHotSpot) {
  const Bytes bareKeyword = {0, 0, 0, 7, 't', 'E', 'X', 't', 'H', 'o', 't', 'S', 'p', 'o', 't', 0, 0, 0, 0};
  const struct {
    const char* name;
    Bytes chunk;
    int hotX, hotY;
  } cases[] = {
      {"an earlier hot spot", TextChunk(std::string("HotSpot") + '\0' + "5,6"), 5, 6},
      {"a longer keyword", TextChunk(std::string("HotSpotX") + '\0' + "5,6"), 2, 3},
      {"the bare keyword", bareKeyword, 2, 3},
  };
  for (const auto& c : cases) {
    CursorImage image;
    std::string error;
    ASSERT_TRUE(DecodeCursorImage(CursorWithChunkFirst(c.chunk), image, error)) << c.name << ": " << error;
    EXPECT_EQ(std::make_pair(image.hotX, image.hotY), std::make_pair(c.hotX, c.hotY)) << c.name;
  }
}

}  // namespace
