#pragma once
// ConfigureScale: one axis setting of the chart copied into the scale control that draws
// it, with the axis line placed on the plot's edge.

#include "chart/model/layer_mapping.h"
#include "chart/model/scale_props.h"
#include "scale/scale.h"

namespace kurvex {

// Copies P into S through S's setters: the scale type; the control margin on the far side
// of the axis line, which puts that line on the plot edge of its side, moved outwards by
// ScalePos (sctXB on the plot's top row, sctXT on its bottom row, sctYL on its right
// column, sctYR on its left column); range, visibility, caption, colour and label
// settings; the font with its colour; the date format. g is the chart's geometry. The
// margins along the axis follow the chart's margins and are set where those change.
void ConfigureScale(TScale& S, const TScaleProps& P, const TPlotGeometry& g);

}  // namespace kurvex
