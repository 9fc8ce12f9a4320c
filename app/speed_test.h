#pragma once
// The speed test itself: what one press of "Start" does to the chart, shared by the
// program's window and the headless benchmark so that both measure the same code.

#include <array>
#include <string>

#include "chart/model/kurvex.h"

namespace kurvex {

// The point counts the scroll bar picks from, by position 1..13.
inline constexpr std::array<int, 13> kPointCounts = {100,    200,    500,    1000,    2000,   5000,  10000,
                                                     20000, 50000, 100000, 200000, 500000, 1000000};

// The count of a scroll bar position; positions outside 1..13 take the nearest end.
int PointCountAt(int position);

// The start time of the last run, as a fraction of a day (TimeOfDay()).
extern double StartTime;

struct SpeedTestTimes {
  double build_seconds = 0;  // t1: clearing, setting the range, appending the items
  double total_seconds = 0;  // t2: t1 plus one full repaint
};

// Takes the start time (kept in StartTime), empties the chart, sets layer 1 to x 0..n and
// y -5..5, appends a move-to at the origin and n line-to points of the damped noisy sine
// y = sin(0.01 i) * 2000 / (i + 400) + Random() in red, notes the build time, repaints the
// chart and notes the total time. Nothing is appended for n <= 0.
SpeedTestTimes RunSpeedTest(TKurvex& chart, int n);

// The captions the window shows for the two times: "Time to draw internally: 0.25 sec" and
// "Total drawing time: 0.25 sec".
std::string BuildTimeCaption(double seconds);
std::string TotalTimeCaption(double seconds);

}  // namespace kurvex
