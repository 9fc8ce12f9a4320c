// The run reducer takes whole blocks from their summaries: the open column it leaves (and
// so the pixels of a polyline that ends there) must be exactly what walking every point
// leaves, on curves whose blocks end on their extremes, tie with them, or lie off the
// bitmap.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "chart/model/item_store.h"
#include "chart/render/item_loop.h"
#include "chart/render/run_reducer.h"
#include "platform/gfx/canvas.h"
#include "render_test_support.h"

namespace kurvex {
namespace {

struct Reduced {
  TColumnRun column;
  Bitmap bitmap{48, 24};
};

// x pixel = x value, y pixel = +-(y value) + 8 (rounded), canvas of 48 x 24.
TLinearCanvasMap Map(bool y_up) {
  TAxisMap x, y;
  x.SetCoefficients(1, 0);
  y.SetCoefficients(y_up ? -1 : 1, 0);
  return TLinearCanvasMap{TLinearAxis(x), TLinearAxis(y), 0, 8};
}

Reduced Reduce(const TKxItemContainer& items, const TLinearCanvasMap& map, const TFastPaths& fast) {
  Reduced r;
  r.bitmap.Fill(clWhite);
  TCanvas canvas(&r.bitmap);
  TPathBuffer path;
  path.Reset(Point(0, 0));
  path.AppendPathPoint(1, 1, canvas);  // opens the reduced polyline
  TPathSink sink(path, canvas);
  TRunReducer reducer(sink, map, fast, VisibleCanvasPixels(canvas));
  TItemRun run;
  for (auto cursor = items.Runs(); cursor.Next(run);) reducer.Reduce(run, 0);
  r.column = path.OpenColumn();
  path.FlushPath(canvas);
  return r;
}

bool SameColumn(const TColumnRun& a, const TColumnRun& b) {
  return a.X == b.X && a.First == b.First && a.Last == b.Last && a.Low == b.Low && a.High == b.High &&
         a.LowLeft == b.LowLeft && a.HighLeft == b.HighLeft;
}

TEST(RenderRunReducer, WholeBlocksLeaveTheColumnAsEveryPointDoes) {
  std::mt19937 rng(31);
  std::uniform_int_distribution<int> pct(0, 99);
  const std::size_t widths[] = {97, 256, 512, 5000, 70000};  // points per pixel column
  for (int round = 0; round < 600; ++round) {
    TKxItemContainer items;
    const std::uint32_t id = items.InternAttrs(test::MakeItem(ItemKind::LineTo, 0, 0));
    const std::size_t width = widths[pct(rng) % 5];
    // Mostly whole blocks: a wrong flag shows only while the chain still ends on its extreme.
    std::size_t n = 256 + static_cast<std::size_t>(rng() % 20000);
    if (pct(rng) < 80) n -= n % 256;
    const int rows = 1 + pct(rng) % 6;  // few rows: blocks tie with their extremes
    std::vector<double> ys(n);
    int level = 0;
    for (std::size_t i = 0; i < n; ++i) {
      if (pct(rng) < 3) level = pct(rng) % rows;
      ys[i] = 2 + (pct(rng) < 50 ? level : pct(rng) % rows);
      if (pct(rng) == 0) ys[i] = pct(rng) < 50 ? -40 : 40;  // off the bitmap
    }
    // Blocks that end on a new lowest or highest value: reached only at the end (the chain
    // never leaves it), or reached once before as well.
    for (std::size_t b = 0; b + 256 <= n; b += 256) {
      const int r = pct(rng);
      if (r >= 60) continue;
      const double extreme = r % 2 == 0 ? -(pct(rng) % 8) : rows + 3 + pct(rng) % 6;
      const std::size_t tail = 1 + static_cast<std::size_t>(pct(rng) % 12);
      for (std::size_t k = 256 - tail; k < 256; ++k) ys[b + k] = extreme;
      if (r < 20) ys[b + static_cast<std::size_t>(pct(rng)) % (256 - tail)] = extreme;
    }
    const auto x_of = [&](std::size_t i) { return 2.0 + static_cast<double>(i / width % 40); };
    for (std::size_t i = 0; i < n; ++i) items.AppendPoint(id, x_of(i), ys[i], 1000);
    // A block gets its summary at the next append; repeating the last point changes
    // nothing else.
    items.AppendPoint(id, x_of(n - 1), ys[n - 1], 1000);
    for (const bool y_up : {false, true}) {
      const TLinearCanvasMap map = Map(y_up);
      const Reduced walked = Reduce(items, map, TFastPaths{false, TWalkKernel::Scalar});
      const Reduced taken = Reduce(items, map, TFastPaths{true, TWalkKernel::Scalar});
      ASSERT_TRUE(SameColumn(taken.column, walked.column)) << "round " << round << (y_up ? ", y up" : "");
      ASSERT_EQ(test::DiffPixels(taken.bitmap, walked.bitmap), 0) << "round " << round;
    }
  }
}

// A polyline of several chunks drawn through the item context, once on one thread and once
// in two halves with the second on the render worker.
struct Drawn {
  TColumnRun column;
  Bitmap bitmap;
};

Drawn DrawPolyline(const TKxItemContainer& items, std::size_t second_core_from) {
  test::ItemCanvas plot;
  plot.state.Fast = TFastPaths{true, BestWalkKernel(), second_core_from};
  std::vector<TItemRun> runs;
  TItemRun run;
  for (auto cursor = items.Runs(); cursor.Next(run);) runs.push_back(run);
  DrawLineToRuns(plot.ctx, runs, plot.texts, false);
  Drawn d{plot.state.Path.OpenColumn(), Bitmap()};
  plot.Flush();
  d.bitmap = plot.bitmap;
  return d;
}

TEST(RenderRunReducer, TwoHalvesOnTwoThreadsJoinAsOne) {
  std::mt19937 rng(32);
  std::uniform_int_distribution<int> pct(0, 99);
  for (int round = 0; round < 40; ++round) {
    TKxItemContainer items;
    const std::uint32_t id = items.InternAttrs(test::MakeItem(ItemKind::LineTo, 0, 0));
    // 2 to 5 chunks over a few columns (0.5 world units a column), y on a few rows, so
    // that the halves meet inside a column and tie with its extremes.
    const std::size_t n = 2 * TKxItemContainer::kChunkSize + rng() % (3 * TKxItemContainer::kChunkSize);
    const std::size_t width = 1 + rng() % 200000;
    for (std::size_t i = 0; i < n; ++i) {
      const double y = 40 + (pct(rng) < 95 ? pct(rng) % 3 : pct(rng) % 20) * 0.5;
      items.AppendPoint(id, 50 + static_cast<double>(i / width) * 0.5, y, 1000);
    }
    const Drawn one = DrawPolyline(items, TFastPaths::kNever);
    const Drawn two = DrawPolyline(items, 0);
    ASSERT_TRUE(SameColumn(two.column, one.column)) << "round " << round;
    ASSERT_EQ(test::DiffPixels(two.bitmap, one.bitmap), 0) << "round " << round;
  }
}

}  // namespace
}  // namespace kurvex
