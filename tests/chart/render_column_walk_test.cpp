// The per-point kernels: groups of 4 (SSE2) or 8 (AVX2) points folded into the open column
// must leave it exactly as adding the points one by one does (extremes, last point and the
// flags that decide whether a chain's last pixel is painted) and paint the same pixels.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "chart/render/column_walk.h"
#include "platform/gfx/canvas.h"
#include "render_test_support.h"

namespace kurvex {
namespace {

struct Walked {
  TColumnRun column;
  Bitmap bitmap{16, 16};
};

bool SameColumn(const TColumnRun& a, const TColumnRun& b) {
  return a.X == b.X && a.First == b.First && a.Last == b.Last && a.Low == b.Low && a.High == b.High &&
         a.LowLeft == b.LowLeft && a.HighLeft == b.HighLeft;
}

// Identity mapping shifted by (1, 2): canvas pixel = round(value) + shift.
TLinearCanvasMap ShiftMap() {
  TAxisMap identity;
  identity.SetCoefficients(1, 0);
  return TLinearCanvasMap{TLinearAxis(identity), TLinearAxis(identity), 1, 2};
}

Walked Walk(TWalkKernel kernel, TPoint start, const std::vector<double>& xs, const std::vector<double>& ys) {
  Walked w;
  w.bitmap.Fill(clWhite);
  TCanvas canvas(&w.bitmap);
  TPathBuffer path;
  path.Reset(start);
  path.AppendPathPoint(start.X, start.Y + 1, canvas);  // opens the reduced polyline
  TPathSink sink(path, canvas);
  WalkPoints(kernel, sink, ShiftMap(), xs.data(), ys.data(), xs.size());
  w.column = path.OpenColumn();
  path.FlushPath(canvas);
  return w;
}

// Few columns and few rows, so that points share columns and extremes repeat; pixel
// halves, NaN (lower drawable limit) and values far off.
double RandomValue(std::mt19937& rng, int base) {
  std::uniform_int_distribution<int> pct(0, 99);
  const int r = pct(rng);
  if (r < 2) return std::nan("");
  if (r < 4) return r == 2 ? 1e9 : -1e9;
  if (r < 14) return base + pct(rng) % 5 + 0.5;
  return base + pct(rng) % 5;
}

TEST(RenderColumnWalk, ASpanAddsAsItsPointsWheneverItSaysItCan) {
  // A block taken whole from its summary adds its lowest, highest and last y; where the
  // column allows that, the result must equal adding every point, and a later point that
  // returns to an extreme must find the same flags.
  std::mt19937 rng(77);
  std::uniform_int_distribution<int> value(0, 6);
  int taken = 0;
  for (int round = 0; round < 20000; ++round) {
    TColumnRun before;
    before.Open(Point(3, value(rng)));
    for (int k = value(rng); k > 0; --k) before.Add(value(rng));
    std::vector<int> chain(1 + value(rng) % 5);
    for (int& y : chain) y = value(rng);
    const auto [lo, hi] = std::minmax_element(chain.begin(), chain.end());
    if (!before.CanAddSpan(*lo, *hi, chain.back())) continue;
    ++taken;
    TColumnRun one_by_one = before, span = before;
    for (const int y : chain) one_by_one.Add(y);
    span.AddSpan(*lo, *hi, chain.back());
    ASSERT_TRUE(SameColumn(span, one_by_one)) << "round " << round;
    const int again = value(rng);
    one_by_one.Add(again);
    span.Add(again);
    ASSERT_TRUE(SameColumn(span, one_by_one)) << "round " << round;
  }
  EXPECT_GT(taken, 5000);
}

TEST(RenderColumnWalk, AColumnContinuedByAnotherEqualsAddingAllItsPoints) {
  // The render worker reduces the second half of a polyline on its own; where both halves
  // meet in one pixel column, the two column states are joined.
  std::mt19937 rng(78);
  std::uniform_int_distribution<int> value(0, 5);
  for (int round = 0; round < 20000; ++round) {
    std::vector<int> a(1 + value(rng)), b(1 + value(rng));
    for (int& y : a) y = value(rng);
    for (int& y : b) y = value(rng);
    TColumnRun whole, first, second;
    whole.Open(Point(2, a[0]));
    first.Open(Point(2, a[0]));
    for (std::size_t k = 1; k < a.size(); ++k) {
      whole.Add(a[k]);
      first.Add(a[k]);
    }
    second.Open(Point(2, b[0]));
    whole.Add(b[0]);
    for (std::size_t k = 1; k < b.size(); ++k) {
      whole.Add(b[k]);
      second.Add(b[k]);
    }
    first.Append(second);
    ASSERT_TRUE(SameColumn(first, whole)) << "round " << round;
  }
}

TEST(RenderColumnWalk, KernelsFoldGroupsExactlyAsPointByPoint) {
  std::mt19937 rng(4242);
  std::uniform_int_distribution<int> pct(0, 99);
  for (int round = 0; round < 4000; ++round) {
    const int n = pct(rng) % 40;
    std::vector<double> xs, ys;
    // Long stretches in one column, so that whole groups fold.
    int column = 4 + pct(rng) % 3;
    for (int i = 0; i < n; ++i) {
      if (pct(rng) < 8) column = 4 + pct(rng) % 3;
      xs.push_back(pct(rng) < 3 ? RandomValue(rng, column) : column);
      ys.push_back(RandomValue(rng, 5));
    }
    const TPoint start = Point(5, 5 + pct(rng) % 5);
    const Walked scalar = Walk(TWalkKernel::Scalar, start, xs, ys);
    for (const TWalkKernel kernel : {TWalkKernel::Sse2, TWalkKernel::Avx2}) {
      const Walked simd = Walk(kernel, start, xs, ys);
      ASSERT_TRUE(SameColumn(simd.column, scalar.column)) << "round " << round << ", kernel " << int(kernel);
      ASSERT_EQ(test::DiffPixels(simd.bitmap, scalar.bitmap), 0) << "round " << round << ", kernel " << int(kernel);
    }
    // And the scalar walk paints what every segment paints.
    Bitmap reference(16, 16);
    reference.Fill(clWhite);
    TCanvas canvas(&reference);
    canvas.MoveTo(start.X, start.Y);
    canvas.LineTo(start.X, start.Y + 1);
    const TLinearCanvasMap map = ShiftMap();
    for (int i = 0; i < n; ++i) canvas.LineTo(map.CanvasX(xs[i]), map.CanvasY(ys[i]));
    ASSERT_EQ(test::DiffPixels(scalar.bitmap, reference), 0) << "round " << round;
  }
}

}  // namespace
}  // namespace kurvex
