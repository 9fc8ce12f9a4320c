// kurvex-bench: the speed test without a window. The speed-test form is read from its
// stored layout under the headless host, and its chart runs exactly what "Start" runs, for
// each point count, several times; the medians are printed as the program would show
// them, with items per second and the peak memory, then one JSON line per count.

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/form1.h"
#include "app/speed_test.h"
#include "bench/gesture_rows.h"
#include "common/numeric.h"
#include "common/random.h"
#include "platform/application.h"
#include "platform/gfx/image_file.h"
#include "platform/headless_host.h"

namespace kurvex {
namespace {

constexpr int kMaxCount = 100'000'000;
constexpr int kMaxRuns = 1000;

constexpr const char* kUsage =
    "Usage: kurvex-bench [--gestures] [--counts N,N,...] [--runs N] [--png FILE] [--help]\n"
    "\n"
    "Runs the speed test of the Start button without a window: for every point count the\n"
    "chart of the stored form is emptied, filled with the damped noisy sine and repainted.\n"
    "\n"
    "  --gestures        time repaints, zooms, pans and refills instead (default counts\n"
    "                    1000000,10000000,100000000; the last needs about 2 GB)\n"
    "  --counts N,N,...  point counts to run (1..100000000; default: the program's 13 counts\n"
    "                    from 100 to 1000000)\n"
    "  --runs N          runs per count, the median is reported (1..1000; default 5)\n"
    "  --png FILE        save the chart's window as a PNG file after the last run\n"
    "  --help            show this text\n"
    "\n"
    "Prints per count the median build time (\"Time to draw internally\"), the median total\n"
    "time (\"Total drawing time\"), items appended per second of build time and the peak\n"
    "memory of the process during that count, then one JSON line per count.\n";

struct Options {
  bool gestures = false;
  bool counts_given = false;
  std::vector<int> counts{kPointCounts.begin(), kPointCounts.end()};
  int runs = 5;
  std::string png;
};

struct BadOption {
  std::string message;
};

std::optional<int> ParseInt(std::string_view text, int lo, int hi) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < lo || value > hi) return std::nullopt;
  return value;
}

std::vector<int> ParseCounts(std::string_view list) {
  std::vector<int> counts;
  while (true) {
    const std::size_t comma = list.find(',');
    const std::string_view item = list.substr(0, comma);
    const std::optional<int> n = ParseInt(item, 1, kMaxCount);
    if (!n) {
      throw BadOption{"--counts: \"" + std::string(item) + "\" is not a point count (a whole number from 1 to " +
                      std::to_string(kMaxCount) + ")"};
    }
    counts.push_back(*n);
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return counts;
}

// Takes "--name value" and "--name=value".
Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    std::string_view value;
    bool has_value = false;
    if (const std::size_t eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string_view::npos) {
      value = arg.substr(eq + 1);
      arg = arg.substr(0, eq);
      has_value = true;
    }
    const auto need_value = [&]() -> std::string_view {
      if (has_value) return value;
      if (i + 1 >= argc) throw BadOption{std::string(arg) + " needs a value"};
      return argv[++i];
    };
    if (arg == "--gestures" && !has_value) {
      options.gestures = true;
    } else if (arg == "--counts") {
      options.counts = ParseCounts(need_value());
      options.counts_given = true;
    } else if (arg == "--runs") {
      const std::string_view text = need_value();
      const std::optional<int> runs = ParseInt(text, 1, kMaxRuns);
      if (!runs) throw BadOption{"--runs: \"" + std::string(text) + "\" is not a number of runs (1 to 1000)"};
      options.runs = *runs;
    } else if (arg == "--png") {
      options.png = std::string(need_value());
      if (options.png.empty()) throw BadOption{"--png needs a file name"};
    } else {
      throw BadOption{"unknown option \"" + std::string(argv[i]) + "\""};
    }
  }
  return options;
}

// The peak resident memory of this process in bytes ("VmHWM"), 0 when unknown.
long long PeakMemoryBytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atoll(line.c_str() + 6) * 1024;
  }
  return 0;
}

// Starts a new peak at the current resident size; false where the system cannot.
bool ResetPeakMemory() {
  std::ofstream refs("/proc/self/clear_refs");
  refs << "5";
  refs.flush();
  return static_cast<bool>(refs);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t m = values.size() / 2;
  return values.size() % 2 == 1 ? values[m] : (values[m - 1] + values[m]) / 2;
}

struct CountResult {
  int points = 0;
  double build = 0;  // median seconds
  double total = 0;
  double items_per_second = 0;
  long long peak_bytes = 0;
};

CountResult RunCount(TForm1& form, int points, int runs, bool& peak_reset) {
  peak_reset = ResetPeakMemory() && peak_reset;
  std::vector<double> builds, totals;
  for (int r = 0; r < runs; ++r) {
    const SpeedTestTimes t = RunSpeedTest(*form.Kurvex1, points);
    builds.push_back(t.build_seconds);
    totals.push_back(t.total_seconds);
  }
  CountResult result;
  result.points = points;
  result.build = Median(builds);
  result.total = Median(totals);
  const double items = static_cast<double>(points) + 1;  // the move-to and the line-to items
  result.items_per_second = result.build > 0 ? items / result.build : 0;
  result.peak_bytes = PeakMemoryBytes();
  return result;
}

void PrintRow(const CountResult& r) {
  std::printf("%9d  %9s  %9s  %10.3f  %10.3f  %12.4g  %9.1f\n", r.points, FloatToText(1, 2, r.build).c_str(),
              FloatToText(1, 2, r.total).c_str(), r.build * 1e3, r.total * 1e3, r.items_per_second,
              static_cast<double>(r.peak_bytes) / 1e6);
}

// The gesture table: each row with its median, its target and the read floor beside it.
int RunGestures(TKurvex& chart, const Options& options) {
  const std::vector<int> counts =
      options.counts_given ? options.counts : std::vector<int>{1'000'000, 10'000'000, 100'000'000};
  std::printf("kurvex-bench --gestures: chart %d x %d from the stored layout, the speed-test curve, %d run%s per row,\n"
              "medians of wall-clock time; read floor: reading every stored point once\n\n",
              chart.Width(), chart.Height(), options.runs, options.runs == 1 ? "" : "s");
  std::printf("%-32s %11s %10s %10s %12s  %s\n", "work", "points", "target ms", "ms", "read floor", "");
  std::fflush(stdout);
  for (const bench::TGestureRow& r : bench::RunGestureRows(chart, counts, options.runs)) {
    std::string verdict;
    if (r.TargetMs > 0) {
      verdict = r.Ms <= r.TargetMs ? "met" : "missed by " + FloatToText(1, 3, r.Ms - r.TargetMs) + " ms";
    }
    const std::string target = r.TargetMs > 0 ? FloatToText(1, 3, r.TargetMs) : "-";
    std::printf("%-32s %11d %10s %10.3f %9.3f ms  %s\n", r.Work.c_str(), r.Points, target.c_str(), r.Ms, r.FloorMs,
                verdict.c_str());
    std::fflush(stdout);
  }
  return 0;
}

int Run(const Options& options) {
  Application().SetHost(std::make_unique<HeadlessHost>(false));
  InitSharedHelpers();
  auto form = std::make_unique<TForm1>(nullptr);
  form->Show();
  Application().ProcessMessages();
  TKurvex& chart = *form->Kurvex1;
  if (options.gestures) return RunGestures(chart, options);
  std::printf("kurvex-bench: chart %d x %d from the stored layout, %d run%s per count, medians\n\n",
              chart.Width(), chart.Height(), options.runs, options.runs == 1 ? "" : "s");
  std::printf("%9s  %9s  %9s  %10s  %10s  %12s  %9s\n", "points", "build s", "total s", "build ms", "total ms",
              "items/s", "peak MB");
  std::fflush(stdout);
  bool peak_reset = true;
  std::vector<CountResult> results;
  for (const int points : options.counts) {
    results.push_back(RunCount(*form, points, options.runs, peak_reset));
    PrintRow(results.back());
    std::fflush(stdout);
  }
  std::printf("\nbuild s / total s as the program shows them (\"Time to draw internally\", \"Total drawing time\")%s\n\n",
              peak_reset ? "; peak MB: peak resident memory during the count" : "; peak MB: process peak so far");
  for (const CountResult& r : results) {
    std::printf(
        "{\"points\": %d, \"runs\": %d, \"build_s\": %.6f, \"total_s\": %.6f, \"items_per_s\": %.0f, "
        "\"peak_bytes\": %lld}\n",
        r.points, options.runs, r.build, r.total, r.items_per_second, r.peak_bytes);
  }
  if (!options.png.empty()) {
    std::string error;
    if (!SavePngFile(options.png, chart.Surface(), &error)) {
      std::fprintf(stderr, "kurvex-bench: cannot save %s: %s\n", options.png.c_str(), error.c_str());
      return 1;
    }
    std::printf("\nchart image saved to %s\n", options.png.c_str());
  }
  form.reset();
  return 0;
}

}  // namespace
}  // namespace kurvex

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kurvex::kUsage, stdout);
      return 0;
    }
  }
  kurvex::Options options;
  try {
    options = kurvex::ParseOptions(argc, argv);
  } catch (const kurvex::BadOption& e) {
    std::fprintf(stderr, "kurvex-bench: %s\nTry 'kurvex-bench --help'.\n", e.message.c_str());
    return 2;
  }
  try {
    return kurvex::Run(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "kurvex-bench: %s\n", e.what());
    return 1;
  }
}
