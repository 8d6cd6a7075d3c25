#include "tools/imagemaker/Shapes.h"

#include <cmath>

#include "platform/crt/CrtRandom.h"

namespace imagemaker {

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
  const double r = std::fmin(radius, std::fmin(w, h) / 2.0);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < points * 2; ++i) {
    const double angle = -M_PI / 2 + i * M_PI / points;
    const double radius = i % 2 == 0 ? outer : inner;
    cairo_line_to(cr, cx + radius * std::cos(angle), cy + radius * std::sin(angle));
  }
  cairo_close_path(cr);
}

void CirclePath(cairo_t* cr, double cx, double cy, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
  cairo_close_path(cr);
}

void FillVertical(cairo_t* cr, double y0, double y1, const Colour& top, const Colour& bottom,
                  bool preserve) {
  cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgba(pattern, 0, top.r, top.g, top.b, top.a);
  cairo_pattern_add_color_stop_rgba(pattern, 1, bottom.r, bottom.g, bottom.b, bottom.a);
  cairo_set_source(cr, pattern);
  preserve ? cairo_fill_preserve(cr) : cairo_fill(cr);
  cairo_pattern_destroy(pattern);
}

void FillRadial(cairo_t* cr, double cx, double cy, double radius, const Colour& inner,
                const Colour& outer, bool preserve) {
  cairo_pattern_t* pattern = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
  cairo_pattern_add_color_stop_rgba(pattern, 0, inner.r, inner.g, inner.b, inner.a);
  cairo_pattern_add_color_stop_rgba(pattern, 1, outer.r, outer.g, outer.b, outer.a);
  cairo_set_source(cr, pattern);
  preserve ? cairo_fill_preserve(cr) : cairo_fill(cr);
  cairo_pattern_destroy(pattern);
}

void Stroke(cairo_t* cr, const Colour& c, double width, bool preserve) {
  SetColour(cr, c);
  cairo_set_line_width(cr, width);
  preserve ? cairo_stroke_preserve(cr) : cairo_stroke(cr);
}

void Fill(cairo_t* cr, const Colour& c, bool preserve) {
  SetColour(cr, c);
  preserve ? cairo_fill_preserve(cr) : cairo_fill(cr);
}

void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double radius,
                double spread, double alpha) {
  const int rings = 6;
  for (int i = rings; i >= 1; --i) {
    const double grow = spread * i / rings;
    RoundedRectPath(cr, x - grow, y - grow, w + 2 * grow, h + 2 * grow, radius + grow);
    Fill(cr, {0, 0, 0, alpha / rings});
  }
}

void CheckMarkPath(cairo_t* cr, double x, double y, double size) {
  cairo_new_sub_path(cr);
  cairo_move_to(cr, x + 0.12 * size, y + 0.55 * size);
  cairo_line_to(cr, x + 0.40 * size, y + 0.82 * size);
  cairo_line_to(cr, x + 0.90 * size, y + 0.18 * size);
}

Scatter::Scatter(unsigned seed) { platform::CrtSrand(seed); }

double Scatter::Between(double lo, double hi) {
  return lo + (hi - lo) * platform::CrtRand() / (platform::CRT_RAND_MAX + 1.0);
}

}  // namespace imagemaker
