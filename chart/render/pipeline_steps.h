#pragma once
// The steps of a chart paint that live in their own files, so that each concern can grow
// on its own: frame and caption, scales, grid, text labels, mouse trace and crosshairs.

#include "chart/model/kurvex.h"
#include "chart/render/render_state.h"

namespace kurvex::render {

// The render state of a chart, created on first use.
TRenderState& StateOf(const TCustomKurvex& chart);

// Window colour, shadow, outline and caption into the control image, the transform
// update, the 32 axes and OnScalesRendered.
void PaintFrameAndScales(TCustomKurvex& chart);

// Draws the 32 axes into the control image: x axes of layers 1..16, then y axes.
void DrawScales(TCustomKurvex& chart);

// The background image file in its fill mode, when BackGroundImg names one. An image that
// is shown covers the plot (no plain background, no areas); a file that cannot be loaded
// draws nothing.
enum class TBackgroundImageResult { NoImage, Shown, Failed };
TBackgroundImageResult PaintBackgroundImage(TCustomKurvex& chart, TCanvas& canvas, int left, int top, int width,
                                            int height);
// The coloured area of BackGroundImg, its edges mapped through the chart's current layer.
void PaintBackgroundAreas(TCustomKurvex& chart, TCanvas& canvas, int left, int top, int width, int height);

// The grid of the current layer, into a canvas whose (ox, oy) is the plot's top-left pixel.
void DrawGrid(TCustomKurvex& chart, TCanvas& canvas, int ox, int oy);

// The 50 text labels, 50 down to 1.
void DrawTextLabels(TCustomKurvex& chart, TCanvas& canvas, int ox, int oy);

// The stored mouse trace, into a bitmap whose (ox, oy) is the plot's top-left pixel.
void DrawMouseTrace(TCustomKurvex& chart, int ox, int oy, Bitmap& target);

// The four crosshairs, into a bitmap placed at (x, y) in the control.
void DrawCrossHairs(TCustomKurvex& chart, Bitmap& target, int x, int y);

}  // namespace kurvex::render
