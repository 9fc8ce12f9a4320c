#include "app/speed_test.h"

#include <algorithm>

#include "common/extended_sine.h"
#include "common/numeric.h"
#include "common/random.h"
#include "platform/application.h"

namespace kurvex {

double StartTime = 0;

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr TColor kCurveColor = 255;  // pure red

}  // namespace

int PointCountAt(int position) {
  const int last = static_cast<int>(kPointCounts.size());
  return kPointCounts[static_cast<std::size_t>(std::clamp(position, 1, last) - 1)];
}

SpeedTestTimes RunSpeedTest(TKurvex& chart, int n) {
  const double t0 = TimeOfDay();
  StartTime = t0;
  chart.ClearItems();
  // Releasing the paint hold at the end of the range setting paints the empty chart once;
  // that paint belongs to the build time.
  chart.SetLayerRange(1, 0, -5, n, 5);
  chart.SetDataColor(kCurveColor);
  chart.MoveToPoint(0, 0);
  for (int i = 1; i <= n; ++i) {
    // Evaluated in extended precision, handed over as a double.
    const long double y = SinExtended(0.01L * i) * 2000.0L / (i + 400) + Random();
    chart.LineToPoint(i, static_cast<double>(y));
  }
  SpeedTestTimes times;
  times.build_seconds = (TimeOfDay() - t0) * kSecondsPerDay;
  chart.RefreshChart();
  times.total_seconds = (TimeOfDay() - t0) * kSecondsPerDay;
  return times;
}

std::string BuildTimeCaption(double seconds) {
  return "Time to draw internally: " + FloatToText(1, 2, seconds) + " sec";
}

std::string TotalTimeCaption(double seconds) { return "Total drawing time: " + FloatToText(1, 2, seconds) + " sec"; }

}  // namespace kurvex
