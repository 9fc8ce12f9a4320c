// Dragging crosshairs and text labels, the mouse trace, and the two-corner selection.

#include <cmath>

#include "chart/interact/gestures.h"
#include "chart/render/text_label_geometry.h"
#include "gesture_test_support.h"

namespace kurvex {
namespace {

using enum TMouseActMode;
using test::GestureTest;
using test::DiffPixels;

class ItemDragTest : public GestureTest {
 protected:
  // Crosshair n of layer 1 through control pixel (x, y).
  TCrossHair& Place(int n, TCrossHMode mode, int x, int y) {
    TCrossHair& c = chart->CrossHair(n);
    c.SetLayer(1);
    double wx, wy;
    chart->PixelToWorld(1, x, y, wx, wy);
    c.SetPosX(wx);
    c.SetPosY(wy);
    c.SetMode(mode);
    return c;
  }
  TPoint PixelOf(const TCrossHair& c) { return chart->WorldToPixel(c.Layer(), c.PosX(), c.PosY()); }
};

TEST_F(ItemDragTest, TheNearestCrossHairAlongItsAxisIsDraggedLowerNumberOnATie) {
  chart->SetMouseAction(maDragCrossH);
  Place(1, TCrossHMode::chHoriz, 200, 100);
  Place(2, TCrossHMode::chVert, 300, 250);
  int moves = 0;
  chart->OnCrossHairMove = [&](TObject*, TCrossHair& c) {
    EXPECT_EQ(&c, &chart->CrossHair(2));
    ++moves;
  };
  Press(305, 180);
  Move(305, 180);  // 25 against 6400: crosshair 2
  Move(320, 200);
  Release(320, 200);
  EXPECT_EQ(PixelOf(chart->CrossHair(2)), Point(320, 200)) << "it jumps to the mouse";
  EXPECT_EQ(PixelOf(chart->CrossHair(1)).Y, 100);
  EXPECT_EQ(moves, 1);
  EXPECT_EQ(interact::NearestCrossHair(*chart, Point(340, 120)), 1) << "a tie: 400 and 400";
  chart->CrossHair(1).SetMode(TCrossHMode::chOff);
  chart->CrossHair(2).SetMode(TCrossHMode::chOff);
  EXPECT_EQ(interact::NearestCrossHair(*chart, Point(340, 120)), 1) << "all off: crosshair 1";
  // Crosshairs far outside the chart: the distances do not wrap around.
  Place(3, TCrossHMode::chVert, 300, 100).SetPosX(-1e300);
  Place(4, TCrossHMode::chVert, 300, 100).SetPosX(1e300);
  EXPECT_EQ(interact::NearestCrossHair(*chart, Point(549, 120)), 4);
}

TEST_F(ItemDragTest, AllowMoveIsAskedUntilItPermitsTheDrag) {
  chart->SetMouseAction(maDragCrossH);
  Place(1, TCrossHMode::chBoth, 200, 100);
  std::vector<std::pair<int, int>> asked;
  chart->OnBeforeCrossHairMove = [&](TObject*, TCrossHair&, int dx, int dy, bool& allow) {
    asked.emplace_back(dx, dy);
    allow = asked.size() >= 2;
  };
  Press(210, 110);
  Move(210, 110);
  EXPECT_EQ(PixelOf(chart->CrossHair(1)), Point(200, 100)) << "refused: nothing moves";
  Move(220, 130);  // permitted: the drag starts here
  EXPECT_EQ(PixelOf(chart->CrossHair(1)), Point(200, 100));
  Move(230, 140);
  Release(230, 140);
  EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{10, 10}, {20, 30}}));
  EXPECT_EQ(PixelOf(chart->CrossHair(1)), Point(230, 140));
}

TEST_F(ItemDragTest, TheNearestVisibleLabelIsDraggedByItsAnchor) {
  chart->SetMouseAction(maDragLabel);
  TTextLabel& pixels = chart->TextLabel(2);
  pixels.SetAttachToData(TTxtLblAttachMode::tlamNone);
  pixels.SetPosX(200);
  pixels.SetPosY(100);
  pixels.SetMode(TTxtLblMode::tlsimple);
  pixels.SetVisible(true);
  TTextLabel& off = chart->TextLabel(3);  // nearer, but switched off
  off.SetAttachToData(TTxtLblAttachMode::tlamNone);
  off.SetPosX(400);
  off.SetPosY(300);
  off.SetVisible(true);
  TTextLabel& world = chart->TextLabel(4);
  world.SetAttachToData(TTxtLblAttachMode::tlamXOnly);
  world.SetPosX(9.8);  // pixel 540
  world.SetPosY(30);
  world.SetMode(TTxtLblMode::tlBox);
  world.SetVisible(true);
  int moved = 0;
  chart->OnTextLabelMove = [&](TObject*, TTextLabel& l) { moved += &l == &pixels ? 1 : 100; };
  // The choice is made on the first move: from (380, 280) label 2 is nearer than label 4.
  Press(380, 280);
  Move(380, 280);
  Move(150, 80);
  Release(150, 80);
  EXPECT_EQ(pixels.PosX(), 150);
  EXPECT_EQ(pixels.PosY(), 80);
  EXPECT_EQ(moved, 1);
  Press(535, 32);
  Move(535, 32);
  Move(500, 30);
  Release(500, 30);
  EXPECT_DOUBLE_EQ(world.PosX(), 9) << "a world x follows the mapping";
  EXPECT_EQ(world.PosY(), 30) << "a pixel y takes the pixel";
  EXPECT_EQ(render::TextLabelAnchor(*chart, world), Point(500, 30));
  for (int n : {2, 4}) chart->TextLabel(n).SetVisible(false);
  EXPECT_EQ(interact::NearestTextLabel(*chart, Point(500, 30)), 1) << "none competes: label 1";
}

TEST_F(ItemDragTest, TheTraceKeepsStrokesApartStaysWithTheDataAndHoldsFiveThousandPoints) {
  chart->SetMouseAction(maDrawMTrace);
  chart->SetMouseTraceColor(clRed);
  const Bitmap clean = Screen();
  Drag(100, 100, 200, 100, 10);
  Drag(300, 200, 400, 200, 10);
  ASSERT_EQ(chart->MouseTraceCount(), 20);
  EXPECT_EQ(chart->MouseTracePoint(9).Flags, 3) << "the first stroke ends at its last point";
  EXPECT_EQ(chart->MouseTracePoint(10).Flags, 2);
  EXPECT_EQ(Screen().Pixel(150, 100), clean.Pixel(150, 100) ^ clRed) << "drawn while the mouse moves";
  EXPECT_EQ(Screen().Pixel(250, 150), clean.Pixel(250, 150)) << "the strokes are not joined";
  EXPECT_EQ(DiffPixels(Screen(), Repainted()), 0) << "a paint draws what the mouse drew";
  const TMouseTracePoint first = chart->MouseTracePoint(0);
  EXPECT_DOUBLE_EQ(first.X, 1.2) << "world x of pixel 110, the first move";
  chart->SetMouseAction(maPan);
  Drag(300, 200, 350, 200);
  EXPECT_EQ(chart->MouseTracePoint(0).X, first.X) << "kept in world values";
  EXPECT_EQ(Screen().Pixel(160, 100), clean.Pixel(160, 100) ^ clRed) << "drawn 50 pixels further right";
  chart->ClearMouseTrace();
  EXPECT_EQ(chart->MouseTraceCount(), 0);
  chart->SetLayerRange(1, 0, 0, 10, 10);
  EXPECT_EQ(DiffPixels(Screen(), clean), 0);
  EXPECT_THROW(chart->MouseTracePoint(0), EKPXKurvexError);
  chart->SetMouseAction(maDrawMTrace);
  Press(60, 30);
  for (int i = 0; i < 5001; ++i) Move(60 + i % 400, 30 + i % 300);
  Release(60, 30);
  EXPECT_EQ(chart->MouseTraceCount(), 5000) << "the 5001st point is not stored";
}

TEST_F(ItemDragTest, TwoCornerSelectionGivesTheCornersOfTheRectangleShown) {
  const Bitmap clean = Screen();
  chart->SetMouseAction(maPan);  // the selection comes first; the pan still runs
  chart->ArmCornerSelection();
  EXPECT_EQ(chart->CornerSelectionState(), TCornerSelectState::msFirstCorner);
  Press(100, 50);
  EXPECT_EQ(chart->CornerSelectionState(), TCornerSelectState::msRectDraw);
  Move(300, 250);
  EXPECT_EQ(Screen().Pixel(100, 249), clean.Pixel(100, 249) ^ 0xFFFFFF);
  Move(600, 390);  // clamped to the chart area
  Release(600, 390);
  EXPECT_EQ(chart->CornerSelectionState(), TCornerSelectState::msFinished);
  EXPECT_EQ(chart->CornerSelectionFirst(), Point(100, 50));
  EXPECT_EQ(chart->CornerSelectionSecond(), Point(550, 360));
  chart->SetLayerRange(1, 0, 0, 10, 10);
  EXPECT_EQ(DiffPixels(Screen(), clean), 0) << "the rectangle is erased";
  // Giving up: a right press before the first corner, a right release while drawing, or
  // cancelling from the program.
  chart->ArmCornerSelection();
  Press(100, 50, TMouseButton::mbRight);
  Release(100, 50, TMouseButton::mbRight);
  EXPECT_EQ(chart->CornerSelectionState(), TCornerSelectState::msNormal);
  chart->SetMouseAction(maNone);
  chart->ArmCornerSelection();
  Press(100, 50);
  Move(200, 150);
  Release(200, 150, TMouseButton::mbRight);
  EXPECT_EQ(chart->CornerSelectionState(), TCornerSelectState::msNormal);
  chart->ArmCornerSelection();
  Press(100, 50);
  Move(200, 150);
  chart->CancelCornerSelection();
  EXPECT_EQ(chart->CornerSelectionState(), TCornerSelectState::msNormal);
  EXPECT_EQ(DiffPixels(Screen(), clean), 0);
  Release(200, 150);
}

}  // namespace
}  // namespace kurvex
