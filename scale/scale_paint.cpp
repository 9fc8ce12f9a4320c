#include "scale/scale.h"

namespace kurvex {

// The tick engine draws the scale here; until it exists a scale paints nothing.
void TScale::RenderScale(TCanvas& /*canvas*/, int /*ox*/, int /*oy*/) {}

}  // namespace kurvex
