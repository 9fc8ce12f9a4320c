#pragma once
// The speed rows of the chart's gestures on the speed-test chart (560 x 385, the damped
// noisy sine): full repaints of unchanged data, range changes (zoom in to a fraction of the
// x range, zoom out, pan) with their repaint, and refills (ClearItems, n appends, paint).
// Each row is timed as the median of several runs, beside the per-point read floor: the
// time to read every stored point of the chart once, which a repaint that maps every point
// cannot beat. kurvex-bench --gestures prints them; kx-micro-render times the same work.

#include <string>
#include <vector>

#include "chart/model/kurvex.h"

namespace kurvex::bench {

struct TGestureRow {
  std::string Work;       // what is timed
  int Points = 0;         // items in the chart
  double TargetMs = 0;    // the figure to stay under (0: none)
  double Ms = 0;          // median wall-clock milliseconds
  double FloorMs = 0;     // reading every stored point once
};

// The y values of the speed-test curve for x = 1..n (the noise of a freshly seeded
// generator), computed once per n and kept for the refills.
const std::vector<double>& SpeedTestValues(int n);

// ClearItems, the range 0..n by -5..5, a move-to at the origin and n line-tos of the curve.
void FillSpeedTestCurve(TKurvex& chart, int n);

// Milliseconds to read every stored point of the chart once (median of runs).
double ReadFloorMs(const TKurvex& chart, int runs);

// The work of one row, done once on a chart filled with n points at its full range (the
// refill also fills it); each returns the milliseconds it took.
double TimeFullRepaint(TKurvex& chart);
double TimeZoomIn(TKurvex& chart, int n, double fraction);  // to fraction of the x range, centred
double TimeZoomOut(TKurvex& chart, int n);                  // x range times 10
double TimePanStep(TKurvex& chart, int n, int step);        // 5 pixels, alternating direction
double TimeRefill(TKurvex& chart, int n);

// Every row of the gesture table for the given point counts (the 100,000,000-point row
// needs about 2 GB), in order.
std::vector<TGestureRow> RunGestureRows(TKurvex& chart, const std::vector<int>& counts, int runs);

}  // namespace kurvex::bench
