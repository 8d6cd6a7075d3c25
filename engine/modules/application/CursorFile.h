#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {
class Cursor;
}

// Cursor files are PNG images. The hot spot, the pixel that points, is
// stored in the image's text chunk "HotSpot" as "x,y" (pixels from the
// top-left corner); without that chunk it is the top-left pixel.
constexpr const char* CURSOR_HOT_SPOT_KEYWORD = "HotSpot";

struct CursorImage {
  int width = 0;
  int height = 0;
  int hotX = 0;
  int hotY = 0;
  // width x height pixels of red, green, blue, alpha; rows from the top.
  std::vector<uint8_t> rgba;
};

// The file that a cursor path names. Callers name cursors as the game has
// always stored them: relative to the working directory, with backslashes
// and a leading separator ("\Data\Images\Cursors\PaintBrush2.cur"); the
// image is the PNG of the same name ("Data/Images/Cursors/PaintBrush2.png").
std::string CursorImagePath(const std::string& cursorPath);

// False, with the reason in error, for anything but a PNG of at most
// platform::Cursor::MAX_SIZE pixels a side with its hot spot inside it.
bool DecodeCursorImage(const std::vector<uint8_t>& fileBytes, CursorImage& out,
                       std::string& error);

// Reads and decodes the cursor that cursorPath names. Null, with the reason
// in error, when the file is missing or not a usable cursor image.
std::unique_ptr<platform::Cursor> LoadCursorFile(const std::string& cursorPath,
                                                 std::string& error);
