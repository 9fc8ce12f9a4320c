// The chart's mouse notifications: the order of the work on a press, a move, a release and
// a double click, the raw move message with OnMouseMoveInChart, and the screen cursor.

#include "chart/interact/gestures.h"
#include "chart/model/chart_cursors.h"
#include "platform/application.h"

namespace kurvex {

namespace {

using enum TMouseActMode;

// The chart's MouseAction on a move (the zoom window follows whatever buttons are down).
void MouseActionMove(TCustomKurvex& chart, bool left, TPoint& p) {
  if (chart.MouseState().ZoomWindow == TZoomWindowState::zsDrawWin) {
    interact::ZoomWindowMove(chart, p);
    return;
  }
  if (!left) return;
  const TMouseActMode mode = chart.MouseAction();
  if (interact::IsPanMode(mode)) {
    interact::PanMove(chart, p);
  } else if (mode == maZoomDrag) {
    interact::ZoomDragMove(chart, p);
  } else if (mode == maDragCrossH) {
    interact::CrossHairDragMove(chart, p);
  } else if (mode == maDragLabel) {
    interact::LabelDragMove(chart, p);
  } else if (mode == maDrawMTrace) {
    interact::TraceMove(chart, p);
  }
}

void UpdateCursor(const TCustomKurvex& chart, TPoint p) {
  if (chart.MouseCursorFixed() || !interact::AreaOf(chart).Contains(p)) {
    Screen().SetCursor(crDefault);
    return;
  }
  switch (chart.MouseAction()) {
    case maNone: Screen().SetCursor(crCross); break;
    case maPan:
    case maPanHoriz:
    case maPanVert:
    case maPanGrid: Screen().SetCursor(crKxHand); break;
    case maZoomWind: Screen().SetCursor(crKxZoomWindow); break;
    case maZoomWindPos: Screen().SetCursor(crKxZoomPos); break;
    case maZoomDrag: Screen().SetCursor(crKxZoomDrag); break;
    case maRubberBand:
    case maDragCrossH:
    case maDragLabel:
    case maSelectRect: Screen().SetCursor(crDefault); break;
    default: break;  // the modes the chart does nothing in leave the cursor alone
  }
}

// Clears a flag when leaving the scope, also by an exception from an event handler (a
// guard left set would drop every later move).
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void TCustomKurvex::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (mouse_.SwallowDoubleClick) {
    mouse_.SwallowDoubleClick = false;
    return;
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
  const TPoint p = Point(X, Y);
  interact::CornerSelectPress(*this, Button, p);
  interact::ZoomWindowPress(*this, Button, p);
  if (Button == TMouseButton::mbLeft) interact::StartDragAtPress(*this, p);
}

void TCustomKurvex::MouseMove(TShiftState Shift, int X, int Y) {
  mouse_.LastMouse = Point(X, Y);
  TCustomControl::MouseMove(Shift, X, Y);
  TPoint p = Point(X, Y);
  interact::CornerSelectMove(*this, p);
  const bool left = Shift.Contains(TShiftStateItem::ssLeft);
  if (left) {
    interact::ScaleDragMove(*this, p);
  } else {
    mouse_.DragActive = false;
  }
  MouseActionMove(*this, left, p);
  UpdateCursor(*this, p);
}

void TCustomKurvex::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (mouse_.SwallowDoubleClick) {
    mouse_.SwallowDoubleClick = false;
    return;
  }
  mouse_.DragActive = false;
  interact::CornerSelectRelease(*this, Button, Point(X, Y));
  if (mouse_action_ == maDrawMTrace) interact::TraceRelease(*this);
  interact::ZoomWindowRelease(*this, Button);
  if (interact::IsPanMode(mouse_action_) || mouse_action_ == maZoomDrag) StoreRangeHistory();
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomKurvex::DblClick() {
  mouse_.SwallowDoubleClick = true;
  if (TScaleProps* scale = interact::ScaleAtHitBand(*this, mouse_.LastMouse)) {
    if (scale->MouseAction() == maPan) {
      scale->SetMouseAction(maZoom);
    } else if (scale->MouseAction() == maZoom) {
      scale->SetMouseAction(maPan);
    }
  }
  TCustomControl::DblClick();
}

void TCustomKurvex::WMMouseMove(int X, int Y, TShiftState Keys) {
  if (mouse_.MouseMoveGuard) return;  // a nested message, e.g. from a handler's message loop
  FlagScope guard(mouse_.MouseMoveGuard);
  TCustomControl::WMMouseMove(X, Y, Keys);
  double wx, wy;
  PixelToWorld(current_layer_, X, Y, wx, wy);
  const bool in_chart = interact::AreaOf(*this).Contains(Point(X, Y));
  if (OnMouseMoveInChart) OnMouseMoveInChart(this, in_chart, Keys, wx, wy);
}

}  // namespace kurvex
