// World-to-pixel mapping: the per-point function and the batch form over arrays, for linear
// and logarithmic axes (one million points per iteration).

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "chart/model/layer_mapping.h"

namespace {

using namespace kurvex;

constexpr std::size_t kPoints = 1'000'000;

struct Data {
  std::vector<double> xs, ys;
  std::vector<TPoint> out;
  Data() : xs(kPoints), ys(kPoints), out(kPoints) {
    for (std::size_t i = 0; i < kPoints; ++i) {
      xs[i] = static_cast<double>(i);
      ys[i] = 1.5 + std::sin(static_cast<double>(i) * 1e-3);
    }
  }
};

TLayerMap MakeMap(bool log_y) {
  const TPlotGeometry g{1200, 800, 50, 20, 20, 40, 0};
  return TLayerMap{MakeXAxisMap({0, static_cast<double>(kPoints), false}, g),
                   MakeYAxisMap({0.4, 2.6, log_y}, g)};
}

void BM_MapPointLinear(benchmark::State& state) {
  Data d;
  const TLayerMap map = MakeMap(false);
  for (auto _ : state) {
    for (std::size_t i = 0; i < kPoints; ++i) d.out[i] = map.ToPixel(d.xs[i], d.ys[i]);
    benchmark::DoNotOptimize(d.out.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kPoints));
}

void BM_MapBatch(benchmark::State& state) {
  Data d;
  const TLayerMap map = MakeMap(state.range(0) != 0);
  for (auto _ : state) {
    map.ToCanvasPoints(d.xs.data(), d.ys.data(), kPoints, Point(50, 20), d.out.data());
    benchmark::DoNotOptimize(d.out.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kPoints));
  state.SetLabel(state.range(0) != 0 ? "log y" : "linear");
}

BENCHMARK(BM_MapPointLinear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapBatch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
