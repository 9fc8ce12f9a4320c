// The stand-alone scale under the mouse: drags through ScaleZoomPan, the active area,
// OnZoomPan and the double click.

#include <gtest/gtest.h>

#include "platform/test_support.h"
#include "scale/scale.h"

namespace kurvex {
namespace {

// A 240 x 60 horizontal scale (200 pixels between its margins) in a window of its own.
class MouseScale : public testing::Test {
 protected:
  MouseScale() {
    s.SetBounds(0, 0, 240, 60);
    s.SetRange(100, 0);
    s.SetMouseAction(TMouseActMode::maPan);
    s.OnZoomPan = [this](TObject*) { ++zoom_pans; };
    s.HandleNeeded();
    host->ProcessMessages();
  }
  ~MouseScale() override { s.DestroyHandle(); }

  test::HostScope host;
  TScale s{nullptr};
  int zoom_pans = 0;
};

TEST_F(MouseScale, DraggingPansFromTheFirstMoveInsideTheActiveArea) {
  host->Press(s, 100, 30);
  host->Move(s, 100, 30);  // the drag starts here
  EXPECT_EQ(zoom_pans, 0);
  const int paints = host->PaintCount(s) + host->PresentCount(s);
  host->Move(s, 150, 30);  // 50 of 200 pixels to the right
  EXPECT_DOUBLE_EQ(s.RangeLow(), -25);
  EXPECT_DOUBLE_EQ(s.RangeHigh(), 75);
  EXPECT_EQ(zoom_pans, 1);
  EXPECT_EQ(host->PaintCount(s) + host->PresentCount(s), paints + 1);  // painted once
  // Over the margin nothing changes; back inside, the same drag goes on.
  host->Move(s, 10, 30);
  EXPECT_DOUBLE_EQ(s.RangeLow(), -25);
  host->Move(s, 50, 30);
  EXPECT_DOUBLE_EQ(s.RangeLow(), 25);
  host->Release(s, 50, 30);
  // Without the left button a move does nothing; the next drag starts afresh.
  host->Move(s, 150, 30);
  EXPECT_DOUBLE_EQ(s.RangeLow(), 25);
  host->Drag(s, 150, 30, 100, 30, 2);  // first move at 125, then 100: 25 px left
  EXPECT_DOUBLE_EQ(s.RangeLow(), 37.5);
  EXPECT_EQ(zoom_pans, 3);
}

TEST_F(MouseScale, ZoomKeepsTheFarEnd) {
  s.SetMouseAction(TMouseActMode::maZoom);
  host->Press(s, 170, 30);  // value 75, in the right half: the low end stays
  host->Move(s, 170, 30);
  host->Move(s, 95, 30);
  EXPECT_DOUBLE_EQ(s.RangeLow(), 0);
  EXPECT_DOUBLE_EQ(s.RangeHigh(), 200);
  host->Release(s, 95, 30);
  // Actions an axis does not take leave the range alone.
  s.SetMouseAction(TMouseActMode::maZoomWind);
  host->Drag(s, 100, 30, 200, 30);
  EXPECT_DOUBLE_EQ(s.RangeHigh(), 200);
  EXPECT_EQ(zoom_pans, 1);
}

TEST_F(MouseScale, DoubleClickSwitchesPanAndZoom) {
  int double_clicks = 0;
  s.OnDblClick = [&double_clicks](TObject*) { ++double_clicks; };
  host->DoubleClick(s, 100, 30);
  EXPECT_EQ(s.MouseAction(), TMouseActMode::maZoom);
  host->DoubleClick(s, 100, 30);
  EXPECT_EQ(s.MouseAction(), TMouseActMode::maPan);
  s.SetMouseAction(TMouseActMode::maZoomDrag);
  host->DoubleClick(s, 100, 30);
  EXPECT_EQ(s.MouseAction(), TMouseActMode::maZoomDrag);
  EXPECT_EQ(double_clicks, 3);
  EXPECT_DOUBLE_EQ(s.RangeLow(), 0);  // clicks without moves change no range
}

}  // namespace
}  // namespace kurvex
