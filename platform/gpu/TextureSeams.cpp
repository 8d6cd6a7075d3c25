#include "platform/gpu/TextureSeams.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {

namespace {

// One region of a texture-coordinate axis and how its coordinates come into
// 0..1: shifted, or, in the outer regions of clamp addressing (which have an
// infinite bound), all set to one value.
struct Region {
  double low;
  double high;
  double shift;
  bool pinned;
  double pin;
};

// A triangle cut by four planes has at most seven corners; the room to spare
// takes the odd extra corner that rounding can make of a sliver.
constexpr int kMaxPolygon = 16;

struct Polygon {
  GpuVertex corners[kMaxPolygon];
  int count = 0;
};

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// How many repeats of the texture the range low..high touches.
double RegionCount(double low, double high) {
  return std::max(1.0, std::ceil(high) - std::floor(low));
}

std::vector<Region> AxisRegions(double low, double high, GpuAddressMode mode, int texels) {
  std::vector<Region> regions;
  if (mode == GpuAddressMode::Wrap) {
    // Counted rather than stepped, since k + 1 == k for huge coordinates.
    const double first = std::floor(low);
    const int count = static_cast<int>(RegionCount(low, high));
    for (int i = 0; i < count; ++i) {
      const double k = first + i;
      regions.push_back({k, k + 1.0, k, false, 0.0});
    }
    return regions;
  }
  const double halfTexel = 0.5 / std::max(texels, 1);
  const Region clampRegions[] = {{-kInfinity, 0.0, 0.0, true, halfTexel},
                                 {0.0, 1.0, 0.0, false, 0.0},
                                 {1.0, kInfinity, 0.0, true, 1.0 - halfTexel}};
  for (const Region& region : clampRegions) {
    // A triangle flat on this axis belongs to exactly one region, so that no
    // part of it is drawn twice.
    const bool inside = low == high ? (low >= region.low && low <= region.high)
                                    : (high > region.low && low < region.high);
    if (inside) {
      regions.push_back(region);
      if (low == high) {
        break;
      }
    }
  }
  return regions;
}

uint8_t LerpByte(uint8_t from, uint8_t to, float t) {
  return static_cast<uint8_t>(std::lround(from + (to - from) * t));
}

GpuVertex Lerp(const GpuVertex& from, const GpuVertex& to, float t) {
  GpuVertex result;
  result.x = from.x + (to.x - from.x) * t;
  result.y = from.y + (to.y - from.y) * t;
  result.u = from.u + (to.u - from.u) * t;
  result.v = from.v + (to.v - from.v) * t;
  result.color.r = LerpByte(from.color.r, to.color.r, t);
  result.color.g = LerpByte(from.color.g, to.color.g, t);
  result.color.b = LerpByte(from.color.b, to.color.b, t);
  result.color.a = LerpByte(from.color.a, to.color.a, t);
  return result;
}

float Coordinate(const GpuVertex& vertex, bool alongV) { return alongV ? vertex.v : vertex.u; }

// Keeps the part of the polygon where sign * (coordinate - bound) >= 0.
Polygon ClipAgainst(const Polygon& polygon, bool alongV, double bound, double sign) {
  Polygon result;
  if (std::isinf(bound)) {
    return polygon;
  }
  for (int i = 0; i < polygon.count; ++i) {
    const GpuVertex& current = polygon.corners[i];
    const GpuVertex& next = polygon.corners[(i + 1) % polygon.count];
    const double currentDistance = sign * (Coordinate(current, alongV) - bound);
    const double nextDistance = sign * (Coordinate(next, alongV) - bound);
    if (currentDistance >= 0.0 && result.count < kMaxPolygon) {
      result.corners[result.count++] = current;
    }
    if ((currentDistance >= 0.0) != (nextDistance >= 0.0) && result.count < kMaxPolygon) {
      const double t = currentDistance / (currentDistance - nextDistance);
      result.corners[result.count++] = Lerp(current, next, static_cast<float>(t));
    }
  }
  return result;
}

float IntoUnit(float coordinate, const Region& region) {
  if (region.pinned) {
    return static_cast<float>(region.pin);
  }
  return static_cast<float>(std::clamp(coordinate - region.shift, 0.0, 1.0));
}

void AppendPiece(Polygon piece, const Region& uRegion, const Region& vRegion,
                 std::vector<GpuVertex>& triangles) {
  for (int i = 0; i < piece.count; ++i) {
    piece.corners[i].u = IntoUnit(piece.corners[i].u, uRegion);
    piece.corners[i].v = IntoUnit(piece.corners[i].v, vRegion);
  }
  for (int i = 1; i + 1 < piece.count; ++i) {
    triangles.push_back(piece.corners[0]);
    triangles.push_back(piece.corners[i]);
    triangles.push_back(piece.corners[i + 1]);
  }
}

}  // namespace

bool TextureCoordinatesInRange(const GpuVertex* vertices, int count) {
  for (int i = 0; i < count; ++i) {
    const GpuVertex& vertex = vertices[i];
    if (!(vertex.u >= 0.0f && vertex.u <= 1.0f && vertex.v >= 0.0f && vertex.v <= 1.0f)) {
      return false;
    }
  }
  return true;
}

bool SplitTriangleAtTextureSeams(const GpuVertex& a, const GpuVertex& b, const GpuVertex& c,
                                 GpuAddressMode mode, int textureWidth, int textureHeight,
                                 std::vector<GpuVertex>& triangles) {
  for (const GpuVertex* vertex : {&a, &b, &c}) {
    if (!std::isfinite(vertex->u) || !std::isfinite(vertex->v)) {
      return false;
    }
  }
  const double uLow = std::min({a.u, b.u, c.u});
  const double uHigh = std::max({a.u, b.u, c.u});
  const double vLow = std::min({a.v, b.v, c.v});
  const double vHigh = std::max({a.v, b.v, c.v});
  if (mode == GpuAddressMode::Wrap &&
      RegionCount(uLow, uHigh) * RegionCount(vLow, vHigh) > kMaxSeamPieces) {
    return false;
  }

  Polygon triangle;
  triangle.corners[0] = a;
  triangle.corners[1] = b;
  triangle.corners[2] = c;
  triangle.count = 3;
  for (const Region& uRegion : AxisRegions(uLow, uHigh, mode, textureWidth)) {
    const Polygon uSlice =
        ClipAgainst(ClipAgainst(triangle, false, uRegion.low, 1.0), false, uRegion.high, -1.0);
    if (uSlice.count < 3) {
      continue;
    }
    for (const Region& vRegion : AxisRegions(vLow, vHigh, mode, textureHeight)) {
      const Polygon piece =
          ClipAgainst(ClipAgainst(uSlice, true, vRegion.low, 1.0), true, vRegion.high, -1.0);
      if (piece.count >= 3) {
        AppendPiece(piece, uRegion, vRegion, triangles);
      }
    }
  }
  return true;
}

}  // namespace platform
