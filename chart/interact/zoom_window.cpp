// The zoom window (maZoomWind, maZoomWindPos), the rubber band (maRubberBand) and the
// selection rectangle (maSelectRect): a figure drawn with the XOR pen straight on the
// window while the mouse moves, and on the release of the left button a zoom or an event
// per mouse-active layer.

#include "chart/interact/gesture_ranges.h"
#include "chart/interact/gestures.h"
#include "platform/rect_ops.h"

namespace kurvex::interact {

namespace {

using enum TMouseActMode;

TWindowFigure FigureOf(TMouseActMode mode) { return mode == maRubberBand ? TWindowFigure::Line : TWindowFigure::Rect; }

// The pixels a figure from a to b can touch.
TRect FigureBounds(TPoint a, TPoint b) {
  return Rect(std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1, std::max(a.Y, b.Y) + 1);
}

// Forces a square on an isometric chart: the y offset takes the size of the x offset, with
// the sign that keeps the pointer's quadrant.
int SquareY(TPoint start, int x, int y) {
  return static_cast<long long>(y - start.Y) * (x - start.X) < 1 ? start.Y + start.X - x : start.Y + x - start.X;
}

// Zooms every mouse-active layer to the window, or hands it to OnRubberBand / OnSelectRect.
void FinishWindow(TCustomKurvex& chart, TMouseActMode mode) {
  const TMouseState& m = chart.MouseState();
  for (int n = 1; n <= TCustomKurvex::kLayers; ++n) {
    if (!chart.MouseActiveLayer(n)) continue;
    double x1, y1, x2, y2;
    chart.PixelToWorld(n, m.StartCorner.X, m.StartCorner.Y, x1, y1);
    chart.PixelToWorld(n, m.CurrentCorner.X, m.CurrentCorner.Y, x2, y2);
    const TScaleProps& xp = chart.ScaleXProps(n);
    const TScaleProps& yp = chart.ScaleYProps(n);
    if (mode == maZoomWindPos || mode == maSelectRect) {
      OrderLikeAxis(x1, x2, xp.RangeLow(), xp.RangeHigh());
      OrderLikeAxis(y1, y2, yp.RangeLow(), yp.RangeHigh());
    }
    if (mode == maRubberBand) {
      if (chart.OnRubberBand) chart.OnRubberBand(&chart, n, x1, y1, x2, y2);
    } else if (mode == maSelectRect) {
      if (chart.OnSelectRect) chart.OnSelectRect(&chart, n, x1, y1, x2, y2);
    } else {
      // An axis whose window cannot be mapped (a logarithmic end at zero, an overflow)
      // keeps its range.
      const bool x_ok = UsableRange(x1, x2, xp.Logarithmic());
      const bool y_ok = UsableRange(y1, y2, yp.Logarithmic());
      if (!x_ok && !y_ok) continue;
      chart.ApplyLayerRange(n, x_ok ? x1 : xp.RangeLow(), y_ok ? y1 : yp.RangeLow(), x_ok ? x2 : xp.RangeHigh(),
                            y_ok ? y2 : yp.RangeHigh(), true, false);
    }
  }
  if (chart.OnZoomPan) chart.OnZoomPan(&chart);
}

}  // namespace

bool IsWindowMode(TMouseActMode mode) {
  return mode == maZoomWind || mode == maZoomWindPos || mode == maRubberBand || mode == maSelectRect;
}

void DrawXorFigure(TCustomKurvex& chart, TWindowFigure figure, TPoint a, TPoint b, const TRect* clip) {
  if (figure == TWindowFigure::None) return;
  TCanvas& canvas = chart.Canvas();
  const bool had_clip = canvas.HasClipRect();
  const TRect old_clip = canvas.ClipRect();
  if (clip != nullptr) canvas.SetClipRect(had_clip ? IntersectRects(*clip, old_clip) : *clip);
  canvas.Pen().SetMode(TPenMode::pmXor);
  canvas.Pen().SetColor(clWhite);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  if (figure == TWindowFigure::Line) {
    canvas.MoveTo(a.X, a.Y);
    canvas.LineTo(b.X, b.Y);
  } else {
    canvas.Rectangle(a.X, a.Y, b.X, b.Y);
  }
  canvas.Pen().SetMode(TPenMode::pmCopy);
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  if (!had_clip) {
    canvas.ResetClip();
  } else {
    canvas.SetClipRect(old_clip);
  }
  chart.Present(FigureBounds(a, b));
}

void ZoomWindowPress(TCustomKurvex& chart, TMouseButton button, TPoint p) {
  TMouseState& m = chart.MouseState();
  if (!IsWindowMode(chart.MouseAction()) || m.ZoomWindow != TZoomWindowState::zsNormal) return;
  if (button != TMouseButton::mbLeft || !AreaOf(chart).Contains(p)) return;
  m.ZoomWindow = TZoomWindowState::zsDrawWin;
  m.StartCorner = m.CurrentCorner = p;
  m.Figure = TWindowFigure::None;
}

void ZoomWindowMove(TCustomKurvex& chart, TPoint& p) {
  TMouseState& m = chart.MouseState();
  if (m.ZoomWindow != TZoomWindowState::zsDrawWin) return;
  const TChartArea area = AreaOf(chart);
  const TMouseActMode mode = chart.MouseAction();
  p.X = area.ClampX(p.X);
  if ((mode == maZoomWind || mode == maZoomWindPos) && chart.Isometric()) p.Y = SquareY(m.StartCorner, p.X, p.Y);
  p.Y = area.ClampY(p.Y);
  DrawXorFigure(chart, m.Figure, m.StartCorner, m.CurrentCorner);
  // A change of MouseAction during the gesture changes the figure from here on; the one
  // on the window is erased as it was drawn.
  if (IsWindowMode(mode)) {
    m.Figure = FigureOf(mode);
  } else if (m.Figure == TWindowFigure::None) {
    m.Figure = TWindowFigure::Rect;
  }
  DrawXorFigure(chart, m.Figure, m.StartCorner, p);
  m.CurrentCorner = p;
}

void ZoomWindowRelease(TCustomKurvex& chart, TMouseButton button) {
  TMouseState& m = chart.MouseState();
  if (m.ZoomWindow != TZoomWindowState::zsDrawWin) return;
  m.ZoomWindow = TZoomWindowState::zsNormal;
  // Whatever follows, the figure goes: a release that changes nothing (another button, no
  // width or height) would otherwise leave it on the window until some later paint.
  DrawXorFigure(chart, m.Figure, m.StartCorner, m.CurrentCorner);
  m.Figure = TWindowFigure::None;
  const TMouseActMode mode = chart.MouseAction();
  if (button != TMouseButton::mbLeft || !IsWindowMode(mode)) return;
  if (m.StartCorner.X == m.CurrentCorner.X || m.StartCorner.Y == m.CurrentCorner.Y) return;
  WithPaintHeld(chart, [&] { FinishWindow(chart, mode); });
}

}  // namespace kurvex::interact

namespace kurvex {

void TCustomKurvex::RestoreWindowFigures(const TRect& Region) {
  interact::DrawXorFigure(*this, mouse_.Figure, mouse_.StartCorner, mouse_.CurrentCorner, &Region);
  if (mouse_.SelectRectShown) {
    interact::DrawXorFigure(*this, TWindowFigure::Rect, mouse_.FirstCorner, mouse_.SelectCurrentCorner, &Region);
  }
}

}  // namespace kurvex
