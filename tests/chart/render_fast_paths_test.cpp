// The repaint's fast paths against drawing every segment: whole blocks taken from their
// summaries, blocks skipped off the plot, the SIMD kernels, on curves built to meet their
// edge cases at every zoom level from a millionth of the range to a million times it.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "chart/render/pipeline_steps.h"
#include "render_test_support.h"

namespace kurvex {
namespace {

struct Variant {
  const char* name;
  TFastPaths fast;
};

// Every fast path on its own and all together; the second core is forced on every
// polyline of two runs or more where it is tested.
std::vector<Variant> Variants() {
  return {
      {"summaries, best kernel, second core", TFastPaths{true, BestWalkKernel(), 0}},
      {"summaries, SSE2", TFastPaths{true, TWalkKernel::Sse2, TFastPaths::kNever}},
      {"summaries, scalar", TFastPaths{true, TWalkKernel::Scalar, TFastPaths::kNever}},
      {"AVX2 alone", TFastPaths{false, TWalkKernel::Avx2, TFastPaths::kNever}},
      {"SSE2 alone", TFastPaths{false, TWalkKernel::Sse2, TFastPaths::kNever}},
      {"second core alone", TFastPaths{false, TWalkKernel::Scalar, 0}},
  };
}

const Bitmap& PaintWith(TKurvex& chart, const TFastPaths& fast, bool reduce) {
  TRenderState& state = render::StateOf(chart);
  state.Fast = fast;
  state.Path.SetColumnReduction(reduce);
  chart.Paint();
  return chart.Surface();
}

// Paints the chart with every variant and once without any reduction, every segment drawn.
void ExpectEveryVariantPaintsEverySegment(TKurvex& chart, const std::string& what) {
  const TFastPaths plain{false, TWalkKernel::Scalar, TFastPaths::kNever};
  const Bitmap reference = PaintWith(chart, plain, false);
  for (const Variant& v : Variants()) {
    ASSERT_EQ(test::DiffPixels(PaintWith(chart, v.fast, true), reference), 0) << what << ", " << v.name;
  }
}

struct CurveShape {
  bool ordered = true;
  // Chance in 10000 per point of a colour change (a flush of the path).
  int colour_changes = 2;
};

// A curve of n points. x moves forward in steps small enough that hundreds of points share
// a pixel column (ordered) or jumps about a window that drifts forward (unordered), with
// reversals and vertical runs; y is a noisy walk with flat stretches and jumps, and now and
// then NaN, an infinity or a value far off the plot (clamped at 30000 pixels). Every fifth
// block of 256 items makes an excursion off the plot to one side, starting right after a
// point on the plot. Colour changes start new runs in the middle of blocks and columns.
// Returns the last x.
double AppendCurve(TCustomKurvex& chart, std::mt19937& rng, int n, CurveShape shape) {
  std::uniform_int_distribution<int> pct(0, 9999);
  std::normal_distribution<double> noise(0, 1);
  const TColor colors[] = {clRed, clBlue, clBlack};
  const double odd[] = {std::nan(""), INFINITY, -INFINITY, 1e300, -1e300, 5e4, -5e4};
  double x = 0, y = 0;
  bool flat = false;
  chart.SetDataColor(clRed);
  chart.MoveToPoint(0.0, 0.0);
  const std::size_t first = chart.ItemCount();
  for (int i = 1; i <= n; ++i) {
    const int r = pct(rng);
    if (r < shape.colour_changes) chart.SetDataColor(colors[pct(rng) % 3]);
    if (r >= 9000 && r < 9030) flat = !flat;
    if (shape.ordered) {
      x += r < 40 ? -0.3 : r < 200 ? 0 : 0.001 * (1 + pct(rng) % 3);
    } else {
      x = i * 0.001 + (pct(rng) % 200) * 0.01;
    }
    if (!flat) y = y * 0.995 + (r < 100 ? noise(rng) * 20 : noise(rng) * 0.3);
    double px = x, py = y;
    if (r >= 9990) py = odd[pct(rng) % 7];
    if (r >= 9980 && r < 9983) px = odd[pct(rng) % 7];
    const std::size_t block = (first + static_cast<std::size_t>(i)) / TBlockSummary::kBlockSize;
    if (block % 5 == 2) {
      // Just beyond the plot at the full range, so that the segments into and out of the
      // excursion cross it at a slant.
      const int side = static_cast<int>(block / 5 % 4);
      const double beyond = 5 + std::abs(noise(rng)) * 20;
      if (side == 0) py = 40 + beyond;
      if (side == 1) py = -40 - beyond;
      if (side == 2) px = x - beyond;
      if (side == 3) px = x + beyond;
    }
    chart.LineToPoint(px, py);
  }
  return x;
}

// Ranges from a millionth of the data's extent to a million times it, around a few centres.
void ExpectAllZoomsPaintEverySegment(TKurvex& chart, double x_extent, const std::string& what) {
  const double centres[] = {0.5, 0.137, 0.9};
  for (const double zoom : {1e-6, 1e-4, 1e-2, 0.3, 1.0, 10.0, 1e3, 1e6}) {
    for (const double c : centres) {
      const double mid = c * x_extent, half = zoom * x_extent / 2;
      chart.SetLayerRange(1, mid - half, -40 * std::sqrt(zoom), mid + half, 40 * std::sqrt(zoom));
      ExpectEveryVariantPaintsEverySegment(chart, what + ", zoom " + std::to_string(zoom) + " at " + std::to_string(c));
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

TEST(RenderFastPaths, OrderedCurvesAtEveryZoom) {
  std::mt19937 rng(1301);
  auto chart = test::MakeSpeedTestChart();
  chart->ClearItems();
  const double extent = AppendCurve(*chart, rng, 150000, CurveShape{});
  ExpectAllZoomsPaintEverySegment(*chart, extent, "ordered");
}

TEST(RenderFastPaths, UnorderedCurvesAtEveryZoom) {
  std::mt19937 rng(1302);
  auto chart = test::MakeSpeedTestChart();
  chart->ClearItems();
  const double extent = AppendCurve(*chart, rng, 100000, CurveShape{false, 2});
  ExpectAllZoomsPaintEverySegment(*chart, extent, "unordered");
}

TEST(RenderFastPaths, ManyColourChangesEndPolylinesInsideColumnsAndBlocks) {
  // Every flush ends a column: whether its last point is painted depends on the flags the
  // column carries, however its points were added.
  std::mt19937 rng(1306);
  auto chart = test::MakeSpeedTestChart();
  chart->ClearItems();
  const double extent = AppendCurve(*chart, rng, 120000, CurveShape{true, 40});
  ExpectAllZoomsPaintEverySegment(*chart, extent, "colour changes");
}

TEST(RenderFastPaths, WholeChunksInOneColumnAndFlatOrVerticalCurves) {
  // Three chunks of points that all map into one or two columns: the chunk summaries are
  // taken whole. Then a constant y (flat blocks) and a constant x (one vertical column).
  auto chart = test::MakeSpeedTestChart();
  for (const int shape : {0, 1, 2}) {
    chart->ClearItems();
    chart->SetLayerRange(1, -1e6, -5, 1e6, 5);
    chart->MoveToPoint(0.0, 0.0);
    std::mt19937 rng(7 + shape);
    std::uniform_real_distribution<double> u(-4, 4);
    for (int i = 1; i <= 3 * 65536 + 1000; ++i) {
      const double x = shape == 2 ? 3.0 : i * 1e-3;
      chart->LineToPoint(x, shape == 1 ? 1.25 : u(rng));
    }
    ExpectEveryVariantPaintsEverySegment(*chart, "shape " + std::to_string(shape));
  }
}

TEST(RenderFastPaths, AppendsAfterAPaintKeepTheSummariesInStep) {
  std::mt19937 rng(1303);
  auto chart = test::MakeSpeedTestChart();
  chart->ClearItems();
  chart->SetLayerRange(1, 0, -40, 40, 40);
  AppendCurve(*chart, rng, 5000, CurveShape{});
  ExpectEveryVariantPaintsEverySegment(*chart, "first paint");
  // Completes the open block and several more, in a new colour and then the old one.
  for (const TColor color : {clGreen, clRed}) {
    chart->SetDataColor(color);
    for (int i = 0; i < 3000; ++i) chart->LineToPoint(10 + i * 1e-3, std::sin(i * 0.01) * 30);
    ExpectEveryVariantPaintsEverySegment(*chart, "after appends");
  }
}

TEST(RenderFastPaths, ChartsSharingTheDataAndLogarithmicAxes) {
  std::mt19937 rng(1304);
  auto owner = test::MakeSpeedTestChart();
  owner->ClearItems();
  AppendCurve(*owner, rng, 40000, CurveShape{});
  auto user = test::MakeSpeedTestChart();
  user->SetUseDataOf(owner.get());
  user->SetLayerRange(1, 10, -30, 40, 30);
  ExpectEveryVariantPaintsEverySegment(*user, "user");
  // A logarithmic axis takes the general mapping; its pixels must not change either.
  user->SetLayerRange(1, 1, -30, 80, 30);
  user->ScaleXProps(1).SetLogarithmic(true);
  ExpectEveryVariantPaintsEverySegment(*user, "logarithmic x");
}

TEST(RenderFastPaths, RenderingIntoAnotherBitmapAtAnOffset) {
  // Blocks are skipped by the pixels the target bitmap has, not the plot's.
  std::mt19937 rng(1305);
  auto chart = test::MakeSpeedTestChart();
  chart->ClearItems();
  chart->SetLayerRange(1, 0, -40, 60, 40);
  AppendCurve(*chart, rng, 30000, CurveShape{});
  Bitmap reference(220, 150), fast(220, 150);
  for (const TPoint offset : {Point(0, 0), Point(-130, 40), Point(90, -60)}) {
    render::StateOf(*chart).Fast = TFastPaths{false, TWalkKernel::Scalar, TFastPaths::kNever};
    render::StateOf(*chart).Path.SetColumnReduction(false);
    reference.Fill(clWhite);
    chart->RenderDataToBitmap(reference, offset.X, offset.Y, false, 0);
    render::StateOf(*chart).Fast = TFastPaths{};
    render::StateOf(*chart).Path.SetColumnReduction(true);
    fast.Fill(clWhite);
    chart->RenderDataToBitmap(fast, offset.X, offset.Y, false, 0);
    EXPECT_EQ(test::DiffPixels(fast, reference), 0) << offset.X << ", " << offset.Y;
    EXPECT_LT(test::CountColor(fast, clWhite), 220 * 150 - 100);  // the curve crosses it
  }
}

}  // namespace
}  // namespace kurvex
