// World-to-pixel and back for one layer: the plot edges, logarithmic axes, the limits.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "chart/model/layer_mapping.h"
#include "common/errors.h"

namespace kurvex {
namespace {

TPlotGeometry Geometry560x385() { return TPlotGeometry{560, 385, 60, 16, 20, 40, 1}; }

TEST(LayerMapping, LinearRangeEndsLandOnThePlotEdges) {
  const TPlotGeometry g = Geometry560x385();
  const TAxisMap x = MakeXAxisMap({0, 100, false}, g);
  const TAxisMap y = MakeYAxisMap({-5, 5, false}, g);
  EXPECT_EQ(x.ToPixel(0), 60);
  EXPECT_EQ(x.ToPixel(100), 543);
  EXPECT_EQ(y.ToPixel(5), 20);
  EXPECT_EQ(y.ToPixel(-5), 344);
  EXPECT_NEAR(x.ToWorld(543), 100.0, 1e-12);
  EXPECT_NEAR(y.ToWorld(20), 5.0, 1e-12);
}

TEST(LayerMapping, ReversedRangeMirrorsTheAxis) {
  const TPlotGeometry g = Geometry560x385();
  const TAxisMap x = MakeXAxisMap({100, 0, false}, g);
  EXPECT_EQ(x.ToPixel(100), 60);
  EXPECT_EQ(x.ToPixel(0), 543);
}

TEST(LayerMapping, RoundsHalvesToEven) {
  // Range 0..10 over 10 pixels from x = 0: value v lands at pixel v exactly, so v + 0.5
  // sits exactly half way.
  const TPlotGeometry g{10, 10, 0, 0, 0, 0, 0};
  const TAxisMap x = MakeXAxisMap({0, 10, false}, g);
  EXPECT_EQ(x.ToPixel(2.5), 2);
  EXPECT_EQ(x.ToPixel(3.5), 4);
  EXPECT_EQ(x.ToPixel(-0.5), 0);
}

TEST(LayerMapping, LogarithmicAxis) {
  const TPlotGeometry g{300, 300, 0, 0, 0, 0, 0};
  const TAxisMap x = MakeXAxisMap({1, 1000, true}, g);
  EXPECT_EQ(x.ToPixel(1), 0);
  EXPECT_EQ(x.ToPixel(10), 100);
  EXPECT_EQ(x.ToPixel(1000), 300);
  EXPECT_NEAR(x.ToWorld(200), 100.0, 1e-9);
  // Values at or below zero sit at the control's left edge (right edge when reversed).
  EXPECT_EQ(x.ToPixel(0), 0);
  EXPECT_EQ(x.ToPixel(-3), 0);
  EXPECT_EQ(MakeXAxisMap({1000, 1, true}, g).ToPixel(0), 300);
  // Vertically they sit at the bottom (top when reversed).
  EXPECT_EQ(MakeYAxisMap({1, 1000, true}, g).ToPixel(-1), 300);
  EXPECT_EQ(MakeYAxisMap({1000, 1, true}, g).ToPixel(-1), 0);
  EXPECT_EQ(MakeYAxisMap({1, 1000, true}, g).ToPixel(10), 200);
}

TEST(LayerMapping, LogarithmicRangeWithNonPositiveEndIsAnError) {
  const TPlotGeometry g = Geometry560x385();
  for (const TAxisRange r : {TAxisRange{0, 10, true}, TAxisRange{1, -1, true}}) {
    try {
      MakeXAxisMap(r, g);
      FAIL() << "no error";
    } catch (const EKPXKurvexError& e) {
      EXPECT_STREQ(e.what(), "Logarithmic axis must not be negative.");
    }
    EXPECT_THROW(MakeYAxisMap(r, g), EKPXKurvexError);
  }
}

TEST(LayerMapping, NoPlotAreaMapsToTheControlCentre) {
  const TPlotGeometry g{100, 60, 60, 40, 30, 30, 0};  // plot width 0, height 0
  EXPECT_EQ(MakeXAxisMap({0, 1, false}, g).ToPixel(123.0), 50);
  EXPECT_EQ(MakeYAxisMap({0, 1, false}, g).ToPixel(-7.0), 30);
  EXPECT_EQ(MakeXAxisMap({0, 1, false}, g).ToWorld(10), 0.0);
}

TEST(LayerMapping, ResultsAreLimitedAndNaNStaysOutside) {
  const TPlotGeometry g = Geometry560x385();
  const TAxisMap x = MakeXAxisMap({0, 1e-10, false}, g);
  EXPECT_EQ(x.ToPixel(1e300), 2147483647);
  EXPECT_EQ(x.ToPixel(-1e300), -2147483647);
  EXPECT_EQ(x.ToPixel(std::numeric_limits<double>::infinity()), 2147483647);
  EXPECT_EQ(x.ToPixel(std::nan("")), -2147483647);
  // Equal range ends (width lost to rounding) do not divide by zero.
  EXPECT_EQ(MakeXAxisMap({1e20, 1e20, false}, g).ToPixel(1e20), 280);
}

TEST(LayerMapping, ClampToDrawable) {
  int x = 40000, y = -5;
  EXPECT_TRUE(ClampToDrawable(x, y));
  EXPECT_EQ(x, 30000);
  EXPECT_EQ(y, -5);
  x = -30000;
  EXPECT_FALSE(ClampToDrawable(x, y));
  x = -2147483647;
  EXPECT_TRUE(ClampToDrawable(x, y));
  EXPECT_EQ(x, -30000);
}

TEST(LayerMapping, BatchEqualsPointByPoint) {
  const TPlotGeometry g = Geometry560x385();
  const TLayerMap map{MakeXAxisMap({0, 100, false}, g), MakeYAxisMap({0.1, 10, true}, g)};
  std::vector<double> xs, ys;
  for (int i = -500; i < 500; ++i) {
    xs.push_back(i * 0.731);
    ys.push_back(i * 0.0137);
  }
  xs.push_back(1e9);
  ys.push_back(-1e9);
  std::vector<TPoint> out(xs.size());
  map.ToCanvasPoints(xs.data(), ys.data(), xs.size(), Point(60, 20), out.data());
  for (std::size_t i = 0; i < xs.size(); ++i) {
    TPoint p = map.ToPixel(xs[i], ys[i]);
    ClampToDrawable(p.X, p.Y);
    ASSERT_EQ(out[i], Point(p.X - 60, p.Y - 20)) << i;
  }
  EXPECT_EQ(out.back().X, 30000 - 60);
}

}  // namespace
}  // namespace kurvex
