// Rectangle and Polygon. Ellipses and arcs are in canvas_curves.cpp.

#include <algorithm>

#include "platform/gfx/canvas_impl.h"
#include "platform/gfx/figure_paint.h"
#include "platform/gfx/wide_int.h"

namespace kurvex {

using raster::DevicePoint;
using raster::FigureRows;

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  const raster::Surface s = Impl::SurfaceOf(*this);
  if (s.Empty()) return;
  const FigureRows box =
      raster::DeviceBox(Impl::Device(*this, x1, y1), Impl::Device(*this, x2, y2), false);
  const raster::StrokePen pen = Impl::StrokePenOf(*this);
  const raster::FigurePaint paint{pen.writer, Impl::PenVisible(*this), Impl::BrushSolid(*this), pen.color, pen.gap};
  if (!paint.pen) {
    // Without a pen the fill leaves out the last column and row, where the outline would be.
    if (paint.brush) raster::PaintFilled(s, raster::Grown(box, 0, -1), *pen.writer, pen.gap);
    return;
  }
  if (box.Empty()) return;
  const bool inside_frame = pen_.Style() == TPenStyle::psInsideFrame;
  const bool thin = box.right - box.left == 1 || box.bottom - box.top == 1;
  if (pen.dash != nullptr || (pen.width == 1 && thin) || (pen.width > 1 && !inside_frame)) {
    // The outline is the closed path through the corners, from the top right corner
    // counter-clockwise, so a dash pattern starts there and runs on across the corners and
    // a wide pen rounds the outer corners with its disc. Drawn as lines, a one-pixel-wide
    // box paints its column (in XOR only the two end pixels remain) and a 1 x 1 box nothing.
    const std::int64_t w = pen.width;
    if (paint.brush) raster::PaintFilled(s, raster::Grown(box, -((w - 1) / 2) - 1, -(w / 2) - 1), *pen.writer, pen.gap);
    const DevicePoint corners[4] = {{box.right - 1, box.top},
                                    {box.left, box.top},
                                    {box.left, box.bottom - 1},
                                    {box.right - 1, box.bottom - 1}};
    raster::StrokePath(s, pen, corners, 4, true, impl_->scratch);
    return;
  }
  FigureRows outer, inner;
  raster::RingFor(box, pen.width, inside_frame, &outer, &inner);
  raster::PaintRing(s, outer, inner, paint);
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  const raster::Surface s = Impl::SurfaceOf(*this);
  if (s.Empty() || points.size() < 2) return;
  raster::Scratch& scratch = impl_->scratch;
  std::vector<DevicePoint>& p = scratch.points;
  p.resize(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) p[i] = Impl::Device(*this, points[i].X, points[i].Y);
  const raster::StrokePen pen = Impl::StrokePenOf(*this);

  if (Impl::BrushSolid(*this)) {
    // Alternate (even-odd) fill of the pixel centres inside the polygon; a centre exactly on
    // an edge belongs to the pixel run on its right, and rows are taken half-open, so that
    // polygons sharing an edge do not overlap.
    std::int64_t top = p[0].y, bottom = p[0].y;
    for (const DevicePoint& q : p) {
      top = std::min(top, q.y);
      bottom = std::max(bottom, q.y);
    }
    top = std::max(top, s.clip.top);
    bottom = std::min(bottom, s.clip.bottom);
    std::vector<std::int64_t>& crossings = scratch.crossings;
    for (std::int64_t y = top; y < bottom; ++y) {
      crossings.clear();
      for (std::size_t i = 0; i < p.size(); ++i) {
        DevicePoint a = p[i];
        DevicePoint b = p[(i + 1) % p.size()];
        if (a.y == b.y) continue;
        if (a.y > b.y) std::swap(a, b);
        if (y < a.y || y >= b.y) continue;
        const raster::Int128 num = raster::Int128{y - a.y} * (b.x - a.x);
        crossings.push_back(a.x + static_cast<std::int64_t>(raster::CeilDiv(num, b.y - a.y)));
      }
      std::sort(crossings.begin(), crossings.end());
      for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
        raster::FillRow(s, *pen.writer, pen.gap, y, crossings[i], crossings[i + 1] - 1);
      }
    }
  }
  if (Impl::PenVisible(*this)) raster::StrokePath(s, pen, p.data(), p.size(), true, scratch);
}

}  // namespace kurvex
