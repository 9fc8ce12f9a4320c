// The chart's 50 text labels, drawn over the items from label 50 down to label 1, so that
// label 1 ends on top. Each is a box (plain background, bordered, underlined or with a
// drop shadow) with one or more lines of text in it.

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "chart/render/pipeline_steps.h"
#include "chart/render/text_label_geometry.h"

namespace kurvex::render {

namespace {

int ToInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT32_MIN, INT32_MAX)); }

// Moves control pixels onto the canvas, whose (ox, oy) is the plot's top-left corner.
struct TCanvasShift {
  long long dx = 0;
  long long dy = 0;
  int X(long long x) const { return ToInt(x + dx); }
  int Y(long long y) const { return ToInt(y + dy); }
  TRect Box(const TRect& r, long long mx = 0, long long my = 0) const {
    return Rect(X(r.Left + mx), Y(r.Top + my), X(r.Right + mx), Y(r.Bottom + my));
  }
};

// The box and its decoration. The brush is the background colour, or clear for a
// transparent label, whenever this returns.
void DrawLabelBox(TCanvas& canvas, const TCustomTextLabel& label, const TTextLabelPlacement& p,
                  const TCanvasShift& shift) {
  TPen& pen = canvas.Pen();
  TBrush& brush = canvas.Brush();
  const bool transparent = label.Transparent();
  // Setting a brush colour makes the brush solid; a transparent label keeps it clear.
  auto set_brush = [&](TColor color) {
    brush.SetColor(color);
    if (transparent) brush.SetStyle(TBrushStyle::bsClear);
  };
  const TRect box = shift.Box(p.Box);
  switch (label.Mode()) {
    case TTxtLblMode::tlsimple:
      if (!transparent) {
        pen.SetColor(label.ColorBkg());
        canvas.Rectangle(box);
      }
      break;
    case TTxtLblMode::tlBox:
      canvas.Rectangle(box);
      break;
    case TTxtLblMode::tlUnderline:
      if (!transparent) {
        pen.SetColor(label.ColorBkg());
        canvas.Rectangle(box);
      }
      pen.SetColor(label.ColorBorder());
      canvas.MoveTo(shift.X(p.X), shift.Y(p.Y));
      canvas.LineTo(shift.X(static_cast<long long>(p.X) + p.MaxWidth), shift.Y(p.Y));
      break;
    case TTxtLblMode::tlShadow:
      pen.SetColor(label.ColorShadow());
      set_brush(label.ColorShadow());
      canvas.Rectangle(shift.Box(p.Box, label.ShadowDx(), label.ShadowDy()));
      pen.SetColor(label.ColorBorder());
      set_brush(label.ColorBkg());
      canvas.Rectangle(box);
      break;
    case TTxtLblMode::tlOff:
      break;
  }
}

// The lines of the caption, each placed within the widest by the label's alignment. The
// text cells take the brush (the background colour, or nothing when transparent).
void DrawLabelText(TCanvas& canvas, const TCustomTextLabel& label, const TTextLabelPlacement& p,
                   const TCanvasShift& shift) {
  const long long h = p.LineHeight;
  if (p.Lines == 1) {
    canvas.TextOut(shift.X(p.X), shift.Y(p.Y - h), label.Caption());
    return;
  }
  ForEachCaptionLine(label.Caption(), [&](std::string_view line, int k) {
    const int room = p.MaxWidth - canvas.TextWidth(line);
    const int dx = label.Alignment() == TAlignment::taRightJustify ? room
                   : label.Alignment() == TAlignment::taCenter     ? room / 2
                                                                   : 0;
    canvas.TextOut(shift.X(static_cast<long long>(p.X) + dx), shift.Y(p.Y - h * (p.Lines - k)), line);
  });
}

void DrawTextLabel(const TCustomKurvex& chart, const TCustomTextLabel& label, TCanvas& canvas, int ox, int oy) {
  const TTextLabelPlacement p = PlaceTextLabel(chart, label, canvas);
  const TCanvasShift shift{static_cast<long long>(ox) - chart.MarginLeft(),
                           static_cast<long long>(oy) - chart.MarginTop()};
  canvas.Pen().SetColor(label.ColorBorder());
  canvas.Pen().SetStyle(TPenStyle::psSolid);
  canvas.Brush().SetColor(label.ColorBkg());
  if (label.Transparent()) canvas.Brush().SetStyle(TBrushStyle::bsClear);
  DrawLabelBox(canvas, label, p, shift);
  DrawLabelText(canvas, label, p, shift);
}

}  // namespace

void DrawTextLabels(TCustomKurvex& chart, TCanvas& canvas, int ox, int oy) {
  for (int n = TCustomKurvex::kTextLabels; n >= 1; --n) {
    const TTextLabel& label = chart.TextLabel(n);
    if (TextLabelShown(chart, label)) DrawTextLabel(chart, label, canvas, ox, oy);
  }
}

}  // namespace kurvex::render
