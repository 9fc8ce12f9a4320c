// maDrawMTrace: a freehand trace kept in world values of the current layer, drawn on the
// window as it is made and redrawn by every paint; and the two-corner selection, a
// rectangle that the user draws once the chart has been armed for it.

#include <string>

#include "chart/interact/gestures.h"
#include "common/errors.h"
#include "platform/rect_ops.h"

namespace kurvex::interact {

namespace {

constexpr std::uint16_t kStrokeEnds = 1;
constexpr std::uint16_t kXorSegment = 2;

// The new segment of the trace, on the window, with the pen a paint draws it with.
void DrawTraceSegment(TCustomKurvex& chart, TPoint from, TPoint to, bool invert) {
  TCanvas& canvas = chart.Canvas();
  TPen& pen = canvas.Pen();
  const TColor color = pen.Color();
  const int width = pen.Width();
  const TPenStyle style = pen.Style();
  pen.SetColor(chart.MouseTraceColor());
  pen.SetWidth(1);
  pen.SetStyle(TPenStyle::psSolid);
  pen.SetMode(invert ? TPenMode::pmXor : TPenMode::pmCopy);
  canvas.MoveTo(from.X, from.Y);
  canvas.LineTo(to.X, to.Y);
  pen.SetMode(TPenMode::pmCopy);
  pen.SetColor(color);
  pen.SetWidth(width);
  pen.SetStyle(style);
  chart.Present(Rect(std::min(from.X, to.X), std::min(from.Y, to.Y), std::max(from.X, to.X) + 1,
                     std::max(from.Y, to.Y) + 1));
}

}  // namespace

void EraseSelectRect(TCustomKurvex& chart) {
  TMouseState& m = chart.MouseState();
  if (!m.SelectRectShown) return;
  DrawXorFigure(chart, TWindowFigure::Rect, m.FirstCorner, m.SelectCurrentCorner);
  m.SelectRectShown = false;
}

void TraceMove(TCustomKurvex& chart, TPoint& p) {
  TMouseState& m = chart.MouseState();
  p = AreaOf(chart).Clamp(p);
  if (m.TraceCount >= TMouseState::kTraceCapacity) return;  // a full trace takes no more points
  const int layer = chart.CurrentLayer();
  TMouseTracePoint point;
  chart.PixelToWorld(layer, p.X, p.Y, point.X, point.Y);
  point.Color = chart.MouseTraceColor();
  point.Flags = chart.MouseTraceInvert() ? kXorSegment : 0;
  m.Trace[static_cast<std::size_t>(m.TraceCount)] = point;
  ++m.TraceCount;
  if (m.TraceCount < 2) return;
  const TMouseTracePoint& previous = m.Trace[static_cast<std::size_t>(m.TraceCount - 2)];
  if ((previous.Flags & kStrokeEnds) != 0) return;
  DrawTraceSegment(chart, chart.WorldToPixel(layer, previous.X, previous.Y), p, chart.MouseTraceInvert());
}

void TraceRelease(TCustomKurvex& chart) {
  TMouseState& m = chart.MouseState();
  if (m.TraceCount > 0) m.Trace[static_cast<std::size_t>(m.TraceCount - 1)].Flags |= kStrokeEnds;
}

void CornerSelectPress(TCustomKurvex& chart, TMouseButton button, TPoint p) {
  TMouseState& m = chart.MouseState();
  if (m.CornerSelect != TCornerSelectState::msFirstCorner) return;
  if (button == TMouseButton::mbRight) {
    m.CornerSelect = TCornerSelectState::msNormal;
    return;
  }
  m.FirstCorner = m.SelectCurrentCorner = p;
  m.SelectRectShown = false;
  m.CornerSelect = TCornerSelectState::msRectDraw;
}

void CornerSelectMove(TCustomKurvex& chart, TPoint& p) {
  TMouseState& m = chart.MouseState();
  if (m.CornerSelect != TCornerSelectState::msRectDraw) return;
  p = AreaOf(chart).Clamp(p);
  EraseSelectRect(chart);
  DrawXorFigure(chart, TWindowFigure::Rect, m.FirstCorner, p);
  m.SelectRectShown = true;
  m.SelectCurrentCorner = p;
}

void CornerSelectRelease(TCustomKurvex& chart, TMouseButton button, TPoint p) {
  TMouseState& m = chart.MouseState();
  if (m.CornerSelect != TCornerSelectState::msRectDraw) return;
  EraseSelectRect(chart);
  if (button == TMouseButton::mbRight) {
    m.CornerSelect = TCornerSelectState::msNormal;
    return;
  }
  // Clamped like every point of the drag, so that the corners are those of the rectangle
  // the user saw.
  m.SecondCorner = AreaOf(chart).Clamp(p);
  m.CornerSelect = TCornerSelectState::msFinished;
}

}  // namespace kurvex::interact

namespace kurvex {

void TCustomKurvex::ArmCornerSelection() {
  interact::EraseSelectRect(*this);
  mouse_.CornerSelect = TCornerSelectState::msFirstCorner;
}

void TCustomKurvex::CancelCornerSelection() {
  interact::EraseSelectRect(*this);
  mouse_.CornerSelect = TCornerSelectState::msNormal;
}

TMouseTracePoint TCustomKurvex::MouseTracePoint(int Index) const {
  if (Index < 0 || Index >= mouse_.TraceCount) {
    throw EKPXKurvexError("Mouse trace point " + std::to_string(Index) + " does not exist (the trace holds " +
                          std::to_string(mouse_.TraceCount) + " points, numbered from 0)");
  }
  return mouse_.Trace[static_cast<std::size_t>(Index)];
}

void TCustomKurvex::ClearMouseTrace() {
  mouse_.TraceCount = 0;
  RepaintIfAuto();
}

}  // namespace kurvex
