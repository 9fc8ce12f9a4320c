// The paint pipeline on whole charts: images, order of steps, events and repaint rules.

#include <gtest/gtest.h>

#include "golden_image.h"
#include "render_test_support.h"

namespace kurvex {
namespace {

TEST(RenderPipeline, SpeedTestCurveOfAThousandPoints) {
  auto chart = test::MakeSpeedTestChart();
  test::AppendSpeedTestCurve(*chart, 1000);
  chart->RefreshChart();
  ExpectMatchesGolden(chart->Surface(), "chart/speed_test_curve_1000");
}

}  // namespace
}  // namespace kurvex
