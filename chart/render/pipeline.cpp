// The chart's paint: control image (frame, caption, axes), plot image (background, items,
// labels, frame, mouse trace), the paste of the plot into the control image and the copy
// to the window in one operation; and the plot-only refresh of RefreshChart.

#include "chart/render/item_loop.h"
#include "chart/render/pipeline_steps.h"

namespace kurvex {

void TRenderStateDeleter::operator()(TRenderState* state) const { delete state; }

namespace render {

TRenderState& StateOf(const TCustomKurvex& chart) {
  if (chart.RenderState() == nullptr) const_cast<TCustomKurvex&>(chart).SetRenderState(new TRenderState);
  return *chart.RenderState();
}

namespace {

TItemContext MakeItemContext(TCustomKurvex& chart, TCanvas& canvas, int ox, int oy, bool monochrome) {
  TItemContext ctx;
  ctx.Canvas = &canvas;
  ctx.State = &StateOf(chart);
  ctx.OffsetX = ox;
  ctx.OffsetY = oy;
  ctx.Monochrome = monochrome;
  ctx.Geometry = chart.Geometry();
  for (int n = 1; n <= TItemContext::kLayers; ++n) {
    TLayerView& layer = ctx.Layers[static_cast<std::size_t>(n)];
    layer.Map = chart.LayerMap(n);
    const TScaleProps& x = chart.ScaleXProps(n);
    const TScaleProps& y = chart.ScaleYProps(n);
    layer.X = TAxisRange{x.RangeLow(), x.RangeHigh(), x.Logarithmic()};
    layer.Y = TAxisRange{y.RangeLow(), y.RangeHigh(), y.Logarithmic()};
  }
  ctx.TextFont = &chart.TextFont();
  ctx.Sender = &chart;
  ctx.OnBeforeRenderText = &chart.OnBeforeRenderText;
  ctx.AvoidDuplicateMarks = chart.AvoidDuplicateMarks();
  return ctx;
}

TListPass MakePass(const TCustomKurvex& chart, bool annotation, TKindPass kinds) {
  TListPass pass;
  pass.Items = annotation ? &chart.AnnotationItems() : &chart.MainItems();
  pass.Texts = annotation ? &chart.AnnotationLongTexts() : &chart.LongTexts();
  pass.IsAnnotation = annotation;
  for (int c = 0; c < 256; ++c) {
    pass.ClassShown[static_cast<std::size_t>(c)] = annotation ? chart.AnnotationClassVisible(c) : chart.ClassVisible(c);
  }
  for (int n = 1; n <= TItemContext::kLayers; ++n) pass.LayerShown[static_cast<std::size_t>(n)] = chart.LayerVisible(n);
  pass.Kinds = kinds;
  pass.OnBeforeRenderChartItem = &chart.OnBeforeRenderChartItem;
  return pass;
}

// Pen width, pen position, path start and the canvas-state cache as every render begins.
void ResetRenderState(TCustomKurvex& chart, TCanvas& canvas, int ox, int oy) {
  TRenderState& state = StateOf(chart);
  canvas.Pen().SetWidth(chart.LineWidth());
  state.Cache.CachedPenWidth = chart.LineWidth();
  state.Path.Reset(Point(ox, oy));
  canvas.MoveTo(ox, oy);
  const TColor background = chart.ChartColor();
  canvas.Pen().SetColor(background);
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Brush().SetColor(background);
  canvas.Font().SetColor(background);
  state.Cache.CachedPenColor = background;
  state.Cache.CachedPenStyle = TPenStyle::psSolid;
  state.Cache.CachedBrushColor = background;
  state.Cache.CachedFontColor = background;
}

void DrawItemLists(TCustomKurvex& chart, const TItemContext& ctx) {
  const bool main_last = chart.MainListAfterAnnotations();
  if (!main_last) DrawItemList(ctx, MakePass(chart, false, TKindPass::All));
  if (chart.AnnotationsVisible()) {
    if (chart.AnnotationTextsLast()) {
      DrawItemList(ctx, MakePass(chart, true, TKindPass::NonText));
      DrawItemList(ctx, MakePass(chart, true, TKindPass::TextOnly));
    } else {
      DrawItemList(ctx, MakePass(chart, true, TKindPass::All));
    }
  }
  if (main_last) DrawItemList(ctx, MakePass(chart, false, TKindPass::All));
}

// The plot frame: the outermost rows and columns of the plot.
void DrawPlotFrame(TCustomKurvex& chart, TCanvas& canvas, int ox, int oy) {
  const TPlotGeometry g = chart.Geometry();
  const int right = ox + g.DrawWidth(), bottom = oy + g.DrawHeight();
  canvas.Pen().SetColor(chart.ChartFrameColor());
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  TRenderState& state = StateOf(chart);
  state.Cache.CachedPenColor = chart.ChartFrameColor();
  state.Cache.CachedPenStyle = TPenStyle::psSolid;
  canvas.MoveTo(ox, oy);
  canvas.LineTo(right, oy);
  canvas.LineTo(right, bottom);
  canvas.LineTo(ox, bottom);
  canvas.LineTo(ox, oy);
}

}  // namespace

}  // namespace render

void TCustomKurvex::Paint() {
  if (!Visible() && !IsDesigning()) return;
  if (IsLoading() || PaintHeld()) return;
  // A logarithmic range error leaves this paint here, with the window as it was.
  render::PaintFrameAndScales(*this);
  const TPlotGeometry g = Geometry();
  Bitmap& plot = PlotBitmap();
  plot.SetSize(g.PlotWidth(), g.PlotHeight());
  PaintPlotBackground(PlotCanvas(), 0, 0, g.PlotWidth(), g.PlotHeight());
  RenderDataToBitmap(plot, 0, 0, false, 0);
  render::DrawMouseTrace(*this, 0, 0, plot);
  ControlCanvas().Draw(MarginLeft(), MarginTop(), plot);
  PresentBitmap(0, 0, Canvas(), ControlBitmap());
}

void TCustomKurvex::RenderDataToBitmap(Bitmap& target, int ox, int oy, bool monochrome, int no_grid) {
  if (&target == &PlotBitmap()) {
    RenderData(PlotCanvas(), ox, oy, monochrome, no_grid);
    return;
  }
  TCanvas canvas(&target);
  RenderData(canvas, ox, oy, monochrome, no_grid);
}

void TCustomKurvex::RenderData(TCanvas& canvas, int ox, int oy, bool monochrome, int no_grid) {
  TRenderState& state = render::StateOf(*this);
  if (AvoidDuplicateMarks()) state.Occupancy.Prepare(Width(), Height(), MinDupMarkDist());

  const TColor brush = canvas.Brush().Color();
  const TColor pen = canvas.Pen().Color();
  if (OnBeforeRenderData) OnBeforeRenderData(this, canvas, MarginTop() - oy, MarginLeft() - ox);
  canvas.Brush().SetColor(brush);
  canvas.Pen().SetColor(pen);

  if (GridStyle() != GridStyleType::gsNone && no_grid == 0) render::DrawGrid(*this, canvas, ox, oy);

  render::ResetRenderState(*this, canvas, ox, oy);
  render::DrawItemLists(*this, render::MakeItemContext(*this, canvas, ox, oy, monochrome));

  canvas.Pen().SetWidth(1);
  state.Cache.CachedPenWidth = 1;
  render::DrawTextLabels(*this, canvas, ox, oy);
  if (OnDataRendered) OnDataRendered(this, canvas, MarginTop() - oy, MarginLeft() - ox);
  render::DrawPlotFrame(*this, canvas, ox, oy);
}

void TCustomKurvex::PresentBitmap(int X, int Y, TCanvas& canvas, Bitmap& source) {
  render::DrawCrossHairs(*this, source, X, Y);
  canvas.Draw(X, Y, source);
  const TRect region = Rect(X, Y, X + source.Width(), Y + source.Height());
  if (&canvas == &Canvas()) RestoreWindowFigures(region);
  Present(region);
}

void TCustomKurvex::RefreshPlotArea() {
  Bitmap& plot = PlotBitmap();
  PaintPlotBackground(PlotCanvas(), 0, 0, plot.Width(), plot.Height());
  RenderDataToBitmap(plot, 0, 0, false, 0);
  PresentBitmap(MarginLeft(), MarginTop(), Canvas(), plot);
}

}  // namespace kurvex
