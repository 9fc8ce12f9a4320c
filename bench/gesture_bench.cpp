// kurvex-gesture-bench: how fast the speed-test chart follows the mouse. The form is read
// from its stored layout under the headless host (which copies every presented region
// into its screen image, as a window would show it), filled by the Start run, and driven
// with mouse input through the same routing a window uses. Each timed move is a range
// change, a full repaint and the present:
//   pan          100 moves of a maPan drag, back and forth over 80 pixels
//   zoom drag    20 moves of a maZoomDrag drag, in and out
//   zoom window  20 maZoomWindPos windows (press, three moves, release), per window
// The times are wall-clock times on whatever else the machine is doing: compare medians.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <stdexcept>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/speed_test.h"
#include "common/random.h"
#include "platform/application.h"
#include "platform/headless_host.h"

namespace kurvex {
namespace {

constexpr const char* kUsage =
    "Usage: kurvex-gesture-bench [--counts N,N,...] [--help]\n"
    "\n"
    "Times the mouse gestures on the speed-test chart: 100 pan moves, 20 zoom-drag moves\n"
    "and 20 zoom windows for every point count (default 1000000,10000000; 1..20000000),\n"
    "each a range change plus a full repaint and present, and prints milliseconds per move\n"
    "(median, mean, worst), then one JSON line per count and gesture.\n";

struct Timing {
  std::string gesture;
  int points = 0;
  std::vector<double> ms;
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t m = v.size() / 2;
  return v.size() % 2 == 1 ? v[m] : (v[m - 1] + v[m]) / 2;
}

double Mean(const std::vector<double>& v) { return std::accumulate(v.begin(), v.end(), 0.0) / v.size(); }

double TimedMs(const std::function<void()>& work) {
  const auto t0 = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

// The three gestures, sent to the chart through the host's mouse input.
class Gestures {
 public:
  Gestures(HeadlessHost& host, TKurvex& chart) : host_(host), chart_(chart) {}

  Timing Pan(int points) {
    Timing t{"pan", points, {}};
    chart_.SetMouseAction(TMouseActMode::maPan);
    host_.Press(chart_, 300, 180);
    for (int i = 1; i <= 100; ++i) {
      const int step = i % 20 < 10 ? i % 10 : 10 - i % 10;  // 0..10..0 ...
      t.ms.push_back(TimedMs([&] { host_.Move(chart_, 300 + 8 * step, 180 + 2 * step); }));
    }
    host_.Release(chart_, 300, 180);
    return t;
  }

  Timing ZoomDrag(int points) {
    Timing t{"zoom drag", points, {}};
    chart_.SetMouseAction(TMouseActMode::maZoomDrag);
    host_.Press(chart_, 300, 180);
    for (int i = 1; i <= 20; ++i) {
      const int step = i <= 10 ? i : 20 - i;
      t.ms.push_back(TimedMs([&] { host_.Move(chart_, 300 + 12 * step, 180); }));
    }
    host_.Release(chart_, 300, 180);
    return t;
  }

  Timing ZoomWindow(int points, double x_high) {
    Timing t{"zoom window", points, {}};
    chart_.SetMouseAction(TMouseActMode::maZoomWindPos);
    for (int i = 0; i < 20; ++i) {
      t.ms.push_back(TimedMs([&] {
        host_.Press(chart_, 150, 80);
        host_.Move(chart_, 250, 150);
        host_.Move(chart_, 350, 230);
        host_.Move(chart_, 450, 300);
        host_.Release(chart_, 450, 300);
      }));
      chart_.SetLayerRange(1, 0, -5, x_high, 5);  // back to the whole curve, not timed
    }
    return t;
  }

 private:
  HeadlessHost& host_;
  TKurvex& chart_;
};

std::vector<int> ParseCounts(const char* text) {
  std::vector<int> counts;
  std::string list = text;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string item = list.substr(start, comma - start);
    char* end = nullptr;
    const long n = std::strtol(item.c_str(), &end, 10);
    if (item.empty() || *end != '\0' || n < 1 || n > 20'000'000) {
      throw std::invalid_argument("--counts: \"" + item + "\" is not a point count (a whole number from 1 to 20000000)");
    }
    counts.push_back(static_cast<int>(n));
    start = comma + 1;
  }
  return counts;
}

int Run(const std::vector<int>& counts) {
  auto owned = std::make_unique<HeadlessHost>(true);
  HeadlessHost& host = *owned;
  Application().SetHost(std::move(owned));
  InitSharedHelpers();
  auto form = std::make_unique<TForm1>(nullptr);
  form->Show();
  Application().ProcessMessages();
  TKurvex& chart = *form->Kurvex1;
  Gestures gestures(host, chart);
  std::printf("kurvex-gesture-bench: chart %d x %d from the stored layout; ms per move (range change + paint + present)\n\n",
              chart.Width(), chart.Height());
  std::printf("%9s  %-12s  %6s  %9s  %9s  %9s\n", "points", "gesture", "moves", "median", "mean", "worst");
  std::vector<Timing> all;
  for (const int points : counts) {
    RunSpeedTest(chart, points);
    for (Timing t : {gestures.Pan(points), gestures.ZoomDrag(points)}) all.push_back(std::move(t));
    chart.SetLayerRange(1, 0, -5, points, 5);
    all.push_back(gestures.ZoomWindow(points, points));
    for (std::size_t i = all.size() - 3; i < all.size(); ++i) {
      const Timing& t = all[i];
      std::printf("%9d  %-12s  %6zu  %9.3f  %9.3f  %9.3f\n", t.points, t.gesture.c_str(), t.ms.size(), Median(t.ms),
                  Mean(t.ms), *std::max_element(t.ms.begin(), t.ms.end()));
      std::fflush(stdout);
    }
  }
  std::printf("\n");
  for (const Timing& t : all) {
    std::printf("{\"points\": %d, \"gesture\": \"%s\", \"moves\": %zu, \"median_ms\": %.4f, \"mean_ms\": %.4f}\n", t.points,
                t.gesture.c_str(), t.ms.size(), Median(t.ms), Mean(t.ms));
  }
  if (!host.MessageBoxes().empty()) {
    std::fprintf(stderr, "kurvex-gesture-bench: %s\n", host.MessageBoxes().front().text.c_str());
    return 1;
  }
  form.reset();
  return 0;
}

}  // namespace
}  // namespace kurvex

int main(int argc, char** argv) {
  std::vector<int> counts = {1'000'000, 10'000'000};
  try {
    for (int i = 1; i < argc; ++i) {
      if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
        std::fputs(kurvex::kUsage, stdout);
        return 0;
      }
      if (std::strcmp(argv[i], "--counts") == 0 && i + 1 < argc) {
        counts = kurvex::ParseCounts(argv[++i]);
      } else {
        throw std::invalid_argument("unknown option \"" + std::string(argv[i]) + "\"");
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kurvex-gesture-bench: %s\nTry 'kurvex-gesture-bench --help'.\n", e.what());
    return 2;
  }
  try {
    return kurvex::Run(counts);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kurvex-gesture-bench: %s\n", e.what());
    return 1;
  }
}
