#pragma once
// Painting filled and outlined figures row by row. Outlined figures are a ring (pen) around
// a hole (brush), so that every pixel is written once and XOR figures drawn twice restore
// the destination.

#include <cstdint>

#include "platform/gfx/figure_rows.h"
#include "platform/gfx/surface.h"

namespace kurvex::raster {

struct FigurePaint {
  const PixelWriter* writer = nullptr;
  bool pen = false;
  bool brush = false;
  std::uint32_t pen_color = 0;
  std::uint32_t brush_color = 0;
};

// The box of a figure in device pixels, corners in either order.
FigureRows DeviceBox(DevicePoint a, DevicePoint b, bool ellipse);

// The figure with its left and top edges moved out by `before` and its right and bottom
// edges by `after` (negative values move them in).
FigureRows Grown(FigureRows f, std::int64_t before, std::int64_t after);

// The pen ring of a figure outlined with a pen of width w: the pen is centred on the
// 1-pixel outline, reaching w/2 pixels outwards on the left and top and (w-1)/2 on the
// right and bottom (an even pen leans up and left, as in lines). An inside-frame pen keeps
// the whole ring inside the box.
void RingFor(const FigureRows& box, int width, bool inside_frame, FigureRows* outer, FigureRows* inner);

// Paints outer minus the interior of inner with the pen and that interior with the brush
// (either may be off).
void PaintRing(const Surface& s, const FigureRows& outer, const FigureRows& inner, const FigurePaint& p);

// Paints every pixel of the figure in one colour.
void PaintFilled(const Surface& s, const FigureRows& f, const PixelWriter& writer, std::uint32_t color);

}  // namespace kurvex::raster
