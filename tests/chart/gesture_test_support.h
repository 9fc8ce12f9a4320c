#pragma once
// A chart with a window under the headless host for the gesture tests: 570 x 400 with the
// standard margins 50/20/20/40 and no shadow, so that the chart area runs from (50, 20) to
// (550, 360): PW = 500, PH = 340. Layer 1 shows x 0..10 and y 0..10; the x axis of layer 1
// lies below the plot, its y axis left of it.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "chart/model/kurvex.h"
#include "chart_test_support.h"
#include "render_test_support.h"
#include "platform/gfx/bitmap.h"

namespace kurvex::test {

class GestureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    chart = std::make_unique<TKurvex>(nullptr);
    chart->SetBounds(0, 0, 570, 400);
    chart->HandleNeeded();
    chart->SetLayerRange(1, 0, 0, 10, 10);
    Headless().ClearMessageBoxes();
  }
  void TearDown() override {
    EXPECT_EQ(TakeMessages(), std::vector<std::string>{}) << "no error reached the exception display";
    chart.reset();
  }

  HeadlessHost& Host() { return Headless(); }
  void Press(int x, int y, TMouseButton b = TMouseButton::mbLeft) { Host().Press(*chart, x, y, b); }
  void Move(int x, int y) { Host().Move(*chart, x, y); }
  void Release(int x, int y, TMouseButton b = TMouseButton::mbLeft) { Host().Release(*chart, x, y, b); }
  void Drag(int x0, int y0, int x1, int y1, int steps = 4) { Host().Drag(*chart, x0, y0, x1, y1, steps); }

  const TScaleProps& X(int layer = 1) const { return chart->ScaleXProps(layer); }
  const TScaleProps& Y(int layer = 1) const { return chart->ScaleYProps(layer); }
  // What the window shows.
  const Bitmap& Screen() { return Host().ScreenImage(*chart); }
  // What the window shows after a full paint now.
  Bitmap Repainted() {
    chart->Paint();
    return Screen();
  }

  std::unique_ptr<TKurvex> chart;
};

// Every mouse action, for suites run once per action, named by the member's name.
inline std::vector<TMouseActMode> AllMouseActions() {
  std::vector<TMouseActMode> all;
  for (int m = 0; m <= static_cast<int>(TMouseActMode::maZoomPanColors); ++m) all.push_back(static_cast<TMouseActMode>(m));
  return all;
}

inline std::string MouseActionName(const ::testing::TestParamInfo<TMouseActMode>& info) {
  return std::string(EnumName(info.param));
}

}  // namespace kurvex::test
