#pragma once

#include <cairo.h>

#include <string>

#include "tools/imagemaker/Canvas.h"

namespace imagemaker {

enum class Align { Left, Centre, Right };

struct TextStyle {
  std::string family = "DejaVu Sans";
  double size = 20.0;  // pixels
  bool bold = false;
  bool italic = false;
  Colour colour = Rgb(255, 255, 255);
  Align align = Align::Left;
  // A dark outline (width in pixels; 0 for none) keeps text readable over pictures.
  double outline = 0.0;
  Colour outlineColour = Rgb(0, 0, 0, 200);
  double lineSpacing = 1.0;
};

// Lays out text (Pango markup allowed) in a box of the given width with its
// top at y, draws it and returns its height. Hinting is off and glyph
// positions are not rounded, so the same text draws the same pixels on any
// machine that has the fonts.
double DrawText(cairo_t* cr, const std::string& markup, double x, double y, double width,
                const TextStyle& style);

// The height the text would take, without drawing it.
double MeasureText(cairo_t* cr, const std::string& markup, double width, const TextStyle& style);

}  // namespace imagemaker
