// The control image around the plot: window colour, shadow (flying or box), outline and
// the chart caption; then the transform update, the axes and OnScalesRendered.

#include <cmath>
#include <string>

#include "chart/render/pipeline_steps.h"

namespace kurvex::render {

namespace {

void PaintShadow(TCustomKurvex& chart, TCanvas& c, int bw, int bh) {
  const int sw = chart.ShadowWidth();
  // The two corners the shadow leaves free.
  c.Brush().SetColor(chart.ShadowBakColor());
  c.Pen().SetColor(chart.ShadowBakColor());
  c.Rectangle(bw - sw, 0, bw, sw);
  c.Rectangle(0, bh - sw, sw, bh);

  c.Brush().SetColor(chart.ShadowColor());
  const bool flying = chart.ShadowStyle() == TShadowStyle::ssFlying;
  c.Pen().SetColor(flying ? chart.ShadowColor() : clBlack);
  const int f = flying ? sw - 1 : 0;
  const TPoint bottom[4] = {Point(f, bh - sw), Point(sw - 1, bh - 1), Point(bw - 1, bh - 1), Point(bw - sw, bh - sw)};
  c.Polygon(bottom);
  const TPoint right[4] = {Point(bw - sw, bh - sw), Point(bw - 1, bh - 1), Point(bw - 1, sw - 1), Point(bw - sw, f)};
  c.Polygon(right);

  c.Pen().SetColor(clBlack);
  c.Pen().SetStyle(TPenStyle::psSolid);
  const int w = chart.Width(), h = chart.Height();
  c.MoveTo(0, 0);
  c.LineTo(w - sw, 0);
  c.LineTo(w - sw, h - sw);
  c.LineTo(0, h - sw);
  c.LineTo(0, 0);
}

// Number of characters of a UTF-8 text, and its first n characters.
std::size_t CharCount(const std::string& s) {
  std::size_t n = 0;
  for (const char ch : s) n += (static_cast<unsigned char>(ch) & 0xC0) != 0x80;
  return n;
}
std::string FirstChars(const std::string& s, std::size_t n) {
  std::size_t i = 0;
  for (std::size_t seen = 0; i < s.size(); ++i) {
    if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && seen++ == n) break;
  }
  return s.substr(0, i);
}

void DrawCaption(TCustomKurvex& chart, TCanvas& c, int bw) {
  std::string text = chart.Caption();
  int w = c.TextWidth(text);
  const int ml = chart.MarginLeft(), mr = chart.MarginRight(), mt = chart.MarginTop(), mb = chart.MarginBottom();
  const int sw = chart.ShadowWidth();
  if (chart.CaptionTrim() != 0) {
    const int room = bw - (sw + ml + mr);
    const double limit = std::nearbyint(room * 0.01 * chart.CaptionTrim());
    if (limit < w) {
      // Keep a prefix of about the allowed share of the characters and mark the cut.
      const double keep = std::nearbyint(static_cast<double>(CharCount(text)) * limit / w) - 2;
      text = FirstChars(text, keep > 0 ? static_cast<std::size_t>(keep) : 0) + "...";
      w = c.TextWidth(text);
    }
  }

  const int width = chart.Width(), height = chart.Height();
  int x = chart.CaptionPosX();
  int y = chart.CaptionPosY();
  switch (chart.CaptionAnchorHoriz()) {
    case TCaptionAnchorHoriz::cahControlLeft: break;
    case TCaptionAnchorHoriz::cahChartLeft: x = ml + x; break;
    case TCaptionAnchorHoriz::cahChartCenter: x = ml + x + (width - ml - mr - sw) / 2; break;
    case TCaptionAnchorHoriz::cahChartRight: x = width + x - mr - sw; break;
    case TCaptionAnchorHoriz::cahControlRight: x = width + x; break;
  }
  switch (chart.CaptionAnchorVert()) {
    case TCaptionAnchorVert::cavControlTop: break;
    case TCaptionAnchorVert::cavChartTop: y = y + mt; break;
    case TCaptionAnchorVert::cavChartCenter: y = y + mt + (height - mt - mb - sw) / 2; break;
    case TCaptionAnchorVert::cavChartBottom: y = y + height - mb; break;
    case TCaptionAnchorVert::cavControlBottom: y = y + height; break;
  }
  switch (chart.CaptionAlignment()) {
    case TAlignment::taLeftJustify: break;
    case TAlignment::taRightJustify: x -= w; break;
    case TAlignment::taCenter: x -= w / 2; break;
  }
  c.TextOut(x, y, text);
}

}  // namespace

void PaintFrameAndScales(TCustomKurvex& chart) {
  Bitmap& image = chart.ControlBitmap();
  TCanvas& c = chart.ControlCanvas();
  const int width = chart.Width(), height = chart.Height();
  image.SetSize(width, height);
  c.Pen().SetStyle(TPenStyle::psSolid);
  c.Pen().SetMode(TPenMode::pmCopy);
  c.Pen().SetWidth(1);
  c.Brush().SetColor(chart.WindColor());
  c.Pen().SetColor(chart.WindColor());
  c.Rectangle(0, 0, width, height);
  if (chart.ShadowWidth() > 0) PaintShadow(chart, c, image.Width(), image.Height());

  c.Pen().SetColor(chart.ChartFrameColor());
  c.Brush().SetStyle(TBrushStyle::bsClear);
  c.Font().Assign(chart.Font());
  DrawCaption(chart, c, image.Width());

  chart.UpdateTransforms();
  DrawScales(chart);
  if (chart.OnScalesRendered) chart.OnScalesRendered(&chart, c, 0, 0);
}

}  // namespace kurvex::render
