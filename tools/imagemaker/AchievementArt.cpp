// Achievement emblems: a medallion with a symbol for each achievement; the
// unachieved image is the same emblem greyed and dimmed.
#include <cmath>
#include <string>

#include "tools/imagemaker/ImageCatalog.h"
#include "tools/imagemaker/Palette.h"
#include "tools/imagemaker/Shapes.h"
#include "tools/imagemaker/TextBlock.h"

namespace imagemaker {

namespace {

using namespace palette;

constexpr int EMBLEM_SIZE = 128;
constexpr double C = EMBLEM_SIZE / 2.0;

// Symbols are drawn around the emblem's centre in a box of about 70 pixels.
using Symbol = void (*)(cairo_t*);

void Label(cairo_t* cr, const std::string& text, double y, double size) {
  TextStyle style;
  style.size = size;
  style.bold = true;
  style.colour = CREAM;
  style.outline = 2.5;
  style.outlineColour = INK;
  style.align = Align::Centre;
  DrawText(cr, text, 0, y, EMBLEM_SIZE, style);
}

void Outlined(cairo_t* cr, const Colour& fill, double width = 3) {
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Fill(cr, fill, true);
  Stroke(cr, INK, width);
}

void Grid(cairo_t* cr, double x, double y, double cell, int n, int firstColour) {
  for (int i = 0; i < n * n; ++i) {
    cairo_rectangle(cr, x + (i % n) * cell, y + (i / n) * cell, cell, cell);
    Outlined(cr, CAGE_COLOURS[(firstColour + i) % CAGE_COLOURS.size()], 2);
  }
}

void FirstPuzzle(cairo_t* cr) {
  RoundedRectPath(cr, C - 28, C - 28, 56, 56, 6);
  Outlined(cr, CAGE_COLOURS[0]);
  TextStyle style;
  style.size = 42;
  style.bold = true;
  style.colour = INK;
  style.align = Align::Centre;
  DrawText(cr, "1", 0, C - 26, EMBLEM_SIZE, style);
}

void Book(cairo_t* cr) {
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, C, C - 20);
    cairo_curve_to(cr, C + side * 12, C - 28, C + side * 26, C - 28, C + side * 34, C - 22);
    cairo_line_to(cr, C + side * 34, C + 24);
    cairo_curve_to(cr, C + side * 26, C + 18, C + side * 12, C + 18, C, C + 26);
    cairo_close_path(cr);
    Outlined(cr, CREAM);
  }
  cairo_move_to(cr, C + 8, C + 10);
  cairo_line_to(cr, C + 40, C - 38);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Stroke(cr, INK, 6, true);
  Stroke(cr, TERRACOTTA, 3);
}

void Wave(cairo_t* cr) {
  for (int row = 0; row < 3; ++row) {
    const double y = C - 14 + row * 14;
    cairo_move_to(cr, C - 34, y);
    for (int i = 0; i < 4; ++i) {
      cairo_curve_to(cr, C - 34 + i * 17 + 4, y - 10, C - 34 + i * 17 + 13, y - 10, C - 34 + (i + 1) * 17, y);
    }
  }
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Stroke(cr, INK, 8, true);
  Stroke(cr, Rgb(120, 200, 220), 4.5);
}

void Mesa(cairo_t* cr) {
  cairo_move_to(cr, C - 36, C + 24);
  cairo_line_to(cr, C - 22, C - 16);
  cairo_line_to(cr, C + 4, C - 16);
  cairo_line_to(cr, C + 10, C);
  cairo_line_to(cr, C + 24, C);
  cairo_line_to(cr, C + 36, C + 24);
  cairo_close_path(cr);
  Outlined(cr, TERRACOTTA);
}

void Tree(cairo_t* cr) {
  cairo_rectangle(cr, C - 5, C + 10, 10, 20);
  Outlined(cr, BROWN, 2.5);
  for (int tier = 0; tier < 3; ++tier) {
    const double top = C - 36 + tier * 16;
    const double half = 16 + tier * 7;
    cairo_move_to(cr, C, top);
    cairo_line_to(cr, C + half, top + 26);
    cairo_line_to(cr, C - half, top + 26);
    cairo_close_path(cr);
    Outlined(cr, Rgb(96, 156, 80), 2.5);
  }
}

void Peak(cairo_t* cr) {
  cairo_move_to(cr, C - 38, C + 24);
  cairo_line_to(cr, C - 4, C - 32);
  cairo_line_to(cr, C + 38, C + 24);
  cairo_close_path(cr);
  Outlined(cr, Rgb(130, 130, 150));
  cairo_move_to(cr, C - 4, C - 32);
  cairo_line_to(cr, C + 9, C - 11);
  cairo_line_to(cr, C, C - 15);
  cairo_line_to(cr, C - 8, C - 9);
  cairo_line_to(cr, C - 17, C - 11);
  cairo_close_path(cr);
  Outlined(cr, Rgb(248, 248, 252), 2);
}

void CloudSymbol(cairo_t* cr) {
  const double puffs[][3] = {{-16, 6, 16}, {2, -6, 20}, {20, 6, 15}};
  for (const auto& puff : puffs) {
    CirclePath(cr, C + puff[0], C + puff[1], puff[2]);
  }
  RoundedRectPath(cr, C - 32, C + 4, 66, 18, 9);
  Stroke(cr, INK, 6, true);
  for (const auto& puff : puffs) {
    CirclePath(cr, C + puff[0], C + puff[1], puff[2]);
  }
  Fill(cr, Rgb(250, 250, 255));
}

void Planet(cairo_t* cr) {
  CirclePath(cr, C, C, 22);
  Outlined(cr, Rgb(200, 150, 210));
  cairo_save(cr);
  cairo_translate(cr, C, C);
  cairo_rotate(cr, -0.35);
  cairo_scale(cr, 1.0, 0.32);
  CirclePath(cr, 0, 0, 38);
  cairo_restore(cr);
  cairo_set_line_width(cr, 4);
  Stroke(cr, GOLD, 4);
  StarPath(cr, C + 30, C - 30, 9, 3, 4);
  Fill(cr, CREAM);
}

void Check(cairo_t* cr) {
  CheckMarkPath(cr, C - 30, C - 34, 60);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Stroke(cr, INK, 15, true);
  Stroke(cr, Rgb(130, 220, 100), 9);
}

void NoMistakes5(cairo_t* cr) {
  Check(cr);
  Label(cr, "5", C + 6, 28);
}

void NoMistakes25(cairo_t* cr) {
  Check(cr);
  Label(cr, "25", C + 6, 28);
}

void NoHints10(cairo_t* cr) {
  CirclePath(cr, C, C - 10, 20);
  Outlined(cr, Rgb(255, 236, 150));
  cairo_rectangle(cr, C - 9, C + 8, 18, 12);
  Outlined(cr, GREY, 2.5);
  cairo_move_to(cr, C - 30, C + 22);
  cairo_line_to(cr, C + 30, C - 38);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Stroke(cr, INK, 9, true);
  Stroke(cr, TERRACOTTA, 5);
  Label(cr, "10", C + 12, 24);
}

void Stopwatch(cairo_t* cr) {
  cairo_rectangle(cr, C - 6, C - 38, 12, 10);
  Outlined(cr, GREY, 2.5);
  CirclePath(cr, C, C + 2, 30);
  Outlined(cr, CREAM);
  cairo_move_to(cr, C, C + 2);
  cairo_line_to(cr, C, C - 20);
  cairo_move_to(cr, C, C + 2);
  cairo_line_to(cr, C + 15, C + 10);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Stroke(cr, INK, 4);
}

void Trophy(cairo_t* cr) {
  cairo_move_to(cr, C - 24, C - 30);
  cairo_line_to(cr, C + 24, C - 30);
  cairo_curve_to(cr, C + 24, C, C + 10, C + 6, C + 4, C + 8);
  cairo_line_to(cr, C + 4, C + 18);
  cairo_line_to(cr, C + 16, C + 28);
  cairo_line_to(cr, C - 16, C + 28);
  cairo_line_to(cr, C - 4, C + 18);
  cairo_line_to(cr, C - 4, C + 8);
  cairo_curve_to(cr, C - 10, C + 6, C - 24, C, C - 24, C - 30);
  cairo_close_path(cr);
  Outlined(cr, GOLD);
  for (int side = -1; side <= 1; side += 2) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, C + side * 26, C - 18, 9, 0, 2 * M_PI);
    Stroke(cr, INK, 3);
  }
}

void Challenge1(cairo_t* cr) {
  Trophy(cr);
  Label(cr, "1", C - 30, 22);
}

void ChallengeAll(cairo_t* cr) {
  Trophy(cr);
  for (int i = -1; i <= 1; ++i) {
    StarPath(cr, C + i * 24, C - 44 + std::abs(i) * 6, 8, 3.5, 5);
    Outlined(cr, CREAM, 1.5);
  }
}

void TwoBoards(cairo_t* cr) {
  Grid(cr, C - 36, C - 30, 12, 3, 0);
  Grid(cr, C, C - 6, 12, 3, 3);
}

void HiddenCages(cairo_t* cr) {
  Grid(cr, C - 30, C - 30, 20, 3, 1);
  cairo_move_to(cr, C - 4, C + 8);
  cairo_line_to(cr, C + 36, C - 36);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  Stroke(cr, INK, 9, true);
  Stroke(cr, BROWN, 5);
  CirclePath(cr, C - 6, C + 10, 7);
  Outlined(cr, TERRACOTTA, 2);
}

void Puzzles100(cairo_t* cr) {
  Grid(cr, C - 30, C - 30, 20, 3, 2);
  Label(cr, "100", C - 18, 30);
}

void PerfectGrade(cairo_t* cr) {
  StarPath(cr, C, C + 2, 38, 16, 5);
  Outlined(cr, GOLD);
  Label(cr, "A+", C - 12, 22);
}

struct Achievement {
  const char* image;
  Symbol symbol;
  bool gold;  // completion-type achievements wear gold, the rest bronze
};

const Achievement ACHIEVEMENTS[] = {
    {"FirstPuzzle.png", FirstPuzzle, false},     {"TutorialComplete.png", Book, false},
    {"OceanSatisfied.png", Wave, false},         {"OceanCompleted.png", Wave, true},
    {"CanyonSatisfied.png", Mesa, false},        {"CanyonCompleted.png", Mesa, true},
    {"ForestSatisfied.png", Tree, false},        {"ForestCompleted.png", Tree, true},
    {"MountainSatisfied.png", Peak, false},      {"MountainCompleted.png", Peak, true},
    {"SkySatisfied.png", CloudSymbol, false},    {"SkyCompleted.png", CloudSymbol, true},
    {"BeyondSatisfied.png", Planet, false},      {"BeyondCompleted.png", Planet, true},
    {"NoMistakes5.png", NoMistakes5, false},     {"NoMistakes25.png", NoMistakes25, true},
    {"NoHints10.png", NoHints10, false},         {"SpeedSolver.png", Stopwatch, false},
    {"Challenge1.png", Challenge1, false},       {"ChallengeAll.png", ChallengeAll, true},
    {"TwoBoards.png", TwoBoards, false},         {"HiddenCages.png", HiddenCages, false},
    {"Puzzles100.png", Puzzles100, true},        {"PerfectGrade.png", PerfectGrade, true}};

void Emblem(Canvas& canvas, const Achievement& achievement, bool achieved) {
  cairo_t* cr = canvas.Context();
  const Colour metal = achievement.gold ? GOLD : Rgb(196, 132, 84);
  CirclePath(cr, C + 2, C + 3, 58);
  Fill(cr, {0, 0, 0, 0.4});
  CirclePath(cr, C, C, 58);
  FillRadial(cr, C - 14, C - 16, 74, Lighter(metal, 0.45), Darker(metal, 0.3), true);
  Stroke(cr, Darker(metal, 0.6), 4);
  CirclePath(cr, C, C, 49);
  FillRadial(cr, C, C - 10, 60, Rgb(92, 62, 70), Rgb(44, 30, 40), true);
  Stroke(cr, Lighter(metal, 0.2), 2);
  // Gold emblems also wear three stars on the rim, so that they tell apart
  // from the bronze ones at the small size of the achievements window.
  if (achievement.gold) {
    for (int i = -1; i <= 1; ++i) {
      const double angle = -M_PI / 2 + i * 0.42;
      StarPath(cr, C + 51 * std::cos(angle), C + 51 * std::sin(angle), 12, 5, 5);
      Fill(cr, CREAM, true);
      Stroke(cr, Darker(metal, 0.6), 1);
    }
  }
  achievement.symbol(cr);
  if (!achieved) {
    canvas.Desaturate(0, 0, canvas.Width(), canvas.Height(), 1.0, 0.6);
  }
}

}  // namespace

void AddAchievementImages(ImageCatalog& catalog) {
  for (const Achievement& achievement : ACHIEVEMENTS) {
    for (const bool achieved : {true, false}) {
      catalog.push_back(
          {std::string("Achievements/png/") + (achieved ? "Achieved/" : "Unachieved/") + achievement.image,
           EMBLEM_SIZE, EMBLEM_SIZE,
           [&achievement, achieved](Canvas& canvas) { Emblem(canvas, achievement, achieved); },
           {}});
    }
  }
}

}  // namespace imagemaker
