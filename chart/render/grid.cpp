// The grid of the chart's current layer, drawn into the plot before the items.

#include "chart/render/pipeline_steps.h"

namespace kurvex::render {

void DrawGrid(TCustomKurvex& /*chart*/, TCanvas& /*canvas*/, int /*ox*/, int /*oy*/) {
  // The grid is not drawn yet.
}

}  // namespace kurvex::render
