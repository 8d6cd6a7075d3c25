#pragma once

#include <vector>

#include "tools/imagemaker/Canvas.h"

// The house colours: calm and warm, dark enough behind boards that the
// light cage colours stand out.
namespace imagemaker::palette {

inline const Colour CREAM = Rgb(250, 240, 222);
inline const Colour PARCHMENT = Rgb(238, 222, 192);
inline const Colour INK = Rgb(58, 40, 30);
inline const Colour BROWN = Rgb(120, 80, 52);
inline const Colour AMBER = Rgb(242, 164, 62);
inline const Colour DEEP_ORANGE = Rgb(200, 100, 38);
inline const Colour TERRACOTTA = Rgb(184, 78, 58);
inline const Colour SAGE = Rgb(104, 146, 90);
inline const Colour TEAL = Rgb(52, 108, 130);
inline const Colour GOLD = Rgb(234, 188, 82);
inline const Colour PLUM = Rgb(84, 52, 78);
inline const Colour GREY = Rgb(150, 146, 140);

// The cage colours the boards use when a puzzle brings none of its own, in
// the boards' order; the example boards in the pictures are painted with them.
inline const std::vector<Colour> CAGE_COLOURS = {
    Rgb(255, 255, 92), Rgb(253, 209, 144), Rgb(255, 165, 180), Rgb(255, 170, 255),
    Rgb(151, 190, 255), Rgb(168, 255, 255), Rgb(160, 255, 160)};

}  // namespace imagemaker::palette
