// The paint-brush cursor and the window icon.
#include <cmath>
#include <string>

#include "tools/imagemaker/ImageCatalog.h"
#include "tools/imagemaker/Palette.h"
#include "tools/imagemaker/Shapes.h"
#include "tools/imagemaker/TextBlock.h"

namespace imagemaker {

namespace {

using namespace palette;

constexpr int CURSOR_SIZE = 32;
// The tip of the bristles, in the cursor's pixels: the pixel that paints.
constexpr int BRUSH_TIP_X = 2;
constexpr int BRUSH_TIP_Y = 29;

void PaintBrush(Canvas& canvas) {
  cairo_t* cr = canvas.Context();
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  // Handle, from the upper right down towards the tip.
  cairo_move_to(cr, 29, 3);
  cairo_line_to(cr, 15, 17);
  Stroke(cr, Rgb(0, 0, 0), 6.5, true);
  Stroke(cr, Rgb(176, 112, 60), 4);
  // Ferrule.
  cairo_move_to(cr, 16, 16);
  cairo_line_to(cr, 12, 20);
  Stroke(cr, Rgb(0, 0, 0), 7.5, true);
  Stroke(cr, Rgb(200, 200, 206), 5);
  // Bristles, ending in the tip.
  cairo_move_to(cr, 13.5, 16.5);
  cairo_curve_to(cr, 9, 18, 6, 22, BRUSH_TIP_X + 0.5, BRUSH_TIP_Y + 0.5);
  cairo_curve_to(cr, 9, 26, 14, 23, 15.5, 18.5);
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Stroke(cr, Rgb(0, 0, 0), 2, true);
  Fill(cr, Rgb(60, 40, 30));
}

// A tile of the game's board: a 3 x 3 grid in cage colours with a quill
// across it, on a warm rounded square.
void Icon(Canvas& canvas) {
  cairo_t* cr = canvas.Context();
  const double s = canvas.Width();
  RoundedRectPath(cr, s * 0.04, s * 0.05, s * 0.92, s * 0.92, s * 0.16);
  Fill(cr, {0, 0, 0, 0.35});
  RoundedRectPath(cr, s * 0.03, s * 0.03, s * 0.92, s * 0.92, s * 0.16);
  FillVertical(cr, 0, s, Rgb(150, 84, 60), Rgb(84, 46, 50), true);
  Stroke(cr, INK, s * 0.02);
  const double cell = s * 0.22;
  const double x0 = s * 0.16;
  const double y0 = s * 0.16;
  const int colours[] = {0, 0, 4, 2, 6, 4, 2, 1, 1};
  const char* digits = "231312123";
  for (int i = 0; i < 9; ++i) {
    cairo_rectangle(cr, x0 + (i % 3) * cell, y0 + (i / 3) * cell, cell, cell);
    Fill(cr, CAGE_COLOURS[colours[i]], true);
    Stroke(cr, Rgb(110, 110, 110), s * 0.008);
    TextStyle style;
    style.size = cell * 0.62;
    style.bold = true;
    style.colour = INK;
    style.align = Align::Centre;
    DrawText(cr, std::string(1, digits[i]), x0 + (i % 3) * cell, y0 + (i / 3) * cell + cell * 0.14,
             cell, style);
  }
  cairo_rectangle(cr, x0, y0, 3 * cell, 3 * cell);
  Stroke(cr, INK, s * 0.025);
  // The quill, lying across the lower right corner.
  cairo_move_to(cr, s * 0.52, s * 0.90);
  cairo_curve_to(cr, s * 0.62, s * 0.68, s * 0.78, s * 0.50, s * 0.95, s * 0.38);
  cairo_curve_to(cr, s * 0.90, s * 0.58, s * 0.74, s * 0.76, s * 0.52, s * 0.90);
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Stroke(cr, INK, s * 0.02, true);
  FillVertical(cr, s * 0.38, s * 0.9, CREAM, PARCHMENT);
  cairo_move_to(cr, s * 0.52, s * 0.90);
  cairo_line_to(cr, s * 0.88, s * 0.46);
  Stroke(cr, BROWN, s * 0.012);
}

}  // namespace

void AddCursorAndIcon(ImageCatalog& catalog) {
  catalog.push_back({"Cursors/PaintBrush2.png", CURSOR_SIZE, CURSOR_SIZE, PaintBrush,
                     {{"HotSpot", std::to_string(BRUSH_TIP_X) + "," + std::to_string(BRUSH_TIP_Y)}}});
  catalog.push_back({"Icon256.png", 256, 256, Icon, {}});
}

}  // namespace imagemaker
