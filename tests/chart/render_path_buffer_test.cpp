// The path buffer: 200-point batches joined without gaps, flushes, and the column
// reduction checked against drawing every segment on random curves.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "chart/render/path_buffer.h"
#include "platform/gfx/canvas.h"
#include "render_test_support.h"

namespace kurvex {
namespace {

// One step of a test curve: a point, optionally starting a new polyline there or changing
// the pen colour before the segment that ends at it.
struct Step {
  TPoint p;
  bool new_polyline = false;
  TColor color = clBlack;
};

// Draws the curve through the path buffer, flushing where the renderer would.
void DrawBuffered(TCanvas& canvas, TPathBuffer& path, const std::vector<Step>& steps) {
  path.Reset(steps[0].p);
  canvas.MoveTo(steps[0].p.X, steps[0].p.Y);
  canvas.Pen().SetColor(steps[0].color);
  for (std::size_t i = 1; i < steps.size(); ++i) {
    const Step& s = steps[i];
    if (s.new_polyline) {
      path.FlushPath(canvas);
      path.CurrentPoint = s.p;
      canvas.MoveTo(s.p.X, s.p.Y);
      continue;
    }
    if (s.color != canvas.Pen().Color()) {
      path.FlushPath(canvas);
      canvas.Pen().SetColor(s.color);
    }
    path.AppendPathPoint(s.p.X, s.p.Y, canvas);
  }
  path.FlushPath(canvas);
}

// The reference: every segment with its own LineTo.
void DrawEverySegment(TCanvas& canvas, const std::vector<Step>& steps) {
  canvas.MoveTo(steps[0].p.X, steps[0].p.Y);
  canvas.Pen().SetColor(steps[0].color);
  for (std::size_t i = 1; i < steps.size(); ++i) {
    const Step& s = steps[i];
    if (s.new_polyline) {
      canvas.MoveTo(s.p.X, s.p.Y);
      continue;
    }
    canvas.Pen().SetColor(s.color);
    canvas.LineTo(s.p.X, s.p.Y);
  }
}

// Curves that stay in columns for long runs: x moves rarely and by one, y jumps, reverses,
// stays flat, and now and then runs far outside the bitmap or to the drawable limits.
std::vector<Step> RandomCurve(std::mt19937& rng, int n, int width, int height) {
  std::uniform_int_distribution<int> pct(0, 99);
  std::uniform_int_distribution<int> col(-3, width + 3);
  std::uniform_int_distribution<int> row(-3, height + 3);
  const TColor colors[] = {clBlack, clRed, clBlue, clGreen};
  std::vector<Step> steps;
  TPoint p = Point(col(rng), row(rng));
  TColor color = clBlack;
  steps.push_back({p, false, color});
  for (int i = 1; i < n; ++i) {
    Step s;
    const int r = pct(rng);
    if (r < 20) p.X += pct(rng) < 50 ? 1 : -1;
    else if (r < 23) p.X = col(rng);
    if (pct(rng) < 70) p.Y = row(rng);           // jumps and reversals
    else if (pct(rng) < 50) p.Y += pct(rng) % 3 - 1;  // small steps and flat runs
    if (pct(rng) < 2) p = Point(pct(rng) < 50 ? -30000 : 30000, pct(rng) < 50 ? -30000 : row(rng));
    if (pct(rng) < 3) color = colors[pct(rng) % 4];
    s.p = p;
    s.color = color;
    s.new_polyline = pct(rng) < 2;
    steps.push_back(s);
  }
  return steps;
}

TEST(RenderPathBuffer, ColumnReductionPaintsExactlyWhatEverySegmentPaints) {
  std::mt19937 rng(20240611);
  for (int round = 0; round < 400; ++round) {
    const int n = 2 + static_cast<int>(rng() % 700);
    const std::vector<Step> steps = RandomCurve(rng, n, 40, 30);
    Bitmap reduced(40, 30), reference(40, 30);
    reduced.Fill(clWhite);
    reference.Fill(clWhite);
    TCanvas a(&reduced), b(&reference);
    TPathBuffer path;
    DrawBuffered(a, path, steps);
    DrawEverySegment(b, steps);
    ASSERT_EQ(test::DiffPixels(reduced, reference), 0) << "round " << round << ", " << n << " points";
  }
}

TEST(RenderPathBuffer, ReductionKeepsTheEndPointRule) {
  // A column chain whose last point is a new extreme ends the polyline: it stays unpainted.
  // When the same pixel was visited earlier by a point that is not the last, it is painted.
  for (const bool visited_before : {false, true}) {
    Bitmap bitmap(10, 20);
    bitmap.Fill(clWhite);
    TCanvas canvas(&bitmap);
    TPathBuffer path;
    path.Reset(Point(4, 5));
    std::vector<int> ys = {9, 7, 8};
    if (visited_before) ys = {12, 7, 8, 12};
    else ys.push_back(12);
    for (const int y : ys) path.AppendPathPoint(4, y, canvas);
    path.FlushPath(canvas);
    EXPECT_EQ(bitmap.Pixel(4, 12), visited_before ? clBlack : clWhite);
    EXPECT_EQ(bitmap.Pixel(4, 11), clBlack);
    EXPECT_EQ(bitmap.Pixel(4, 5), clBlack);
    EXPECT_EQ(bitmap.Pixel(4, 4), clWhite);
  }
}

TEST(RenderPathBuffer, AThousandPointsMakeSixPolylinesJoinedWithoutGaps) {
  // One point per column: nothing to reduce, so the batches are those of the plain buffer.
  std::vector<Step> steps;
  for (int i = 0; i <= 1000; ++i) steps.push_back({Point(5 + i, 10 + (i * 7) % 23), false, clBlack});
  for (const bool reduction : {true, false}) {
    Bitmap drawn(1100, 40), reference(1100, 40);
    drawn.Fill(clWhite);
    reference.Fill(clWhite);
    TCanvas a(&drawn), b(&reference);
    TPathBuffer path;
    path.SetColumnReduction(reduction);
    DrawBuffered(a, path, steps);
    DrawEverySegment(b, steps);
    EXPECT_EQ(path.PolylineCalls(), 6u);
    EXPECT_EQ(path.PolylinePoints(), 1000u + 6u);  // each batch repeats the point it starts at
    EXPECT_EQ(test::DiffPixels(drawn, reference), 0);
    EXPECT_EQ(path.CurrentPoint, steps.back().p);
    EXPECT_EQ(a.PenPos(), steps.back().p);
  }
}

TEST(RenderPathBuffer, StyledWideAndXorPensDrawEverySegment) {
  std::mt19937 rng(7);
  for (int variant = 0; variant < 3; ++variant) {
    for (int round = 0; round < 40; ++round) {
      std::vector<Step> steps = RandomCurve(rng, 300, 40, 30);
      Bitmap drawn(40, 30), reference(40, 30);
      drawn.Fill(clWhite);
      reference.Fill(clWhite);
      TCanvas a(&drawn), b(&reference);
      for (TCanvas* c : {&a, &b}) {
        if (variant == 0) c->Pen().SetStyle(TPenStyle::psDot);
        if (variant == 1) c->Pen().SetWidth(3);
        if (variant == 2) c->Pen().SetMode(TPenMode::pmXor);
      }
      // The reference draws the same batches without reduction; XOR and styled pens are
      // not split-invariant, so only an unreduced buffer can match it.
      TPathBuffer path, plain;
      plain.SetColumnReduction(false);
      DrawBuffered(a, path, steps);
      DrawBuffered(b, plain, steps);
      ASSERT_EQ(test::DiffPixels(drawn, reference), 0) << "variant " << variant << ", round " << round;
    }
  }
}

TEST(RenderPathBuffer, FlushWithoutPointsDoesNothing) {
  Bitmap bitmap(10, 10);
  TCanvas canvas(&bitmap);
  canvas.MoveTo(3, 3);
  TPathBuffer path;
  path.Reset(Point(7, 7));
  path.FlushPath(canvas);
  EXPECT_EQ(path.PolylineCalls(), 0u);
  EXPECT_EQ(canvas.PenPos(), Point(3, 3));
  EXPECT_EQ(path.CurrentPoint, Point(7, 7));
  EXPECT_FALSE(path.Pending());
}

}  // namespace
}  // namespace kurvex
