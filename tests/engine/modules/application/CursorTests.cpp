#include <gtest/gtest.h>

#include <string>

#include "engine/modules/application/CursorFile.h"
#include "tests/engine/modules/application/ApplicationTestSupport.h"
#include "tests/engine/modules/application/CursorPngSupport.h"

namespace {

using modules_test::Bytes;
using modules_test::CursorPng;
using modules_test::EncodePng;
using modules_test::GradientPixels;
using modules_test::OpenApplicationTest;
using modules_test::WithTextChunk;
using modules_test::ScopedWorkingDirectory;
using modules_test::TemporaryFolder;

std::string Refusal(const Bytes& file) {
  CursorImage image;
  std::string error;
  EXPECT_FALSE(DecodeCursorImage(file, image, error));
  return error;
}

TEST(CursorFileTest, DecodesThePixelsAndTheHotSpot) {
  CursorImage image;
  std::string error;
  ASSERT_TRUE(DecodeCursorImage(CursorPng(24, 16, "3,15"), image, error)) << error;
  EXPECT_EQ(image.width, 24);
  EXPECT_EQ(image.height, 16);
  EXPECT_EQ(image.hotX, 3);
  EXPECT_EQ(image.hotY, 15);
  EXPECT_EQ(image.rgba, GradientPixels(24, 16));
}

TEST(CursorFileTest, RefusesBadHotSpots) {
  EXPECT_NE(Refusal(CursorPng(8, 8, "8,0")).find("outside"), std::string::npos);
  EXPECT_NE(Refusal(CursorPng(8, 8, "0,8")).find("outside"), std::string::npos);
  EXPECT_NE(Refusal(CursorPng(8, 8, "3 4")).find("x,y"), std::string::npos);
  EXPECT_NE(Refusal(CursorPng(8, 8, "-1,2")).find("x,y"), std::string::npos);
  EXPECT_NE(Refusal(CursorPng(8, 8, "99999999999,1")).find("x,y"), std::string::npos);
  EXPECT_NE(Refusal(CursorPng(8, 8, "")).find("x,y"), std::string::npos);
}

// Cursors need a real display (see the X server tests); a headless run
// still reports a cursor it cannot load.
using CustomCursorTest = OpenApplicationTest;

TEST(CursorFileTest, AChunkLengthPastTheEndIsNotFollowed) {
  Bytes file = CursorPng(8, 8, "2,2");
  // The text chunk claims far more bytes than the file has; the decoder
  // would set that much memory aside.
  file[33] = 0x7F;
  EXPECT_NE(Refusal(file).find("damaged"), std::string::npos);
}

TEST(CursorFileTest, RefusesWhatIsNotASmallPng) {
  EXPECT_NE(Refusal(Bytes{'n', 'o', 't', ' ', 'p', 'n', 'g'}).find("not a PNG"),
            std::string::npos);
  EXPECT_NE(Refusal(Bytes()).find("not a PNG"), std::string::npos);
  EXPECT_NE(Refusal(CursorPng(257, 4, "0,0")).find("257 x 4"), std::string::npos);

  const Bytes whole = CursorPng(32, 32, "1,1");
  const Bytes truncated(whole.begin(), whole.begin() + static_cast<long>(whole.size() / 2));
  EXPECT_NE(Refusal(truncated).find("damaged"), std::string::npos);
  const Bytes withoutEnd(whole.begin(), whole.end() - 12);
  EXPECT_NE(Refusal(withoutEnd).find("damaged"), std::string::npos);
}

TEST_F(CustomCursorTest, AMissingCursorIsReportedAndKeepsTheArrow) {
  TemporaryFolder folder;
  ScopedWorkingDirectory inFolder(folder.Path());
  m_application->SetCustomCursor("\\Data\\Images\\Cursors\\Missing.cur");
  EXPECT_TRUE(m_console.Printed("WARNING: cursor \"\\Data\\Images\\Cursors\\Missing.cur\" not "
                                "loaded, keeping the arrow: cannot read "
                                "\"Data/Images/Cursors/Missing.png\""))
      << m_console.Text();
}

}  // namespace
