// The plot background under the grid and the items: a background image in its fill mode,
// or ChartColor inside a ChartFrameColor border with one coloured area whose edges are
// world values of the chart's current layer, so that the area moves and zooms with the data.

#include <algorithm>
#include <cstdint>

#include "chart/render/pipeline_steps.h"

namespace kurvex {

namespace render {

namespace {

int ToInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT32_MIN, INT32_MAX)); }

}  // namespace

void PaintBackgroundAreas(TCustomKurvex& chart, TCanvas& canvas, int left, int top, int width, int height) {
  const TBakGndImg& area = chart.BackGroundImg();
  canvas.Brush().SetColor(area.AreaColor());
  canvas.Pen().SetColor(area.AreaColor());
  const TBGAreaMode mode = area.AreaMode();
  if (mode == TBGAreaMode::bamNone) return;

  // The edges in canvas pixels; far edges are clamped like every drawn point.
  const TLayerMap& map = chart.LayerMap(chart.CurrentLayer());
  const long long dx = static_cast<long long>(left) - chart.MarginLeft();
  const long long dy = static_cast<long long>(top) - chart.MarginTop();
  const int xl = ToInt(ClampDrawable(map.X.ToPixel(area.AreaLeft())) + dx);
  const int xr = ToInt(ClampDrawable(map.X.ToPixel(area.AreaRight())) + dx);
  const int yt = ToInt(ClampDrawable(map.Y.ToPixel(area.AreaTop())) + dy);
  const int yb = ToInt(ClampDrawable(map.Y.ToPixel(area.AreaBottom())) + dy);
  // The plot's own edges.
  const int l = left;
  const int t = top;
  const int r = ToInt(static_cast<long long>(left) + width);
  const int b = ToInt(static_cast<long long>(top) + height);

  switch (mode) {
    case TBGAreaMode::bamNone:
      break;
    case TBGAreaMode::bamLeft:
      canvas.Rectangle(l, t, xl, b);
      break;
    case TBGAreaMode::bamRight:
      canvas.Rectangle(xr, t, r, b);
      break;
    case TBGAreaMode::bamTop:
      canvas.Rectangle(l, t, r, yt);
      break;
    case TBGAreaMode::bamBottom:
      canvas.Rectangle(l, yb, r, b);
      break;
    case TBGAreaMode::bamVStripe:
      canvas.Rectangle(xl, t, xr, b);
      break;
    case TBGAreaMode::bamHStripe:
      canvas.Rectangle(l, yt, r, yb);
      break;
    case TBGAreaMode::bamRect:
      canvas.Rectangle(xl, yt, xr, yb);
      break;
    case TBGAreaMode::bamRectInv:
      canvas.Rectangle(l, t, r, yt);
      canvas.Rectangle(l, yb, r, b);
      canvas.Rectangle(l, t, xl, b);
      canvas.Rectangle(xr, t, r, b);
      break;
    case TBGAreaMode::bamVStripeInv:
      canvas.Rectangle(l, t, xl, b);
      canvas.Rectangle(xr, t, r, b);
      break;
    case TBGAreaMode::bamHStripeInv:
      canvas.Rectangle(l, t, r, yt);
      canvas.Rectangle(l, yb, r, b);
      break;
  }
}

}  // namespace render

void TCustomKurvex::PaintPlotBackground(TCanvas& canvas, int left, int top, int width, int height) {
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Pen().SetMode(TPenMode::pmCopy);
  canvas.Brush().SetColor(ChartColor());
  render::StateOf(*this).Cache.CachedBrushColor = ChartColor();
  canvas.Pen().SetColor(ChartFrameColor());
  const render::TBackgroundImageResult image =
      render::PaintBackgroundImage(*this, canvas, left, top, width, height);
  if (image == render::TBackgroundImageResult::Shown) return;
  canvas.Rectangle(left, top, left + width, top + height);
  if (image == render::TBackgroundImageResult::Failed) {
    // A file that cannot be loaded is forgotten without a word. Clearing the name notifies
    // the chart, whose repaint would run a second paint inside this one and then have this
    // one draw the items, texts and XOR mouse trace once more over it (texts thicken, the
    // trace vanishes). So painting is held meanwhile; this paint goes on as the repaint
    // would, with the plain background and the areas.
    const bool held = paint_hold_;
    paint_hold_ = true;
    struct Release {
      bool& hold;
      bool value;
      ~Release() { hold = value; }
    } release{paint_hold_, held};
    bak_gnd_img_->SetName("");
  }
  render::PaintBackgroundAreas(*this, canvas, left, top, width, height);
}

}  // namespace kurvex
