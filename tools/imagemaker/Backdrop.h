#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "tools/imagemaker/Canvas.h"

namespace imagemaker {

// Full-screen pictures are 1024 x 1024 textures of which the screens show the
// top 1024 x 640.
constexpr int BACKDROP_SIZE = 1024;
constexpr int PICTURE_WIDTH = 1024;
constexpr int PICTURE_HEIGHT = 640;

// Ends a full-screen picture: the last picture row is repeated a few rows
// down, so filtering at the picture's edge samples no foreign colour, and
// the unseen rest is black.
void FinishBackdrop(Canvas& canvas);

// A row of hills: a wavy silhouette from the left edge to the right edge,
// filled down to `bottom`.
void Hills(cairo_t* cr, double baseY, double amplitude, double wavelength, double phase,
           double bottom, const Colour& top, const Colour& lower);

// A small example board: cells of `cell` pixels with values (0 empty), cage
// colours, cage labels and thick cage borders.
struct ExampleBoard {
  int size = 4;
  std::vector<int> values;
  std::vector<int> cages;  // cage index per square, row by row
  std::vector<std::string> labels;  // per cage, drawn in its top-left square
  std::vector<int> colours;  // per cage, index into the cage colours
  // Per square: candidates shown in an empty square, and which are crossed out.
  std::vector<std::vector<int>> candidates;
  std::vector<std::vector<int>> crossed;
};

void DrawExampleBoard(cairo_t* cr, const ExampleBoard& board, double x, double y, double cell);

}  // namespace imagemaker
