#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace imagemaker {

// A colour with components from 0 to 1.
struct Colour {
  double r = 0.0;
  double g = 0.0;
  double b = 0.0;
  double a = 1.0;
};

// Bytes 0..255, as the game writes its colours.
Colour Rgb(int r, int g, int b, int a = 255);
// Mixes a towards b by t (0 gives a, 1 gives b).
Colour Mix(const Colour& a, const Colour& b, double t);
Colour Lighter(const Colour& c, double t);
Colour Darker(const Colour& c, double t);
Colour WithAlpha(const Colour& c, double alpha);

// One drawing surface of fixed size with its cairo context; owns both.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* Context() const { return m_context; }
  cairo_surface_t* Surface() const { return m_surface; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }

  // Pixels as straight (not premultiplied) red, green, blue, alpha bytes,
  // rows from the top.
  std::vector<uint8_t> StraightRgba() const;

  // Turns the colours of the rectangle grey: amount 1 removes all colour;
  // brightness then scales them.
  void Desaturate(int x, int y, int width, int height, double amount, double brightness);
  // Repeats row `from` over the rows below it down to `to` (exclusive), so
  // that filtering at the picture's lower edge samples no foreign colour.
  void ExtendRowDown(int from, int to);

 private:
  int m_width;
  int m_height;
  cairo_surface_t* m_surface;
  cairo_t* m_context;
};

void SetColour(cairo_t* cr, const Colour& c);

}  // namespace imagemaker
