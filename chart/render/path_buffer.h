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

#include <cstdint>

#include "common/geometry.h"

namespace kurvex {

class TCanvas;

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
  TPoint LastPoint() const { return last_; }

  // Appends a point to the pending polyline; the first point after a flush starts the
  // polyline at CurrentPoint. Full batches are drawn as they fill up.
  void Append(TCanvas& canvas, TPoint p) {
    if (!pending_) Start(canvas);
    if (reducing_) {
      if (p.X == column_x_) {
        AddToColumn(p.Y);
        return;
      }
      NextColumn(canvas, p);
      return;
    }
    last_ = p;
    AppendRaw(canvas, p);
  }

  // Draws the pending points (Polyline), moves the canvas pen to the last one and makes it
  // CurrentPoint. Nothing happens when no point is pending.
  void Flush(TCanvas& canvas);

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

  // The open column: its x, its first y, its lowest and highest y, and whether a segment
  // has left the lowest (highest) value since it was reached: then that pixel is painted
  // even when the chain ends on it. The last point is last_.
  void OpenColumn(TPoint p);
  void AddToColumn(int y) {
    const int previous = last_.Y;
    if (y != previous) {
      low_left_ |= previous == low_y_;
      high_left_ |= previous == high_y_;
    }
    last_.Y = y;
    if (y < low_y_) {
      low_y_ = y;
      low_left_ = false;
    } else if (y > high_y_) {
      high_y_ = y;
      high_left_ = false;
    }
  }
  void CloseColumn(TCanvas& canvas);
  void NextColumn(TCanvas& canvas, TPoint p);

  TPoint points_[kCapacity];
  int count_ = 0;
  bool pending_ = false;
  bool reducing_ = false;
  bool reduction_allowed_ = true;
  TPoint last_;

  int column_x_ = 0;
  int first_y_ = 0;
  int low_y_ = 0, high_y_ = 0;
  bool low_left_ = false, high_left_ = false;

  std::uint64_t polyline_calls_ = 0;
  std::uint64_t polyline_points_ = 0;
};

}  // namespace kurvex
