// Ellipse and Arc. A 1-pixel outline is traced counter-clockwise from the east (see
// ellipse_trace.h): dash patterns count along it and arcs are the part of it between their
// two directions. Wider pens paint a ring around the ellipse and draw solid.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/gfx/canvas_impl.h"
#include "platform/gfx/ellipse_trace.h"
#include "platform/gfx/figure_paint.h"

namespace kurvex {

using raster::DevicePoint;
using raster::EllipseTrace;
using raster::FigureRows;

namespace {

// The outline pixels from position `first` of the trace on, `count` of them, each painted
// with the pen where its dash pattern (counted from `first`) is on and with the gap colour
// elsewhere. Only the rows and columns inside the clip box are visited.
void PaintTracedOutline(const raster::Surface& s, const FigureRows& box, const raster::StrokePen& pen,
                        const EllipseTrace& trace, std::int64_t first, std::int64_t count) {
  const std::int64_t y0 = std::max(box.top, s.clip.top);
  const std::int64_t y1 = std::min(box.bottom, s.clip.bottom);
  if (y0 >= y1 || count <= 0) return;
  const std::int64_t total = trace.Count();
  EllipseTrace::RowPlace place;
  const auto paint_run = [&](std::int64_t y, std::int64_t l, std::int64_t r) {
    l = std::max(l, s.clip.left);
    r = std::min(r, s.clip.right - 1);
    for (std::int64_t x = l; x <= r; ++x) {
      const std::int64_t step = ((trace.IndexOf(place, x) - first) % total + total) % total;
      if (step >= count) continue;
      if (pen.dash == nullptr || pen.dash->bits[step % pen.dash->length]) {
        pen.writer->span(s.At(x, y), 1, pen.color);
      } else if (pen.paint_gaps) {
        pen.writer->span(s.At(x, y), 1, pen.gap);
      }
    }
  };
  raster::RowWalker rows(box, y0);
  for (std::int64_t y = y0; y < y1; ++y, rows.Advance()) {
    std::int64_t l, r, hl, hr;
    if (!rows.Row(&l, &r)) continue;
    place = trace.PlaceRow(y);
    if (!rows.InteriorRow(&hl, &hr)) {
      paint_run(y, l, r);
    } else {
      paint_run(y, l, hl - 1);
      paint_run(y, hr + 1, r);
    }
  }
}

// The direction of device point p seen from the centre of the box, in doubled coordinates
// so that the centre is an integer.
double DirectionFrom(const FigureRows& box, DevicePoint p) {
  return EllipseTrace::DirectionOf(2 * p.x - (box.left + box.right - 1), 2 * p.y - (box.top + box.bottom - 1));
}

}  // namespace

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  const raster::Surface s = Impl::SurfaceOf(*this);
  if (s.Empty()) return;
  const FigureRows box = raster::DeviceBox(Impl::Device(*this, x1, y1), Impl::Device(*this, x2, y2), true);
  if (box.Empty()) return;
  const raster::StrokePen pen = Impl::StrokePenOf(*this);
  const raster::FigurePaint paint{pen.writer, Impl::PenVisible(*this), Impl::BrushSolid(*this), pen.color, pen.gap};
  if (!paint.pen) {
    // Without a pen the fill is that of the box one pixel smaller to the right and bottom.
    if (paint.brush) raster::PaintFilled(s, raster::Grown(box, 0, -1), *pen.writer, pen.gap);
    return;
  }
  if (pen.dash != nullptr) {
    if (paint.brush) raster::PaintRing(s, box, box, {pen.writer, false, true, 0, pen.gap});
    const EllipseTrace trace(box);
    PaintTracedOutline(s, box, pen, trace, 0, trace.Count());
    return;
  }
  FigureRows outer, inner;
  raster::RingFor(box, pen.width, pen_.Style() == TPenStyle::psInsideFrame, &outer, &inner);
  raster::PaintRing(s, outer, inner, paint);
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  const raster::Surface s = Impl::SurfaceOf(*this);
  if (s.Empty() || !Impl::PenVisible(*this)) return;
  const FigureRows box = raster::DeviceBox(Impl::Device(*this, x1, y1), Impl::Device(*this, x2, y2), true);
  if (box.Empty()) return;
  const raster::StrokePen pen = Impl::StrokePenOf(*this);
  // The arc takes the outline pixels whose directions lie from the start direction up to,
  // but not including, the end direction, so that like a line it leaves out its end pixel.
  // The same direction twice is the whole ellipse.
  const double start = DirectionFrom(box, Impl::Device(*this, x3, y3));
  const double end = DirectionFrom(box, Impl::Device(*this, x4, y4));

  if (pen.width == 1) {
    const EllipseTrace trace(box);
    const std::int64_t first = trace.CountBefore(start);
    const std::int64_t last = trace.CountBefore(end);
    const std::int64_t count = start == end ? trace.Count() : end > start ? last - first : trace.Count() - first + last;
    PaintTracedOutline(s, box, pen, trace, first, count);
    return;
  }
  constexpr double kTurn = 2 * std::numbers::pi;
  const double sweep = start == end ? kTurn : end > start ? end - start : kTurn - start + end;
  FigureRows outer, inner;
  raster::RingFor(box, pen.width, pen_.Style() == TPenStyle::psInsideFrame, &outer, &inner);
  const auto paint_run = [&](std::int64_t y, std::int64_t l, std::int64_t r) {
    l = std::max(l, s.clip.left);
    r = std::min(r, s.clip.right - 1);
    for (std::int64_t x = l; x <= r; ++x) {
      double turned = DirectionFrom(box, {x, y}) - start;
      if (turned < 0) turned += kTurn;
      if (turned < sweep) pen.writer->span(s.At(x, y), 1, pen.color);
    }
  };
  const std::int64_t first_row = std::max(outer.top, s.clip.top);
  const std::int64_t end_row = std::min(outer.bottom, s.clip.bottom);
  if (first_row >= end_row) return;
  raster::RowWalker hole(inner, first_row);
  for (std::int64_t y = first_row; y < end_row; ++y, hole.Advance()) {
    std::int64_t ol, orr, hl, hr;
    if (!outer.Row(y, &ol, &orr)) continue;
    if (!hole.InteriorRow(&hl, &hr)) {
      paint_run(y, ol, orr);
    } else {
      paint_run(y, ol, hl - 1);
      paint_run(y, hr + 1, orr);
    }
  }
}

}  // namespace kurvex
