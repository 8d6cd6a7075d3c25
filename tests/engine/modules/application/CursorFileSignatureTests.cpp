#include <gtest/gtest.h>

#include "engine/modules/application/CursorFile.h"
#include "tests/engine/modules/application/CursorPngSupport.h"

namespace {

// Only the PNG signature makes a cursor file a picture, whatever its length.
TEST(CursorFileSignatureTest, AFileWithoutThePngSignatureIsRefusedWhateverItsLength) {
  testsupport::Bytes longText(64, 'x');
  testsupport::Bytes badFirstByte = modules_test::CursorPng(8, 8, "1,1");
  badFirstByte[0] = 0x88;
  for (const testsupport::Bytes& bytes : {longText, badFirstByte, testsupport::Bytes{0x89, 'P'}}) {
    CursorImage image;
    std::string error;
    EXPECT_FALSE(DecodeCursorImage(bytes, image, error)) << bytes.size();
    EXPECT_EQ(error, "not a PNG image") << bytes.size();
  }
}

}  // namespace
