// Mouse positions at the ends of the int range, as a host or a caller could pass them: in
// every mouse action, presses, moves, releases and double clicks there and between there
// and the plot. Nothing may overflow (the sanitizer build stops on it), nothing may be
// raised, and every range must stay finite.

#include <climits>
#include <cmath>

#include "gesture_test_support.h"

namespace kurvex {
namespace {

using enum TMouseActMode;

class GestureExtremes : public test::GestureTest, public ::testing::WithParamInterface<TMouseActMode> {};

TEST_P(GestureExtremes, PositionsAtTheEndsOfTheIntRangeKeepRangesFinite) {
  chart->SetMouseActiveLayer(2, true);
  chart->SetLayerRange(2, 1, 1, 1000, 1e6);
  chart->ScaleXProps(2).SetLogarithmic(true);
  chart->ScaleXProps(1).SetMouseAction(maPan);
  chart->ScaleYProps(1).SetMouseAction(maZoomDrag);
  chart->CrossHair(1).SetMode(TCrossHMode::chBoth);
  chart->SetMouseAction(GetParam());
  const int far[] = {INT_MIN, INT_MIN + 1, -1, 0, 300, INT_MAX - 1, INT_MAX};
  for (const int x : far) {
    for (const int y : far) {
      SCOPED_TRACE(testing::Message() << "at " << x << ", " << y);
      for (const TMouseButton b : {TMouseButton::mbLeft, TMouseButton::mbRight}) {
        Press(300, 200, b);  // in the plot, moved out to the far point
        Move(x, y);
        Release(x, y, b);
        Press(x, y, b);  // from the far point into the plot
        Move(300, 200);
        Move(x, y);
        Release(300, 200, b);
      }
      Host().DoubleClick(*chart, x, y);
      for (int n = 1; n <= 2; ++n) {
        for (const TScaleProps* p : {&X(n), &Y(n)}) {
          ASSERT_TRUE(std::isfinite(p->RangeLow()) && std::isfinite(p->RangeHigh()))
              << "layer " << n << ": " << p->RangeLow() << " .. " << p->RangeHigh();
        }
      }
    }
  }
  EXPECT_NO_THROW(chart->Paint());
}

INSTANTIATE_TEST_SUITE_P(EveryMouseAction, GestureExtremes, ::testing::ValuesIn(test::AllMouseActions()),
                         test::MouseActionName);

}  // namespace
}  // namespace kurvex
