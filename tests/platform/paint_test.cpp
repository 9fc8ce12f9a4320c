#include <gtest/gtest.h>

#include "platform/control.h"
#include "platform/std_controls.h"
#include "test_support.h"

namespace kurvex {
namespace {

using test::HostScope;

// Fills its whole client area (and, to test the clip, far beyond it) with one colour.
class Block : public TGraphicControl {
 public:
  Block(TComponent* owner, TColor color) : TGraphicControl(owner), fill_(color) {}
  void Paint() override {
    ++paints;
    Canvas().Brush().SetColor(fill_);
    Canvas().Pen().SetStyle(TPenStyle::psClear);
    Canvas().FillRect(Rect(-50, -50, Width() + 50, Height() + 50));
  }
  void SetFill(TColor c) { fill_ = c; }
  int paints = 0;

 private:
  TColor fill_;
};

// A custom control that draws a diagonal line of its own.
class Diagonal : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  void Paint() override {
    Canvas().Brush().SetColor(clWhite);
    Canvas().FillRect(ClientRect());
    Canvas().Pen().SetColor(clRed);
    Canvas().MoveTo(0, 0);
    Canvas().LineTo(Width(), Height());
  }
};

struct PanelScene {
  PanelScene() : panel(nullptr), block(new Block(&panel, clRed)) {
    panel.SetBevelOuter(TBevelCut::bvNone);
    panel.SetColor(clBlue);
    panel.SetBounds(0, 0, 40, 30);
    block->SetParent(&panel);
    block->SetBounds(10, 5, 8, 6);
  }
  TPanel panel;
  Block* block;
};

TEST(Paint, GraphicControlPaintsIntoItsParentAtItsOffsetClippedToItsBounds) {
  HostScope host;
  PanelScene s;
  s.panel.PaintWindow();
  const Bitmap& surface = s.panel.Surface();
  EXPECT_EQ(surface.Pixel(10, 5), clRed);
  EXPECT_EQ(surface.Pixel(17, 10), clRed);
  // Just outside the block on every side: the panel's background.
  EXPECT_EQ(surface.Pixel(9, 5), clBlue);
  EXPECT_EQ(surface.Pixel(18, 10), clBlue);
  EXPECT_EQ(surface.Pixel(10, 4), clBlue);
  EXPECT_EQ(surface.Pixel(17, 11), clBlue);
  EXPECT_EQ(surface.Pixel(0, 0), clBlue);
}

TEST(Paint, RefreshRepaintsTheRegionUnderTheControlAndShowsIt) {
  HostScope host;
  PanelScene s;
  s.panel.HandleNeeded();
  host->ProcessMessages();
  EXPECT_EQ(host->ShownPixel(*s.block, 0, 0), clRed);
  s.block->SetFill(clLime);
  // Drawing on the canvas alone changes the surface, not what the window shows.
  s.block->Canvas().SetPixel(1, 1, clYellow);
  EXPECT_EQ(s.panel.Surface().Pixel(11, 6), clYellow);
  EXPECT_EQ(host->ShownPixel(*s.block, 1, 1), clRed);
  s.block->Refresh();
  EXPECT_EQ(host->ShownPixel(*s.block, 1, 1), clLime);
  EXPECT_EQ(host->ShownPixel(s.panel, 9, 5), clBlue);
}

TEST(Paint, InvalidateRepaintsParentBackgroundThenChildrenOnProcessMessages) {
  HostScope host;
  PanelScene s;
  s.panel.HandleNeeded();
  host->ProcessMessages();
  const int paints = s.block->paints;
  s.block->Invalidate();
  EXPECT_EQ(host->PendingRegion(s.panel), Rect(10, 5, 18, 11));
  s.block->SetVisible(false);
  host->ProcessMessages();
  EXPECT_EQ(s.block->paints, paints);  // hidden: only the background came back
  EXPECT_EQ(host->ShownPixel(s.panel, 12, 7), clBlue);
  s.block->SetVisible(true);
  s.block->SetBounds(20, 5, 8, 6);  // the old place shows background again
  host->ProcessMessages();
  EXPECT_EQ(host->ShownPixel(s.panel, 12, 7), clBlue);
  EXPECT_EQ(host->ShownPixel(s.panel, 21, 7), clRed);
}

TEST(Paint, WindowlessControlWithoutParentDrawsNowhere) {
  HostScope host;
  Block block(nullptr, clRed);
  block.SetBounds(0, 0, 10, 10);
  block.Paint();  // must not crash or write anywhere
  block.Refresh();
  EXPECT_EQ(block.paints, 1);
}

TEST(Paint, CustomControlPaintsItsSurfaceAndSizeChangesResizeIt) {
  HostScope host;
  Diagonal d(nullptr);
  int resizes = 0;
  d.OnResize = [&](TObject*) { ++resizes; };
  d.SetBounds(0, 0, 20, 10);
  EXPECT_EQ(d.Surface().Width(), 20);
  EXPECT_EQ(d.Surface().Height(), 10);
  d.HandleNeeded();
  host->ProcessMessages();
  EXPECT_EQ(host->ShownPixel(d, 0, 0), clRed);
  EXPECT_EQ(host->ShownPixel(d, 19, 0), clWhite);
  d.SetBounds(5, 5, 20, 10);  // a move is not a resize
  d.SetBounds(5, 5, 30, 12);
  EXPECT_EQ(resizes, 2);
  EXPECT_EQ(d.Surface().Width(), 30);
  EXPECT_EQ(host->PendingRegion(d), Rect(0, 0, 30, 12));
}

TEST(Paint, TransparentWindowlessControlKeepsTheParentBackground) {
  HostScope host;
  TPanel panel(nullptr);
  panel.SetBevelOuter(TBevelCut::bvNone);
  panel.SetColor(clGreen);
  panel.SetBounds(0, 0, 30, 20);
  // Draws only a dot; the rest of its area must show the parent.
  class Dot : public TGraphicControl {
   public:
    using TGraphicControl::TGraphicControl;
    void Paint() override { Canvas().SetPixel(2, 2, clBlack); }
  };
  auto* dot = new Dot(&panel);
  dot->SetParent(&panel);
  dot->SetBounds(5, 5, 10, 10);
  panel.PaintWindow();
  panel.Surface().SetPixel(8, 8, clRed);  // stale pixel under the control
  dot->Refresh();
  EXPECT_EQ(panel.Surface().Pixel(7, 7), clBlack);
  EXPECT_EQ(panel.Surface().Pixel(8, 8), clGreen);
}

}  // namespace
}  // namespace kurvex
