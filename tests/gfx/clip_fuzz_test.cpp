// Random drawing with coordinates anywhere in the 32-bit range, random origins, pens and
// clip rectangles: nothing may be written outside the clip rectangle (under the address
// sanitizer this also proves nothing is written outside the bitmap).

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "platform/gfx/canvas.h"

namespace kurvex {
namespace {

class ClipFuzz : public ::testing::Test {
 protected:
  std::mt19937_64 rng{123456789};

  int Any() {
    switch (std::uniform_int_distribution<int>(0, 3)(rng)) {
      case 0: return std::uniform_int_distribution<int>(-20, 60)(rng);
      case 1: return std::uniform_int_distribution<int>(-100000, 100000)(rng);
      case 2: return std::uniform_int_distribution<int>(0, 1) (rng) ? INT32_MAX : INT32_MIN;
      default: return std::uniform_int_distribution<int>(INT32_MIN, INT32_MAX)(rng);
    }
  }
  TPoint AnyPoint() { return Point(Any(), Any()); }
  template <class T>
  T Pick(int count) {
    return static_cast<T>(std::uniform_int_distribution<int>(0, count - 1)(rng));
  }
};

TEST_F(ClipFuzz, NoPrimitiveWritesOutsideTheClipRectangle) {
  Bitmap source(7, 5);
  source.Fill(clBlue);
  for (int iteration = 0; iteration < 3000; ++iteration) {
    Bitmap b(40, 30);
    b.Fill(clWhite);
    TCanvas c(&b);
    const TRect clip = Rect(std::uniform_int_distribution<int>(-5, 20)(rng), std::uniform_int_distribution<int>(-5, 15)(rng),
                            std::uniform_int_distribution<int>(10, 50)(rng), std::uniform_int_distribution<int>(8, 40)(rng));
    c.SetClipRect(clip);
    if (iteration % 2 == 0) c.SetOrigin(Any(), Any());
    c.Pen().SetColor(clBlack);
    c.Pen().SetMode(Pick<TPenMode>(16));
    c.Pen().SetStyle(Pick<TPenStyle>(7));
    const int width_kind = Pick<int>(4);
    c.Pen().SetWidth(width_kind == 0 ? 1 : width_kind == 1 ? 2 : width_kind == 2 ? 7 : Any());
    c.Brush().SetColor(clRed);
    if (Pick<int>(2) == 0) c.Brush().SetStyle(TBrushStyle::bsClear);
    c.SetCopyMode(Pick<TCopyMode>(4));
    const TPoint a = AnyPoint();
    const TPoint p = AnyPoint();
    const TPoint q = AnyPoint();
    const TPoint points[] = {a, p, q, AnyPoint(), Point(a.X, Any())};
    switch (Pick<int>(10)) {
      case 0: c.MoveTo(a.X, a.Y); c.LineTo(p.X, p.Y); break;
      case 1: c.Polyline(points); break;
      case 2: c.Polygon(points); break;
      case 3: c.Rectangle(a.X, a.Y, p.X, p.Y); break;
      case 4: c.Ellipse(a.X, a.Y, p.X, p.Y); break;
      case 5: c.Arc(a.X, a.Y, p.X, p.Y, q.X, q.Y, points[3].X, points[3].Y); break;
      case 6: c.TextOut(a.X % 50, a.Y % 40, "Clip \xC3\x9C"); break;
      case 7: c.TextRect(Rect(a.X, a.Y, p.X, p.Y), q.X % 50, q.Y % 40, "Rect"); break;
      case 8: c.Draw(a.X % 60, a.Y % 60, source); break;
      default: c.StretchDraw(Rect(a.X, a.Y, p.X, p.Y), source); break;
    }
    c.FillRect(Rect(a.X, a.Y, p.X, p.Y));
    c.SetPixel(q.X % 50, q.Y % 40, clGreen);
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 40; ++x) {
        // SetClipRect takes the corners in either order.
        const bool inside = x >= std::min(clip.Left, clip.Right) && x < std::max(clip.Left, clip.Right) &&
                            y >= std::min(clip.Top, clip.Bottom) && y < std::max(clip.Top, clip.Bottom);
        if (!inside) {
          ASSERT_EQ(b.Pixel(x, y), clWhite) << "iteration " << iteration << " at " << x << ", " << y;
        }
      }
    }
  }
}

TEST(NoTarget, EveryOperationIsHarmlessAndTextCanStillBeMeasured) {
  TCanvas c;
  c.MoveTo(0, 0);
  c.LineTo(10, 10);
  const TPoint points[] = {{0, 0}, {5, 5}, {0, 5}};
  c.Polyline(points);
  c.Polygon(points);
  c.Rectangle(0, 0, 5, 5);
  c.Ellipse(0, 0, 5, 5);
  c.Arc(0, 0, 5, 5, 0, 0, 5, 5);
  c.FillRect(Rect(0, 0, 5, 5));
  c.SetPixel(1, 1, clRed);
  c.TextOut(0, 0, "x");
  c.TextRect(Rect(0, 0, 5, 5), 0, 0, "x");
  c.Draw(0, 0, Bitmap(2, 2));
  c.StretchDraw(Rect(0, 0, 5, 5), Bitmap(2, 2));
  EXPECT_EQ(c.Pixel(1, 1), 0u);
  EXPECT_GT(c.TextWidth("abc"), 0);
  EXPECT_GT(c.TextHeight("abc"), 0);
  EXPECT_EQ(c.PenPos(), Point(c.TextWidth("x"), 0));
  // An empty bitmap is just as harmless.
  Bitmap empty;
  c.SetTarget(&empty);
  c.Rectangle(0, 0, 5, 5);
  c.TextOut(0, 0, "x");
  EXPECT_TRUE(empty.Empty());
}

TEST(ResizedTarget, ClipRectangleFollowsTheNewSize) {
  Bitmap b(50, 50);
  TCanvas c(&b);
  c.SetClipRect(Rect(0, 0, 40, 40));
  b.SetSize(10, 10);  // now smaller than the clip rectangle
  c.Brush().SetColor(clRed);
  c.Rectangle(-5, -5, 100, 100);
  EXPECT_EQ(b.Pixel(9, 9), clRed);
}

}  // namespace
}  // namespace kurvex
