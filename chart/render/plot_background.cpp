// The plot background: ChartColor inside a ChartFrameColor border, under the grid and the
// items. Background images and coloured areas have their own steps.

#include "chart/render/pipeline_steps.h"

namespace kurvex {

namespace render {

bool PaintBackgroundImage(TCustomKurvex& /*chart*/, TCanvas& /*canvas*/, int /*left*/, int /*top*/, int /*width*/,
                          int /*height*/) {
  // Background image files are not drawn yet: the plain background is painted instead.
  return false;
}

void PaintBackgroundAreas(TCustomKurvex& /*chart*/, TCanvas& /*canvas*/, int /*left*/, int /*top*/, int /*width*/,
                          int /*height*/) {
  // Coloured areas are not drawn yet.
}

}  // namespace render

void TCustomKurvex::PaintPlotBackground(TCanvas& canvas, int left, int top, int width, int height) {
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Pen().SetMode(TPenMode::pmCopy);
  canvas.Brush().SetColor(ChartColor());
  render::StateOf(*this).Cache.CachedBrushColor = ChartColor();
  canvas.Pen().SetColor(ChartFrameColor());
  if (render::PaintBackgroundImage(*this, canvas, left, top, width, height)) return;
  canvas.Rectangle(left, top, left + width, top + height);
  render::PaintBackgroundAreas(*this, canvas, left, top, width, height);
}

}  // namespace kurvex
