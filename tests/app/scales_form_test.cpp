// The kurvex-scales window, headless: every scale draws ticks once the window is up, and
// the mouse pans, zooms and switches them through the form's window as a user's input would.

#include <gtest/gtest.h>

#include <memory>

#include "app/scales_form.h"
#include "app_test_support.h"
#include "platform/application.h"
#include "platform/headless_host.h"

namespace kurvex {
namespace {

class ScalesWindow : public testing::Test {
 protected:
  // A left-button drag across a scale, in the form's client pixels, moving slowly enough
  // for the scale to see where it starts.
  void DragAcross(const TScale& s, TPoint from, TPoint to) {
    const TPoint at = s.OffsetIn(&*form_);
    form_.Host().Drag(*form_, at.X + from.X, at.Y + from.Y, at.X + to.X, at.Y + to.Y, 8);
  }

  test::OpenWindow<TScalesForm> form_;
};

TEST_F(ScalesWindow, EveryScaleShowsTicks) {
  ASSERT_EQ(form_->Scales().size(), 17u);
  for (const TScale* s : form_->Scales()) {
    EXPECT_GT(s->NumTicks(), 2) << s->Caption();
    EXPECT_EQ(s->PaintedTicks().Message, TScaleMessage::smNone) << s->Caption();
    EXPECT_FALSE(s->PaintSuspended()) << s->Caption();
  }
  EXPECT_TRUE(form_->ScaleCaptioned("logarithmic")->Logarithmic());
}

TEST_F(ScalesWindow, DragsPanAndADoubleClickSwitchesToZooming) {
  TScale& s = *form_->ScaleCaptioned("linear");
  DragAcross(s, Point(300, 30), Point(420, 30));  // the drag starts at the first move, 15 px on
  const double shift = (420 - 315) * 100.0 / (s.Width() - s.MarginLeft() - s.MarginRight());
  EXPECT_NEAR(s.RangeLow(), -shift, 1e-9);
  EXPECT_NEAR(s.RangeHigh(), 100 - shift, 1e-9);
  const TPoint at = s.OffsetIn(&*form_);
  form_.Host().DoubleClick(*form_, at.X + 300, at.Y + 30);
  EXPECT_EQ(s.MouseAction(), TMouseActMode::maZoom);
  const double low = s.RangeLow();
  DragAcross(s, Point(500, 30), Point(400, 30));  // pressed in the right half: the low end stays
  EXPECT_DOUBLE_EQ(s.RangeLow(), low);
  EXPECT_GT(s.RangeHigh(), 100 - shift);
  // The calendar scales pan like the others.
  TScale& hours = *form_->ScaleCaptioned("hours");
  const double hours_low = hours.RangeLow();
  DragAcross(hours, Point(400, 30), Point(200, 30));
  EXPECT_GT(hours.RangeLow(), hours_low);
}

}  // namespace
}  // namespace kurvex
