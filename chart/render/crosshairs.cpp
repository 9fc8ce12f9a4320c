// The four crosshairs, drawn over everything just before the image reaches the window:
// 4 first, so that crosshair 1 ends on top.

#include <algorithm>

#include "chart/render/pipeline_steps.h"

namespace kurvex::render {

namespace {

bool AnyCrossHairOn(const TCustomKurvex& chart) {
  for (int n = 1; n <= 4; ++n) {
    if (chart.CrossHair(n).Mode() != TCrossHMode::chOff) return true;
  }
  return false;
}

// One crosshair into a canvas whose pixel (0, 0) is control pixel (ox, oy). A part is drawn
// only where its position keeps the whole pen width off the plot's edges (w2 is half the
// width); nothing is clipped to the plot.
void DrawCrossHair(const TCustomKurvex& chart, const TCrossHair& c, TCanvas& canvas, int ox, int oy) {
  const TPoint at = chart.WorldToPixel(c.Layer(), c.PosX(), c.PosY());
  TPen& pen = canvas.Pen();
  pen.SetColor(c.Color());
  pen.SetWidth(c.LineWid());
  pen.SetStyle(c.LineType());
  canvas.Brush().SetColor(chart.ChartColor());  // fills the gaps of a broken line

  const TPlotGeometry g = chart.Geometry();
  const int w2 = std::max(c.LineWid() / 2, 0);
  const int right = g.Width - g.MarginRight - g.ShadowWidth;
  const int bottom = g.Height - g.MarginBottom - g.ShadowWidth;
  const bool x_usable = g.MarginLeft + w2 < at.X && at.X < right - w2;
  const bool y_usable = g.MarginTop + w2 < at.Y && at.Y < bottom - w2;
  const int px = at.X - ox, py = at.Y - oy;
  const TCrossHMode mode = c.Mode();

  if ((mode == TCrossHMode::chHoriz || mode == TCrossHMode::chBoth) && y_usable) {
    canvas.MoveTo(g.MarginLeft + w2 + 1 - ox, py);
    canvas.LineTo(right - w2 - ox, py);
  }
  if ((mode == TCrossHMode::chVert || mode == TCrossHMode::chBoth) && x_usable) {
    canvas.MoveTo(px, g.MarginTop + w2 + 1 - oy);
    canvas.LineTo(px, bottom - w2 - oy);
  }
  if (!x_usable || !y_usable) return;
  if (mode == TCrossHMode::chCrossBox) {
    // A 27-pixel cross, then a black 5 x 5 frame inside a white 7 x 7 frame.
    canvas.MoveTo(px - 13, py);
    canvas.LineTo(px + 14, py);
    canvas.MoveTo(px, py - 13);
    canvas.LineTo(px, py + 14);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    pen.SetStyle(TPenStyle::psSolid);
    pen.SetColor(clWhite);
    canvas.Rectangle(px - 3, py - 3, px + 4, py + 4);
    pen.SetColor(clBlack);
    canvas.Rectangle(px - 2, py - 2, px + 3, py + 3);
  } else if (mode == TCrossHMode::chBox) {
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Rectangle(px - 4, py - 4, px + 5, py + 5);
  }
}

}  // namespace

void DrawCrossHairs(TCustomKurvex& chart, Bitmap& target, int x, int y) {
  if (!AnyCrossHairOn(chart)) return;
  TCanvas own(&target);
  TCanvas& canvas = &target == &chart.ControlBitmap() ? chart.ControlCanvas()
                    : &target == &chart.PlotBitmap()  ? chart.PlotCanvas()
                                                      : own;
  TPen& pen = canvas.Pen();
  const TColor pen_color = pen.Color();
  const int pen_width = pen.Width();
  const TPenStyle pen_style = pen.Style();
  const TPenMode pen_mode = pen.Mode();
  const TColor brush_color = canvas.Brush().Color();
  const TBrushStyle brush_style = canvas.Brush().Style();
  pen.SetMode(TPenMode::pmCopy);

  for (int n = 4; n >= 1; --n) {
    const TCrossHair& c = chart.CrossHair(n);
    if (c.Mode() != TCrossHMode::chOff) DrawCrossHair(chart, c, canvas, x, y);
  }

  pen.SetColor(pen_color);
  pen.SetWidth(pen_width);
  pen.SetStyle(pen_style);
  pen.SetMode(pen_mode);
  canvas.Brush().SetColor(brush_color);
  canvas.Brush().SetStyle(brush_style);
}

}  // namespace kurvex::render
