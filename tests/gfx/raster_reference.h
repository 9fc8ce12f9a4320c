#pragma once
// A slow, obviously correct rasterizer for 1-pixel lines, written straight from the rule:
// for every pixel column (or row) along the major axis, the minor coordinate is the exact
// one rounded to the nearest pixel, an exact half to the smaller coordinate; the end pixel
// is left out. It only visits the columns of the bitmap, so huge coordinates are cheap.

#include <cstdint>
#include <set>
#include <utility>
#include <vector>

#include "common/geometry.h"
#include "platform/gfx/bitmap.h"

namespace kurvex::testing_ref {

__extension__ typedef __int128 Wide;

// ceil(a / b) for b > 0.
inline Wide Ceil(Wide a, Wide b) { return a >= 0 ? (a + b - 1) / b : -((-a) / b); }

// Nearest integer to start + n / d (d > 0), an exact half rounding down.
inline std::int64_t RoundHalfDown(std::int64_t start, Wide n, Wide d) {
  return start + static_cast<std::int64_t>(Ceil(2 * n - d, 2 * d));
}

struct Box {
  std::int64_t left, top, right, bottom;  // right/bottom exclusive
};

// Calls plot(x, y, i) for every pixel of the line inside the box, i being the pixel's
// index along the line (0 at the start).
template <class Plot>
void ReferenceLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, const Box& box, Plot plot) {
  const std::int64_t dx = x1 - x0;
  const std::int64_t dy = y1 - y0;
  const std::int64_t adx = dx < 0 ? -dx : dx;
  const std::int64_t ady = dy < 0 ? -dy : dy;
  if (adx == 0 && ady == 0) return;
  if (adx >= ady) {
    for (std::int64_t x = box.left; x < box.right; ++x) {
      const std::int64_t i = dx > 0 ? x - x0 : x0 - x;
      if (i < 0 || i >= adx) continue;
      const std::int64_t y = RoundHalfDown(y0, Wide{dy} * i, adx);
      if (y >= box.top && y < box.bottom) plot(x, y, i);
    }
  } else {
    for (std::int64_t y = box.top; y < box.bottom; ++y) {
      const std::int64_t i = dy > 0 ? y - y0 : y0 - y;
      if (i < 0 || i >= ady) continue;
      const std::int64_t x = RoundHalfDown(x0, Wide{dx} * i, ady);
      if (x >= box.left && x < box.right) plot(x, y, i);
    }
  }
}

// Paints the line on the bitmap in one colour (the origin added to every coordinate).
inline void ReferenceLineOn(Bitmap& b, TPoint origin, TPoint from, TPoint to, TColor color, const Box& clip) {
  ReferenceLine(std::int64_t{from.X} + origin.X, std::int64_t{from.Y} + origin.Y, std::int64_t{to.X} + origin.X,
                std::int64_t{to.Y} + origin.Y, clip,
                [&](std::int64_t x, std::int64_t y, std::int64_t) {
                  b.SetPixel(static_cast<int>(x), static_cast<int>(y), color);
                });
}

}  // namespace kurvex::testing_ref
