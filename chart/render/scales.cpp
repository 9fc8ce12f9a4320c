// The chart's 32 axes, drawn by their scale controls into the control image.

#include "chart/model/configure_scale.h"
#include "chart/render/pipeline_steps.h"

namespace kurvex::render {

void DrawScales(TCustomKurvex& chart) {
  // Each control is configured from its axis setting right before it draws, so that the
  // axis shows the setting as it is now, whatever was done to the control since.
  const TPlotGeometry g = chart.Geometry();
  for (int n = 1; n <= TCustomKurvex::kLayers; ++n) {
    ConfigureScale(chart.ScaleX(n), chart.ScaleXProps(n), g);
    chart.ScaleX(n).ForcePaint();
  }
  for (int n = 1; n <= TCustomKurvex::kLayers; ++n) {
    ConfigureScale(chart.ScaleY(n), chart.ScaleYProps(n), g);
    chart.ScaleY(n).ForcePaint();
  }
}

}  // namespace kurvex::render
