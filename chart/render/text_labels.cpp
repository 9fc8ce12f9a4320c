// The chart's 50 text labels, drawn over the items.

#include "chart/render/pipeline_steps.h"

namespace kurvex::render {

void DrawTextLabels(TCustomKurvex& /*chart*/, TCanvas& /*canvas*/, int /*ox*/, int /*oy*/) {
  // Text labels are not drawn yet.
}

}  // namespace kurvex::render
