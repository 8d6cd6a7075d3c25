// The campaign regions: each region's map (shown full screen behind its
// locations and behind its puzzles) and its three banner buttons.
#include <cmath>
#include <string>

#include "tools/imagemaker/Backdrop.h"
#include "tools/imagemaker/ImageCatalog.h"
#include "tools/imagemaker/Palette.h"
#include "tools/imagemaker/Shapes.h"
#include "tools/imagemaker/TextBlock.h"

namespace imagemaker {

namespace {

using namespace palette;

constexpr double W = PICTURE_WIDTH;
constexpr double H = PICTURE_HEIGHT;

void Ground(cairo_t* cr, const Colour& top, const Colour& bottom) {
  cairo_rectangle(cr, 0, 0, W, H);
  FillVertical(cr, 0, H, top, bottom);
}

// A blob of overlapping circles, for islands, clouds and tree clumps.
void Blob(cairo_t* cr, Scatter& scatter, double cx, double cy, double radius, int puffs,
          double squash) {
  for (int i = 0; i < puffs; ++i) {
    const double angle = scatter.Between(0, 2 * M_PI);
    const double distance = scatter.Between(0, radius * 0.6);
    CirclePath(cr, cx + distance * std::cos(angle), cy + distance * std::sin(angle) * squash,
               radius * scatter.Between(0.45, 0.7));
  }
}

// A winding band across the map (rivers, canyon floors).
void Winding(cairo_t* cr, double y0, double amplitude, double width, const Colour& colour) {
  cairo_move_to(cr, -20, y0);
  for (int x = -20; x <= W + 20; x += 16) {
    cairo_line_to(cr, x, y0 + amplitude * std::sin(x / 170.0) + amplitude * 0.4 * std::sin(x / 61.0));
  }
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Stroke(cr, colour, width);
}

void Vignette(cairo_t* cr, double strength) {
  cairo_rectangle(cr, 0, 0, W, H);
  FillRadial(cr, W / 2, H / 2, W * 0.65, {0, 0, 0, 0}, {0, 0, 0, strength});
}

void Ocean(cairo_t* cr) {
  Ground(cr, Rgb(34, 96, 124), Rgb(20, 56, 92));
  Scatter scatter(11);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < 140; ++i) {
    const double x = scatter.Between(0, W);
    const double y = scatter.Between(0, H);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, 9, M_PI * 1.15, M_PI * 1.85);
  }
  Stroke(cr, {1, 1, 1, 0.16}, 2);
  const double islands[][3] = {{150, 470, 70}, {300, 200, 55}, {520, 380, 80}, {460, 104, 45},
                               {860, 430, 75}, {420, 560, 40}, {930, 200, 38}, {90, 120, 42}};
  for (const auto& island : islands) {
    Scatter shape(static_cast<unsigned>(island[0] + island[1]));
    Blob(cr, shape, island[0], island[1], island[2] * 1.35, 9, 0.7);
    Fill(cr, Rgb(84, 166, 170, 150));
    Scatter sand(static_cast<unsigned>(island[0] + island[1]));
    Blob(cr, sand, island[0], island[1], island[2], 9, 0.7);
    Fill(cr, Rgb(218, 194, 142));
    Scatter green(static_cast<unsigned>(island[0] + island[1]));
    Blob(cr, green, island[0], island[1] - island[2] * 0.08, island[2] * 0.7, 9, 0.7);
    Fill(cr, Rgb(96, 136, 78));
  }
  // A compass rose in the lower right corner.
  cairo_save(cr);
  cairo_translate(cr, 960, 575);
  for (int i = 0; i < 4; ++i) {
    cairo_move_to(cr, 0, -42);
    cairo_line_to(cr, 8, 0);
    cairo_line_to(cr, -8, 0);
    cairo_close_path(cr);
    cairo_rotate(cr, M_PI / 2);
  }
  Fill(cr, Rgb(236, 220, 180, 200));
  cairo_restore(cr);
  Vignette(cr, 0.35);
}

void Canyon(cairo_t* cr) {
  Ground(cr, Rgb(186, 98, 58), Rgb(140, 64, 44));
  const Colour strata[] = {Rgb(204, 118, 70), Rgb(170, 80, 52), Rgb(196, 108, 66), Rgb(150, 66, 46),
                           Rgb(180, 92, 58)};
  for (int i = 0; i < 5; ++i) {
    Hills(cr, 90 + i * 120, 26, 380 + 60 * i, i * 1.7, H, strata[i], Darker(strata[i], 0.15));
  }
  Winding(cr, 330, 70, 70, Rgb(104, 46, 34, 220));
  Winding(cr, 330, 70, 12, Rgb(90, 140, 150, 200));
  Scatter scatter(23);
  for (int i = 0; i < 40; ++i) {
    const double x = scatter.Between(0, W);
    const double y = scatter.Between(0, H);
    const double s = scatter.Between(6, 16);
    cairo_move_to(cr, x - s, y + s * 0.4);
    cairo_line_to(cr, x - s * 0.3, y - s * 0.6);
    cairo_line_to(cr, x + s * 0.6, y - s * 0.4);
    cairo_line_to(cr, x + s, y + s * 0.4);
    cairo_close_path(cr);
    Fill(cr, Rgb(110, 50, 36, 160));
  }
  Vignette(cr, 0.4);
}

void Forest(cairo_t* cr) {
  Ground(cr, Rgb(70, 100, 56), Rgb(40, 66, 40));
  Winding(cr, 420, 60, 30, Rgb(64, 116, 134));
  Scatter scatter(37);
  for (int i = 0; i < 7; ++i) {
    cairo_save(cr);
    cairo_translate(cr, scatter.Between(60, W - 60), scatter.Between(60, H - 60));
    cairo_scale(cr, 1.0, 0.6);
    CirclePath(cr, 0, 0, scatter.Between(40, 70));
    cairo_restore(cr);
    Fill(cr, Rgb(128, 150, 84, 160));
  }
  for (int i = 0; i < 260; ++i) {
    const double x = scatter.Between(-20, W + 20);
    const double y = scatter.Between(-20, H + 20);
    const double r = scatter.Between(12, 24);
    const Colour leaf = Mix(Rgb(36, 76, 40), Rgb(76, 116, 56), scatter.Between(0, 1));
    CirclePath(cr, x + 3, y + 4, r);
    Fill(cr, {0, 0, 0, 0.25});
    CirclePath(cr, x, y, r);
    FillRadial(cr, x - r * 0.3, y - r * 0.3, r * 1.3, Lighter(leaf, 0.2), Darker(leaf, 0.2));
  }
  Vignette(cr, 0.35);
}

void Mountain(cairo_t* cr) {
  Ground(cr, Rgb(118, 140, 166), Rgb(84, 96, 110));
  Scatter scatter(41);
  for (int row = 0; row < 4; ++row) {
    const double baseY = 140 + row * 150;
    for (int i = 0; i < 7; ++i) {
      const double x = i * 170 + scatter.Between(-40, 40) + (row % 2) * 85;
      const double h = scatter.Between(110, 170);
      const double w = h * 1.1;
      const Colour rock = Mix(Rgb(96, 98, 116), Rgb(130, 124, 132), scatter.Between(0, 1));
      cairo_move_to(cr, x - w, baseY);
      cairo_line_to(cr, x, baseY - h);
      cairo_line_to(cr, x + w, baseY);
      cairo_close_path(cr);
      FillVertical(cr, baseY - h, baseY, rock, Darker(rock, 0.3));
      cairo_move_to(cr, x, baseY - h);
      cairo_line_to(cr, x + w * 0.38, baseY - h * 0.62);
      cairo_line_to(cr, x + w * 0.15, baseY - h * 0.68);
      cairo_line_to(cr, x - w * 0.05, baseY - h * 0.6);
      cairo_line_to(cr, x - w * 0.2, baseY - h * 0.7);
      cairo_line_to(cr, x - w * 0.38, baseY - h * 0.62);
      cairo_close_path(cr);
      Fill(cr, Rgb(240, 244, 250));
      cairo_move_to(cr, x, baseY - h);
      cairo_line_to(cr, x + w, baseY);
      cairo_line_to(cr, x + w * 0.2, baseY);
      cairo_close_path(cr);
      Fill(cr, {0, 0, 0.1, 0.18});
    }
    // The snowy valley in front of the range, under the next one.
    Hills(cr, baseY + 14, 10, 300 + row * 40, row * 2.3, H, Rgb(176, 186, 198), Rgb(120, 132, 146));
  }
  for (int i = 0; i < 90; ++i) {
    const double x = scatter.Between(0, W);
    const double y = scatter.Between(200, H);
    const double s = scatter.Between(8, 15);
    cairo_move_to(cr, x, y - s * 2);
    cairo_line_to(cr, x + s * 0.8, y);
    cairo_line_to(cr, x - s * 0.8, y);
    cairo_close_path(cr);
    Fill(cr, Rgb(40, 70, 52));
  }
  Vignette(cr, 0.3);
}

void Cloud(cairo_t* cr, Scatter& scatter, double x, double y, double size, double alpha) {
  Blob(cr, scatter, x, y, size, 8, 0.45);
  FillVertical(cr, y - size, y + size * 0.5, {1, 1, 1, alpha}, {0.86, 0.84, 0.92, alpha});
}

void Sky(cairo_t* cr) {
  Ground(cr, Rgb(64, 92, 148), Rgb(156, 112, 128));
  Scatter scatter(53);
  for (int i = 0; i < 14; ++i) {
    Cloud(cr, scatter, scatter.Between(0, W), scatter.Between(0, H), scatter.Between(40, 90), 0.35);
  }
  const double isles[][2] = {{180, 420}, {460, 250}, {760, 380}, {880, 150}};
  for (const auto& isle : isles) {
    cairo_move_to(cr, isle[0] - 60, isle[1]);
    cairo_line_to(cr, isle[0] + 60, isle[1]);
    cairo_line_to(cr, isle[0] + 10, isle[1] + 60);
    cairo_line_to(cr, isle[0] - 15, isle[1] + 45);
    cairo_close_path(cr);
    FillVertical(cr, isle[1], isle[1] + 60, Rgb(140, 100, 80), Rgb(80, 56, 60));
    RoundedRectPath(cr, isle[0] - 64, isle[1] - 8, 128, 14, 7);
    Fill(cr, Rgb(110, 150, 90));
  }
  for (int i = 0; i < 8; ++i) {
    Cloud(cr, scatter, scatter.Between(0, W), scatter.Between(0, H), scatter.Between(30, 60), 0.55);
  }
  Vignette(cr, 0.3);
}

void Beyond(cairo_t* cr) {
  Ground(cr, Rgb(20, 16, 44), Rgb(44, 22, 58));
  Scatter scatter(67);
  const Colour glows[] = {Rgb(150, 70, 140, 90), Rgb(60, 110, 150, 80), Rgb(200, 120, 80, 60)};
  for (int i = 0; i < 5; ++i) {
    const double x = scatter.Between(0, W);
    const double y = scatter.Between(0, H);
    const double r = scatter.Between(160, 300);
    CirclePath(cr, x, y, r);
    FillRadial(cr, x, y, r, glows[i % 3], WithAlpha(glows[i % 3], 0));
  }
  for (int i = 0; i < 420; ++i) {
    CirclePath(cr, scatter.Between(0, W), scatter.Between(0, H), scatter.Between(0.6, 1.8));
    Fill(cr, Rgb(255, 246, 220, static_cast<int>(scatter.Between(90, 255))));
  }
  for (int i = 0; i < 6; ++i) {
    const double x = scatter.Between(40, W - 40);
    const double y = scatter.Between(40, H - 40);
    StarPath(cr, x, y, 9, 2, 4);
    Fill(cr, Rgb(255, 240, 200));
  }
  CirclePath(cr, 850, 130, 60);
  FillRadial(cr, 830, 110, 90, Rgb(226, 170, 120), Rgb(120, 60, 70));
  CirclePath(cr, 140, 520, 34);
  FillRadial(cr, 128, 508, 50, Rgb(170, 200, 220), Rgb(60, 80, 120));
}

using MapPainter = void (*)(cairo_t*);

struct Region {
  const char* name;
  MapPainter paint;
  double bandTop;  // the slice of the map that its banner shows
};

const Region REGIONS[] = {{"Ocean", Ocean, 330},   {"Canyon", Canyon, 280},
                          {"Forest", Forest, 300}, {"Mountain", Mountain, 170},
                          {"Sky", Sky, 350},       {"Beyond", Beyond, 60}};

enum class BannerLook { Unlocked, Locked, Highlighted };

// Region buttons show the top 38.6 % of their image: a banner cut from the
// region's map with the region's name.
void Banner(Canvas& canvas, const Region& region, BannerLook look) {
  cairo_t* cr = canvas.Context();
  const double w = canvas.Width();
  const double h = std::floor(canvas.Height() * 0.386);
  const double inset = 4;
  const double radius = 18;
  cairo_save(cr);
  RoundedRectPath(cr, inset, inset, w - 2 * inset, h - 2 * inset, radius);
  cairo_clip(cr);
  cairo_translate(cr, 0, -region.bandTop);
  region.paint(cr);
  cairo_restore(cr);
  RoundedRectPath(cr, inset, inset, w - 2 * inset, h - 2 * inset, radius);
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, w, 0);
  cairo_pattern_add_color_stop_rgba(shade, 0.0, 0, 0, 0, 0.6);
  cairo_pattern_add_color_stop_rgba(shade, 0.55, 0, 0, 0, 0.0);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);

  TextStyle name;
  name.family = "DejaVu Serif";
  name.bold = true;
  name.size = 56;
  name.colour = look == BannerLook::Highlighted ? Rgb(255, 230, 150) : CREAM;
  name.outline = 3;
  name.outlineColour = Rgb(30, 18, 14, 200);
  DrawText(cr, region.name, 40, (h - 70) / 2, w * 0.6, name);

  if (look == BannerLook::Highlighted) {
    RoundedRectPath(cr, inset, inset, w - 2 * inset, h - 2 * inset, radius);
    Fill(cr, {1, 0.9, 0.6, 0.12}, true);
    Stroke(cr, GOLD, 7);
  } else {
    RoundedRectPath(cr, inset, inset, w - 2 * inset, h - 2 * inset, radius);
    Stroke(cr, BROWN, 5);
  }
  if (look == BannerLook::Locked) {
    canvas.Desaturate(0, 0, canvas.Width(), static_cast<int>(h) + 1, 0.9, 0.55);
    cairo_save(cr);
    cairo_translate(cr, w - 110, (h - 72) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 36, 30, 15, M_PI, 2 * M_PI);
    cairo_line_to(cr, 51, 38);
    cairo_move_to(cr, 21, 38);
    cairo_line_to(cr, 21, 30);
    Stroke(cr, Rgb(200, 196, 186), 7);
    RoundedRectPath(cr, 14, 34, 44, 32, 6);
    Fill(cr, Rgb(176, 170, 160), true);
    Stroke(cr, INK, 3);
    cairo_restore(cr);
  }
}

}  // namespace

const std::vector<std::string>& RegionNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    for (const Region& region : REGIONS) {
      list.emplace_back(region.name);
    }
    return list;
  }();
  return names;
}

void AddRegionImages(ImageCatalog& catalog) {
  for (const Region& region : REGIONS) {
    const std::string prefix = std::string("Backgrounds/Region_") + region.name;
    const MapPainter paint = region.paint;
    catalog.push_back({prefix + "_Map.png", BACKDROP_SIZE, BACKDROP_SIZE,
                       [paint](Canvas& canvas) {
                         paint(canvas.Context());
                         FinishBackdrop(canvas);
                       },
                       {}});
    const struct {
      const char* suffix;
      BannerLook look;
    } banners[] = {{"_Locked.png", BannerLook::Locked},
                   {"_Unlocked.png", BannerLook::Unlocked},
                   {"_Highlighted.png", BannerLook::Highlighted}};
    for (const auto& banner : banners) {
      const BannerLook look = banner.look;
      catalog.push_back({prefix + banner.suffix, 1024, 256,
                         [&region, look](Canvas& canvas) { Banner(canvas, region, look); }, {}});
    }
  }
}

}  // namespace imagemaker
