// One full repaint of the speed-test chart (560 x 385, margins 60/16/20/40, shadow 1, the
// axes of layer 1 and the dotted grid of the stored layout, the damped noisy sine in red) at 10^4 .. 10^7 points, beside the floor: reading the stored
// points once and mapping every one to pixels without drawing, once through the layer's
// batch mapping and once with the mapping written out in the loop. The repaint should cost
// at most twice the floor at a million points and more.
//
// Also: the same repaint with an OnBeforeRenderChartItem handler (every item copied and
// drawn on its own) and, for 10^6 points, the path buffer without column reduction or
// without the block summaries; a curve whose blocks have no summary, with and without the
// second core; at 10^6 points with a background (a large image stretched, a small image
// tiled, a coloured area) and ten boxed text labels; and the gestures at 10^7 points
// (range change to 1 % and 0.01 % of the x range, zoom out x10, pan step, each with its
// repaint) and the refill (ClearItems, n appends, paint). kurvex-bench --gestures prints
// the same rows as a table with their targets and read floors.

#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bench/gesture_rows.h"
#include "chart/model/kurvex.h"
#include "chart/render/render_state.h"
#include "common/extended_sine.h"
#include "common/random.h"
#include "platform/application.h"
#include "platform/gfx/image_file.h"
#include "platform/headless_host.h"

namespace {

using namespace kurvex;

// An empty chart shaped like the speed test's, with a window, AutoRedraw off.
std::unique_ptr<TKurvex> NewSpeedTestChart() {
  auto chart = std::make_unique<TKurvex>(nullptr);
  chart->SetBounds(0, 0, 560, 385);
  chart->SetMarginLeft(60);
  chart->SetMarginRight(16);
  chart->SetMarginTop(20);
  chart->SetMarginBottom(40);
  chart->SetShadowWidth(1);
  // The stored layout's grid: dotted silver lines on the x ticks and at every y unit.
  chart->SetGridStyle(GridStyleType::gsDotLines);
  chart->SetGridDy(1.0);
  chart->SetGridColor(clSilver);
  chart->HandleNeeded();
  chart->SetAutoRedraw(false);
  return chart;
}

// Charts are built once per point count and kept for all benchmarks. They are never
// destroyed: at exit the application's host, which a chart's window needs while it goes,
// may already be gone.
TKurvex& SpeedTestChart(int n) {
  static auto* charts = new std::map<int, std::unique_ptr<TKurvex>>();
  auto& chart = (*charts)[n];
  if (chart) return *chart;
  static const bool host_set = [] {
    Application().SetHost(std::make_unique<HeadlessHost>(false));
    return true;
  }();
  (void)host_set;
  chart = NewSpeedTestChart();
  InitSharedHelpers();
  chart->ClearItems();
  chart->SetLayerRange(1, 0, -5, n, 5);
  chart->SetDataColor(clRed);
  chart->MoveToPoint(0, 0);
  for (int i = 1; i <= n; ++i) {
    chart->LineToPoint(i, static_cast<double>(SinExtended(0.01L * i) * 2000.0L / (i + 400) + Random()));
  }
  return *chart;
}

void BM_Repaint(benchmark::State& state) {
  TKurvex& chart = SpeedTestChart(static_cast<int>(state.range(0)));
  for (auto _ : state) chart.Paint();
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(chart.ItemCount()));
}

// Reads every stored point once and maps it to canvas pixels, as the repaint must at least.
void BM_Floor(benchmark::State& state) {
  TKurvex& chart = SpeedTestChart(static_cast<int>(state.range(0)));
  const TLayerMap& map = chart.LayerMap(1);
  const TPoint origin = Point(chart.MarginLeft(), chart.MarginTop());
  std::vector<TPoint> out(TKxItemContainer::kChunkSize);
  for (auto _ : state) {
    long long checksum = 0;
    auto cursor = chart.MainItems().Runs();
    TItemRun run;
    while (cursor.Next(run)) {
      map.ToCanvasPoints(run.X1, run.Y1, run.Count, origin, out.data());
      for (std::size_t i = 0; i < run.Count; ++i) checksum += out[i].X ^ out[i].Y;
    }
    benchmark::DoNotOptimize(checksum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(chart.ItemCount()));
}

// The same with the mapping written out in the loop: one multiply-add, clamp and rounding
// per axis, the least any drawing of every point must do.
void BM_FloorInline(benchmark::State& state) {
  TKurvex& chart = SpeedTestChart(static_cast<int>(state.range(0)));
  const TLayerMap& map = chart.LayerMap(1);
  const auto pixel = [](double slope, double offset, double v) {
    double p = slope * v + offset;
    p = p > -30000.0 ? p : -30000.0;
    p = p < 30000.0 ? p : 30000.0;
    constexpr double kMagic = 6755399441055744.0;
    return static_cast<int>((p + kMagic) - kMagic);
  };
  const double sx = map.X.SlopeD, ox = map.X.OffsetD, sy = map.Y.SlopeD, oy = map.Y.OffsetD;
  for (auto _ : state) {
    long long checksum = 0;
    auto cursor = chart.MainItems().Runs();
    TItemRun run;
    while (cursor.Next(run)) {
      for (std::size_t i = 0; i < run.Count; ++i) checksum += pixel(sx, ox, run.X1[i]) ^ pixel(sy, oy, run.Y1[i]);
    }
    benchmark::DoNotOptimize(checksum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(chart.ItemCount()));
}

void BM_RepaintWithItemHandler(benchmark::State& state) {
  TKurvex& chart = SpeedTestChart(static_cast<int>(state.range(0)));
  chart.OnBeforeRenderChartItem = [](TObject*, TkxChartItem&, int, bool) {};
  for (auto _ : state) chart.Paint();
  chart.OnBeforeRenderChartItem = nullptr;
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(chart.ItemCount()));
}

void BM_RepaintWithoutColumnReduction(benchmark::State& state) {
  TKurvex& chart = SpeedTestChart(static_cast<int>(state.range(0)));
  chart.Paint();  // creates the render state
  chart.RenderState()->Path.SetColumnReduction(false);
  for (auto _ : state) chart.Paint();
  chart.RenderState()->Path.SetColumnReduction(true);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(chart.ItemCount()));
}

// A w x h picture with a colour ramp, written once into the temporary folder (a file
// written again would be decoded again at the next paint).
std::string BenchImage(int w, int h) {
  static std::map<std::pair<int, int>, std::string> written;
  std::string& path = written[{w, h}];
  if (!path.empty()) return path;
  path = (std::filesystem::temp_directory_path() / ("kx_bench_" + std::to_string(w) + "x" + std::to_string(h) + ".png"))
             .string();
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.SetPixel(x, y, static_cast<TColor>((x * 255 / w) | ((y * 255 / h) << 8) | 0x800000));
  SavePngFile(path, b);
  return path;
}

enum Background { kStretchedImage, kTiledImage, kAreaAndLabels };

void Decorate(TKurvex& chart, Background background) {
  TBakGndImg& img = chart.BackGroundImg();
  img.SetIncludePath(true);
  if (background == kStretchedImage) img.SetName(BenchImage(1600, 1200));
  if (background == kTiledImage) {
    img.SetName(BenchImage(16, 16));
    img.SetFillMode(TBkgFill::bfTile);
  }
  if (background != kAreaAndLabels) return;
  img.SetAreaMode(TBGAreaMode::bamRectInv);
  img.SetAreaLeft(200'000);
  img.SetAreaRight(800'000);
  for (int n = 1; n <= 10; ++n) {
    TTextLabel& label = chart.TextLabel(n);
    label.SetPosX(n * 90'000.0);
    label.SetPosY(n % 2 == 0 ? 3 : -3);
    label.SetCaption("Label " + std::to_string(n) + "\nsecond line");
    label.SetMode(n % 2 == 0 ? TTxtLblMode::tlBox : TTxtLblMode::tlShadow);
    label.SetVisible(true);
  }
}

void Undecorate(TKurvex& chart) {
  TBakGndImg& img = chart.BackGroundImg();
  img.SetName("");
  img.SetFillMode(TBkgFill::bfStretch);
  img.SetAreaMode(TBGAreaMode::bamNone);
  for (int n = 1; n <= 10; ++n) chart.TextLabel(n).SetMode(TTxtLblMode::tlOff);
}

void BM_RepaintWithBackground(benchmark::State& state) {
  TKurvex& chart = SpeedTestChart(1'000'000);
  Decorate(chart, static_cast<Background>(state.range(0)));
  chart.Paint();  // decodes the image file
  for (auto _ : state) chart.Paint();
  Undecorate(chart);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(chart.ItemCount()));
}

void BM_RepaintWithoutSummaries(benchmark::State& state) {
  TKurvex& chart = SpeedTestChart(static_cast<int>(state.range(0)));
  chart.Paint();
  chart.RenderState()->Fast.Summaries = false;
  for (auto _ : state) chart.Paint();
  chart.RenderState()->Fast.Summaries = true;
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(chart.ItemCount()));
}

// The speed-test curve with a NaN y in every 100th point: no block of 256 points has a
// usable summary, so every point is mapped one by one; with and without the second core.
TKurvex& CurveWithGaps(int n) {
  static auto* charts = new std::map<int, std::unique_ptr<TKurvex>>();
  auto& chart = (*charts)[n];
  if (chart) return *chart;
  TKurvex& like = SpeedTestChart(n);
  chart = NewSpeedTestChart();
  chart->ClearItems();
  chart->SetLayerRange(1, 0, -5, n, 5);
  chart->SetDataColor(clRed);
  chart->MoveToPoint(0.0, 0.0);
  for (int i = 1; i <= n; ++i) chart->LineToPoint(i, i % 100 == 0 ? NAN : like.Item(static_cast<std::size_t>(i)).Y1);
  return *chart;
}

void BM_RepaintWithGaps(benchmark::State& state) {
  TKurvex& chart = CurveWithGaps(static_cast<int>(state.range(0)));
  chart.Paint();
  chart.RenderState()->Fast.SecondCoreFrom = state.range(1) != 0 ? TFastPaths{}.SecondCoreFrom : TFastPaths::kNever;
  for (auto _ : state) chart.Paint();
  chart.RenderState()->Fast = TFastPaths{};
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(chart.ItemCount()));
}

// A gesture timed by its own clock (the range is put back between runs, untimed).
template <class Gesture>
void RunGesture(benchmark::State& state, Gesture gesture) {
  const int n = static_cast<int>(state.range(0));
  TKurvex& chart = SpeedTestChart(n);
  chart.SetLayerRange(1, 0, -5, n, 5);
  int step = 0;
  for (auto _ : state) state.SetIterationTime(gesture(chart, n, step++) / 1e3);
  chart.SetLayerRange(1, 0, -5, n, 5);
}

void BM_ZoomToOnePercent(benchmark::State& state) {
  RunGesture(state, [](TKurvex& c, int n, int) { return bench::TimeZoomIn(c, n, 1e-2); });
}
void BM_ZoomToOneHundredthPercent(benchmark::State& state) {
  RunGesture(state, [](TKurvex& c, int n, int) { return bench::TimeZoomIn(c, n, 1e-4); });
}
void BM_ZoomOutTenfold(benchmark::State& state) {
  RunGesture(state, [](TKurvex& c, int n, int) { return bench::TimeZoomOut(c, n); });
}
void BM_PanStep(benchmark::State& state) {
  RunGesture(state, [](TKurvex& c, int n, int step) { return bench::TimePanStep(c, n, step); });
}

void BM_Refill(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  TKurvex& chart = SpeedTestChart(10'000);  // a chart of its own: the refill replaces its data
  chart.SetLayerRange(1, 0, -5, n, 5);
  bench::SpeedTestValues(n);
  for (auto _ : state) state.SetIterationTime(bench::TimeRefill(chart, n) / 1e3);
  state.SetItemsProcessed(state.iterations() * n);
}

BENCHMARK(BM_Floor)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FloorInline)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Repaint)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintWithItemHandler)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintWithoutColumnReduction)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintWithBackground)
    ->ArgName("background")
    ->Arg(kStretchedImage)
    ->Arg(kTiledImage)
    ->Arg(kAreaAndLabels)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintWithoutSummaries)->Arg(1'000'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintWithGaps)->Args({10'000'000, 0})->Args({10'000'000, 1})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomToOnePercent)->Arg(10'000'000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomToOneHundredthPercent)->Arg(10'000'000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomOutTenfold)->Arg(10'000'000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PanStep)->Arg(10'000'000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Refill)->Arg(1'000'000)->Arg(10'000'000)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
