#include "tools/imagemaker/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace imagemaker {

Colour Rgb(int r, int g, int b, int a) { return {r / 255.0, g / 255.0, b / 255.0, a / 255.0}; }

Colour Mix(const Colour& a, const Colour& b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
          a.a + (b.a - a.a) * t};
}

Colour Lighter(const Colour& c, double t) { return Mix(c, {1.0, 1.0, 1.0, c.a}, t); }

Colour Darker(const Colour& c, double t) { return Mix(c, {0.0, 0.0, 0.0, c.a}, t); }

Colour WithAlpha(const Colour& c, double alpha) { return {c.r, c.g, c.b, alpha}; }

void SetColour(cairo_t* cr, const Colour& c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

Canvas::Canvas(int width, int height)
    : m_width(width),
      m_height(height),
      m_surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      m_context(cairo_create(m_surface)) {
  cairo_set_antialias(m_context, CAIRO_ANTIALIAS_GOOD);
}

Canvas::~Canvas() {
  cairo_destroy(m_context);
  cairo_surface_destroy(m_surface);
}

std::vector<uint8_t> Canvas::StraightRgba() const {
  cairo_surface_flush(m_surface);
  const unsigned char* data = cairo_image_surface_get_data(m_surface);
  const int stride = cairo_image_surface_get_stride(m_surface);
  std::vector<uint8_t> out(static_cast<size_t>(m_width) * m_height * 4);
  for (int y = 0; y < m_height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < m_width; ++x) {
      const uint32_t pixel = row[x];
      const uint32_t alpha = pixel >> 24;
      uint8_t* o = &out[(static_cast<size_t>(y) * m_width + x) * 4];
      o[3] = static_cast<uint8_t>(alpha);
      if (alpha == 0) {
        o[0] = o[1] = o[2] = 0;
        continue;
      }
      for (int channel = 0; channel < 3; ++channel) {
        const uint32_t premultiplied = (pixel >> (16 - 8 * channel)) & 0xFF;
        o[channel] = static_cast<uint8_t>(std::min<uint32_t>(255, (premultiplied * 255 + alpha / 2) / alpha));
      }
    }
  }
  return out;
}

void Canvas::Desaturate(int x0, int y0, int width, int height, double amount, double brightness) {
  cairo_surface_flush(m_surface);
  unsigned char* data = cairo_image_surface_get_data(m_surface);
  const int stride = cairo_image_surface_get_stride(m_surface);
  const int x1 = std::min(m_width, x0 + width);
  const int y1 = std::min(m_height, y0 + height);
  for (int y = std::max(0, y0); y < y1; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = std::max(0, x0); x < x1; ++x) {
      const uint32_t pixel = row[x];
      const double r = (pixel >> 16) & 0xFF;
      const double g = (pixel >> 8) & 0xFF;
      const double b = pixel & 0xFF;
      const double grey = 0.3 * r + 0.59 * g + 0.11 * b;
      auto channel = [&](double c) {
        return static_cast<uint32_t>(std::lround(std::clamp((c + (grey - c) * amount) * brightness, 0.0, static_cast<double>(pixel >> 24))));
      };
      row[x] = (pixel & 0xFF000000u) | (channel(r) << 16) | (channel(g) << 8) | channel(b);
    }
  }
  cairo_surface_mark_dirty(m_surface);
}

void Canvas::ExtendRowDown(int from, int to) {
  cairo_surface_flush(m_surface);
  unsigned char* data = cairo_image_surface_get_data(m_surface);
  const int stride = cairo_image_surface_get_stride(m_surface);
  for (int y = from + 1; y < std::min(to, m_height); ++y) {
    std::memcpy(data + static_cast<size_t>(y) * stride, data + static_cast<size_t>(from) * stride,
                static_cast<size_t>(stride));
  }
  cairo_surface_mark_dirty(m_surface);
}

}  // namespace imagemaker
