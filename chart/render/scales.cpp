// The chart's 32 axes, drawn by their scale controls into the control image.

#include "chart/render/pipeline_steps.h"

namespace kurvex::render {

namespace {

// Brings one scale control up to date with its property object before it draws. The chart
// already copies every property object into its control whenever one changes (and on
// resize, reset and load), so nothing is left to copy here yet; placing each axis on the
// plot edge before it draws will go here.
void ConfigureScale(TCustomKurvex& /*chart*/, TScale& /*scale*/, const TScaleProps& /*props*/) {}

}  // namespace

void DrawScales(TCustomKurvex& chart) {
  for (int n = 1; n <= TCustomKurvex::kLayers; ++n) {
    ConfigureScale(chart, chart.ScaleX(n), chart.ScaleXProps(n));
    chart.ScaleX(n).ForcePaint();
  }
  for (int n = 1; n <= TCustomKurvex::kLayers; ++n) {
    ConfigureScale(chart, chart.ScaleY(n), chart.ScaleYProps(n));
    chart.ScaleY(n).ForcePaint();
  }
}

}  // namespace kurvex::render
