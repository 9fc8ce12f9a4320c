// The chart's drawing pipeline in its first form: a paint shows the window colour only.
// The render code replaces this file with the full pipeline.

#include "chart/model/kurvex.h"

namespace kurvex {

struct TRenderState {};

void TRenderStateDeleter::operator()(TRenderState* state) const { delete state; }

void TCustomKurvex::Paint() {
  if (!Visible() && !IsDesigning()) return;
  if (IsLoading() || PaintHeld()) return;
  Bitmap& image = ControlBitmap();
  image.SetSize(Width(), Height());
  TCanvas& c = ControlCanvas();
  c.Pen().SetColor(WindColor());
  c.Brush().SetColor(WindColor());
  c.Rectangle(0, 0, Width(), Height());
  PresentBitmap(0, 0, Canvas(), image);
}

void TCustomKurvex::PaintPlotBackground(TCanvas& Canvas, int Left, int Top, int Width, int Height) {
  Canvas.Pen().SetColor(ChartFrameColor());
  Canvas.Brush().SetColor(ChartColor());
  Canvas.Rectangle(Left, Top, Left + Width, Top + Height);
}

void TCustomKurvex::RenderDataToBitmap(Bitmap& Target, int OffsetX, int OffsetY, bool Monochrome, int NoGrid) {
  TCanvas canvas(&Target);
  RenderData(canvas, OffsetX, OffsetY, Monochrome, NoGrid);
}

void TCustomKurvex::RenderData(TCanvas& /*Canvas*/, int /*OffsetX*/, int /*OffsetY*/, bool /*Monochrome*/,
                               int /*NoGrid*/) {}

void TCustomKurvex::PresentBitmap(int X, int Y, TCanvas& Canvas, Bitmap& Source) {
  Canvas.Draw(X, Y, Source);
  Present();
}

void TCustomKurvex::RefreshPlotArea() { Paint(); }

}  // namespace kurvex
