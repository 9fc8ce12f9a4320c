// Drags that change ranges while the mouse moves: the four pan modes, maZoomDrag and the
// drags on an axis band. Each move computes the new ranges from the values saved at the
// start of the drag, so that a drag does not drift, and sets them through the chart's
// internal range setter (history off, limits on).

#include "chart/interact/gesture_ranges.h"
#include "chart/interact/gestures.h"
#include "scale/zoom_pan.h"

namespace kurvex::interact {

namespace {

using enum TMouseActMode;

TDragAxis DragAxis(const TScaleProps& props, double saved_low, double saved_high) {
  return TDragAxis{saved_low, saved_high, props.RangeLow(), props.RangeHigh(), props.Logarithmic()};
}

TDragAxis XAxisOf(TCustomKurvex& chart, int layer) {
  const TMouseState::LayerStart& s = chart.MouseState().Start[static_cast<std::size_t>(layer)];
  return DragAxis(chart.ScaleXProps(layer), s.XLow, s.XHigh);
}

TDragAxis YAxisOf(TCustomKurvex& chart, int layer) {
  const TMouseState::LayerStart& s = chart.MouseState().Start[static_cast<std::size_t>(layer)];
  return DragAxis(chart.ScaleYProps(layer), s.YLow, s.YHigh);
}

// Sets a layer's ranges where a gesture changes them; an axis without a change keeps its
// current range, and a layer without any change is left alone.
void ApplyChanges(TCustomKurvex& chart, int layer, const TAxisChange& x, const TAxisChange& y, bool history,
                  bool limits) {
  if (!x.Changes && !y.Changes) return;
  const TScaleProps& xp = chart.ScaleXProps(layer);
  const TScaleProps& yp = chart.ScaleYProps(layer);
  chart.ApplyLayerRange(layer, x.Changes ? x.Low : xp.RangeLow(), y.Changes ? y.Low : yp.RangeLow(),
                        x.Changes ? x.High : xp.RangeHigh(), y.Changes ? y.High : yp.RangeHigh(), history, limits);
}

// The pan of one layer under `mode`, from its start pixel to p.
void PanLayer(TCustomKurvex& chart, int layer, TMouseActMode mode, TPoint p, const TChartArea& area) {
  const TPoint start = chart.MouseState().Start[static_cast<std::size_t>(layer)].Pixel;
  const TDragAxis xa = XAxisOf(chart, layer);
  const TDragAxis ya = YAxisOf(chart, layer);
  TAxisChange x, y;
  if (mode != maPanVert) x = PanX(xa, p.X - start.X, area.Width());
  if (mode != maPanHoriz) y = PanY(ya, p.Y - start.Y, area.Height());
  if (mode == maPanGrid) {
    if (xa.Logarithmic || ya.Logarithmic) return;  // the grid is linear
    x = SnapToPanGrid(x, xa, chart.PanGridDx(), chart.PanGridOffsX());
    y = SnapToPanGrid(y, ya, chart.PanGridDy(), chart.PanGridOffsY());
  }
  ApplyChanges(chart, layer, x, y, false, true);
}

void RaiseZoomPan(TCustomKurvex& chart) {
  if (chart.OnZoomPan) chart.OnZoomPan(&chart);
}

TScaleZoomPanArgs AxisDragArgs(const TCustomKurvex& chart, const TScaleProps& props, TPoint p, TPoint start,
                               double saved_low, double saved_high) {
  TScaleZoomPanArgs a;
  a.Current = p;
  a.Press = start;
  a.Width = chart.Width();
  a.Height = chart.Height();
  a.MarginLeft = chart.MarginLeft();
  a.MarginRight = chart.MarginRight();
  a.MarginTop = chart.MarginTop();
  a.MarginBottom = chart.MarginBottom();
  a.PressLow = saved_low;
  a.PressHigh = saved_high;
  a.Action = props.MouseAction();
  a.Type = props.ScaleType();
  a.Logarithmic = props.Logarithmic();
  a.CurrentLow = props.RangeLow();
  a.CurrentHigh = props.RangeHigh();
  return a;
}

}  // namespace

bool IsPanMode(TMouseActMode mode) {
  return mode == maPan || mode == maPanHoriz || mode == maPanVert || mode == maPanGrid;
}

void TakeDragStart(TCustomKurvex& chart, TPoint p) {
  TMouseState& m = chart.MouseState();
  for (int n = 1; n <= TCustomKurvex::kLayers; ++n) {
    const TScaleProps& x = chart.ScaleXProps(n);
    const TScaleProps& y = chart.ScaleYProps(n);
    m.Start[static_cast<std::size_t>(n)] = {p, x.RangeLow(), x.RangeHigh(), y.RangeLow(), y.RangeHigh()};
  }
  m.DragActive = true;
}

TScaleProps* ScaleAtHitBand(TCustomKurvex& chart, TPoint p) {
  const TPlotGeometry g = chart.Geometry();
  for (int n = 1; n <= TCustomKurvex::kLayers; ++n) {
    TScalePropsVert& s = chart.ScaleYProps(n);
    if (s.Visible() && InYScaleBand(g, s, p, true)) return &s;
  }
  for (int n = 1; n <= TCustomKurvex::kLayers; ++n) {
    TScalePropsHoriz& s = chart.ScaleXProps(n);
    if (s.Visible() && InXScaleBand(g, s, p, true)) return &s;
  }
  return nullptr;
}

// What the first move with the left button would take as the start, taken at the press:
// the value under the pointer then stays under it from the first move on, however far
// that move lands from the press.
void StartDragAtPress(TCustomKurvex& chart, TPoint p) {
  if (chart.MouseState().DragActive) return;
  const TMouseActMode mode = chart.MouseAction();
  if (ScaleAtHitBand(chart, p) != nullptr || IsPanMode(mode) || mode == maZoomDrag) TakeDragStart(chart, p);
}

void ScaleDragMove(TCustomKurvex& chart, TPoint p) {
  TMouseState& m = chart.MouseState();
  if (!m.DragActive) {
    if (ScaleAtHitBand(chart, p) != nullptr) TakeDragStart(chart, p);
    return;
  }
  if (m.ZoomWindow != TZoomWindowState::zsNormal) return;
  const TPlotGeometry g = chart.Geometry();
  const bool between_x = g.MarginLeft < p.X && p.X < g.Width - g.MarginRight;
  const bool between_y = g.MarginTop < p.Y && p.Y < g.Height - g.MarginBottom;
  bool changed = false;
  for (int n = 1; n <= TCustomKurvex::kLayers; ++n) {
    const TMouseState::LayerStart& s = m.Start[static_cast<std::size_t>(n)];
    const TScalePropsHoriz& xp = chart.ScaleXProps(n);
    if (xp.MouseAction() != maNone && between_x && InXScaleBand(g, xp, p, false)) {
      const TScaleZoomPanResult r = ScaleZoomPan(AxisDragArgs(chart, xp, p, s.Pixel, s.XLow, s.XHigh));
      if (r.Acts) {
        ApplyChanges(chart, n, {true, r.Low, r.High}, {}, false, true);
        changed = true;
      }
    }
    const TScalePropsVert& yp = chart.ScaleYProps(n);
    if (yp.MouseAction() != maNone && between_y && InYScaleBand(g, yp, p, false)) {
      const TScaleZoomPanResult r = ScaleZoomPan(AxisDragArgs(chart, yp, p, s.Pixel, s.YLow, s.YHigh));
      if (r.Acts) {
        ApplyChanges(chart, n, {}, {true, r.Low, r.High}, false, true);
        changed = true;
      }
    }
  }
  if (changed) RaiseZoomPan(chart);
}

void PanMove(TCustomKurvex& chart, TPoint p) {
  TMouseState& m = chart.MouseState();
  if (!m.DragActive) {
    TakeDragStart(chart, p);
    return;
  }
  const TChartArea area = AreaOf(chart);
  if (!area.Contains(p)) return;  // the drag goes on from the same start when the mouse is back
  const TMouseActMode mode = chart.MouseAction();
  WithPaintHeld(chart, [&] {
    for (int n = 1; n <= TCustomKurvex::kLayers; ++n) {
      if (chart.MouseActiveLayer(n)) PanLayer(chart, n, mode, p, area);
    }
  });
  RaiseZoomPan(chart);
}

void ZoomDragMove(TCustomKurvex& chart, TPoint p) {
  TMouseState& m = chart.MouseState();
  if (!m.DragActive) {
    TakeDragStart(chart, p);
    return;
  }
  if (!AreaOf(chart).Contains(p)) return;
  WithPaintHeld(chart, [&] {
    for (int n = 1; n <= TCustomKurvex::kLayers; ++n) {
      if (!chart.MouseActiveLayer(n)) continue;
      const TPoint start = m.Start[static_cast<std::size_t>(n)].Pixel;
      const double fx = ZoomDragFactorX(p.X - start.X, chart.Width());
      const double fy = chart.Isometric() ? fx : ZoomDragFactorY(p.Y - start.Y, chart.Height());
      ApplyChanges(chart, n, ZoomAboutCentre(XAxisOf(chart, n), fx), ZoomAboutCentre(YAxisOf(chart, n), fy), false,
                   true);
    }
  });
  RaiseZoomPan(chart);
}

}  // namespace kurvex::interact
