#pragma once
// Where the reducing fast paths put their columns: the open column, and what happens when
// a point leaves it. On the UI thread that is the path buffer, which draws the closed
// columns as polylines; on the render worker it is a column half, which keeps the closed
// columns' points for the UI thread to splice into the path buffer afterwards.

#include <vector>

#include "chart/render/path_buffer.h"

namespace kurvex {

class TColumnSink {
 public:
  virtual TColumnRun& OpenColumn() = 0;
  // Closes the open column and opens one at p.
  virtual void NextColumn(TPoint p) = 0;

 protected:
  ~TColumnSink() = default;
};

// The path buffer of a render, reducing (TPathBuffer::Reducing).
class TPathSink final : public TColumnSink {
 public:
  TPathSink(TPathBuffer& path, TCanvas& canvas) : path_(path), canvas_(canvas) {}
  TColumnRun& OpenColumn() override { return path_.OpenColumn(); }
  void NextColumn(TPoint p) override { path_.NextColumn(canvas_, p); }

 private:
  TPathBuffer& path_;
  TCanvas& canvas_;
};

// A stretch of a polyline reduced on its own, starting at its first point: its first
// column (kept open: the stretch before it may end in the same pixel column), the points
// of the columns it closed after that, and its open last column.
class TColumnHalf final : public TColumnSink {
 public:
  // Starts over at the stretch's first point. The point list keeps its memory.
  void Start(TPoint first) {
    open_.Open(first);
    left_head_ = false;
    closed_.clear();
  }
  TColumnRun& OpenColumn() override { return open_; }
  void NextColumn(TPoint p) override {
    if (!left_head_) {
      head_ = open_;
      left_head_ = true;
    } else {
      TPoint points[4];
      const int n = ReducedColumn(open_, points);
      closed_.insert(closed_.end(), points, points + n);
    }
    open_.Open(p);
  }

  // Continues path with this stretch.
  void SpliceInto(TPathBuffer& path, TCanvas& canvas) const {
    if (left_head_) {
      path.Splice(canvas, head_, closed_, &open_);
    } else {
      path.Splice(canvas, open_, {}, nullptr);
    }
  }

 private:
  TColumnRun head_;
  TColumnRun open_;
  bool left_head_ = false;
  std::vector<TPoint> closed_;
};

}  // namespace kurvex
