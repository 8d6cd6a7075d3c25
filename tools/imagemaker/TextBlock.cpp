#include "tools/imagemaker/TextBlock.h"

#include <pango/pangocairo.h>

#include <memory>

namespace imagemaker {

namespace {

struct LayoutDeleter {
  void operator()(PangoLayout* layout) const { g_object_unref(layout); }
};
using LayoutPtr = std::unique_ptr<PangoLayout, LayoutDeleter>;

PangoAlignment ToPango(Align align) {
  switch (align) {
    case Align::Centre:
      return PANGO_ALIGN_CENTER;
    case Align::Right:
      return PANGO_ALIGN_RIGHT;
    case Align::Left:
      break;
  }
  return PANGO_ALIGN_LEFT;
}

LayoutPtr MakeLayout(cairo_t* cr, const std::string& markup, double width, const TextStyle& style) {
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  LayoutPtr layout(pango_cairo_create_layout(cr));
  PangoContext* context = pango_layout_get_context(layout.get());
  pango_cairo_context_set_font_options(context, options);
  pango_cairo_context_set_resolution(context, 72.0);
  pango_context_set_round_glyph_positions(context, FALSE);
  pango_layout_context_changed(layout.get());
  cairo_font_options_destroy(options);

  PangoFontDescription* font = pango_font_description_new();
  pango_font_description_set_family(font, style.family.c_str());
  pango_font_description_set_absolute_size(font, style.size * PANGO_SCALE);
  pango_font_description_set_weight(font, style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(font, style.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_layout_set_font_description(layout.get(), font);
  pango_font_description_free(font);

  pango_layout_set_width(layout.get(), static_cast<int>(width * PANGO_SCALE));
  pango_layout_set_wrap(layout.get(), PANGO_WRAP_WORD);
  pango_layout_set_alignment(layout.get(), ToPango(style.align));
  pango_layout_set_line_spacing(layout.get(), static_cast<float>(style.lineSpacing));
  pango_layout_set_markup(layout.get(), markup.c_str(), -1);
  return layout;
}

double LayoutHeight(PangoLayout* layout) {
  int width = 0;
  int height = 0;
  pango_layout_get_size(layout, &width, &height);
  return static_cast<double>(height) / PANGO_SCALE;
}

}  // namespace

double DrawText(cairo_t* cr, const std::string& markup, double x, double y, double width,
                const TextStyle& style) {
  LayoutPtr layout = MakeLayout(cr, markup, width, style);
  cairo_save(cr);
  cairo_move_to(cr, x, y);
  if (style.outline > 0.0) {
    pango_cairo_layout_path(cr, layout.get());
    SetColour(cr, style.outlineColour);
    cairo_set_line_width(cr, style.outline * 2.0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    cairo_move_to(cr, x, y);
  }
  SetColour(cr, style.colour);
  pango_cairo_show_layout(cr, layout.get());
  cairo_restore(cr);
  return LayoutHeight(layout.get());
}

double MeasureText(cairo_t* cr, const std::string& markup, double width, const TextStyle& style) {
  return LayoutHeight(MakeLayout(cr, markup, width, style).get());
}

}  // namespace imagemaker
