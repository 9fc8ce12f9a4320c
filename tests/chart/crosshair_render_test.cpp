// The crosshairs as the paint draws them over the chart: the parts that are drawn, the
// half-width rule at the plot's edges, the order (crosshair 1 on top), dash gaps in the
// chart colour, the two box figures, and the same picture through the plot-only refresh.

#include "gesture_test_support.h"
#include "render_test_support.h"

namespace kurvex {
namespace {

using test::GestureTest;

class CrossHairTest : public GestureTest {
 protected:
  void SetUp() override {
    GestureTest::SetUp();
    chart->SetChartColor(clWhite);
    chart->SetAutoRedraw(false);
  }
  // Places crosshair n at control pixel (x, y) of its layer.
  TCrossHair& Place(int n, TCrossHMode mode, int x, int y, TColor color = clRed) {
    TCrossHair& c = chart->CrossHair(n);
    double wx, wy;
    chart->PixelToWorld(c.Layer(), x, y, wx, wy);
    c.SetPosX(wx);
    c.SetPosY(wy);
    c.SetMode(mode);
    c.SetColor(color);
    c.SetLineType(TPenStyle::psSolid);
    return c;
  }
  TColor At(int x, int y) { return Screen().Pixel(x, y); }
};

TEST_F(CrossHairTest, LinesSpanThePlotAndAPartOutsideIsLeftOut) {
  Place(1, TCrossHMode::chBoth, 200, 100);
  chart->Paint();
  EXPECT_EQ(At(51, 100), clRed) << "the horizontal line starts one pixel inside the frame";
  EXPECT_EQ(At(549, 100), clRed);
  EXPECT_NE(At(550, 100), clRed) << "its end pixel is left out";
  EXPECT_EQ(At(200, 21), clRed);
  EXPECT_EQ(At(200, 359), clRed);
  // Left of the x range: only the horizontal line.
  chart->CrossHair(1).SetPosX(-1);
  chart->Paint();
  EXPECT_EQ(At(300, 100), clRed);
  EXPECT_EQ(At(200, 200), clWhite);
}

TEST_F(CrossHairTest, AWidePenKeepsHalfItsWidthOffTheEdges) {
  TCrossHair& c = Place(1, TCrossHMode::chHoriz, 200, 22);  // MarginTop + 2
  c.SetLineWid(5);
  chart->Paint();
  EXPECT_EQ(test::CountColor(Screen(), clRed), 0);
  Place(1, TCrossHMode::chHoriz, 200, 23);  // MarginTop + 3
  chart->Paint();
  EXPECT_EQ(At(53, 23), clRed) << "drawn from MarginLeft + 3";
  EXPECT_EQ(At(300, 25), clRed) << "five pixels wide";
  EXPECT_EQ(At(300, 26), clWhite);
}

TEST_F(CrossHairTest, CrossHairOneIsOnTopAndLayersAreClamped) {
  chart->CrossHair(2).SetLayer(1);
  Place(2, TCrossHMode::chHoriz, 200, 150, clBlue);
  Place(1, TCrossHMode::chHoriz, 200, 150, clRed);
  chart->Paint();
  EXPECT_EQ(At(300, 150), clRed);
  chart->CrossHair(3).SetLayer(0);
  EXPECT_EQ(chart->CrossHair(3).Layer(), 1);
  chart->CrossHair(3).SetLayer(99);
  EXPECT_EQ(chart->CrossHair(3).Layer(), 16);
}

TEST_F(CrossHairTest, DashGapsShowTheChartColourNotTheDataBelow) {
  chart->SetChartColor(clYellow);
  chart->SetDataColor(clGreen);
  double wx0, wx1, wy;
  chart->PixelToWorld(1, 60, 150, wx0, wy);
  chart->PixelToWorld(1, 540, 150, wx1, wy);
  chart->MoveToPoint(wx0, wy);
  chart->LineToPoint(wx1, wy);
  Place(1, TCrossHMode::chHoriz, 200, 150).SetLineType(TPenStyle::psDash);
  chart->Paint();
  const TRect row = Rect(60, 150, 540, 151);
  EXPECT_EQ(test::CountColor(Screen(), clGreen, row), 0);
  EXPECT_GT(test::CountColor(Screen(), clYellow, row), 100);
  EXPECT_GT(test::CountColor(Screen(), clRed, row), 100);
}

TEST_F(CrossHairTest, CrossBoxAndBox) {
  Place(1, TCrossHMode::chCrossBox, 200, 150, clBlue);
  chart->CrossHair(2).SetLayer(1);
  Place(2, TCrossHMode::chBox, 400, 250, clRed);
  chart->Paint();
  // A 27-pixel cross whose arms reach 13 pixels from the centre ...
  EXPECT_EQ(At(187, 150), clBlue);
  EXPECT_EQ(At(186, 150), clWhite);
  EXPECT_EQ(At(200, 137), clBlue);
  EXPECT_EQ(At(200, 164), clWhite);
  // ... a black 5 x 5 frame inside a white 7 x 7 frame, the centre left as the cross.
  EXPECT_EQ(At(198, 148), clBlack);
  EXPECT_EQ(At(202, 152), clBlack);
  EXPECT_EQ(At(197, 150), clWhite);
  EXPECT_EQ(At(200, 150), clBlue);
  // A 9 x 9 frame in the crosshair's pen.
  EXPECT_EQ(At(396, 246), clRed);
  EXPECT_EQ(At(404, 254), clRed);
  EXPECT_EQ(At(405, 254), clWhite);
  EXPECT_EQ(At(400, 250), clWhite);
  EXPECT_EQ(test::CountColor(Screen(), clRed), 32);
}

TEST_F(CrossHairTest, ThePlotOnlyRefreshDrawsThemInTheSamePlace) {
  Place(1, TCrossHMode::chCrossBox, 200, 150, clBlue);
  chart->Paint();
  const Bitmap painted = Screen();
  chart->SetAutoRedraw(true);
  chart->RefreshChart();
  EXPECT_EQ(test::DiffPixels(Screen(), painted), 0);
}

}  // namespace
}  // namespace kurvex
