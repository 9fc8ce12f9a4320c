#include "chart/render/path_buffer.h"

#include <span>
#include <utility>

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
  seq_ = low_seq_ = high_seq_ = 0;
  last_ = p;
}

void TPathBuffer::NextColumn(TCanvas& canvas, TPoint p) {
  CloseColumn(canvas);
  OpenColumn(p);
}

// Emits the open column's first point, its first lowest and first highest point in the
// order they came, and its last point, each once.
void TPathBuffer::CloseColumn(TCanvas& canvas) {
  const int x = column_x_;
  AppendRaw(canvas, Point(x, first_y_));
  std::uint64_t s1 = low_seq_, s2 = high_seq_;
  int y1 = low_y_, y2 = high_y_;
  if (s1 > s2) {
    std::swap(s1, s2);
    std::swap(y1, y2);
  }
  if (s1 != 0 && s1 != seq_) AppendRaw(canvas, Point(x, y1));
  if (s2 != 0 && s2 != s1 && s2 != seq_) AppendRaw(canvas, Point(x, y2));
  if (seq_ != 0) AppendRaw(canvas, Point(x, last_.Y));
}

}  // namespace kurvex
