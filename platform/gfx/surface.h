#pragma once
// The drawing target as the rasterizers see it: the pixel words, the row stride and the clip
// box in device pixels (bitmap bounds intersected with the canvas clip rectangle). All
// coordinates here are device pixels in 64 bits, the canvas origin already added.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/gfx/line_clip.h"
#include "platform/gfx/raster_ops.h"

namespace kurvex::raster {

struct Surface {
  std::uint32_t* bits = nullptr;
  std::ptrdiff_t stride = 0;
  ClipBox clip;
  bool Empty() const { return bits == nullptr || clip.Empty(); }
  std::uint32_t* At(std::int64_t x, std::int64_t y) const { return bits + y * stride + x; }
};

struct DevicePoint {
  std::int64_t x = 0;
  std::int64_t y = 0;
  friend bool operator==(DevicePoint, DevicePoint) = default;
};

// Everything a stroke needs to know about the pen.
struct StrokePen {
  const PixelWriter* writer = nullptr;
  std::uint32_t color = 0;      // pixel word of the pen colour
  std::uint32_t gap = 0;        // pixel word of the brush colour, for the gaps of dashes
  bool paint_gaps = false;      // the brush is solid
  const DashPattern* dash = nullptr;  // null: solid
  int width = 1;
};

// Reusable buffers, owned by a canvas, so that strokes and fills allocate nothing per call
// once they have grown to the sizes in use.
struct Scratch {
  std::vector<std::int64_t> crossings;
  std::vector<std::uint8_t> mask;
  std::vector<DevicePoint> points;  // device copies of the caller's points
  std::vector<DevicePoint> closed;  // a closed path with its first point repeated
  std::vector<std::int64_t> columns;  // source columns of a stretched copy
  std::vector<std::int64_t> disc;     // first and last column of each row of a wide pen's disc,
  int disc_width = 0;                 // ... for a pen of this width
};

// Fills device rows top..bottom-1, columns left..right-1 (clipped) with one colour.
void FillBox(const Surface& s, const PixelWriter& w, std::uint32_t color, std::int64_t left, std::int64_t top,
             std::int64_t right, std::int64_t bottom);

// Horizontal run of row y from x0 to x1 inclusive (x0 <= x1), clipped.
void FillRow(const Surface& s, const PixelWriter& w, std::uint32_t color, std::int64_t y, std::int64_t x0,
             std::int64_t x1);

// Draws the path through points[0..n-1] with the rules of a polyline: every segment
// without its end pixel, the last point unpainted, a dash pattern running on across the
// vertices. `closed` adds the segment from the last point back to the first.
void StrokePath(const Surface& s, const StrokePen& pen, const DevicePoint* points, std::size_t n, bool closed,
                Scratch& scratch);

// Round-ended strokes for pens wider than one pixel (wide_stroke.cpp).
void StrokeWidePath(const Surface& s, const StrokePen& pen, const DevicePoint* points, std::size_t n, bool closed,
                    Scratch& scratch);

// The dash pattern of a pen style, or null for styles that draw solid.
const DashPattern* DashFor(TPenStyle style);

}  // namespace kurvex::raster
