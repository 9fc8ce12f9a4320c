#include "bench/gesture_rows.h"

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>

#include "common/extended_sine.h"
#include "common/random.h"

namespace kurvex::bench {

namespace {

double NowMs() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

template <class F>
double TimeMs(F&& work) {
  const double t0 = NowMs();
  work();
  return NowMs() - t0;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t m = v.size() / 2;
  return v.size() % 2 == 1 ? v[m] : (v[m - 1] + v[m]) / 2;
}

double MedianOf(int runs, const std::function<double(int)>& once) {
  std::vector<double> times;
  for (int r = 0; r < runs; ++r) times.push_back(once(r));
  return Median(times);
}

void FullRange(TKurvex& chart, int n) { chart.SetLayerRange(1, 0, -5, n, 5); }

}  // namespace

const std::vector<double>& SpeedTestValues(int n) {
  static std::map<int, std::vector<double>> cache;
  std::vector<double>& ys = cache[n];
  if (ys.empty()) {
    InitSharedHelpers();
    ys.resize(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
      ys[static_cast<std::size_t>(i - 1)] =
          static_cast<double>(SinExtended(0.01L * i) * 2000.0L / (i + 400) + Random());
    }
  }
  return ys;
}

void FillSpeedTestCurve(TKurvex& chart, int n) {
  InitSharedHelpers();
  chart.ClearItems();
  FullRange(chart, n);
  chart.SetDataColor(clRed);
  chart.MoveToPoint(0.0, 0.0);
  for (int i = 1; i <= n; ++i) {
    chart.LineToPoint(static_cast<double>(i), static_cast<double>(SinExtended(0.01L * i) * 2000.0L / (i + 400) + Random()));
  }
}

double ReadFloorMs(const TKurvex& chart, int runs) {
  return MedianOf(runs, [&](int) {
    double sum = 0;
    const double ms = TimeMs([&] {
      TItemRun run;
      for (auto cursor = chart.MainItems().Runs(); cursor.Next(run);) {
        for (std::size_t i = 0; i < run.Count; ++i) sum += run.X1[i] + run.Y1[i];
      }
    });
    volatile double sink = sum;
    (void)sink;
    return ms;
  });
}

double TimeFullRepaint(TKurvex& chart) {
  return TimeMs([&] { chart.Paint(); });
}

double TimeZoomIn(TKurvex& chart, int n, double fraction) {
  const double mid = n * 0.5, half = n * fraction / 2;
  const double ms = TimeMs([&] { chart.SetLayerRange(1, mid - half, -5, mid + half, 5); });
  FullRange(chart, n);
  return ms;
}

double TimeZoomOut(TKurvex& chart, int n) {
  const double ms = TimeMs([&] { chart.SetLayerRange(1, -4.5 * n, -50, 5.5 * n, 50); });
  FullRange(chart, n);
  return ms;
}

double TimePanStep(TKurvex& chart, int n, int step) {
  // Even steps move the range right by 5 of the plot's 483 column widths, odd ones back.
  const double low = step % 2 == 0 ? 5.0 * n / 483.0 : 0;
  return TimeMs([&] { chart.SetLayerRange(1, low, -5, low + n, 5); });
}

double TimeRefill(TKurvex& chart, int n) {
  const std::vector<double>& ys = SpeedTestValues(n);
  return TimeMs([&] {
    chart.ClearItems();
    chart.MoveToPoint(0.0, 0.0);
    for (int i = 1; i <= n; ++i) chart.LineToPoint(static_cast<double>(i), ys[static_cast<std::size_t>(i - 1)]);
    chart.RefreshChart();
  });
}

std::vector<TGestureRow> RunGestureRows(TKurvex& chart, const std::vector<int>& counts, int runs) {
  std::vector<TGestureRow> rows;
  for (const int n : counts) {
    FillSpeedTestCurve(chart, n);
    chart.Paint();
    const double floor = ReadFloorMs(chart, runs);
    const auto row = [&](const std::string& work, double target, const std::function<double(int)>& once) {
      rows.push_back(TGestureRow{work, n, target, MedianOf(runs, once), floor});
    };
    const double repaint_target = n <= 1'000'000 ? 1.2 : n <= 10'000'000 ? 5 : 40;
    row("full repaint", repaint_target, [&](int) { return TimeFullRepaint(chart); });
    if (n > 10'000'000) continue;
    row("zoom to 1 % + repaint", 1, [&](int) { return TimeZoomIn(chart, n, 1e-2); });
    row("zoom to 0.01 % + repaint", 1, [&](int) { return TimeZoomIn(chart, n, 1e-4); });
    row("zoom out x10 + repaint", 5, [&](int) { return TimeZoomOut(chart, n); });
    row("pan step + repaint", 5, [&](int r) { return TimePanStep(chart, n, r); });
    FullRange(chart, n);
    row("refill: clear, appends, paint", n >= 10'000'000 ? 60 : 0, [&](int) { return TimeRefill(chart, n); });
  }
  return rows;
}

}  // namespace kurvex::bench
