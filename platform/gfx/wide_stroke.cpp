// Strokes of pens wider than one pixel: each segment is a band (the pixels whose centres lie
// within half the pen width of the segment, between the perpendiculars at its ends), and
// every vertex gets the pen's disc, so lines are round-ended and polylines round-joined. The
// disc is the canvas's own ellipse in a w x w box, which keeps small pens square-ish the
// way the ellipse rule draws them (a 3-pixel pen has no corner pixels). For even widths the
// band and the disc are centred half a pixel up and left of the path, so that a 2-pixel pen
// covers the path pixel and its upper-left neighbours (a 2 x 2 block for a point).
//
// Operations that may paint a pixel twice (copy, merge...) paint each capsule directly;
// the others (XOR, NOT...) first collect the union of all capsules in a mask so that every
// pixel of the stroke is changed exactly once.

#include <algorithm>
#include <cmath>

#include "platform/gfx/figure_rows.h"
#include "platform/gfx/surface.h"

namespace kurvex::raster {

namespace {

// Tolerance for pixel centres lying exactly on the edge of the stroke.
constexpr double kEdge = 1e-9;

struct Capsule {
  double ax, ay, bx, by;  // segment, in pixel-centre coordinates
  double r;               // radius
};

// Interval [lo, hi] of x where a*x + b lies in [min, max]; false when empty.
bool LinearRange(double a, double b, double min, double max, double* lo, double* hi) {
  if (a == 0) {
    if (b < min - kEdge || b > max + kEdge) return false;
    *lo = -HUGE_VAL;
    *hi = HUGE_VAL;
    return true;
  }
  double x0 = (min - b) / a;
  double x1 = (max - b) / a;
  if (x0 > x1) std::swap(x0, x1);
  *lo = x0;
  *hi = x1;
  return true;
}

// The x interval of the band of segment c on row y (the band is convex, so this is one
// interval).
bool BandRow(const Capsule& c, double y, double* lo, double* hi) {
  const double dx = c.bx - c.ax;
  const double dy = c.by - c.ay;
  const double len2 = dx * dx + dy * dy;
  if (len2 <= 0) return false;
  // Along the segment: 0 <= (P - A).d <= |d|^2; across it: |d x (P - A)| <= r |d|.
  double l1, h1, l2, h2;
  const double reach = c.r * std::sqrt(len2);
  if (!LinearRange(dx, (y - c.ay) * dy - c.ax * dx, 0, len2, &l1, &h1) ||
      !LinearRange(-dy, dx * (y - c.ay) + dy * c.ax, -reach, reach, &l2, &h2)) {
    return false;
  }
  *lo = std::max(l1, l2);
  *hi = std::min(h1, h2);
  return *lo <= *hi;
}

// Cuts the segment to the part inside the box grown by `margin` (Liang-Barsky). The
// parts cut off cannot reach the box, so the stroke inside it is unchanged.
bool CutToBox(const ClipBox& box, double margin, double* ax, double* ay, double* bx, double* by) {
  const double left = static_cast<double>(box.left) - margin;
  const double right = static_cast<double>(box.right) + margin;
  const double top = static_cast<double>(box.top) - margin;
  const double bottom = static_cast<double>(box.bottom) + margin;
  const double dx = *bx - *ax;
  const double dy = *by - *ay;
  double t0 = 0;
  double t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {*ax - left, right - *ax, *ay - top, bottom - *ay};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
  }
  if (t0 > t1) return false;
  const double sx = *ax;
  const double sy = *ay;
  *ax = sx + t0 * dx;
  *ay = sy + t0 * dy;
  *bx = sx + t1 * dx;
  *by = sy + t1 * dy;
  return true;
}

// Calls emit(y, x0, x1) for every row run (x0 <= x1, inside the clip box) of the band.
template <class Emit>
void ForEachBandRun(const Surface& s, const Capsule& c, Emit emit) {
  const double top = std::floor(std::min(c.ay, c.by) - c.r);
  const double bottom = std::ceil(std::max(c.ay, c.by) + c.r);
  const std::int64_t y0 = std::max<std::int64_t>(s.clip.top, static_cast<std::int64_t>(top));
  const std::int64_t y1 = std::min<std::int64_t>(s.clip.bottom - 1, static_cast<std::int64_t>(bottom));
  for (std::int64_t y = y0; y <= y1; ++y) {
    double lo, hi;
    if (!BandRow(c, static_cast<double>(y), &lo, &hi)) continue;
    lo = std::max(std::ceil(lo - kEdge), static_cast<double>(s.clip.left));
    hi = std::min(std::floor(hi + kEdge), static_cast<double>(s.clip.right - 1));
    if (lo <= hi) emit(y, static_cast<std::int64_t>(lo), static_cast<std::int64_t>(hi));
  }
}

// The pen's disc: for each of its rows the first and last column, relative to the disc's
// box. Pens up to kTabledDisc pixels wide are tabled (and kept for the next stroke of the
// same width); wider ones, which can only have a few of their rows on a bitmap, are
// computed row by row.
constexpr int kTabledDisc = 1024;

class Disc {
 public:
  Disc(int width, Scratch& scratch) : width_(width), shape_{true, 0, 0, width, width} {
    if (width > kTabledDisc) return;
    std::vector<std::int64_t>& table = scratch.disc;
    if (scratch.disc_width != width) {
      table.resize(2 * static_cast<std::size_t>(width));
      for (std::int64_t y = 0; y < width; ++y) shape_.Row(y, &table[2 * y], &table[2 * y + 1]);
      scratch.disc_width = width;
    }
    table_ = table.data();
  }

  // Calls emit(y, x0, x1) for every row run inside the clip box of the disc at p.
  template <class Emit>
  void ForEachRun(const Surface& s, DevicePoint p, Emit emit) const {
    const std::int64_t left = p.x - width_ / 2;
    const std::int64_t top = p.y - width_ / 2;
    const std::int64_t y0 = std::max(top, s.clip.top);
    const std::int64_t y1 = std::min(top + width_, s.clip.bottom);
    for (std::int64_t y = y0; y < y1; ++y) {
      std::int64_t l, r;
      if (table_ != nullptr) {
        l = table_[2 * (y - top)];
        r = table_[2 * (y - top) + 1];
      } else {
        shape_.Row(y - top, &l, &r);
      }
      l = std::max(left + l, s.clip.left);
      r = std::min(left + r, s.clip.right - 1);
      if (l <= r) emit(y, l, r);
    }
  }

 private:
  std::int64_t width_;
  FigureRows shape_;
  const std::int64_t* table_ = nullptr;
};

}  // namespace

void StrokeWidePath(const Surface& s, const StrokePen& pen, const DevicePoint* points, std::size_t n, bool closed,
                    Scratch& scratch) {
  if (n < 2) return;  // a path of one point has no segment, not even a zero-length one
  const double r = pen.width / 2.0;
  const double shift = pen.width % 2 == 0 ? -0.5 : 0.0;
  const std::size_t segments = closed ? n : n - 1;

  // The bounding box of the stroke inside the clip box, for the mask.
  const bool direct = pen.writer->idempotent;
  ClipBox area = s.clip;
  if (!direct) {
    std::int64_t min_x = points[0].x, max_x = min_x, min_y = points[0].y, max_y = min_y;
    for (std::size_t i = 1; i < n; ++i) {
      min_x = std::min(min_x, points[i].x);
      max_x = std::max(max_x, points[i].x);
      min_y = std::min(min_y, points[i].y);
      max_y = std::max(max_y, points[i].y);
    }
    const std::int64_t reach = pen.width / 2 + 1;
    area.left = std::max(area.left, min_x - reach);
    area.right = std::min(area.right, max_x + reach + 1);
    area.top = std::max(area.top, min_y - reach);
    area.bottom = std::min(area.bottom, max_y + reach + 1);
    if (area.Empty()) return;
    scratch.mask.assign(static_cast<std::size_t>((area.right - area.left) * (area.bottom - area.top)), 0);
  }
  const std::int64_t mask_width = area.right - area.left;

  Surface bounded = s;
  bounded.clip = area;
  const auto paint = [&](std::int64_t y, std::int64_t x0, std::int64_t x1) {
    if (direct) {
      pen.writer->span(s.At(x0, y), static_cast<std::ptrdiff_t>(x1 - x0 + 1), pen.color);
    } else {
      std::uint8_t* row = scratch.mask.data() + (y - area.top) * mask_width;
      std::fill(row + (x0 - area.left), row + (x1 - area.left) + 1, std::uint8_t{1});
    }
  };
  for (std::size_t k = 0; k < segments; ++k) {
    const DevicePoint a = points[k];
    const DevicePoint b = points[(k + 1) % n];
    if (a == b) continue;
    Capsule c{static_cast<double>(a.x) + shift, static_cast<double>(a.y) + shift, static_cast<double>(b.x) + shift,
              static_cast<double>(b.y) + shift, r};
    if (CutToBox(area, r + 2, &c.ax, &c.ay, &c.bx, &c.by)) ForEachBandRun(bounded, c, paint);
  }
  // Caps and joins: the disc at every vertex (a lone point still shows its disc).
  const Disc disc(pen.width, scratch);
  for (std::size_t k = 0; k < n; ++k) {
    if (k > 0 && points[k] == points[k - 1]) continue;
    disc.ForEachRun(bounded, points[k], paint);
  }
  if (direct) return;

  for (std::int64_t y = area.top; y < area.bottom; ++y) {
    const std::uint8_t* row = scratch.mask.data() + (y - area.top) * mask_width;
    std::int64_t x = 0;
    while (x < mask_width) {
      if (!row[x]) {
        ++x;
        continue;
      }
      std::int64_t end = x;
      while (end < mask_width && row[end]) ++end;
      pen.writer->span(s.At(area.left + x, y), static_cast<std::ptrdiff_t>(end - x), pen.color);
      x = end;
    }
  }
}

}  // namespace kurvex::raster
