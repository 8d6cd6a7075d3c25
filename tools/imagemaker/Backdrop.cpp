#include "tools/imagemaker/Backdrop.h"

#include <algorithm>
#include <cmath>

#include "tools/imagemaker/Palette.h"
#include "tools/imagemaker/Shapes.h"
#include "tools/imagemaker/TextBlock.h"

namespace imagemaker {

void FinishBackdrop(Canvas& canvas) {
  const int bleed = 8;
  canvas.ExtendRowDown(PICTURE_HEIGHT - 1, PICTURE_HEIGHT + bleed);
  cairo_t* cr = canvas.Context();
  cairo_rectangle(cr, 0, PICTURE_HEIGHT + bleed, canvas.Width(), canvas.Height());
  Fill(cr, Rgb(0, 0, 0));
}

void Hills(cairo_t* cr, double baseY, double amplitude, double wavelength, double phase,
           double bottom, const Colour& top, const Colour& lower) {
  cairo_move_to(cr, 0, bottom);
  for (int x = 0; x <= PICTURE_WIDTH; x += 8) {
    const double t = x / wavelength * 2 * M_PI + phase;
    cairo_line_to(cr, x, baseY - amplitude * (0.6 * std::sin(t) + 0.4 * std::sin(2.3 * t + 1.1)));
  }
  cairo_line_to(cr, PICTURE_WIDTH, bottom);
  cairo_close_path(cr);
  FillVertical(cr, baseY - amplitude, bottom, top, lower);
}

namespace {

bool SameCage(const ExampleBoard& board, int a, int b) { return board.cages[a] == board.cages[b]; }

void CellText(cairo_t* cr, const std::string& text, double x, double y, double w, double size,
              const Colour& colour, bool bold) {
  TextStyle style;
  style.size = size;
  style.bold = bold;
  style.colour = colour;
  style.align = Align::Centre;
  DrawText(cr, text, x, y, w, style);
}

}  // namespace

void DrawExampleBoard(cairo_t* cr, const ExampleBoard& board, double x0, double y0, double cell) {
  const int n = board.size;
  const double side = n * cell;
  SoftShadow(cr, x0, y0, side, side, 4, 8, 0.35);
  for (int i = 0; i < n * n; ++i) {
    const double x = x0 + (i % n) * cell;
    const double y = y0 + (i / n) * cell;
    cairo_rectangle(cr, x, y, cell, cell);
    Fill(cr, palette::CAGE_COLOURS[board.colours[board.cages[i]]], true);
    Stroke(cr, Rgb(120, 120, 120), 1.0);
    if (board.values[i] != 0) {
      CellText(cr, std::to_string(board.values[i]), x, y + cell * 0.22, cell, cell * 0.5,
               Rgb(40, 30, 24), false);
    } else if (i < static_cast<int>(board.candidates.size())) {
      for (int v : board.candidates[i]) {
        const double cx = x + cell * (0.2 + 0.3 * ((v - 1) % 2));
        const double cy = y + cell * (0.32 + 0.33 * ((v - 1) / 2));
        const bool out = std::count(board.crossed[i].begin(), board.crossed[i].end(), v) > 0;
        if (out) {
          cairo_rectangle(cr, cx - cell * 0.1, cy - 1, cell * 0.2, cell * 0.22);
          Fill(cr, Rgb(255, 0, 0, 150));
        }
        CellText(cr, std::to_string(v), cx - cell * 0.15, cy - cell * 0.02, cell * 0.3, cell * 0.24,
                 Rgb(0, 0, 0, out ? 110 : 230), false);
      }
    }
  }
  // Cage borders: a thick line wherever neighbours lie in different cages.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  for (int i = 0; i < n * n; ++i) {
    const int col = i % n;
    const int row = i / n;
    const double x = x0 + col * cell;
    const double y = y0 + row * cell;
    if (col + 1 < n && !SameCage(board, i, i + 1)) {
      cairo_move_to(cr, x + cell, y);
      cairo_line_to(cr, x + cell, y + cell);
    }
    if (row + 1 < n && !SameCage(board, i, i + n)) {
      cairo_move_to(cr, x, y + cell);
      cairo_line_to(cr, x + cell, y + cell);
    }
  }
  cairo_rectangle(cr, x0, y0, side, side);
  Stroke(cr, Rgb(0, 0, 0), 2.5);
  std::vector<bool> labelled(board.labels.size(), false);
  for (int i = 0; i < n * n; ++i) {
    const int cage = board.cages[i];
    if (labelled[cage]) {
      continue;
    }
    labelled[cage] = true;
    TextStyle style;
    style.size = cell * 0.24;
    style.bold = true;
    style.colour = Rgb(0, 0, 0);
    DrawText(cr, board.labels[cage], x0 + (i % n) * cell + 3, y0 + (i / n) * cell + 1, cell, style);
  }
}

}  // namespace imagemaker
