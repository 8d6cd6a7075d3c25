#pragma once

#include <cairo.h>

#include "tools/imagemaker/Canvas.h"

namespace imagemaker {

// Paths (the caller fills or strokes them).
void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points);
void CirclePath(cairo_t* cr, double cx, double cy, double radius);

// Fills the current path with a gradient from top to bottom of [y0, y1].
void FillVertical(cairo_t* cr, double y0, double y1, const Colour& top, const Colour& bottom,
                  bool preserve = false);
// Fills the current path with a radial gradient around (cx, cy).
void FillRadial(cairo_t* cr, double cx, double cy, double radius, const Colour& inner,
                const Colour& outer, bool preserve = false);
void Stroke(cairo_t* cr, const Colour& c, double width, bool preserve = false);
void Fill(cairo_t* cr, const Colour& c, bool preserve = false);

// A soft shadow under a rounded rectangle: a few widening translucent rings.
void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double radius,
                double spread, double alpha);

// A check mark in the box (x, y, size), drawn as a thick outlined stroke.
void CheckMarkPath(cairo_t* cr, double x, double y, double size);

// The same pseudo-random sequence on every run, from the game's own
// generator: each drawing seeds it before it scatters anything.
class Scatter {
 public:
  explicit Scatter(unsigned seed);
  // Uniform in [lo, hi).
  double Between(double lo, double hi);
};

}  // namespace imagemaker
