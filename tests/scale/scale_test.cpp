// The scale control's data side: defaults, setter rules, range, hooks, Assign; TDTLabel.

#include <gtest/gtest.h>

#include <cmath>

#include "common/errors.h"
#include "platform/gfx/canvas.h"
#include "scale/scale.h"

namespace kurvex {
namespace {

TEST(Scale, Defaults) {
  TScale s(nullptr);
  EXPECT_EQ(s.Width(), 400);
  EXPECT_EQ(s.Height(), 400);
  EXPECT_EQ(s.RangeHigh(), 100.0);
  EXPECT_EQ(s.CaptionPosX(), 4);
  EXPECT_EQ(s.FrameStyle(), TFrameStyle::fsLowered);
  EXPECT_EQ(s.ScaleType(), TScaleType::sctXB);
  EXPECT_EQ(s.MarginLeft(), 20);
  EXPECT_TRUE(s.PaintSuspended());
  EXPECT_TRUE(s.ResetFlag());
  EXPECT_EQ(s.DateFormat().DateSeparator(), '-');
  EXPECT_EQ(s.DateFormat().DateOrder(), TDateOrder::doDDMMYY);
  EXPECT_EQ(s.DateFormat().YearLength(), TYearLength::ylYYYY);
  EXPECT_EQ(s.NumTicks(), 0);
}

TEST(Scale, SetterRules) {
  TScale s(nullptr);
  s.SetRangeHigh(0);  // equal to RangeLow: the other end moves
  EXPECT_EQ(s.RangeLow(), 1.0);
  EXPECT_EQ(s.RangeHigh(), 0.0);
  s.SetRange(5, 5);
  EXPECT_EQ(s.RangeLow(), 5.0);
  EXPECT_EQ(s.RangeHigh(), 6.0);
  s.SetMinTicks(1);
  EXPECT_EQ(s.MinTicks(), 2);
  s.SetMinTicks(25);
  EXPECT_EQ(s.MinTicks(), 10);
  s.SetMinTicks(0);
  EXPECT_EQ(s.MinTicks(), 0);
  s.SetDecPlaces(-5);
  EXPECT_EQ(s.DecPlaces(), -3);
  s.SetDecPlaces(20);
  EXPECT_EQ(s.DecPlaces(), 12);
  s.SetMarginTop(-4);
  EXPECT_EQ(s.MarginTop(), 0);
  s.SetLabelType(TFigType::ftTime);
  EXPECT_EQ(s.DecPlaces(), 4);
  s.SetColorScheme(TColorScheme::csSystem);
  EXPECT_EQ(s.FrameShadowColor(), clBtnShadow);
  s.SetColorScheme(TColorScheme::csBWG);
  EXPECT_EQ(s.FrameHighlightColor(), 0xFFFFFFu);
}

TEST(Scale, LogarithmicNeedsPositiveEndsOnceLoaded) {
  TScale s(nullptr);
  s.SetLogarithmic(true);  // before loading completed anything is taken
  EXPECT_TRUE(s.Logarithmic());
  s.SetLogarithmic(false);
  s.Loaded();
  EXPECT_FALSE(s.ResetFlag());
  s.SetLogarithmic(true);  // RangeLow 0
  EXPECT_FALSE(s.Logarithmic());
  s.SetRangeLow(1);
  s.SetLogarithmic(true);
  EXPECT_TRUE(s.Logarithmic());
  s.SetLabelType(TFigType::ftDateTime);
  EXPECT_FALSE(s.Logarithmic());
}

TEST(Scale, MappingAlongTheAxis) {
  TScale s(nullptr);  // 400 wide, margins 20: span 359
  s.SetRange(359, 0);
  EXPECT_EQ(s.ValueToPixel(0), 20);
  EXPECT_EQ(s.ValueToPixel(359), 379);
  s.SetScaleType(TScaleType::sctYL);  // vertical: high at the top
  EXPECT_EQ(s.ValueToPixel(359), 20);
  EXPECT_EQ(s.ValueToPixel(0), 379);
}

TEST(Scale, LogarithmicMappingAndItsLimits) {
  TScale s(nullptr);  // before loading, any logarithmic range is taken
  s.SetRange(1000, 1);
  s.SetLogarithmic(true);
  EXPECT_EQ(s.ValueToPixel(1), 20);
  EXPECT_EQ(s.ValueToPixel(1000), 379);
  EXPECT_EQ(s.ValueToPixel(std::sqrt(1000.0)), 200);  // 199.5 rounds to the even neighbour
  EXPECT_EQ(s.ValueToPixel(1e-100), 0);  // no logarithm: the start of the control
  EXPECT_EQ(s.ValueToPixel(-5), 0);
  s.SetRange(1, 1000);  // reversed: the other side
  EXPECT_EQ(s.ValueToPixel(0), 400);
  // A range reaching zero keeps the last usable mapping.
  const double factor = s.PixelFactor();
  s.SetRange(100, 0);
  EXPECT_EQ(s.PixelFactor(), factor);
  // No pixels between the margins: everything maps to the middle.
  s.SetLogarithmic(false);
  EXPECT_EQ(s.ValueToPixel(1e300), 2147483647);  // clamped before rounding
  EXPECT_EQ(s.ValueToPixel(-1e300), -2147483647);
  s.SetBounds(0, 0, 40, 400);
  EXPECT_EQ(s.ValueToPixel(0), 20);
  EXPECT_EQ(s.ValueToPixel(1e6), 20);
}

// A scale whose drawing is recorded, to see when it paints.
class CountingScale : public TScale {
 public:
  using TScale::TScale;
  int paints = 0;
  TCanvas* last_canvas = nullptr;

 protected:
  void RenderScale(TCanvas& canvas, int, int) override {
    ++paints;
    last_canvas = &canvas;
  }
};

TEST(Scale, PaintHooks) {
  CountingScale s(nullptr);
  Bitmap target(50, 50);
  TCanvas canvas(&target);
  s.SetTargetCanvas(&canvas, 3, 4);
  s.SetCaption("a");
  EXPECT_EQ(s.paints, 0);  // suspended
  s.ForcePaint();
  EXPECT_EQ(s.paints, 1);
  EXPECT_EQ(s.last_canvas, &canvas);
  EXPECT_TRUE(s.PaintSuspended());
  s.SetPaintSuspended(false);  // clearing it repaints
  EXPECT_EQ(s.paints, 2);
  s.SetVisible(false);
  s.ForcePaint();
  EXPECT_EQ(s.paints, 2);  // an invisible scale paints nothing at run time
  s.SetVisible(true);
  s.SetEmbedded(true);
  EXPECT_EQ(s.paints, 3);
}

TEST(Scale, AnEmbeddedScaleKeepsNoSurfaceOfItsOwn) {
  TScale s(nullptr);
  EXPECT_EQ(s.Surface().Width(), 400);
  Bitmap target(10, 10);
  TCanvas canvas(&target);
  s.SetTargetCanvas(&canvas, 0, 0);
  s.SetEmbedded(true);
  EXPECT_TRUE(s.Surface().Empty());
  s.SetBounds(0, 0, 800, 600);
  EXPECT_TRUE(s.Surface().Empty());
  s.SetEmbedded(false);  // on its own again: it needs its window image
  EXPECT_EQ(s.Surface().Width(), 800);
  EXPECT_EQ(s.Surface().Height(), 600);
}

TEST(Scale, TickList) {
  TScale s(nullptr);
  for (int i = 0; i < 300; ++i) s.RecordTick(i * 0.5);
  EXPECT_EQ(s.NumTicks(), 250);
  EXPECT_EQ(s.TickPosition(1), 0.0);
  EXPECT_EQ(s.TickPosition(250), 124.5);
  EXPECT_EQ(s.TickPosition(0), 0.0);
  EXPECT_EQ(s.TickPosition(251), 0.0);
}

TEST(Scale, AssignCopiesAllButFontMouseActionAndTarget) {
  TScale a(nullptr), b(nullptr);
  Bitmap bmp(4, 4);
  TCanvas canvas(&bmp);
  a.SetRange(50, 10);
  a.SetCaption("cap");
  a.SetMarginLeft(7);
  a.SetMouseAction(TMouseActMode::maPan);
  a.SetTargetCanvas(&canvas, 5, 6);
  a.SetEmbedded(true);
  a.RecordTick(3);
  a.DateFormat().SetTimeFormat(TTimeFormat::tfAMPM);
  a.Font().SetColor(clRed);
  b.Assign(a);
  EXPECT_EQ(b.RangeLow(), 10.0);
  EXPECT_EQ(b.Caption(), "cap");
  EXPECT_EQ(b.MarginLeft(), 7);
  EXPECT_EQ(b.NumTicks(), 1);
  EXPECT_EQ(b.TickPosition(1), 3.0);
  EXPECT_TRUE(b.Embedded());
  EXPECT_EQ(b.TargetOffset(), Point(5, 6));
  EXPECT_EQ(b.TargetCanvas(), nullptr);
  EXPECT_EQ(b.MouseAction(), TMouseActMode::maNone);
  EXPECT_EQ(b.DateFormat().TimeFormat(), TTimeFormat::tfAMPM);
  EXPECT_NE(b.Font().Color(), clRed);
}

TEST(DTLabel, SettersAndAssign) {
  TDTLabel a;
  EXPECT_EQ(a.DateSeparator(), '\0');
  EXPECT_EQ(a.YearLength(), TYearLength::ylNone);
  int changes = 0;
  a.OnChange = [&changes](TObject*) { ++changes; };
  a.SetYearLength(TYearLength::ylNone);  // unchanged: no notification
  a.SetMonthName(false);
  EXPECT_EQ(changes, 0);
  a.SetDateOrder(TDateOrder::doMMDDYY);  // notifies in any case
  a.SetTimeFormat(TTimeFormat::tfHHMMSS);
  EXPECT_EQ(changes, 2);
  a.SetDateSeparator('/');
  EXPECT_EQ(changes, 3);

  TDTLabel b;
  int b_changes = 0;
  b.OnChange = [&b_changes](TObject*) { ++b_changes; };
  b.Assign(a);
  EXPECT_EQ(b, a);
  EXPECT_EQ(b_changes, 0);
  TScale s(nullptr);
  EXPECT_THROW(b.Assign(s), EConvertError);
}

}  // namespace
}  // namespace kurvex
