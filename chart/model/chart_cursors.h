#pragma once
// The chart's four mouse cursors ("CURHAND", "CURZOOMW", "CURZOOMD", "CURZOOMP"), entered in
// the application's cursor table as numbers 1..4.

namespace kurvex {

inline constexpr int crKxHand = 1;
inline constexpr int crKxZoomWindow = 2;
inline constexpr int crKxZoomDrag = 3;
inline constexpr int crKxZoomPos = 4;

void RegisterChartCursors();

}  // namespace kurvex
