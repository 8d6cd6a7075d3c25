// The title, how-to-play and instructor backgrounds and the splash picture.
#include <cmath>
#include <string>

#include "tools/imagemaker/Backdrop.h"
#include "tools/imagemaker/ImageCatalog.h"
#include "tools/imagemaker/Palette.h"
#include "tools/imagemaker/Shapes.h"
#include "tools/imagemaker/TextBlock.h"

namespace imagemaker {

namespace {

using namespace palette;

void DuskSky(cairo_t* cr, double horizon) {
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, horizon);
  cairo_pattern_add_color_stop_rgb(sky, 0.0, 0.17, 0.16, 0.31);
  cairo_pattern_add_color_stop_rgb(sky, 0.55, 0.62, 0.36, 0.38);
  cairo_pattern_add_color_stop_rgb(sky, 1.0, 0.96, 0.69, 0.43);
  cairo_rectangle(cr, 0, 0, PICTURE_WIDTH, horizon);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
}

// A row of number tiles in the cage colours, as on a board.
void TileRow(cairo_t* cr, double x, double y, double tile, const std::string& digits) {
  for (size_t i = 0; i < digits.size(); ++i) {
    const double tx = x + i * (tile + 8);
    RoundedRectPath(cr, tx + 3, y + 4, tile, tile, 6);
    Fill(cr, {0, 0, 0, 0.35});
    RoundedRectPath(cr, tx, y, tile, tile, 6);
    Fill(cr, CAGE_COLOURS[i % CAGE_COLOURS.size()], true);
    Stroke(cr, INK, 2);
    TextStyle style;
    style.size = tile * 0.6;
    style.bold = true;
    style.colour = INK;
    style.align = Align::Centre;
    DrawText(cr, std::string(1, digits[i]), tx, y + tile * 0.14, tile, style);
  }
}

// The game's name, centred in a column of the given width; scale 1 is the
// size on the title screen.
void GameName(cairo_t* cr, double x, double y, double width, double scale) {
  TextStyle small;
  small.family = "DejaVu Serif";
  small.italic = true;
  small.size = 34 * scale;
  small.colour = CREAM;
  small.align = Align::Centre;
  small.outline = 2 * scale;
  small.outlineColour = Rgb(40, 24, 40, 160);
  DrawText(cr, "Harrowmere", x, y, width, small);
  TextStyle big = small;
  big.italic = false;
  big.bold = true;
  big.size = 78 * scale;
  big.outline = 4 * scale;
  big.colour = Rgb(255, 236, 196);
  DrawText(cr, "Pemberquill", x, y + 38 * scale, width, big);
}

void TitleScreen(Canvas& canvas) {
  cairo_t* cr = canvas.Context();
  const double horizon = 420;
  DuskSky(cr, horizon);
  CirclePath(cr, 720, 410, 300);
  FillRadial(cr, 720, 410, 300, Rgb(255, 214, 140, 200), Rgb(255, 190, 120, 0));
  CirclePath(cr, 720, 405, 46);
  Fill(cr, Rgb(255, 226, 168));
  Hills(cr, 380, 34, 620, 0.4, horizon + 2, Rgb(150, 98, 118), Rgb(128, 84, 104));
  Hills(cr, 402, 22, 410, 2.1, horizon + 2, Rgb(104, 66, 88), Rgb(92, 58, 78));
  // The lake mirrors the sky, darker, with glints under the sun.
  cairo_rectangle(cr, 0, horizon, PICTURE_WIDTH, PICTURE_HEIGHT - horizon);
  FillVertical(cr, horizon, PICTURE_HEIGHT, Rgb(196, 128, 96), Rgb(52, 40, 62));
  Scatter scatter(7);
  for (int i = 0; i < 60; ++i) {
    const double y = horizon + 6 + scatter.Between(0, 150);
    const double spread = 40 + (y - horizon) * 1.2;
    const double x = 720 + scatter.Between(-spread, spread);
    cairo_rectangle(cr, x, y, scatter.Between(10, 40), 1.5);
    Fill(cr, Rgb(255, 222, 170, static_cast<int>(180 - (y - horizon))));
  }
  Hills(cr, 560, 40, 900, 4.0, PICTURE_HEIGHT, Rgb(60, 42, 40), Rgb(34, 24, 26));

  // The welcome lesson of a new player takes (535, 242)-(852, 436) of the
  // screen: the name and the tiles stand above it.
  GameName(cr, 480, 40, 520, 1.0);
  const double tile = 44;
  TileRow(cr, 480 + (520 - (5 * tile + 4 * 8)) / 2, 174, tile, "12345");
}

// Words of the lesson pages: the rules and the controls as the game has them.
const char* const RULES_TEXT =
    "Fill the board so that every row and every column holds each number "
    "from 1 up to the board's size exactly once.\n"
    "The coloured cages add a rule each, written in the cage's top-left square:\n"
    "<b>12+</b>  its numbers add up to 12\n"
    "<b>6x</b>  its numbers multiply to 6\n"
    "<b>2-</b>  its two numbers differ by 2\n"
    "<b>3\u00f7</b>  one of its two numbers is 3 times the other\n"
    "<b>4=</b>  its square holds 4\n"
    "<b>Straight</b>  its numbers follow on from each other, in any order\n"
    "<b>Even</b>, <b>Odd</b>  all its numbers are even, or all odd\n"
    "<b>&lt;,&gt;</b>  the signs between its squares point to the smaller number";

const char* const CONTROLS_TEXT =
    "Point at a square and type a number to place it; 0, Delete, Space or "
    "Backspace clears it.\n"
    "Each empty square shows the numbers still possible. Click one to place it; "
    "right-click it, or hold Shift and type it, to cross it out; Shift with a "
    "right-click crosses it out in the whole cage.\n"
    "Right-click a filled square, or click the small box in its corner, to clear it.\n"
    "<b>Undo</b> and <b>Redo</b> step back and forth through your moves.\n"
    "<b>Solving Tip</b> gives a hint; asking again makes it more specific.\n"
    "On boards with hidden cages, pick a paint colour and drag over squares "
    "to paint each cage.";

const char* const KEYS_TEXT =
    "<b>Escape</b> opens the menu.\n"
    "<b>Alt+Enter</b> switches between a window and full screen.";

ExampleBoard HowToPlayExample() {
  ExampleBoard board;
  board.size = 4;
  board.values = {1, 2, 3, 4, 3, 4, 1, 2, 4, 3, 2, 1, 2, 1, 0, 0};
  board.cages = {0, 0, 1, 1, 2, 3, 3, 1, 2, 4, 5, 6, 4, 4, 5, 6};
  board.labels = {"3+", "9+", "12x", "3-", "6x", "2\u00f7", "2-"};
  board.colours = {0, 4, 1, 6, 2, 5, 3};
  board.candidates.assign(16, {});
  board.crossed.assign(16, {});
  board.candidates[14] = {1, 2, 3, 4};
  board.crossed[14] = {1, 2};
  board.candidates[15] = {1, 2, 3, 4};
  board.crossed[15] = {1, 2, 4};
  return board;
}

double Heading(cairo_t* cr, const std::string& text, double x, double y, double width) {
  TextStyle style;
  style.family = "DejaVu Serif";
  style.bold = true;
  style.size = 24;
  style.colour = TERRACOTTA;
  return DrawText(cr, text, x, y, width, style);
}

double Body(cairo_t* cr, const std::string& text, double x, double y, double width) {
  TextStyle style;
  style.size = 15.5;
  style.colour = INK;
  style.lineSpacing = 1.1;
  return DrawText(cr, text, x, y, width, style);
}

void ParchmentPage(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, PICTURE_WIDTH, PICTURE_HEIGHT);
  FillRadial(cr, 512, 300, 700, Rgb(246, 234, 208), Rgb(206, 176, 132));
  RoundedRectPath(cr, 14, 14, PICTURE_WIDTH - 28, PICTURE_HEIGHT - 28, 16);
  Stroke(cr, Rgb(150, 104, 66, 200), 3);
  RoundedRectPath(cr, 22, 22, PICTURE_WIDTH - 44, PICTURE_HEIGHT - 44, 12);
  Stroke(cr, Rgb(150, 104, 66, 120), 1.2);
}

// The lesson shows no words of its own: this page says how to play. The
// "Continue" button sits at y 520 in the middle, so nothing is drawn there.
void HowToPlay(Canvas& canvas) {
  cairo_t* cr = canvas.Context();
  ParchmentPage(cr);
  TextStyle title;
  title.family = "DejaVu Serif";
  title.bold = true;
  title.size = 38;
  title.colour = BROWN;
  title.align = Align::Centre;
  DrawText(cr, "How to Play", 0, 30, PICTURE_WIDTH, title);

  const double left = 52;
  const double columnWidth = 440;
  double y = 88;
  y += Heading(cr, "The rules", left, y, columnWidth) + 6;
  y += Body(cr, RULES_TEXT, left, y, columnWidth) + 14;
  Body(cr, KEYS_TEXT, left, y, columnWidth);

  const double right = 540;
  const double rightWidth = 440;
  y = 88;
  y += Heading(cr, "Playing", right, y, rightWidth) + 6;
  y += Body(cr, CONTROLS_TEXT, right, y, rightWidth) + 14;

  // The example sits right of the "Continue" button, its caption above
  // the button's row.
  const double cell = 44;
  const double boardX = right + rightWidth - 4 * cell;
  DrawExampleBoard(cr, HowToPlayExample(), boardX, y, cell);
  TextStyle caption;
  caption.size = 14;
  caption.italic = true;
  caption.colour = BROWN;
  DrawText(cr,
           "An example: every row and column holds 1 to 4 once, and every cage meets "
           "its rule. In the lower right only a 3 or a 4 is left; the 2- cage says 3.",
           right, y + 4, boardX - right - 16, caption);
}

// Behind the tutorial: a calm desk-lamp glow on a warm wall. The lesson text
// goes on the left, (15, 150)-(380, 580), so that part stays plain.
void Instructor(Canvas& canvas) {
  cairo_t* cr = canvas.Context();
  cairo_rectangle(cr, 0, 0, PICTURE_WIDTH, PICTURE_HEIGHT);
  FillVertical(cr, 0, PICTURE_HEIGHT, Rgb(112, 78, 60), Rgb(62, 42, 36));
  CirclePath(cr, 700, 300, 520);
  FillRadial(cr, 700, 300, 520, Rgb(236, 182, 120, 150), Rgb(236, 182, 120, 0));
  // Wainscot stripes low on the wall, faint.
  for (int x = 0; x < PICTURE_WIDTH; x += 48) {
    cairo_rectangle(cr, x, 0, 24, PICTURE_HEIGHT);
  }
  Fill(cr, {1, 1, 1, 0.025});
  cairo_rectangle(cr, 0, 600, PICTURE_WIDTH, 40);
  FillVertical(cr, 600, PICTURE_HEIGHT, Rgb(70, 46, 34), Rgb(44, 30, 24));
  cairo_rectangle(cr, 0, 598, PICTURE_WIDTH, 3);
  Fill(cr, Rgb(160, 112, 70));
  // A soft, even panel where the lesson text goes.
  RoundedRectPath(cr, 8, 142, 380, 446, 14);
  Fill(cr, Rgb(30, 20, 18, 70));
}

// The one splash picture: the game's name on a warm card.
void Splash(Canvas& canvas) {
  cairo_t* cr = canvas.Context();
  const double w = canvas.Width();
  const double h = canvas.Height();
  cairo_rectangle(cr, 0, 0, w, h);
  FillVertical(cr, 0, h, Rgb(58, 38, 58), Rgb(150, 74, 52));
  CirclePath(cr, w / 2, h * 0.95, w * 0.5);
  FillRadial(cr, w / 2, h * 0.95, w * 0.5, Rgb(255, 200, 120, 150), Rgb(255, 200, 120, 0));
  GameName(cr, 0, 34, w, 0.8);
  TileRow(cr, w / 2 - (5 * 36 + 4 * 8) / 2.0, 170, 36, "31524");
}

void AddBackdrop(ImageCatalog& catalog, const std::string& path, void (*draw)(Canvas&)) {
  catalog.push_back({path, BACKDROP_SIZE, BACKDROP_SIZE,
                     [draw](Canvas& canvas) {
                       draw(canvas);
                       FinishBackdrop(canvas);
                     },
                     {}});
}

}  // namespace

void AddBackgroundImages(ImageCatalog& catalog) {
  AddBackdrop(catalog, "Backgrounds/TitleScreen_1024x1024.png", TitleScreen);
  AddBackdrop(catalog, "Backgrounds/HowToPlay_1024x1024.png", HowToPlay);
  AddBackdrop(catalog, "Backgrounds/Instructor1024x1024.png", Instructor);
  catalog.push_back({"SplashScreens/splash00.png", 512, 256, Splash, {}});
}

}  // namespace imagemaker
