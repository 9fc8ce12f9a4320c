// 1-pixel strokes: single lines, polylines with dash patterns, and the fast paths of solid
// lines (straight runs, and vertices sharing one pixel column merged into one span).

#include <algorithm>

#include "platform/gfx/surface.h"

namespace kurvex::raster {

namespace {

// Dash patterns of the styled 1-pixel pens, one entry per pixel along the line.
constexpr bool kDash[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0};
constexpr bool kDot[] = {1, 1, 1, 0, 0, 0};
constexpr bool kDashDot[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0};
constexpr bool kDashDotDot[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0};

const DashPattern kDashPattern{kDash, static_cast<int>(std::size(kDash))};
const DashPattern kDotPattern{kDot, static_cast<int>(std::size(kDot))};
const DashPattern kDashDotPattern{kDashDot, static_cast<int>(std::size(kDashDot))};
const DashPattern kDashDotDotPattern{kDashDotDot, static_cast<int>(std::size(kDashDotDot))};

// A vertical run from y0 to y1 inclusive (y0 <= y1) in column x, clipped.
void FillColumn(const Surface& s, const PixelWriter& w, std::uint32_t color, std::int64_t x, std::int64_t y0,
                std::int64_t y1) {
  if (x < s.clip.left || x >= s.clip.right) return;
  y0 = std::max(y0, s.clip.top);
  y1 = std::min(y1, s.clip.bottom - 1);
  if (y0 > y1) return;
  w.column(s.At(x, y0), static_cast<std::ptrdiff_t>(y1 - y0 + 1), s.stride, color);
}

// One solid segment without its end pixel. Straight runs go to the span and column
// writers; everything else to the stepping loop.
void SolidSegment(const Surface& s, const StrokePen& pen, DevicePoint a, DevicePoint b) {
  if (a.y == b.y) {
    if (a.x < b.x) FillRow(s, *pen.writer, pen.color, a.y, a.x, b.x - 1);
    if (a.x > b.x) FillRow(s, *pen.writer, pen.color, a.y, b.x + 1, a.x);
    return;
  }
  if (a.x == b.x) {
    if (a.y < b.y) FillColumn(s, *pen.writer, pen.color, a.x, a.y, b.y - 1);
    if (a.y > b.y) FillColumn(s, *pen.writer, pen.color, a.x, b.y + 1, a.y);
    return;
  }
  LineRun run;
  if (ClipLine(a.x, a.y, b.x, b.y, s.clip, s.stride, &run)) pen.writer->line(s.bits, run, pen.color);
}

// Points first..last (last > first) share one column. Drawing every segment between them
// paints the whole range of their y values, except that the end point of the path is
// painted only when some segment passes over it or starts there. With an idempotent
// operation the union can be painted as one span, whatever the order of the points.
void MergedColumn(const Surface& s, const StrokePen& pen, const DevicePoint* p, std::size_t first, std::size_t last,
                  bool last_is_path_end) {
  std::int64_t lo = p[first].y;
  std::int64_t hi = lo;
  for (std::size_t k = first + 1; k <= last; ++k) {
    lo = std::min(lo, p[k].y);
    hi = std::max(hi, p[k].y);
  }
  if (last_is_path_end) {
    const std::int64_t end = p[last].y;
    bool painted = lo < end && end < hi;
    for (std::size_t k = first; !painted && k < last; ++k) painted = p[k].y == end && p[k + 1].y != end;
    if (!painted) {
      if (end == hi) --hi;
      else ++lo;
    }
  }
  if (lo <= hi) FillColumn(s, *pen.writer, pen.color, p[first].x, lo, hi);
}

void SolidPath(const Surface& s, const StrokePen& pen, const DevicePoint* p, std::size_t n) {
  std::size_t k = 0;
  while (k + 1 < n) {
    if (pen.writer->idempotent && p[k + 1].x == p[k].x) {
      std::size_t j = k + 1;
      while (j + 1 < n && p[j + 1].x == p[k].x) ++j;
      MergedColumn(s, pen, p, k, j, j + 1 == n);
      k = j;
    } else {
      SolidSegment(s, pen, p[k], p[k + 1]);
      ++k;
    }
  }
}

void StyledPath(const Surface& s, const StrokePen& pen, const DevicePoint* p, std::size_t n) {
  std::int64_t phase = 0;
  for (std::size_t k = 0; k + 1 < n; ++k) {
    LineRun run;
    if (ClipLine(p[k].x, p[k].y, p[k + 1].x, p[k + 1].y, s.clip, s.stride, &run)) {
      run.phase += phase;
      pen.writer->styled_line(s.bits, run, *pen.dash, pen.color, pen.gap, pen.paint_gaps);
    }
    phase = (phase + LineLength(p[k].x, p[k].y, p[k + 1].x, p[k + 1].y)) % pen.dash->length;
  }
}

}  // namespace

const DashPattern* DashFor(TPenStyle style) {
  switch (style) {
    case TPenStyle::psDash: return &kDashPattern;
    case TPenStyle::psDot: return &kDotPattern;
    case TPenStyle::psDashDot: return &kDashDotPattern;
    case TPenStyle::psDashDotDot: return &kDashDotDotPattern;
    default: return nullptr;
  }
}

void FillRow(const Surface& s, const PixelWriter& w, std::uint32_t color, std::int64_t y, std::int64_t x0,
             std::int64_t x1) {
  if (y < s.clip.top || y >= s.clip.bottom) return;
  x0 = std::max(x0, s.clip.left);
  x1 = std::min(x1, s.clip.right - 1);
  if (x0 > x1) return;
  w.span(s.At(x0, y), static_cast<std::ptrdiff_t>(x1 - x0 + 1), color);
}

void FillBox(const Surface& s, const PixelWriter& w, std::uint32_t color, std::int64_t left, std::int64_t top,
             std::int64_t right, std::int64_t bottom) {
  left = std::max(left, s.clip.left);
  top = std::max(top, s.clip.top);
  right = std::min(right, s.clip.right);
  bottom = std::min(bottom, s.clip.bottom);
  if (left >= right || top >= bottom) return;
  for (std::int64_t y = top; y < bottom; ++y) w.span(s.At(left, y), static_cast<std::ptrdiff_t>(right - left), color);
}

void StrokePath(const Surface& s, const StrokePen& pen, const DevicePoint* points, std::size_t n, bool closed,
                Scratch& scratch) {
  if (s.Empty() || n == 0) return;
  if (pen.width > 1) {
    StrokeWidePath(s, pen, points, n, closed, scratch);
    return;
  }
  if (closed && n > 1) {
    // The closing segment is one more vertex; copying keeps the path logic in one place.
    scratch.closed.assign(points, points + n);
    scratch.closed.push_back(points[0]);
    points = scratch.closed.data();
    n = scratch.closed.size();
  }
  if (pen.dash != nullptr) {
    StyledPath(s, pen, points, n);
  } else {
    SolidPath(s, pen, points, n);
  }
}

}  // namespace kurvex::raster
