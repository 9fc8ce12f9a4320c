#include "chart/render/path_buffer.h"

#include <span>

#include "platform/gfx/canvas.h"

namespace kurvex {

namespace {

// Pens whose segments paint the same pixels however a chain inside one column is split:
// one pixel wide, without a dash pattern, writing the pen colour as it is.
bool ExactPen(const TPen& pen) {
  const bool solid = pen.Style() == TPenStyle::psSolid || pen.Style() == TPenStyle::psInsideFrame;
  return solid && pen.Width() == 1 && pen.Mode() == TPenMode::pmCopy;
}

}  // namespace

void TPathBuffer::Reset(TPoint current) {
  CurrentPoint = current;
  path_count_ = 0;
  pending_ = false;
  reducing_ = false;
}

void TPathBuffer::Start(TCanvas& canvas) {
  pending_ = true;
  path_count_ = 0;
  last_ = CurrentPoint;
  reducing_ = reduction_allowed_ && ExactPen(canvas.Pen());
  if (reducing_) {
    column_.Open(CurrentPoint);
  } else {
    path_points_[0] = CurrentPoint;
    path_count_ = 1;
  }
}

void TPathBuffer::AppendRaw(TCanvas& canvas, TPoint p) {
  path_points_[path_count_++] = p;
  if (path_count_ == kCapacity) {
    DrawBatch(canvas);
    path_points_[0] = p;
    path_count_ = 1;
  }
}

void TPathBuffer::DrawBatch(TCanvas& canvas) {
  // A single point is no segment: it would paint nothing.
  if (path_count_ > 1) {
    canvas.Polyline(std::span<const TPoint>(path_points_, static_cast<std::size_t>(path_count_)));
    ++polyline_calls_;
    polyline_points_ += static_cast<std::uint64_t>(path_count_);
  }
  const TPoint end = path_points_[path_count_ - 1];
  canvas.MoveTo(end.X, end.Y);
  CurrentPoint = end;
}

void TPathBuffer::FlushPath(TCanvas& canvas) {
  if (!pending_) return;
  if (reducing_) CloseColumn(canvas);
  DrawBatch(canvas);
  path_count_ = 0;
  pending_ = false;
  reducing_ = false;
}

void TPathBuffer::NextColumn(TCanvas& canvas, TPoint p) {
  CloseColumn(canvas);
  column_.Open(p);
}

// The open column as first point, extremes and last point. A chain from F through the
// extremes to L paints the span [low, high]; L itself is painted when the chain leaves it
// before coming back, which the order of the extremes decides: with L the highest value
// and painted, the chain goes up to it, down to the lowest and up again, and unpainted it
// goes down first and ends on L.
int ReducedColumn(const TColumnRun& c, TPoint points[4]) {
  const int last = c.Last;
  int chain[4];
  int n = 0;
  chain[n++] = c.First;
  if (c.Low != c.High) {
    const bool last_painted =
        (c.Low < last && last < c.High) || (last == c.Low && c.LowLeft) || (last == c.High && c.HighLeft);
    if (last == c.High) {
      if (last_painted) chain[n++] = c.High;
      chain[n++] = c.Low;
    } else if (last == c.Low) {
      if (last_painted) chain[n++] = c.Low;
      chain[n++] = c.High;
    } else {
      chain[n++] = c.Low;
      chain[n++] = c.High;
    }
    chain[n++] = last;
  }
  int count = 0;
  points[count++] = Point(c.X, chain[0]);
  for (int k = 1; k < n; ++k) {
    if (chain[k] != points[count - 1].Y) points[count++] = Point(c.X, chain[k]);
  }
  return count;
}

void TPathBuffer::CloseColumn(TCanvas& canvas) {
  TPoint points[4];
  const int n = ReducedColumn(column_, points);
  for (int k = 0; k < n; ++k) AppendRaw(canvas, points[k]);
}

void TPathBuffer::Splice(TCanvas& canvas, const TColumnRun& head, std::span<const TPoint> closed,
                         const TColumnRun* tail) {
  if (head.X == column_.X) {
    column_.Append(head);
  } else {
    CloseColumn(canvas);
    column_ = head;
  }
  if (tail == nullptr) return;
  CloseColumn(canvas);
  for (const TPoint p : closed) AppendRaw(canvas, p);
  column_ = *tail;
}

}  // namespace kurvex
