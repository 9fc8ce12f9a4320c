#pragma once
// Clipping of 1-pixel lines. A line from (x0, y0) to (x1, y1) paints, for each step i along
// its major axis (0 <= i < the major length, so the end pixel is left out), the minor
// coordinate of the exact line rounded to the nearest pixel, an exact half going to the
// smaller coordinate. Clipping computes, in exact integer arithmetic, the first and last
// step inside the clip box and the error term at the first one, so the visible pixels are
// exactly those of the unclipped line and no off-screen pixel is ever walked.

#include <cstddef>
#include <cstdint>

#include "platform/gfx/raster_ops.h"

namespace kurvex::raster {

// A device rectangle, left/top inclusive, right/bottom exclusive.
struct ClipBox {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t right = 0;
  std::int64_t bottom = 0;
  bool Empty() const { return left >= right || top >= bottom; }
  bool Contains(std::int64_t x, std::int64_t y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// Fills *run with the visible part of the line for a bitmap whose rows are `stride` words
// apart. Returns false when no pixel of the line is visible (or the line is empty).
bool ClipLine(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1, const ClipBox& clip,
              std::ptrdiff_t stride, LineRun* run);

// The number of pixels the line paints when unclipped (its major-axis length), used to
// carry a dash pattern from one segment of a polyline to the next.
std::int64_t LineLength(std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1);

// The minor-axis offset of pixel i of a line whose major length is `major` and minor
// length `minor` (both >= 0), moving towards larger minor coordinates when `positive`.
// This is the rounding rule itself, for callers that need single pixels.
std::int64_t MinorOffset(std::int64_t i, std::int64_t major, std::int64_t minor, bool positive);

}  // namespace kurvex::raster
