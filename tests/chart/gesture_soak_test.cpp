// A randomized soak of the gestures: in every mouse action, 10,000 random presses, moves,
// releases and double clicks (with axis drags, the two-corner selection and changes of the
// axes' mouse actions mixed in) on a chart of 10,000 points. Nothing may raise, every
// range must stay finite and ordered as the rules keep it, and after the last release the
// window must show exactly what a paint shows: no XOR figure left behind.

#include <cmath>
#include <random>

#include "gesture_test_support.h"
#include "render_test_support.h"

namespace kurvex {
namespace {

using enum TMouseActMode;

constexpr int kEvents = 10000;

class GestureSoak : public test::GestureTest, public ::testing::WithParamInterface<TMouseActMode> {
 protected:
  void SetUp() override {
    GestureTest::SetUp();
    test::AppendSpeedTestCurve(*chart, 10000);
    chart->RefreshChart();
    // A second active layer with logarithmic axes, and the axes of layer 1 draggable.
    chart->SetMouseActiveLayer(2, true);
    chart->SetLayerRange(2, 1, 1, 1000, 1e6);
    chart->ScaleXProps(2).SetLogarithmic(true);
    chart->ScaleYProps(2).SetLogarithmic(true);
    chart->ScaleXProps(1).SetMouseAction(maPan);
    chart->ScaleYProps(1).SetMouseAction(maZoom);
    chart->SetMouseAction(GetParam());
    if (GetParam() == maDragCrossH) {
      chart->CrossHair(1).SetMode(TCrossHMode::chBoth);
      chart->CrossHair(2).SetMode(TCrossHMode::chCrossBox);
      chart->CrossHair(2).SetLayer(1);
    }
    for (int n = 1; n <= 3; ++n) {
      TTextLabel& label = chart->TextLabel(n);
      label.SetMode(TTxtLblMode::tlBox);
      label.SetVisible(true);
      label.SetAttachToData(static_cast<TTxtLblAttachMode>(n));
    }
    for (int n = 1; n <= TCustomKurvex::kLayers; ++n) {
      ascending_x_[n] = X(n).RangeLow() < X(n).RangeHigh();
      ascending_y_[n] = Y(n).RangeLow() < Y(n).RangeHigh();
    }
  }

  // Ends finite, apart, with a finite width, above zero on a logarithmic axis; and, except
  // for zoom windows (which may turn an axis over), in the direction the axis had.
  void ExpectSoundRange(const TScaleProps& p, bool ascending, int layer, int event) {
    const double lo = p.RangeLow(), hi = p.RangeHigh();
    ASSERT_TRUE(std::isfinite(lo) && std::isfinite(hi) && std::isfinite(hi - lo) && lo != hi)
        << "layer " << layer << ", event " << event << ": " << lo << " .. " << hi;
    if (p.Logarithmic()) {
      ASSERT_GE(std::min(lo, hi), 1e-100) << "layer " << layer << ", event " << event;
    }
    if (GetParam() != maZoomWind) {
      ASSERT_EQ(lo < hi, ascending) << "layer " << layer << ", event " << event;
    }
  }

  void RandomEvent(std::mt19937& random) {
    std::uniform_int_distribution<int> x(-40, 610), y(-40, 440), kind(0, 99);
    const int k = kind(random);
    const TMouseButton buttons[] = {TMouseButton::mbLeft, TMouseButton::mbLeft, TMouseButton::mbLeft,
                                    TMouseButton::mbRight, TMouseButton::mbMiddle};
    const TMouseButton button = buttons[random() % 5];
    if (k < 55) {
      Move(x(random), y(random));
    } else if (k < 72) {
      Press(x(random), y(random), button);
    } else if (k < 92) {
      Release(x(random), y(random), button);
    } else if (k < 97) {
      Host().DoubleClick(*chart, x(random), y(random));
    } else if (k < 98) {
      chart->ArmCornerSelection();
    } else {
      const TMouseActMode axis_modes[] = {maPan, maZoom, maZoomDrag, maNone};
      chart->ScaleXProps(1 + static_cast<int>(random() % 2)).SetMouseAction(axis_modes[random() % 4]);
      chart->ScaleYProps(1 + static_cast<int>(random() % 2)).SetMouseAction(axis_modes[random() % 4]);
    }
  }

  std::array<bool, TCustomKurvex::kLayers + 1> ascending_x_{}, ascending_y_{};
};

TEST_P(GestureSoak, RandomGesturesLeaveASoundChartAndAClearWindow) {
  std::mt19937 random(1234u + static_cast<unsigned>(GetParam()));
  int zoom_pans = 0;
  chart->OnZoomPan = [&](TObject*) { ++zoom_pans; };
  for (int event = 0; event < kEvents; ++event) {
    RandomEvent(random);
    ASSERT_TRUE(Host().MessageBoxes().empty()) << "event " << event << ": " << Host().MessageBoxes()[0].text;
    for (int n = 1; n <= 2; ++n) {
      ExpectSoundRange(X(n), ascending_x_[n], n, event);
      ExpectSoundRange(Y(n), ascending_y_[n], n, event);
    }
  }
  for (TMouseButton b : {TMouseButton::mbLeft, TMouseButton::mbRight, TMouseButton::mbMiddle}) Release(300, 200, b);
  const Bitmap shown = Screen();
  EXPECT_NO_THROW(chart->Paint());
  EXPECT_EQ(test::DiffPixels(shown, Screen()), 0) << "the window shows what a paint shows";
  EXPECT_GT(zoom_pans, 0) << "the soak reached range changes";
  if (GetParam() == maDrawMTrace) {
    EXPECT_GT(chart->MouseTraceCount(), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryMouseAction, GestureSoak, ::testing::ValuesIn(test::AllMouseActions()),
                         test::MouseActionName);

}  // namespace
}  // namespace kurvex
