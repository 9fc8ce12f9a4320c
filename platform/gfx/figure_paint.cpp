#include "platform/gfx/figure_paint.h"

#include <algorithm>

namespace kurvex::raster {

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

void PaintRing(const Surface& s, const FigureRows& outer, const FigureRows& inner, const FigurePaint& p) {
  const std::int64_t y0 = std::max(outer.top, s.clip.top);
  const std::int64_t y1 = std::min(outer.bottom, s.clip.bottom);
  if (y0 >= y1) return;
  // Each row of the outer figure once, and of the inner one with its neighbours.
  RowWalker hole(inner, y0);
  const bool same = outer == inner;  // a 1-pixel pen: the ring is the figure's own outline
  for (std::int64_t y = y0; y < y1; ++y, hole.Advance()) {
    std::int64_t ol, orr, hl, hr;
    if (!(same ? hole.Row(&ol, &orr) : outer.Row(y, &ol, &orr))) continue;
    if (inner.Empty() || !hole.InteriorRow(&hl, &hr)) {
      if (p.pen) FillRow(s, *p.writer, p.pen_color, y, ol, orr);
      continue;
    }
    if (p.pen) {
      FillRow(s, *p.writer, p.pen_color, y, ol, hl - 1);
      FillRow(s, *p.writer, p.pen_color, y, hr + 1, orr);
    }
    if (p.brush) FillRow(s, *p.writer, p.brush_color, y, hl, hr);
  }
}

void PaintFilled(const Surface& s, const FigureRows& f, const PixelWriter& writer, std::uint32_t color) {
  const std::int64_t y0 = std::max(f.top, s.clip.top);
  const std::int64_t y1 = std::min(f.bottom, s.clip.bottom);
  for (std::int64_t y = y0; y < y1; ++y) {
    std::int64_t l, r;
    if (f.Row(y, &l, &r)) FillRow(s, writer, color, y, l, r);
  }
}

}  // namespace kurvex::raster
