// The chart's mouse actions end to end through the headless host: pan modes, zoom drag,
// zoom window, rubber band and selection rectangle, axis drags and double clicks, cursors,
// OnMouseMoveInChart, and the faults a gesture must not leave behind (a stale XOR figure,
// a paint hold or move guard stuck after an error, ranges that no paint can map).

#include <cmath>

#include "chart/model/chart_cursors.h"
#include "gesture_test_support.h"
#include "platform/application.h"
#include "platform/mouse_input.h"

namespace kurvex {
namespace {

using enum TMouseActMode;
using test::GestureTest;
using test::DiffPixels;

// The world values of layer 1 at pixel (x, y): x 0..10 over columns 50..550, y 10..0 over
// rows 20..360.
double WorldX(int x) { return (x - 50) / 50.0; }
double WorldY(int y) { return 10 - (y - 20) * 10.0 / 340; }

TEST_F(GestureTest, PanTakesTheStartAtThePressAndComesBackExactly) {
  chart->SetMouseAction(maPan);
  int zoom_pans = 0;
  chart->OnZoomPan = [&](TObject*) { ++zoom_pans; };
  const int history = chart->RangeHistoryPosition();
  Press(200, 150);
  Move(250, 150);
  EXPECT_EQ(X().RangeLow(), -1);
  EXPECT_EQ(X().RangeHigh(), 9);
  EXPECT_EQ(Y().RangeLow(), 0);
  Move(600, 150);  // outside the chart area: nothing changes, the drag goes on
  EXPECT_EQ(X().RangeLow(), -1);
  Move(200, 150);
  EXPECT_EQ(X().RangeLow(), 0);
  EXPECT_EQ(X().RangeHigh(), 10);
  EXPECT_EQ(zoom_pans, 2);
  EXPECT_EQ(chart->RangeHistoryPosition(), history);
  Release(200, 150);
  EXPECT_EQ(chart->RangeHistoryPosition(), history % 16 + 1) << "the release records the ranges";
  Move(250, 150);  // no button: nothing
  EXPECT_EQ(X().RangeLow(), 0);
}

TEST_F(GestureTest, PanModesMoveTheirAxesOnly) {
  chart->SetMouseAction(maPanHoriz);
  Drag(200, 150, 250, 218);
  EXPECT_EQ(X().RangeLow(), -1);
  EXPECT_EQ(Y().RangeLow(), 0);
  chart->SetMouseAction(maPanVert);
  Drag(200, 150, 250, 218);  // 68 of 340 pixels down: the y range rises by 2
  EXPECT_EQ(X().RangeLow(), -1);
  EXPECT_DOUBLE_EQ(Y().RangeLow(), 2);
  EXPECT_DOUBLE_EQ(Y().RangeHigh(), 12);
  chart->SetMouseAction(maPanGrid);
  chart->SetLayerRange(1, 0, 0, 10, 10);
  Drag(200, 150, 335, 150);  // would give -2.7: towards zero, -2
  EXPECT_EQ(X().RangeLow(), -2);
  EXPECT_EQ(X().RangeHigh(), 8);
  chart->SetPanGridDx(0);
  chart->SetLayerRange(1, 0, 0, 10, 10);
  Drag(200, 150, 335, 150);
  EXPECT_DOUBLE_EQ(X().RangeLow(), -2.7);
}

TEST_F(GestureTest, PanOnALogarithmicAxis) {
  chart->SetMarginRight(120);  // PW = 400
  chart->SetLayerRange(1, 1, 0, 100, 10);
  chart->ScaleXProps(1).SetLogarithmic(true);
  ASSERT_TRUE(X().Logarithmic());
  chart->SetMouseAction(maPan);
  Drag(400, 150, 200, 150);
  EXPECT_DOUBLE_EQ(X().RangeLow(), 10);
  EXPECT_DOUBLE_EQ(X().RangeHigh(), 1000);
  chart->SetMouseAction(maPanGrid);  // the grid is linear: a logarithmic layer stays
  Drag(400, 150, 200, 150);
  EXPECT_DOUBLE_EQ(X().RangeLow(), 10);
}

TEST_F(GestureTest, ZoomDragScalesAboutTheCentreByTheControlWidth) {
  chart->SetBounds(0, 0, 560, 400);
  chart->SetLayerRange(1, 0, 0, 10, 10);
  chart->SetMouseAction(maZoomDrag);
  Drag(100, 200, 240, 200);  // a quarter of 560 to the right
  EXPECT_EQ(X().RangeLow(), 1.25);
  EXPECT_EQ(X().RangeHigh(), 8.75);
  EXPECT_EQ(Y().RangeLow(), 0);
  chart->SetIsometric(true);
  const double y_low = Y().RangeLow(), y_high = Y().RangeHigh();
  Drag(100, 100, 240, 337);  // the vertical movement does not count
  const double c = (y_low + y_high) / 2, h = (y_high - y_low) * 0.75 / 2;
  EXPECT_DOUBLE_EQ(Y().RangeLow(), c - h);
  EXPECT_DOUBLE_EQ(Y().RangeHigh(), c + h);
}

TEST_F(GestureTest, ZoomWindowPosGivesTheSameRangesFromEitherCorner) {
  chart->SetMouseAction(maZoomWindPos);
  Drag(100, 50, 300, 250);
  const double xl = X().RangeLow(), xh = X().RangeHigh(), yl = Y().RangeLow(), yh = Y().RangeHigh();
  EXPECT_DOUBLE_EQ(xl, WorldX(100));
  EXPECT_DOUBLE_EQ(xh, WorldX(300));
  EXPECT_NEAR(yl, WorldY(250), 1e-12);
  EXPECT_NEAR(yh, WorldY(50), 1e-12);
  chart->SetLayerRange(1, 0, 0, 10, 10);
  Drag(300, 250, 100, 50);
  EXPECT_EQ(X().RangeLow(), xl);
  EXPECT_EQ(X().RangeHigh(), xh);
  EXPECT_EQ(Y().RangeLow(), yl);
  EXPECT_EQ(Y().RangeHigh(), yh);
}

TEST_F(GestureTest, ZoomWindTurnsTheYAxisOverForAWindowDrawnDownwards) {
  chart->SetMouseAction(maZoomWind);
  Drag(100, 50, 300, 250);
  EXPECT_LT(X().RangeLow(), X().RangeHigh());
  EXPECT_NEAR(Y().RangeLow(), WorldY(50), 1e-12);
  EXPECT_NEAR(Y().RangeHigh(), WorldY(250), 1e-12);
}

TEST_F(GestureTest, AWindowWithoutWidthOrHeightChangesNothing) {
  chart->SetMouseAction(maZoomWindPos);
  int zoom_pans = 0;
  chart->OnZoomPan = [&](TObject*) { ++zoom_pans; };
  Host().Click(*chart, 200, 150);
  Drag(200, 150, 400, 150);
  EXPECT_EQ(X().RangeHigh(), 10);
  EXPECT_EQ(zoom_pans, 0);
}

TEST_F(GestureTest, TheRightButtonErasesTheWindowAndTheLeftReleaseThenDoesNothing) {
  chart->SetMouseAction(maZoomWindPos);
  const Bitmap clean = Screen();
  Press(100, 50);
  Move(300, 250);
  EXPECT_EQ(Screen().Pixel(100, 50), clean.Pixel(100, 50) ^ 0xFFFFFF) << "the XOR frame is shown";
  Press(300, 250, TMouseButton::mbRight);
  Release(300, 250, TMouseButton::mbRight);
  EXPECT_EQ(DiffPixels(Screen(), clean), 0);
  Release(300, 250);
  EXPECT_EQ(X().RangeHigh(), 10);
}

TEST_F(GestureTest, RubberBandAndSelectRectReportEveryActiveLayerThenZoomPanOnce) {
  chart->SetMouseActiveLayer(3, true);
  chart->SetLayerRange(3, 0, 0, 100, 100);
  std::vector<std::string> log;
  const auto record = [&](const char* what) {
    return [&log, what](TObject*, int layer, double lx, double ly, double hx, double hy) {
      log.push_back(std::string(what) + " " + std::to_string(layer));
      if (layer != 1) return;
      const bool band = what[0] == 'b';
      EXPECT_DOUBLE_EQ(lx, band ? WorldX(300) : WorldX(100));
      EXPECT_DOUBLE_EQ(hx, band ? WorldX(100) : WorldX(300));
      EXPECT_NEAR(ly, band ? WorldY(50) : WorldY(250), 1e-12);
      EXPECT_NEAR(hy, band ? WorldY(250) : WorldY(50), 1e-12);
    };
  };
  chart->OnRubberBand = record("band");
  chart->OnSelectRect = record("select");
  chart->OnZoomPan = [&](TObject*) { log.push_back("zoompan"); };
  chart->SetMouseAction(maRubberBand);
  Drag(300, 50, 100, 250);  // Lo is the press point, whatever the order
  chart->SetMouseAction(maSelectRect);
  Drag(300, 50, 100, 250);  // ordered like the axes
  EXPECT_EQ(log, (std::vector<std::string>{"band 1", "band 3", "zoompan", "select 1", "select 3", "zoompan"}));
  EXPECT_EQ(X().RangeHigh(), 10);
}

TEST_F(GestureTest, TheCursorFollowsTheMouseActionUnlessFixed) {
  const std::pair<TMouseActMode, TCursor> cursors[] = {
      {maNone, crCross},           {maPan, crKxHand},         {maPanGrid, crKxHand},
      {maZoomWind, crKxZoomWindow}, {maZoomWindPos, crKxZoomPos}, {maZoomDrag, crKxZoomDrag},
      {maRubberBand, crDefault},   {maDragLabel, crDefault}};
  for (const auto& [mode, cursor] : cursors) {
    chart->SetMouseAction(mode);
    chart->SetMouseCursorFixed(true);
    Move(300, 200);
    EXPECT_EQ(Host().ScreenCursor(), crDefault) << EnumName(mode) << " fixed";
    chart->SetMouseCursorFixed(false);
    Move(301, 200);
    EXPECT_EQ(Host().ScreenCursor(), cursor) << EnumName(mode);
    Move(20, 200);  // over the margin
    EXPECT_EQ(Host().ScreenCursor(), crDefault) << EnumName(mode);
  }
  chart->SetMouseAction(maPan);
  Move(300, 200);
  chart->SetMouseAction(maRotate);  // a mode the chart does nothing in leaves the cursor
  Move(301, 200);
  EXPECT_EQ(Host().ScreenCursor(), crKxHand);
}

TEST_F(GestureTest, DoubleClickOnAnAxisSwitchesPanAndZoomAndItsPressStartsNothing) {
  chart->SetMouseAction(maZoomWindPos);
  chart->ScaleXProps(1).SetMouseAction(maPan);
  int downs = 0, double_clicks = 0;
  chart->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
  chart->OnDblClick = [&](TObject*) { ++double_clicks; };
  Move(300, 380);  // the band below the plot
  Host().DoubleClick(*chart, 300, 380);
  EXPECT_EQ(X().MouseAction(), maZoom);
  EXPECT_EQ(double_clicks, 1);
  EXPECT_EQ(downs, 1) << "the press of the double click is swallowed";
  Host().DoubleClick(*chart, 300, 380);
  EXPECT_EQ(X().MouseAction(), maPan);
  chart->ScaleXProps(1).SetMouseAction(maZoomDrag);
  Host().DoubleClick(*chart, 300, 380);
  EXPECT_EQ(X().MouseAction(), maZoomDrag);
  // Inside the plot the second press would start a zoom window: it starts nothing.
  Move(300, 200);
  Host().Click(*chart, 300, 200);
  Application().Guard(
      [&] { MouseInput::Instance().Press(*chart, Point(300, 200), TMouseButton::mbLeft, {}, /*double_click=*/true); });
  EXPECT_EQ(chart->MouseState().ZoomWindow, TZoomWindowState::zsNormal);
  Release(300, 200);
}

TEST_F(GestureTest, AxisBandDragsGoThroughTheAxisRule) {
  chart->ScaleXProps(1).SetMouseAction(maPan);
  chart->ScaleYProps(1).SetMouseAction(maPan);
  int zoom_pans = 0;
  chart->OnZoomPan = [&](TObject*) { ++zoom_pans; };
  Drag(300, 380, 350, 380, 1);  // 50 of 500 pixels along the x axis
  EXPECT_EQ(X().RangeLow(), -1);
  EXPECT_EQ(X().RangeHigh(), 9);
  EXPECT_EQ(Y().RangeLow(), 0);
  EXPECT_EQ(zoom_pans, 1);
  Drag(25, 200, 25, 268, 1);  // 68 of 340 pixels down the y axis
  EXPECT_DOUBLE_EQ(Y().RangeLow(), 2);
  EXPECT_EQ(X().RangeLow(), -1);
  chart->ScaleXProps(1).SetVisible(false);  // a hidden axis has no band
  Drag(300, 380, 350, 380, 1);
  EXPECT_EQ(X().RangeLow(), -1);
}

TEST_F(GestureTest, MouseMoveInChartExtrapolatesOverTheMargins) {
  std::vector<std::tuple<bool, double, double>> seen;
  chart->OnMouseMoveInChart = [&](TObject*, bool in, TShiftState, double x, double y) { seen.emplace_back(in, x, y); };
  Move(10, 5);
  Move(300, 190);
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_FALSE(std::get<0>(seen[0]));
  EXPECT_DOUBLE_EQ(std::get<1>(seen[0]), WorldX(10));
  EXPECT_NEAR(std::get<2>(seen[0]), WorldY(5), 1e-12);
  EXPECT_TRUE(std::get<0>(seen[1]));
  EXPECT_DOUBLE_EQ(std::get<1>(seen[1]), 5);
  EXPECT_NEAR(std::get<2>(seen[1]), 5, 1e-12);
}

// ---- Faults that a gesture must not leave behind ----

TEST_F(GestureTest, APaintDuringTheWindowKeepsTheFigureAndNoReleaseLeavesIt) {
  // A handler that repaints on every move (as one that moves a crosshair along) paints
  // over the figure; the figure must survive it and still be erased at the end.
  chart->OnMouseMove = [&](TObject*, TShiftState, int, int) { chart->Paint(); };
  const Bitmap clean = Screen();
  chart->SetMouseAction(maZoomWindPos);
  Press(100, 50);
  Move(200, 150);
  Move(300, 250);
  EXPECT_EQ(Screen().Pixel(100, 50), clean.Pixel(100, 50) ^ 0xFFFFFF);
  EXPECT_EQ(Screen().Pixel(199, 100), clean.Pixel(199, 100)) << "the figure of the earlier move is gone";
  Press(300, 250, TMouseButton::mbMiddle);
  Release(300, 250, TMouseButton::mbMiddle);  // a middle release ends the window too
  EXPECT_EQ(DiffPixels(Screen(), clean), 0);
  Release(300, 250);
  // A rubber band released on its start column: no event, and no line left.
  chart->SetMouseAction(maRubberBand);
  Press(100, 50);
  Move(100, 250);
  EXPECT_NE(DiffPixels(Screen(), clean), 0);
  Release(100, 250);
  EXPECT_EQ(DiffPixels(Screen(), clean), 0);
}

TEST_F(GestureTest, AWindowOnAChartWhosePaintIsHeldIsErasedAtTheRelease) {
  chart->SetMouseAction(maZoomWindPos);
  const Bitmap clean = Screen();
  chart->HoldPaint(true);
  Drag(100, 50, 300, 250);
  EXPECT_EQ(DiffPixels(Screen(), clean), 0);
  EXPECT_TRUE(chart->PaintHeld());
  chart->HoldPaint(false);
}

TEST_F(GestureTest, AChartCopiedDuringAWindowShowsNoFigureOfItsOwn) {
  TKurvex copy(nullptr);
  copy.SetBounds(0, 0, 570, 400);
  copy.HandleNeeded();
  copy.Paint();
  const Bitmap clean = Host().ScreenImage(copy);
  chart->SetMouseAction(maZoomWindPos);
  Press(100, 50);
  Move(300, 250);
  copy.Assign(*chart);
  copy.Paint();
  EXPECT_EQ(Host().ScreenImage(copy).Pixel(100, 50), clean.Pixel(100, 50));
  Release(300, 250);
}

TEST_F(GestureTest, AnErrorInAHandlerLeavesNeitherThePaintHoldNorTheMoveGuardSet) {
  chart->SetMouseAction(maZoomWindPos);
  chart->OnZoomPan = [](TObject*) { throw EKPXError("zoom handler failed"); };
  Drag(100, 50, 300, 250);
  EXPECT_EQ(test::TakeMessages(), std::vector<std::string>{"zoom handler failed"});
  EXPECT_FALSE(chart->PaintHeld());
  EXPECT_DOUBLE_EQ(X().RangeLow(), WorldX(100)) << "the zoom itself happened";
  int moves = 0;
  chart->OnMouseMoveInChart = [&](TObject*, bool, TShiftState, double, double) {
    if (++moves == 1) throw EKPXError("move handler failed");
  };
  Move(200, 200);
  Move(210, 200);
  EXPECT_EQ(moves, 2);
  EXPECT_EQ(test::TakeMessages(), std::vector<std::string>{"move handler failed"});
}

TEST_F(GestureTest, LongZoomOutsStayFiniteAndLogarithmicAxesStayPositive) {
  chart->SetLayerRange(1, -1e300, -1e300, 1e300, 1e300);
  chart->SetMouseAction(maZoomDrag);
  for (int i = 0; i < 20; ++i) Drag(540, 100, 60, 350);  // out on both axes
  EXPECT_TRUE(std::isfinite(X().RangeHigh() - X().RangeLow()));
  EXPECT_TRUE(std::isfinite(Y().RangeHigh() - Y().RangeLow()));
  EXPECT_LT(X().RangeLow(), X().RangeHigh());
  chart->SetLayerRange(1, 0, 1, 10, 1000);
  chart->ScaleYProps(1).SetLogarithmic(true);
  for (int i = 0; i < 20; ++i) Drag(300, 30, 300, 350);
  EXPECT_GE(Y().RangeLow(), 1e-100);
  EXPECT_LT(Y().RangeLow(), 1e-10) << "zoomed out far";
  EXPECT_TRUE(std::isfinite(Y().RangeHigh()));
  chart->SetMouseAction(maPan);
  for (int i = 0; i < 10; ++i) Drag(300, 30, 300, 359);
  EXPECT_GE(Y().RangeLow(), 1e-100);
  chart->Paint();  // raises nothing (the fixture checks the exception display)
}

TEST_F(GestureTest, APlotWithoutWidthOrHeightGivesNoRanges) {
  chart->SetMarginRight(520);  // the chart area is the single column x = 50
  chart->SetMarginBottom(380);  // and the single row y = 20
  for (TMouseActMode mode : {maPan, maPanGrid, maZoomWindPos, maDrawMTrace, maDragCrossH}) {
    chart->SetMouseAction(mode);
    Drag(50, 20, 50, 20, 2);
    Drag(40, 10, 60, 30, 2);
  }
  EXPECT_EQ(X().RangeLow(), 0);
  EXPECT_EQ(X().RangeHigh(), 10);
  EXPECT_EQ(Y().RangeHigh(), 10);
  chart->SetMouseAction(maZoomDrag);  // measured by the control's size: it still zooms
  Drag(40, 10, 50, 20, 2);
  EXPECT_TRUE(std::isfinite(X().RangeLow()) && std::isfinite(Y().RangeHigh()));
  EXPECT_LT(X().RangeLow(), X().RangeHigh());
}

}  // namespace
}  // namespace kurvex
