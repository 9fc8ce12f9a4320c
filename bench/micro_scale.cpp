// Painting axes. The chart's 32 axes with four of them visible and labelled (layers 1 and
// 2 of a 1200 x 800 chart, drawn by the render pipeline's step: each configured from its
// axis setting, then ForcePaint) should cost well under 0.5 ms. Beside it: one stand-alone
// scale (opaque, framed), one axis asked for a tick walk of 10^12 unit ticks, a calendar
// axis with dates, and the tick walk alone without drawing.

#include <benchmark/benchmark.h>

#include <memory>

#include "chart/model/kurvex.h"
#include "chart/render/pipeline_steps.h"
#include "common/datetime.h"
#include "platform/application.h"
#include "platform/headless_host.h"
#include "scale/scale.h"
#include "scale/tick_engine.h"

namespace {

using namespace kurvex;

void UseHeadlessHost() {
  static const bool host_set = [] {
    Application().SetHost(std::make_unique<HeadlessHost>(false));
    return true;
  }();
  (void)host_set;
}

TKurvex& ChartWithFourAxes() {
  // The host first: statics end in reverse order, and the chart needs it to the last.
  UseHeadlessHost();
  static std::unique_ptr<TKurvex> chart;
  if (chart) return *chart;
  chart = std::make_unique<TKurvex>(nullptr);
  chart->SetBounds(0, 0, 1200, 800);
  chart->SetMarginLeft(80);
  chart->SetMarginRight(80);
  chart->SetMarginTop(50);
  chart->SetMarginBottom(50);
  chart->HandleNeeded();
  chart->SetAutoRedraw(false);
  chart->SetLayerRange(1, 0, -5, 1000000, 5);
  chart->SetLayerRange(2, -1e-3, 0, 2.5e-3, 1000);
  for (int n = 1; n <= 2; ++n) {
    chart->ScaleXProps(n).SetVisible(true);
    chart->ScaleYProps(n).SetVisible(true);
  }
  return *chart;
}

void BM_ChartAxes32(benchmark::State& state) {
  TKurvex& chart = ChartWithFourAxes();
  for (auto _ : state) render::DrawScales(chart);
  int ticks = 0;
  for (int n = 1; n <= 2; ++n) ticks += chart.ScaleX(n).NumTicks() + chart.ScaleY(n).NumTicks();
  state.counters["recorded_ticks"] = ticks;
}
BENCHMARK(BM_ChartAxes32)->Unit(benchmark::kMicrosecond);

// A scale of its own, drawn through its bitmap and copied onto a canvas.
struct Standalone {
  Standalone(int w, int h) : target(w, h), canvas(&target) {
    UseHeadlessHost();
    scale.SetBounds(0, 0, w, h);
    scale.SetTargetCanvas(&canvas, 0, 0);
  }
  Bitmap target;
  TCanvas canvas;
  TScale scale{nullptr};
};

void BM_StandaloneScale(benchmark::State& state) {
  Standalone s(600, 60);
  s.scale.SetRange(100, 0);
  for (auto _ : state) s.scale.ForcePaint();
}
BENCHMARK(BM_StandaloneScale)->Unit(benchmark::kMicrosecond);

// MinTicks 0 on 0 .. 10^12: unit ticks would be a trillion; the walk is bounded.
void BM_UnitTicksOnAHugeRange(benchmark::State& state) {
  Standalone s(1200, 60);
  s.scale.SetMinTicks(0);
  s.scale.SetRange(1e12, 0);
  s.scale.SetTransparent(true);
  for (auto _ : state) s.scale.ForcePaint();
  state.counters["ticks"] = static_cast<double>(s.scale.PaintedTicks().Ticks.size());
}
BENCHMARK(BM_UnitTicksOnAHugeRange)->Unit(benchmark::kMicrosecond);

void BM_CalendarAxis(benchmark::State& state) {
  Standalone s(1200, 60);
  s.scale.SetLabelType(TFigType::ftDateTime);
  const double day = EncodeDate(2026, 12, 7);
  s.scale.SetRange(day + 3, day);
  s.scale.SetMinTicks(10);
  s.scale.SetTransparent(true);
  for (auto _ : state) s.scale.ForcePaint();
}
BENCHMARK(BM_CalendarAxis)->Unit(benchmark::kMicrosecond);

void BM_LinearWalkOnly(benchmark::State& state) {
  Standalone s(1200, 60);
  s.scale.SetRange(1000, 0);
  s.scale.SetMinTicks(10);
  TTickList list;
  for (auto _ : state) {
    BuildTicks(s.scale, list);
    benchmark::DoNotOptimize(list.Ticks.data());
  }
}
BENCHMARK(BM_LinearWalkOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
