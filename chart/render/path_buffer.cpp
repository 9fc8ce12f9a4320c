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
  count_ = 0;
  pending_ = false;
  reducing_ = false;
}

void TPathBuffer::Start(TCanvas& canvas) {
  pending_ = true;
  count_ = 0;
  last_ = CurrentPoint;
  reducing_ = reduction_allowed_ && ExactPen(canvas.Pen());
  if (reducing_) {
    OpenColumn(CurrentPoint);
  } else {
    points_[0] = CurrentPoint;
    count_ = 1;
  }
}

void TPathBuffer::AppendRaw(TCanvas& canvas, TPoint p) {
  points_[count_++] = p;
  if (count_ == kCapacity) {
    DrawBatch(canvas);
    points_[0] = p;
    count_ = 1;
  }
}

void TPathBuffer::DrawBatch(TCanvas& canvas) {
  // A single point is no segment: it would paint nothing.
  if (count_ > 1) {
    canvas.Polyline(std::span<const TPoint>(points_, static_cast<std::size_t>(count_)));
    ++polyline_calls_;
    polyline_points_ += static_cast<std::uint64_t>(count_);
  }
  const TPoint end = points_[count_ - 1];
  canvas.MoveTo(end.X, end.Y);
  CurrentPoint = end;
}

void TPathBuffer::Flush(TCanvas& canvas) {
  if (!pending_) return;
  if (reducing_) CloseColumn(canvas);
  DrawBatch(canvas);
  count_ = 0;
  pending_ = false;
  reducing_ = false;
}

void TPathBuffer::OpenColumn(TPoint p) {
  column_x_ = p.X;
  first_y_ = low_y_ = high_y_ = p.Y;
  low_left_ = high_left_ = false;
  last_ = p;
}

void TPathBuffer::NextColumn(TCanvas& canvas, TPoint p) {
  CloseColumn(canvas);
  OpenColumn(p);
}

// Emits the open column as first point, extremes and last point. A chain from F through
// the extremes to L paints the span [low, high]; L itself is painted when the chain leaves
// it before coming back, which the order of the extremes decides: with L the highest value
// and painted, the chain goes up to it, down to the lowest and up again, and unpainted it
// goes down first and ends on L.
void TPathBuffer::CloseColumn(TCanvas& canvas) {
  const int x = column_x_;
  const int last = last_.Y;
  int chain[4];
  int n = 0;
  chain[n++] = first_y_;
  if (low_y_ != high_y_) {
    const bool last_painted = (low_y_ < last && last < high_y_) || (last == low_y_ && low_left_) ||
                              (last == high_y_ && high_left_);
    if (last == high_y_) {
      if (last_painted) chain[n++] = high_y_;
      chain[n++] = low_y_;
    } else if (last == low_y_) {
      if (last_painted) chain[n++] = low_y_;
      chain[n++] = high_y_;
    } else {
      chain[n++] = low_y_;
      chain[n++] = high_y_;
    }
    chain[n++] = last;
  }
  int previous = chain[0];
  AppendRaw(canvas, Point(x, previous));
  for (int k = 1; k < n; ++k) {
    if (chain[k] == previous) continue;
    previous = chain[k];
    AppendRaw(canvas, Point(x, previous));
  }
}

}  // namespace kurvex
