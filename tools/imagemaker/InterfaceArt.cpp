// Buttons, check marks, arrows, badges and popup panels of the screens.
#include <cmath>

#include "tools/imagemaker/ImageCatalog.h"
#include "tools/imagemaker/Palette.h"
#include "tools/imagemaker/Shapes.h"
#include "tools/imagemaker/TextBlock.h"

namespace imagemaker {

namespace {

using namespace palette;

enum class Look { Normal, Bright, Pressed };

struct ButtonColours {
  Colour top;
  Colour bottom;
  Colour rim;
};

// Normal buttons carry white text, so they are mid-dark; roll-over and
// pressed ones carry navy text, so they are light.
ButtonColours Shade(const Colour& base, Look look) {
  switch (look) {
    case Look::Bright:
      return {Lighter(base, 0.75), Lighter(base, 0.35), Darker(base, 0.35)};
    case Look::Pressed:
      return {Lighter(base, 0.35), Lighter(base, 0.6), Darker(base, 0.45)};
    case Look::Normal:
      break;
  }
  return {Lighter(base, 0.15), Darker(base, 0.25), Darker(base, 0.5)};
}

// A rounded body with a rim and a soft highlight; pressed bodies get an
// inner shadow along the top instead.
void DrawBody(cairo_t* cr, double x, double y, double w, double h, double radius,
              const ButtonColours& c, Look look) {
  RoundedRectPath(cr, x, y, w, h, radius);
  FillVertical(cr, y, y + h, c.top, c.bottom, true);
  Stroke(cr, c.rim, 2.0);
  if (look == Look::Pressed) {
    RoundedRectPath(cr, x + 2, y + 2, w - 4, h * 0.35, radius * 0.8);
    FillVertical(cr, y + 2, y + h * 0.35, {0, 0, 0, 0.18}, {0, 0, 0, 0});
    return;
  }
  RoundedRectPath(cr, x + 4, y + 3, w - 8, h * 0.42, radius * 0.7);
  FillVertical(cr, y + 3, y + 3 + h * 0.42, {1, 1, 1, 0.45}, {1, 1, 1, 0.05});
}

// Long buttons: the screens show only rows 12.5 % to 87.5 %, so the body
// sits inside that band with nothing above or below it.
void LongButton(Canvas& canvas, const Colour& base, Look look) {
  const double top = canvas.Height() * 0.125 + 1;
  const double height = canvas.Height() * 0.75 - 2;
  DrawBody(canvas.Context(), 2, top, canvas.Width() - 4, height, height * 0.45, Shade(base, look),
           look);
}

// Square buttons: check boxes and sliders show (0.14, 0.078)-(0.84, 0.84)
// of the image; the body fills that box and its shadow lies outside it.
void SquareButton(Canvas& canvas, const Colour& base, Look look) {
  cairo_t* cr = canvas.Context();
  const double s = canvas.Width();
  const double x = 0.14 * s + 1;
  const double y = 0.078 * s + 1;
  const double w = 0.70 * s - 2;
  const double h = 0.762 * s - 2;
  RoundedRectPath(cr, x + 3, y + 4, w, h, s * 0.12);
  Fill(cr, {0, 0, 0, 0.35});
  DrawBody(cr, x, y, w, h, s * 0.12, Shade(base, look), look);
}

// Round buttons (locations and small choices) use the whole image.
void RoundButton(Canvas& canvas, const Colour& base, Look look) {
  cairo_t* cr = canvas.Context();
  const double s = canvas.Width();
  CirclePath(cr, s / 2 + 2, s / 2 + 3, s * 0.43);
  Fill(cr, {0, 0, 0, 0.35});
  const ButtonColours c = Shade(base, look);
  CirclePath(cr, s / 2, s / 2, s * 0.43);
  FillRadial(cr, s * 0.42, s * 0.36, s * 0.6, c.top, c.bottom, true);
  Stroke(cr, c.rim, s * 0.04);
  cairo_save(cr);
  cairo_scale(cr, 1.0, 0.6);
  CirclePath(cr, s / 2, s * 0.5, s * 0.3);
  cairo_restore(cr);
  FillVertical(cr, s * 0.12, s * 0.48, {1, 1, 1, 0.5}, {1, 1, 1, 0.0});
}

void OutlinedStroke(cairo_t* cr, const Colour& fill, double width) {
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Stroke(cr, INK, width * 1.6, true);
  Stroke(cr, fill, width);
}

void CheckMark(Canvas& canvas) {
  cairo_t* cr = canvas.Context();
  const double s = canvas.Width();
  CheckMarkPath(cr, s * 0.1, s * 0.08, s * 0.8);
  OutlinedStroke(cr, Rgb(120, 220, 90), s * 0.13);
}

// The unchecked box: an empty dimple, so the box reads as a box.
void Uncheck(Canvas& canvas) {
  cairo_t* cr = canvas.Context();
  const double s = canvas.Width();
  RoundedRectPath(cr, s * 0.3, s * 0.28, s * 0.4, s * 0.4, s * 0.08);
  FillVertical(cr, s * 0.28, s * 0.68, {0, 0, 0, 0.35}, {0, 0, 0, 0.12}, true);
  Stroke(cr, {1, 1, 1, 0.35}, s * 0.03);
}

void QuestionMark(Canvas& canvas) {
  cairo_t* cr = canvas.Context();
  const double s = canvas.Width();
  TextStyle style;
  style.family = "DejaVu Serif";
  style.bold = true;
  style.size = s * 0.8;
  style.colour = CREAM;
  style.outline = s * 0.05;
  style.outlineColour = INK;
  style.align = Align::Centre;
  DrawText(cr, "?", 0, s * 0.02, s, style);
}

void Arrow(Canvas& canvas, bool right) {
  cairo_t* cr = canvas.Context();
  const double s = canvas.Width();
  cairo_save(cr);
  if (!right) {
    cairo_translate(cr, s, 0);
    cairo_scale(cr, -1, 1);
  }
  cairo_move_to(cr, s * 0.34, s * 0.24);
  cairo_line_to(cr, s * 0.70, s * 0.46);
  cairo_line_to(cr, s * 0.34, s * 0.68);
  cairo_close_path(cr);
  cairo_restore(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Stroke(cr, INK, s * 0.08, true);
  Fill(cr, CREAM);
}

void Lock(Canvas& canvas) {
  cairo_t* cr = canvas.Context();
  const double s = canvas.Width();
  cairo_new_sub_path(cr);
  cairo_arc(cr, s * 0.5, s * 0.42, s * 0.17, M_PI, 2 * M_PI);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_line_to(cr, s * 0.67, s * 0.5);
  cairo_move_to(cr, s * 0.33, s * 0.5);
  cairo_line_to(cr, s * 0.33, s * 0.42);
  Stroke(cr, INK, s * 0.12, true);
  Stroke(cr, Rgb(200, 196, 186), s * 0.07);
  RoundedRectPath(cr, s * 0.22, s * 0.46, s * 0.56, s * 0.4, s * 0.07);
  FillVertical(cr, s * 0.46, s * 0.86, GOLD, DEEP_ORANGE, true);
  Stroke(cr, INK, s * 0.05);
  CirclePath(cr, s * 0.5, s * 0.62, s * 0.05);
  Fill(cr, INK);
  cairo_rectangle(cr, s * 0.48, s * 0.63, s * 0.04, s * 0.12);
  Fill(cr, INK);
}

// Location badges: a satisfied location wears a silver medal with one
// star, a completed one a gold medal with a ring of stars.
void Medal(Canvas& canvas, const Colour& metal, int stars, bool bright) {
  cairo_t* cr = canvas.Context();
  const double s = canvas.Width();
  const double c = s / 2;
  if (bright) {
    CirclePath(cr, c, c, s * 0.5);
    FillRadial(cr, c, c, s * 0.5, WithAlpha(Lighter(GOLD, 0.6), 0.9), WithAlpha(GOLD, 0.0));
  }
  CirclePath(cr, c + 2, c + 3, s * 0.4);
  Fill(cr, {0, 0, 0, 0.35});
  CirclePath(cr, c, c, s * 0.4);
  const Colour face = bright ? Lighter(metal, 0.35) : metal;
  FillRadial(cr, c - s * 0.1, c - s * 0.12, s * 0.5, Lighter(face, 0.6), Darker(face, 0.25), true);
  Stroke(cr, Darker(metal, 0.55), s * 0.045);
  CirclePath(cr, c, c, s * 0.31);
  Stroke(cr, WithAlpha(Darker(metal, 0.4), 0.6), s * 0.02);
  if (stars == 1) {
    StarPath(cr, c, c + s * 0.01, s * 0.22, s * 0.095, 5);
    Fill(cr, CREAM, true);
    Stroke(cr, Darker(metal, 0.55), s * 0.025);
    return;
  }
  StarPath(cr, c, c + s * 0.01, s * 0.17, s * 0.075, 5);
  Fill(cr, CREAM, true);
  Stroke(cr, Darker(metal, 0.55), s * 0.02);
  for (int i = 0; i < stars; ++i) {
    const double angle = -M_PI / 2 + (i + 0.5) * 2 * M_PI / stars;
    StarPath(cr, c + s * 0.245 * std::cos(angle), c + s * 0.245 * std::sin(angle), s * 0.06,
             s * 0.026, 5);
    Fill(cr, CREAM);
  }
}

// Popup panels are drawn tinted navy by the screens: only their brightness
// shows, so they are light grey with a brighter double frame. The frame
// follows the band that the screens show; the panel fills the whole image,
// so a screen that shows all of it still sees a panel.
void Popup(Canvas& canvas, double bandTop, double bandHeight) {
  cairo_t* cr = canvas.Context();
  const double w = canvas.Width();
  const double h = canvas.Height();
  const double inset = 3;
  RoundedRectPath(cr, 0, 0, w, h, 20);
  FillRadial(cr, w / 2, h * 0.4, std::fmax(w, h) * 0.75, Rgb(236, 236, 236), Rgb(176, 176, 176));
  RoundedRectPath(cr, inset, bandTop + inset, w - 2 * inset, bandHeight - 2 * inset, 18);
  Stroke(cr, Rgb(255, 255, 255), 4);
  RoundedRectPath(cr, inset + 9, bandTop + inset + 9, w - 2 * inset - 18,
                  bandHeight - 2 * inset - 18, 12);
  Stroke(cr, Rgb(255, 255, 255, 170), 1.5);
}

// The picture a puzzle thumbnail shows until its board has been drawn.
void CloudQuestion(Canvas& canvas) {
  cairo_t* cr = canvas.Context();
  const double s = canvas.Width();
  cairo_rectangle(cr, 0, 0, s, s);
  FillVertical(cr, 0, s, Rgb(126, 156, 176), Rgb(236, 196, 150));
  const double puffs[][3] = {{0.30, 0.58, 0.17}, {0.47, 0.46, 0.22}, {0.66, 0.54, 0.17},
                             {0.78, 0.64, 0.11}, {0.20, 0.67, 0.10}};
  for (const auto& puff : puffs) {
    CirclePath(cr, s * puff[0] + 3, s * puff[1] + 5, s * puff[2]);
  }
  cairo_rectangle(cr, s * 0.2 + 3, s * 0.62 + 5, s * 0.6, s * 0.15);
  Fill(cr, {0.3, 0.25, 0.35, 0.25});
  for (const auto& puff : puffs) {
    CirclePath(cr, s * puff[0], s * puff[1], s * puff[2]);
  }
  cairo_rectangle(cr, s * 0.2, s * 0.62, s * 0.6, s * 0.15);
  FillVertical(cr, s * 0.25, s * 0.78, Rgb(255, 255, 255), Rgb(226, 228, 236));
  TextStyle style;
  style.family = "DejaVu Serif";
  style.bold = true;
  style.size = s * 0.34;
  style.colour = BROWN;
  style.align = Align::Centre;
  DrawText(cr, "?", 0, s * 0.36, s, style);
}

void Add(ImageCatalog& catalog, const std::string& name, int w, int h,
         std::function<void(Canvas&)> draw) {
  catalog.push_back({"UI/" + name, w, h, std::move(draw), {}});
}

}  // namespace

void AddInterfaceImages(ImageCatalog& catalog) {
  const int long_w = 256;
  const int long_h = 64;
  const int square = 64;
  struct Set {
    const char* name;
    Colour base;
  };
  const Set longSets[] = {{"Orange", DEEP_ORANGE}, {"Blue", TEAL}};
  for (const Set& set : longSets) {
    const Colour base = set.base;
    Add(catalog, std::string("Button_") + set.name + "_Default.png", long_w, long_h,
        [base](Canvas& c) { LongButton(c, base, Look::Normal); });
    Add(catalog, std::string("Button_") + set.name + "_HiLite.png", long_w, long_h,
        [base](Canvas& c) { LongButton(c, base, Look::Bright); });
    Add(catalog, std::string("Button_") + set.name + "_Active.png", long_w, long_h,
        [base](Canvas& c) { LongButton(c, base, Look::Pressed); });
  }
  Add(catalog, "Button_Grey_Long.png", long_w, long_h,
      [](Canvas& c) { LongButton(c, Rgb(176, 172, 166), Look::Bright); });

  const Set roundSets[] = {{"Grey", GREY}, {"Red", TERRACOTTA}, {"Orange", DEEP_ORANGE}, {"Blue", TEAL}};
  for (const Set& set : roundSets) {
    const Colour base = set.base;
    Add(catalog, std::string("Button_") + set.name + ".png", square, square,
        [base](Canvas& c) { RoundButton(c, base, Look::Normal); });
  }

  const Set squareSets[] = {{"Red", TERRACOTTA}, {"Green", SAGE}, {"Orange", DEEP_ORANGE}};
  for (const Set& set : squareSets) {
    const Colour base = set.base;
    Add(catalog, std::string("SquareButton_") + set.name + "_Default.png", square, square,
        [base](Canvas& c) { SquareButton(c, base, Look::Normal); });
    Add(catalog, std::string("SquareButton_") + set.name + "_Hilite.png", square, square,
        [base](Canvas& c) { SquareButton(c, base, Look::Bright); });
    if (std::string(set.name) != "Orange") {
      Add(catalog, std::string("SquareButton_") + set.name + "_Active.png", square, square,
          [base](Canvas& c) { SquareButton(c, base, Look::Pressed); });
    }
  }
  Add(catalog, "SquareButton_inactive.png", square, square,
      [](Canvas& c) { SquareButton(c, Rgb(150, 148, 144), Look::Normal); });

  Add(catalog, "CheckMark.png", square, square, CheckMark);
  Add(catalog, "Uncheck.png", square, square, Uncheck);
  Add(catalog, "QuestionMark.png", square, square, QuestionMark);
  Add(catalog, "Arrow_Left.png", square, square, [](Canvas& c) { Arrow(c, false); });
  Add(catalog, "Arrow_Right.png", square, square, [](Canvas& c) { Arrow(c, true); });
  Add(catalog, "Lock.png", square, square, Lock);
  const Colour silver = Rgb(176, 184, 188);
  Add(catalog, "Satisfied_Default.png", square, square, [silver](Canvas& c) { Medal(c, silver, 1, false); });
  Add(catalog, "Satisfied_Hilite.png", square, square, [silver](Canvas& c) { Medal(c, silver, 1, true); });
  Add(catalog, "Completed_Default.png", square, square, [](Canvas& c) { Medal(c, GOLD, 5, false); });
  Add(catalog, "Completed_Hilite.png", square, square, [](Canvas& c) { Medal(c, GOLD, 5, true); });

  Add(catalog, "popup_back.png", 256, 256, [](Canvas& c) { Popup(c, 0, c.Height()); });
  // The horizontal panel is shown from 12.5 % to 87.5 % of its height.
  Add(catalog, "popup_back_horizontal.png", 512, 256,
      [](Canvas& c) { Popup(c, c.Height() * 0.125, c.Height() * 0.75); });
  Add(catalog, "popup_back_vertical.png", 256, 512, [](Canvas& c) { Popup(c, 0, c.Height()); });
  Add(catalog, "CloudQuestion256.png", 256, 256, CloudQuestion);
}

}  // namespace imagemaker
