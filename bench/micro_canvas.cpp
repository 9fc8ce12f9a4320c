// Canvas primitives. Every line benchmark has a twin that stores the same pixels with a
// plain loop over precomputed offsets, the speed a line can at best approach; both report
// pixels per second ("px/s"). The one-column polyline is compared with drawing that column
// once.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "platform/gfx/canvas.h"

namespace kurvex {
namespace {

constexpr int kSize = 1024;

struct LineCase {
  const char* name;
  TPoint from;
  TPoint to;
};

const LineCase kLines[] = {
    {"horizontal", {10, 500}, {1010, 500}}, {"vertical", {500, 10}, {500, 1010}},
    {"diagonal", {10, 10}, {1010, 1010}},   {"shallow", {10, 300}, {1010, 650}},
    {"steep", {300, 10}, {650, 1010}},
};

// The word offsets of a line's pixels in drawing order (end pixel left out), computed the
// plain way: exact division per pixel.
std::vector<std::ptrdiff_t> LineOffsets(const LineCase& line) {
  std::vector<std::ptrdiff_t> offsets;
  const long dx = line.to.X - line.from.X;
  const long dy = line.to.Y - line.from.Y;
  const long n = std::max(std::labs(dx), std::labs(dy));
  for (long i = 0; i < n; ++i) {
    const long x = line.from.X + (dx * i * 2 + n) / (2 * n);
    const long y = line.from.Y + (dy * i * 2 + n) / (2 * n);
    offsets.push_back(y * kSize + x);
  }
  return offsets;
}

void SetPixelRate(benchmark::State& state, std::size_t pixels_per_iteration) {
  state.counters["px/s"] = benchmark::Counter(static_cast<double>(pixels_per_iteration) * state.iterations(),
                                              benchmark::Counter::kIsRate);
}

void BM_Line(benchmark::State& state) {
  const LineCase& line = kLines[state.range(0)];
  state.SetLabel(line.name);
  Bitmap b(kSize, kSize);
  TCanvas c(&b);
  for (auto _ : state) {
    c.MoveTo(line.from.X, line.from.Y);
    c.LineTo(line.to.X, line.to.Y);
    benchmark::ClobberMemory();
  }
  SetPixelRate(state, LineOffsets(line).size());
}
BENCHMARK(BM_Line)->DenseRange(0, 4);

void BM_PlainStore(benchmark::State& state) {
  const LineCase& line = kLines[state.range(0)];
  state.SetLabel(line.name);
  Bitmap b(kSize, kSize);
  const std::vector<std::ptrdiff_t> offsets = LineOffsets(line);
  std::uint32_t* bits = b.Bits();
  for (auto _ : state) {
    for (const std::ptrdiff_t offset : offsets) bits[offset] = 0;
    benchmark::ClobberMemory();
  }
  SetPixelRate(state, offsets.size());
}
BENCHMARK(BM_PlainStore)->DenseRange(0, 4);

void BM_DottedLine(benchmark::State& state) {
  const LineCase& line = kLines[state.range(0)];
  state.SetLabel(line.name);
  Bitmap b(kSize, kSize);
  TCanvas c(&b);
  c.Pen().SetStyle(TPenStyle::psDot);
  c.Brush().SetColor(clYellow);
  for (auto _ : state) {
    c.MoveTo(line.from.X, line.from.Y);
    c.LineTo(line.to.X, line.to.Y);
    benchmark::ClobberMemory();
  }
  SetPixelRate(state, LineOffsets(line).size());
}
BENCHMARK(BM_DottedLine)->Arg(0)->Arg(3);

std::vector<TPoint> RandomPoints(bool one_column) {
  std::mt19937 rng(42);
  std::uniform_int_distribution<int> coordinate(0, kSize - 1);
  std::vector<TPoint> points;
  for (int i = 0; i < 200; ++i) points.push_back(Point(one_column ? 512 : coordinate(rng), coordinate(rng)));
  return points;
}

void BM_Polyline200Random(benchmark::State& state) {
  Bitmap b(kSize, kSize);
  TCanvas c(&b);
  const std::vector<TPoint> points = RandomPoints(false);
  for (auto _ : state) {
    c.Polyline(points);
    benchmark::ClobberMemory();
  }
  state.counters["points/s"] = benchmark::Counter(200.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Polyline200Random);

// A dense chart curve: x advances by 0..2 pixels per point, y wanders.
std::vector<TPoint> DenseCurve() {
  std::mt19937 rng(7);
  std::vector<TPoint> points;
  int x = 100, y = 500;
  for (int i = 0; i < 200; ++i) {
    x += static_cast<int>(rng() % 3);
    y += static_cast<int>(rng() % 21) - 10;
    points.push_back(Point(x, y));
  }
  return points;
}

void BM_Polyline200Dense(benchmark::State& state) {
  Bitmap b(kSize, kSize);
  TCanvas c(&b);
  const std::vector<TPoint> points = DenseCurve();
  for (auto _ : state) {
    c.Polyline(points);
    benchmark::ClobberMemory();
  }
  state.counters["points/s"] = benchmark::Counter(200.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Polyline200Dense);

// 200 points in one pixel column: merged into one span, so it should cost about as much as
// BM_ColumnOnce, which draws the column they cover once.
void BM_Polyline200OneColumn(benchmark::State& state) {
  Bitmap b(kSize, kSize);
  TCanvas c(&b);
  const std::vector<TPoint> points = RandomPoints(true);
  for (auto _ : state) {
    c.Polyline(points);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Polyline200OneColumn);

void BM_ColumnOnce(benchmark::State& state) {
  Bitmap b(kSize, kSize);
  TCanvas c(&b);
  const std::vector<TPoint> points = RandomPoints(true);
  int lo = kSize, hi = 0;
  for (const TPoint p : points) {
    lo = std::min(lo, p.Y);
    hi = std::max(hi, p.Y);
  }
  for (auto _ : state) {
    c.MoveTo(512, lo);
    c.LineTo(512, hi + 1);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ColumnOnce);

void BM_FilledRectangle(benchmark::State& state) {
  Bitmap b(kSize, kSize);
  TCanvas c(&b);
  c.Brush().SetColor(clSilver);
  for (auto _ : state) {
    c.Rectangle(100, 100, 500, 400);
    benchmark::ClobberMemory();
  }
  SetPixelRate(state, 400 * 300);
}
BENCHMARK(BM_FilledRectangle);

// Ellipses: a large filled one, its outline alone, and a batch of the chart's 7-pixel
// circle marks (where the per-figure setup counts as much as the pixels).
void BM_Ellipse(benchmark::State& state) {
  Bitmap b(kSize, kSize);
  TCanvas c(&b);
  c.Brush().SetColor(clSilver);
  if (state.range(0) == 1) c.Brush().SetStyle(TBrushStyle::bsClear);
  state.SetLabel(state.range(0) == 1 ? "outline" : "filled");
  for (auto _ : state) {
    c.Ellipse(100, 100, 500, 400);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Ellipse)->Arg(0)->Arg(1);

void BM_CircleMarks100(benchmark::State& state) {
  Bitmap b(kSize, kSize);
  TCanvas c(&b);
  c.Brush().SetColor(clRed);
  for (auto _ : state) {
    for (int i = 0; i < 100; ++i) c.Ellipse(10 + 9 * i, 500, 17 + 9 * i, 507);
    benchmark::ClobberMemory();
  }
  state.counters["marks/s"] = benchmark::Counter(100.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CircleMarks100);

// Wide pens: one stroke of the given width, horizontal or diagonal, and a wide polyline.
void BM_WideLine(benchmark::State& state) {
  const LineCase& line = kLines[state.range(0)];
  const int width = static_cast<int>(state.range(1));
  state.SetLabel(std::string(line.name) + " w" + std::to_string(width));
  Bitmap b(kSize, kSize);
  TCanvas c(&b);
  c.Pen().SetWidth(width);
  for (auto _ : state) {
    c.MoveTo(line.from.X, line.from.Y);
    c.LineTo(line.to.X, line.to.Y);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_WideLine)->Args({0, 3})->Args({2, 3})->Args({0, 8})->Args({2, 8});

void BM_WidePolyline200Dense(benchmark::State& state) {
  Bitmap b(kSize, kSize);
  TCanvas c(&b);
  c.Pen().SetWidth(3);
  const std::vector<TPoint> points = DenseCurve();
  for (auto _ : state) {
    c.Polyline(points);
    benchmark::ClobberMemory();
  }
  state.counters["points/s"] = benchmark::Counter(200.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WidePolyline200Dense);

void BM_TextOut10(benchmark::State& state) {
  Bitmap b(kSize, 100);
  TCanvas c(&b);
  c.Font().SetName("Arial");
  c.Font().SetHeight(-13);
  c.Brush().SetColor(clWhite);
  for (auto _ : state) {
    c.TextOut(10, 10, "0123.45 mV");
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_TextOut10);

void BM_TextWidth10(benchmark::State& state) {
  Bitmap b(10, 10);
  TCanvas c(&b);
  c.Font().SetName("Arial");
  c.Font().SetHeight(-13);
  for (auto _ : state) benchmark::DoNotOptimize(c.TextWidth("0123.45 mV"));
}
BENCHMARK(BM_TextWidth10);

}  // namespace
}  // namespace kurvex

BENCHMARK_MAIN();
