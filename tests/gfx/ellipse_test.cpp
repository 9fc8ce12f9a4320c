// Ellipse shape, the order in which styled pens count along ellipse outlines, and arcs.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "pixel_helpers.h"
#include "platform/gfx/canvas.h"

namespace kurvex {
namespace {

// Per row from the top: the first and last painted x ("none" for an empty row).
std::string Footprint(const Bitmap& b) {
  std::string out;
  for (int y = 0; y < b.Height(); ++y) {
    int first = -1, last = -1;
    for (int x = 0; x < b.Width(); ++x) {
      if (b.Pixel(x, y) == clWhite) continue;
      if (first < 0) first = x;
      last = x;
    }
    if (!out.empty()) out += ' ';
    out += first < 0 ? "none" : std::to_string(first) + "-" + std::to_string(last);
  }
  return out;
}

Bitmap FilledEllipse(int w, int h) {
  Bitmap b(w, h);
  TCanvas c(&b);
  c.Brush().SetColor(clBlue);
  c.Ellipse(0, 0, w, h);
  return b;
}

struct FootprintCase {
  int w, h;
  const char* rows;
};

// Filled ellipses with a 1-pixel pen, box (0, 0, w, h). The 1 x 1, 3 x 25 and 8 x 40 rows
// differ from what some devices draw (nothing, or rows missing at both ends): an ellipse
// always reaches all four sides of its box.
const FootprintCase kFootprints[] = {
    {1, 1, "0-0"},
    {2, 2, "0-1 0-1"},
    {3, 3, "1-1 0-2 1-1"},
    {3, 25, "1-1 1-1 1-1 1-1 0-2 0-2 0-2 0-2 0-2 0-2 0-2 0-2 0-2 0-2 0-2 0-2 0-2 0-2 0-2 0-2 0-2 1-1 1-1 1-1 1-1"},
    {4, 4, "1-2 0-3 0-3 1-2"},
    {5, 5, "1-3 0-4 0-4 0-4 1-3"},
    {6, 6, "2-3 1-4 0-5 0-5 1-4 2-3"},
    {6, 10, "2-3 1-4 0-5 0-5 0-5 0-5 0-5 0-5 1-4 2-3"},
    {7, 7, "2-4 1-5 0-6 0-6 0-6 1-5 2-4"},
    {7, 12, "2-4 1-5 1-5 0-6 0-6 0-6 0-6 0-6 0-6 1-5 1-5 2-4"},
    {8, 8, "2-5 1-6 0-7 0-7 0-7 0-7 1-6 2-5"},
    {8, 40, "3-4 3-4 2-5 2-5 1-6 1-6 1-6 1-6 1-6 1-6 0-7 0-7 0-7 0-7 0-7 0-7 0-7 0-7 0-7 0-7 0-7 0-7 0-7 0-7 0-7 0-7 "
            "0-7 0-7 0-7 0-7 1-6 1-6 1-6 1-6 1-6 1-6 2-5 2-5 3-4 3-4"},
    {9, 9, "3-5 1-7 1-7 0-8 0-8 0-8 1-7 1-7 3-5"},
    {9, 15, "3-5 2-6 1-7 1-7 0-8 0-8 0-8 0-8 0-8 0-8 0-8 1-7 1-7 2-6 3-5"},
    {10, 6, "2-7 1-8 0-9 0-9 1-8 2-7"},
    {10, 10, "3-6 2-7 1-8 0-9 0-9 0-9 0-9 1-8 2-7 3-6"},
    {11, 11, "3-7 2-8 1-9 0-10 0-10 0-10 0-10 0-10 1-9 2-8 3-7"},
    {12, 7, "3-8 1-10 0-11 0-11 0-11 1-10 3-8"},
    {12, 12, "4-7 2-9 1-10 1-10 0-11 0-11 0-11 0-11 1-10 1-10 2-9 4-7"},
    {13, 13, "4-8 3-9 2-10 1-11 0-12 0-12 0-12 0-12 0-12 1-11 2-10 3-9 4-8"},
    {14, 14, "5-8 3-10 2-11 1-12 1-12 0-13 0-13 0-13 0-13 1-12 1-12 2-11 3-10 5-8"},
    {15, 9, "4-10 2-12 1-13 0-14 0-14 0-14 1-13 2-12 4-10"},
    {15, 15, "5-9 3-11 2-12 1-13 1-13 0-14 0-14 0-14 0-14 0-14 1-13 1-13 2-12 3-11 5-9"},
    {16, 16, "5-10 4-11 2-13 2-13 1-14 0-15 0-15 0-15 0-15 0-15 0-15 1-14 2-13 2-13 4-11 5-10"},
    {17, 17, "6-10 4-12 3-13 2-14 1-15 1-15 0-16 0-16 0-16 0-16 0-16 1-15 1-15 2-14 3-13 4-12 6-10"},
    {18, 18, "6-11 4-13 3-14 2-15 1-16 1-16 0-17 0-17 0-17 0-17 0-17 0-17 1-16 1-16 2-15 3-14 4-13 6-11"},
    {19, 19, "7-11 5-13 3-15 2-16 2-16 1-17 1-17 0-18 0-18 0-18 0-18 0-18 1-17 1-17 2-16 2-16 3-15 5-13 7-11"},
    {20, 20, "7-12 5-14 4-15 3-16 2-17 1-18 1-18 0-19 0-19 0-19 0-19 0-19 0-19 1-18 1-18 2-17 3-16 4-15 5-14 7-12"},
    {20, 30, "8-11 6-13 5-14 4-15 3-16 2-17 2-17 1-18 1-18 1-18 0-19 0-19 0-19 0-19 0-19 0-19 0-19 0-19 0-19 0-19 "
             "1-18 1-18 1-18 2-17 2-17 3-16 4-15 5-14 6-13 8-11"},
    {25, 3, "4-20 0-24 4-20"},
    {30, 20, "10-19 7-22 5-24 4-25 3-26 2-27 1-28 1-28 0-29 0-29 0-29 0-29 1-28 1-28 2-27 3-26 4-25 5-24 7-22 10-19"},
    {40, 8, "10-29 4-35 2-37 0-39 0-39 2-37 4-35 10-29"},
};

TEST(EllipseShape, FootprintsOfFilledEllipses) {
  for (const FootprintCase& f : kFootprints) {
    EXPECT_EQ(Footprint(FilledEllipse(f.w, f.h)), f.rows) << f.w << " x " << f.h;
  }
}

// Every small ellipse reaches all four sides of its box, is mirror-symmetric both ways and
// is the transpose of the ellipse of the transposed box; its outline is one closed
// 8-connected curve and the brush fills exactly what the outline encloses.
TEST(EllipseShape, EverySmallEllipseTouchesItsBoxSymmetrically) {
  for (int w = 1; w <= 24; ++w) {
    for (int h = 1; h <= 24; ++h) {
      const Bitmap b = FilledEllipse(w, h);
      const Bitmap t = FilledEllipse(h, w);
      bool left = false, right = false, top = false, bottom = false;
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          const TColor c = b.Pixel(x, y);
          ASSERT_EQ(c, b.Pixel(w - 1 - x, y)) << w << " x " << h << " at " << x << ", " << y;
          ASSERT_EQ(c, b.Pixel(x, h - 1 - y)) << w << " x " << h << " at " << x << ", " << y;
          ASSERT_EQ(c, t.Pixel(y, x)) << w << " x " << h << " at " << x << ", " << y;
          if (c == clWhite) continue;
          left |= x == 0;
          right |= x == w - 1;
          top |= y == 0;
          bottom |= y == h - 1;
          if (c == clBlue) {
            // A brush pixel has pen or brush all around it.
            for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
              ASSERT_NE(b.Pixel(x + dx, y + dy), clWhite) << w << " x " << h << " at " << x << ", " << y;
            }
          }
        }
      }
      EXPECT_TRUE(left && right && top && bottom) << w << " x " << h;
    }
  }
}

TEST(EllipseShape, ThinEllipsesReachBothEndsOfTheirBox) {
  Bitmap b(12, 40);
  TCanvas c(&b);
  c.Brush().SetColor(clBlue);
  c.Ellipse(5, 4, 7, 35);
  for (int y = 0; y < 40; ++y) {
    const bool inside = y >= 4 && y <= 34;
    EXPECT_EQ(b.Pixel(5, y), inside ? clBlack : clWhite) << y;
    EXPECT_EQ(b.Pixel(6, y), inside ? clBlack : clWhite) << y;
  }
  EXPECT_EQ(Footprint(FilledEllipse(34, 3)), "5-28 0-33 5-28");
  EXPECT_EQ(Footprint(FilledEllipse(2, 9)), "0-1 0-1 0-1 0-1 0-1 0-1 0-1 0-1 0-1");
  EXPECT_EQ(Footprint(FilledEllipse(1, 5)), "0-0 0-0 0-0 0-0 0-0");
}

// The outline pixels of an ellipse, in the order of the directions of their centres seen
// from the centre of the box, counter-clockwise on the screen from the east. Pixels in the
// same direction (on thin parts, where the curve runs out along an axis and back) come in
// the order of the trace: outwards from the centre, except eastwards, where the trace
// starts at the far end.
std::vector<std::pair<int, int>> OutlineByDirection(const Bitmap& outline, int x1, int y1, int x2, int y2) {
  struct Entry {
    double angle;
    long distance;
    std::pair<int, int> pixel;
  };
  std::vector<Entry> sorted;
  for (const auto& [x, y] : testing_px::PaintedPixels(outline, clWhite)) {
    const long dx = 2 * x - (x1 + x2 - 1), dy = 2 * y - (y1 + y2 - 1);
    double angle = std::atan2(-static_cast<double>(dy), static_cast<double>(dx));
    if (angle < 0) angle += 2 * std::numbers::pi;
    sorted.push_back({angle, angle == 0 ? -(dx * dx + dy * dy) : dx * dx + dy * dy, {x, y}});
  }
  std::sort(sorted.begin(), sorted.end(), [](const Entry& a, const Entry& b) {
    return a.angle != b.angle ? a.angle < b.angle : a.distance < b.distance;
  });
  std::vector<std::pair<int, int>> out;
  for (const Entry& e : sorted) out.push_back(e.pixel);
  return out;
}

const bool kDashBits[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0};
const bool kDotBits[] = {1, 1, 1, 0, 0, 0};
const bool kDashDotBits[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0};
const bool kDashDotDotBits[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0, 1, 1, 1, 0, 0, 0};

struct StyleCase {
  TPenStyle style;
  const bool* bits;
  int length;
};
const StyleCase kStyles[] = {{TPenStyle::psDash, kDashBits, 24},
                             {TPenStyle::psDot, kDotBits, 6},
                             {TPenStyle::psDashDot, kDashDotBits, 24},
                             {TPenStyle::psDashDotDot, kDashDotDotBits, 24}};

// Draws the styled outline of the ellipse (x1, y1, x2, y2) through a window of the given
// bitmap placed at `window` (gaps in red), and checks every pixel against the pattern
// counted along the outline in direction order.
void ExpectStyledEllipse(int x1, int y1, int x2, int y2, TPoint window, int window_w, int window_h) {
  Bitmap outline(x2 + 1, y2 + 1);
  TCanvas o(&outline);
  o.Brush().SetStyle(TBrushStyle::bsClear);
  o.Ellipse(x1, y1, x2, y2);
  const auto order = OutlineByDirection(outline, x1, y1, x2, y2);
  for (const StyleCase& style : kStyles) {
    Bitmap b(window_w, window_h);
    TCanvas c(&b);
    c.SetOrigin(-window.X, -window.Y);
    c.Pen().SetStyle(style.style);
    c.Brush().SetColor(clRed);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Ellipse(x1, y1, x2, y2);
    Bitmap expected(window_w, window_h);
    for (std::size_t i = 0; i < order.size(); ++i) {
      const int x = order[i].first - window.X, y = order[i].second - window.Y;
      if (x >= 0 && y >= 0 && x < window_w && y < window_h && style.bits[i % style.length]) {
        expected.SetPixel(x, y, clBlack);
      }
    }
    std::string first;
    ASSERT_EQ(testing_px::CountDifferences(b, expected, &first), 0)
        << "ellipse " << x1 << ", " << y1 << ", " << x2 << ", " << y2 << " style " << static_cast<int>(style.style)
        << " first difference at " << first;
  }
}

TEST(StyledEllipse, PatternsCountAlongTheOutlineFromTheEast) {
  for (int w = 1; w <= 30; ++w) {
    for (int h = 1; h <= 30; h += 1 + w % 3) ExpectStyledEllipse(1, 1, 1 + w, 1 + h, Point(0, 0), w + 2, h + 2);
  }
}

TEST(StyledEllipse, ClippedPartsOfLargeEllipsesKeepTheirPhase) {
  ExpectStyledEllipse(3, 2, 1203, 803, Point(100, 0), 60, 50);   // the flat top
  ExpectStyledEllipse(3, 2, 1203, 803, Point(1150, 380), 60, 50);  // the steep side
  ExpectStyledEllipse(3, 2, 1203, 803, Point(950, 680), 90, 90);   // around 45 degrees
  ExpectStyledEllipse(5, 5, 406, 1650, Point(0, 1200), 300, 400);  // tall, lower left
}

TEST(Arc, LeavesOutItsEndPixel) {
  Bitmap b(10, 10);
  TCanvas c(&b);
  c.Arc(0, 0, 7, 7, 100, 3, 3, -100);  // east to north on a 7 x 7 circle
  EXPECT_EQ(testing_px::Picture(b, 0, 0, 7, 7, clBlack),
            "....#..\n"
            ".....#.\n"
            "......#\n"
            "......#\n"
            ".......\n"
            ".......\n"
            ".......\n");
}

// Styled arcs start their pattern at their first pixel; an arc and the arc that continues
// it from its end direction share no pixel and together make the whole outline.
TEST(Arc, StyledArcsStartTheirPatternAtTheStartDirection) {
  const int x1 = 3, y1 = 4, x2 = 64, y2 = 41;
  Bitmap outline(70, 50);
  TCanvas o(&outline);
  o.Brush().SetStyle(TBrushStyle::bsClear);
  o.Ellipse(x1, y1, x2, y2);
  const auto order = OutlineByDirection(outline, x1, y1, x2, y2);
  const TPoint from = Point(10, 45), to = Point(65, 5);  // lower left round to upper right
  const double cx = (x1 + x2 - 1) / 2.0, cy = (y1 + y2 - 1) / 2.0;
  const auto direction = [&](double x, double y) {
    const double a = std::atan2(-(y - cy), x - cx);
    return a < 0 ? a + 2 * std::numbers::pi : a;
  };
  const double start = direction(from.X, from.Y), end = direction(to.X, to.Y);
  for (const StyleCase& style : kStyles) {
    Bitmap b(70, 50);
    TCanvas c(&b);
    c.Pen().SetStyle(style.style);
    c.Brush().SetColor(clRed);
    c.Arc(x1, y1, x2, y2, from.X, from.Y, to.X, to.Y);
    Bitmap expected(70, 50);
    const auto in_arc = [&](double a) { return start < end ? a >= start && a < end : a >= start || a < end; };
    std::size_t start_at = 0;
    while (start_at < order.size() && direction(order[start_at].first, order[start_at].second) < start) ++start_at;
    int step = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
      const auto [x, y] = order[(start_at + i) % order.size()];
      if (!in_arc(direction(x, y))) break;
      expected.SetPixel(x, y, style.bits[step++ % style.length] ? clBlack : clRed);
    }
    EXPECT_GT(step, 50);
    std::string first;
    EXPECT_EQ(testing_px::CountDifferences(b, expected, &first), 0) << "style " << static_cast<int>(style.style)
                                                                      << " first difference at " << first;
  }
  Bitmap parts(70, 50);
  TCanvas p(&parts);
  p.Pen().SetMode(TPenMode::pmXor);
  p.Pen().SetColor(clWhite);
  p.Arc(x1, y1, x2, y2, from.X, from.Y, to.X, to.Y);
  p.Arc(x1, y1, x2, y2, to.X, to.Y, from.X, from.Y);
  Bitmap inverted = outline;
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 70; ++x) inverted.SetPixel(x, y, outline.Pixel(x, y) == clBlack ? clBlack : clWhite);
  }
  EXPECT_EQ(testing_px::CountDifferences(parts, inverted), 0);
}

}  // namespace
}  // namespace kurvex
