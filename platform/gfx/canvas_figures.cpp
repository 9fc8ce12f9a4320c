// Rectangle, Ellipse, Arc and Polygon. Outlined figures are painted row by row as a ring
// (pen) around a hole (brush), so that every pixel is written once and XOR figures drawn
// twice restore the destination.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/gfx/canvas_impl.h"
#include "platform/gfx/figure_rows.h"
#include "platform/gfx/wide_int.h"

namespace kurvex {

using raster::DevicePoint;
using raster::FigureRows;

namespace {

// The box of a figure in device pixels, corners in either order.
FigureRows DeviceBox(DevicePoint a, DevicePoint b, bool ellipse) {
  return FigureRows{ellipse, std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

FigureRows Grown(FigureRows f, std::int64_t before, std::int64_t after) {
  f.left -= before;
  f.top -= before;
  f.right += after;
  f.bottom += after;
  return f;
}

// The pen ring of a box outlined with a pen of width w: the pen is centred on the 1-pixel
// outline, reaching w/2 pixels outwards on the left and top and (w-1)/2 on the right and
// bottom (an even pen leans up and left, as in lines). An inside-frame pen keeps the whole
// ring inside the box.
void RingFor(const FigureRows& box, int width, bool inside_frame, FigureRows* outer, FigureRows* inner) {
  const std::int64_t w = width;
  if (inside_frame) {
    *outer = box;
    *inner = Grown(box, -(w - 1), -(w - 1));
  } else {
    *outer = Grown(box, w / 2, (w - 1) / 2);
    *inner = Grown(box, -((w - 1) / 2), -(w / 2));
  }
}

struct FigurePaint {
  const raster::PixelWriter* writer = nullptr;
  bool pen = false;
  bool brush = false;
  std::uint32_t pen_color = 0;
  std::uint32_t brush_color = 0;
};

// Paints the ring outer minus the interior of inner with the pen and that interior with the
// brush (either may be off).
void PaintRing(const raster::Surface& s, const FigureRows& outer, const FigureRows& inner, const FigurePaint& p) {
  const std::int64_t y0 = std::max(outer.top, s.clip.top);
  const std::int64_t y1 = std::min(outer.bottom, s.clip.bottom);
  for (std::int64_t y = y0; y < y1; ++y) {
    std::int64_t ol, orr, hl, hr;
    if (!outer.Row(y, &ol, &orr)) continue;
    if (inner.Empty() || !inner.InteriorRow(y, &hl, &hr)) {
      if (p.pen) raster::FillRow(s, *p.writer, p.pen_color, y, ol, orr);
      continue;
    }
    if (p.pen) {
      raster::FillRow(s, *p.writer, p.pen_color, y, ol, hl - 1);
      raster::FillRow(s, *p.writer, p.pen_color, y, hr + 1, orr);
    }
    if (p.brush) raster::FillRow(s, *p.writer, p.brush_color, y, hl, hr);
  }
}

void PaintFilled(const raster::Surface& s, const FigureRows& f, const raster::PixelWriter& writer,
                 std::uint32_t color) {
  const std::int64_t y0 = std::max(f.top, s.clip.top);
  const std::int64_t y1 = std::min(f.bottom, s.clip.bottom);
  for (std::int64_t y = y0; y < y1; ++y) {
    std::int64_t l, r;
    if (f.Row(y, &l, &r)) raster::FillRow(s, writer, color, y, l, r);
  }
}

// Angles of directions seen from the centre of a box, counter-clockwise on the screen
// (y grows downwards), in doubled coordinates so that the centre is an integer.
double DirectionAngle(const FigureRows& box, std::int64_t x2, std::int64_t y2) {
  const double dx = static_cast<double>(x2 - (box.left + box.right - 1));
  const double dy = static_cast<double>((box.top + box.bottom - 1) - y2);
  return std::atan2(dy, dx);
}

double Normalized(double angle) {
  constexpr double kTurn = 2 * std::numbers::pi;
  angle = std::fmod(angle, kTurn);
  return angle < 0 ? angle + kTurn : angle;
}

}  // namespace

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  const raster::Surface s = Impl::SurfaceOf(*this);
  if (s.Empty()) return;
  const FigureRows box = DeviceBox(Impl::Device(*this, x1, y1), Impl::Device(*this, x2, y2), false);
  const raster::StrokePen pen = Impl::StrokePenOf(*this);
  FigurePaint paint{pen.writer, Impl::PenVisible(*this), Impl::BrushSolid(*this), pen.color, pen.gap};
  if (!paint.pen) {
    // Without a pen the fill leaves out the last column and row, where the outline would be.
    if (paint.brush) PaintFilled(s, Grown(box, 0, -1), *pen.writer, pen.gap);
    return;
  }
  if (pen.dash != nullptr) {
    // A dashed outline runs its pattern once around the box, clockwise from the top left.
    if (paint.brush) PaintFilled(s, Grown(box, -1, -1), *pen.writer, pen.gap);
    if (box.Empty()) return;
    const DevicePoint corners[4] = {{box.left, box.top}, {box.right - 1, box.top}, {box.right - 1, box.bottom - 1},
                                    {box.left, box.bottom - 1}};
    raster::StrokePath(s, pen, corners, 4, true, impl_->scratch);
    return;
  }
  FigureRows outer, inner;
  RingFor(box, pen.width, pen_.Style() == TPenStyle::psInsideFrame, &outer, &inner);
  if (box.Empty()) return;
  PaintRing(s, outer, inner, paint);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  const raster::Surface s = Impl::SurfaceOf(*this);
  if (s.Empty()) return;
  const FigureRows box = DeviceBox(Impl::Device(*this, x1, y1), Impl::Device(*this, x2, y2), true);
  if (box.Empty()) return;
  const raster::StrokePen pen = Impl::StrokePenOf(*this);
  FigurePaint paint{pen.writer, Impl::PenVisible(*this), Impl::BrushSolid(*this), pen.color, pen.gap};
  if (!paint.pen) {
    if (paint.brush) PaintFilled(s, Grown(box, 0, -1), *pen.writer, pen.gap);
    return;
  }
  // Dash patterns are not applied along curves: ellipse outlines are drawn solid.
  FigureRows outer, inner;
  RingFor(box, pen.width, pen_.Style() == TPenStyle::psInsideFrame, &outer, &inner);
  PaintRing(s, outer, inner, paint);
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  const raster::Surface s = Impl::SurfaceOf(*this);
  if (s.Empty() || !Impl::PenVisible(*this)) return;
  const FigureRows box = DeviceBox(Impl::Device(*this, x1, y1), Impl::Device(*this, x2, y2), true);
  if (box.Empty()) return;
  const raster::StrokePen pen = Impl::StrokePenOf(*this);
  const DevicePoint from = Impl::Device(*this, x3, y3);
  const DevicePoint to = Impl::Device(*this, x4, y4);
  const double start = DirectionAngle(box, 2 * from.x, 2 * from.y);
  double sweep = Normalized(DirectionAngle(box, 2 * to.x, 2 * to.y) - start);
  if (sweep == 0) sweep = 2 * std::numbers::pi;  // the same direction twice: the whole ellipse
  constexpr double kTolerance = 1e-12;

  FigureRows outer, inner;
  RingFor(box, pen.width, pen_.Style() == TPenStyle::psInsideFrame, &outer, &inner);
  const std::int64_t y0 = std::max(outer.top, s.clip.top);
  const std::int64_t y1e = std::min(outer.bottom, s.clip.bottom);
  const auto paint_run = [&](std::int64_t y, std::int64_t l, std::int64_t r) {
    l = std::max(l, s.clip.left);
    r = std::min(r, s.clip.right - 1);
    for (std::int64_t x = l; x <= r; ++x) {
      if (Normalized(DirectionAngle(box, 2 * x, 2 * y) - start) <= sweep + kTolerance) {
        pen.writer->span(s.At(x, y), 1, pen.color);
      }
    }
  };
  for (std::int64_t y = y0; y < y1e; ++y) {
    std::int64_t ol, orr, hl, hr;
    if (!outer.Row(y, &ol, &orr)) continue;
    if (!inner.InteriorRow(y, &hl, &hr)) {
      paint_run(y, ol, orr);
    } else {
      paint_run(y, ol, hl - 1);
      paint_run(y, hr + 1, orr);
    }
  }
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
