#pragma once
// The path buffer of the item renderer: line-to points are collected and reach the canvas
// as polylines of at most 200 points, each batch starting at the last point of the one
// before, so that consecutive segments join without gaps.
//
// Column reduction. With a 1-pixel solid pen in copy mode, a chain of segments that stays in
// one pixel column paints exactly the span between its lowest and highest point, except
// that its last point is painted only when a segment passed over it or left it earlier
// (otherwise only the segment out of the column, if any, paints it). So of every run of
// consecutive points that share a column at most four reach the canvas: the first and the
// last, which keep the segments into and out of the column as they are, and the lowest and
// highest, in an order that paints the last point exactly when the full chain does. Styled,
// wide and XOR pens are not reduced; their every segment reaches the canvas.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>

#include "common/geometry.h"

namespace kurvex {

class TCanvas;

// The points of the open column in reduced form: its x, first and last y, lowest and
// highest y, and whether a segment has left the lowest (highest) value since it was reached
// (then that pixel is painted even when the chain ends on it).
struct TColumnRun {
  int X = 0;
  int First = 0;
  int Last = 0;
  int Low = 0;
  int High = 0;
  bool LowLeft = false;
  bool HighLeft = false;

  void Open(TPoint p) {
    X = p.X;
    First = Last = Low = High = p.Y;
    LowLeft = HighLeft = false;
  }
  void Add(int y) {
    if (y != Last) {
      LowLeft |= Last == Low;
      HighLeft |= Last == High;
    }
    Last = y;
    if (y < Low) {
      Low = y;
      LowLeft = false;
    } else if (y > High) {
      High = y;
      HighLeft = false;
    }
  }

  // Adds a chain of points of this column known only by its lowest and highest y and its
  // last point. That is exact when the chain is flat (it adds as one point), or when its
  // last point is neither the column's new lowest nor its new highest value: then the chain
  // has left both extremes, and the flags of an extreme matter only while the chain ends on
  // it.
  bool CanAddSpan(int lo, int hi, int last) const {
    return lo == hi || (last != std::min(Low, lo) && last != std::max(High, hi));
  }
  void AddSpan(int lo, int hi, int last) {
    if (lo == hi) {
      Add(lo);
      return;
    }
    Low = std::min(Low, lo);
    High = std::max(High, hi);
    Last = last;
    LowLeft = HighLeft = true;
  }

  // Continues this column with the chain of another one in the same pixel column. An
  // extreme has been left when either part left it while it was the extreme of both, or
  // the step from this chain's last point to the other's first leaves it.
  void Append(const TColumnRun& b) {
    const int low = std::min(Low, b.Low), high = std::max(High, b.High);
    LowLeft = (Low == low && LowLeft) || (b.Low == low && b.LowLeft) || (Last == low && b.First != low);
    HighLeft = (High == high && HighLeft) || (b.High == high && b.HighLeft) || (Last == high && b.First != high);
    Low = low;
    High = high;
    Last = b.Last;
  }
};

// The points a closed column reduces to (2 to 4, in chain order, no two alike in a row).
int ReducedColumn(const TColumnRun& c, TPoint points[4]);

class TPathBuffer {
 public:
  static constexpr int kCapacity = 200;

  // The point from which the next buffered polyline starts.
  TPoint CurrentPoint;

  // Drops any pending point without drawing it and sets CurrentPoint (start of a render).
  void Reset(TPoint current);

  // True while points wait to be drawn.
  bool Pending() const { return pending_; }
  // The last appended point (valid while Pending).
  TPoint LastPoint() const { return reducing_ ? Point(column_.X, column_.Last) : last_; }

  // Appends a point to the pending polyline; the first point after a flush starts the
  // polyline at CurrentPoint. Full batches are drawn as they fill up.
  void AppendPathPoint(int X, int Y, TCanvas& canvas) {
    const TPoint p = Point(X, Y);
    if (!pending_) Start(canvas);
    if (!reducing_) {
      last_ = p;
      AppendRaw(canvas, p);
    } else if (p.X == column_.X) {
      column_.Add(p.Y);
    } else {
      NextColumn(canvas, p);
    }
  }

  // Appends n points (map_x(xs[i]) + dx, map_y(ys[i]) + dy): the hot loop of a repaint,
  // with the open column kept in locals.
  template <class MapX, class MapY>
  void AppendMapped(TCanvas& canvas, const double* xs, const double* ys, std::size_t n, MapX map_x, MapY map_y,
                    int dx, int dy) {
    if (n == 0) return;
    if (!pending_) Start(canvas);
    if (!reducing_) {
      for (std::size_t i = 0; i < n; ++i) AppendPathPoint(map_x(xs[i]) + dx, map_y(ys[i]) + dy, canvas);
      return;
    }
    TColumnRun column = column_;
    for (std::size_t i = 0; i < n; ++i) {
      const int x = map_x(xs[i]) + dx;
      const int y = map_y(ys[i]) + dy;
      if (x == column.X) {
        column.Add(y);
        continue;
      }
      column_ = column;
      NextColumn(canvas, Point(x, y));
      column = column_;
    }
    column_ = column;
  }

  // For the reducing fast paths (run_reducer.cpp): whether the pending polyline is being
  // reduced, its open column, and moving on to a point of another column.
  bool Reducing() const { return pending_ && reducing_; }
  TColumnRun& OpenColumn() { return column_; }
  void NextColumn(TCanvas& canvas, TPoint p);
  // Continues the reduced polyline with a stretch reduced elsewhere (on the render worker):
  // its first column head, then, when the stretch left that column, the points of the
  // columns it closed and its open column tail.
  void Splice(TCanvas& canvas, const TColumnRun& head, std::span<const TPoint> closed, const TColumnRun* tail);

  // Draws the pending points (Polyline), moves the canvas pen to the last one and makes it
  // CurrentPoint. Nothing happens when no point is pending.
  void FlushPath(TCanvas& canvas);

  // Whether exact pens may be reduced (tests switch it off to draw every segment).
  void SetColumnReduction(bool on) { reduction_allowed_ = on; }
  bool ColumnReduction() const { return reduction_allowed_; }

  // Counters for tests and benchmarks: Polyline calls made and points handed to them.
  std::uint64_t PolylineCalls() const { return polyline_calls_; }
  std::uint64_t PolylinePoints() const { return polyline_points_; }
  void ResetCounters() { polyline_calls_ = polyline_points_ = 0; }

 private:
  void Start(TCanvas& canvas);
  void AppendRaw(TCanvas& canvas, TPoint p);
  void DrawBatch(TCanvas& canvas);
  void CloseColumn(TCanvas& canvas);

  TPoint path_points_[kCapacity];
  int path_count_ = 0;
  bool pending_ = false;
  bool reducing_ = false;
  bool reduction_allowed_ = true;
  TPoint last_;         // the last point while not reducing
  TColumnRun column_;   // the open column while reducing

  std::uint64_t polyline_calls_ = 0;
  std::uint64_t polyline_points_ = 0;
};

}  // namespace kurvex
