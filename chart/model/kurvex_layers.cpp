// Layers: range setting (zero width, isometric, limits, joint layers), the range history,
// the transform coefficients and the copy of the axis settings into the scale controls.

#include <cmath>

#include "chart/model/configure_scale.h"
#include "chart/model/kurvex.h"
#include "common/errors.h"

namespace kurvex {

namespace {

bool IsPanX(TMouseActMode m) {
  return m == TMouseActMode::maPan || m == TMouseActMode::maPanHoriz || m == TMouseActMode::maPanGrid;
}
bool IsPanY(TMouseActMode m) {
  return m == TMouseActMode::maPan || m == TMouseActMode::maPanVert || m == TMouseActMode::maPanGrid;
}

// Takes the chart's paint hold for the lifetime of the object and gives it back at the end:
// HoldPaint with the earlier value (painting once when that was False), or, when leaving by
// an exception, the earlier value without painting.
class PaintHoldScope {
 public:
  PaintHoldScope(TCustomKurvex& chart, bool& hold) : chart_(chart), hold_(hold), earlier_(hold) { hold_ = true; }
  ~PaintHoldScope() {
    if (!released_) hold_ = earlier_;
  }
  void Release() {
    released_ = true;
    chart_.HoldPaint(earlier_);
  }
  // Back to the earlier value without painting.
  void Restore() {
    released_ = true;
    hold_ = earlier_;
  }

 private:
  TCustomKurvex& chart_;
  bool& hold_;
  bool earlier_;
  bool released_ = false;
};

}  // namespace

void TCustomKurvex::UpdateTransforms() {
  if (IsLoading() || !x_props_[1]) return;
  const TPlotGeometry g = Geometry();
  for (int n = 1; n <= kLayers; ++n) {
    const TScaleProps& x = *x_props_[n];
    const TScaleProps& y = *y_props_[n];
    maps_[n].X = MakeXAxisMap(TAxisRange{x.RangeLow(), x.RangeHigh(), x.Logarithmic()}, g);
    maps_[n].Y = MakeYAxisMap(TAxisRange{y.RangeLow(), y.RangeHigh(), y.Logarithmic()}, g);
  }
}

void TCustomKurvex::PixelToWorld(int Layer, double PX, double PY, double& X, double& Y) const {
  const TLayerMap& map = LayerMap(Layer);
  X = map.X.ToWorld(PX);
  Y = map.Y.ToWorld(PY);
}

// ---- Setting ranges ----

void TCustomKurvex::SetLayerRange(int Layer, double XLow, double YLow, double XHigh, double YHigh) {
  if (Layer < 0 || Layer > kLayers) {
    throw EKPXKurvexError("Layer " + std::to_string(Layer) + " is out of range (0..16, 0 = all layers)");
  }
  if (Layer != 0) {
    SetOneLayerRange(Layer, XLow, YLow, XHigh, YHigh);
    return;
  }
  for (int n = 1; n <= kLayers; ++n) SetOneLayerRange(n, XLow, YLow, XHigh, YHigh);
}

void TCustomKurvex::SetOneLayerRange(int layer, double x1, double y1, double x2, double y2) {
  if (x2 == x1) {
    const TScaleProps& p = *x_props_[layer];
    if (p.Logarithmic()) {
      x2 *= 1.1;
      x1 /= 1.1;
    } else {
      x2 += p.MinRange() / 2;
      x1 -= p.MinRange() / 2;
    }
  }
  if (y2 == y1) {
    const TScaleProps& p = *y_props_[layer];
    if (p.Logarithmic()) {
      y2 *= 1.1;
      y1 /= 1.1;
    } else {
      y2 += p.MinRange() / 2;
      y1 -= p.MinRange() / 2;
    }
  }
  const TPlotGeometry g = Geometry();
  // Without a plot area there is no aspect to keep.
  if (isometric_ && g.PlotWidth() > 0) {
    const double c = (y2 + y1) / 2;
    const double h = (x2 - x1) * g.PlotHeight() / g.PlotWidth() * aspect_y_ / aspect_x_ / 2;
    y2 = c + h;
    y1 = c - h;
  }
  ApplyLayerRange(layer, x1, y1, x2, y2, true, false);
  if ((auto_redraw_ || IsDesigning()) && !IsLoading()) Paint();
}

void TCustomKurvex::ApplyLayerRange(int Layer, double XLow, double YLow, double XHigh, double YHigh,
                                    bool RecordHistory, bool ApplyLimits) {
  if (Layer < 1 || Layer > kLayers) {
    throw EKPXKurvexError("Layer " + std::to_string(Layer) + " is out of range (1..16)");
  }
  PaintHoldScope hold(*this, paint_hold_);
  const std::uint32_t stored = StoreJointRanges(Layer, XLow, YLow, XHigh, YHigh, RecordHistory, ApplyLimits);
  for (int n = 1; n <= kLayers; ++n) {
    if ((stored >> n & 1U) != 0) CopyLayerToScales(n);
  }
  UpdateTransforms();
  hold.Release();
}

std::uint32_t TCustomKurvex::StoreJointRanges(int Layer, double XLow, double YLow, double XHigh, double YHigh,
                                              bool RecordHistory, bool ApplyLimits) {
  const TJointLayers& joints = *joint_layers_;
  // A controlled axis cannot be moved by itself.
  if (joints.XControlledBy(Layer) != Layer) {
    XLow = x_props_[Layer]->RangeLow();
    XHigh = x_props_[Layer]->RangeHigh();
  }
  if (joints.YControlledBy(Layer) != Layer) {
    YLow = y_props_[Layer]->RangeLow();
    YHigh = y_props_[Layer]->RangeHigh();
  }
  StoreLayerRange(Layer, XLow, YLow, XHigh, YHigh, RecordHistory, ApplyLimits);
  std::uint32_t stored = 1U << Layer;
  for (int i = 1; i <= kLayers; ++i) {
    if (i == Layer) continue;
    const int kx = joints.XControlledBy(i);
    const int ky = joints.YControlledBy(i);
    if (kx != Layer && ky != Layer) continue;
    StoreLayerRange(i, x_props_[kx]->RangeLow(), y_props_[ky]->RangeLow(), x_props_[kx]->RangeHigh(),
                    y_props_[ky]->RangeHigh(), true, false);
    stored |= 1U << i;
  }
  return stored;
}

void TCustomKurvex::ApplyLimits(double& lo, double& hi, long double lower, long double upper, bool pan) const {
  const double d = hi - lo;
  const double lower_d = static_cast<double>(lower);
  const double upper_d = static_cast<double>(upper);
  if (lo < lower) {
    if (pan) hi = lower_d + d;
    lo = lower_d;
  }
  if (lo > upper) {
    if (pan) hi = upper_d + d;
    lo = upper_d;
  }
  if (hi < lower) {
    if (pan) lo = lower_d - d;
    hi = lower_d;
  }
  if (hi > upper) {
    if (pan) lo = upper_d - d;
    hi = upper_d;
  }
}

void TCustomKurvex::ApplyRangeToLayer(int layer, double x1, double y1, double x2, double y2, bool record_history,
                                      bool apply_limits) {
  StoreLayerRange(layer, x1, y1, x2, y2, record_history, apply_limits);
  CopyLayerToScales(layer);
  UpdateTransforms();
}

void TCustomKurvex::StoreLayerRange(int layer, double x1, double y1, double x2, double y2, bool record_history,
                                    bool apply_limits) {
  if (apply_limits &&
      (limit_low_x_ != 0 || limit_low_y_ != 0 || limit_high_x_ != 0 || limit_high_y_ != 0)) {
    ApplyLimits(x1, x2, limit_low_x_, limit_high_x_, IsPanX(mouse_action_));
    ApplyLimits(y1, y2, limit_low_y_, limit_high_y_, IsPanY(mouse_action_));
  }
  bool changed = false;
  auto store = [&changed](TScaleProps& p, double lo, double hi) {
    if (0.99 * p.MinRange() > std::fabs(lo - hi)) return;  // too narrow: rejected
    if (!p.Logarithmic()) {
      p.StoreRange(lo, hi);
      changed = true;
      return;
    }
    if (lo >= 1e-100) {
      p.StoreRangeLow(lo);
      changed = true;
    }
    if (hi >= 1e-100) {
      p.StoreRangeHigh(hi);
      changed = true;
    }
  };
  store(*x_props_[layer], x1, x2);
  store(*y_props_[layer], y1, y2);
  if (record_history && changed) StoreRangeHistory();
}

void TCustomKurvex::SetRangeLimits(long double LowX, long double LowY, long double HighX, long double HighY) {
  limit_low_x_ = LowX;
  limit_low_y_ = LowY;
  limit_high_x_ = HighX;
  limit_high_y_ = HighY;
}

// ---- History ----

void TCustomKurvex::StoreRangeHistory() {
  if (IsLoading()) return;
  for (int n = 1; n <= kLayers; ++n) {
    const TScaleProps& x = *x_props_[n];
    const TScaleProps& y = *y_props_[n];
    history_[n][history_pos_] = TRangeSnapshot{x.RangeLow(), y.RangeHigh(), x.RangeHigh(), y.RangeLow()};
  }
  history_pos_ = history_pos_ % kHistory + 1;
}

void TCustomKurvex::ClearRangeHistory() {
  for (auto& ring : history_) ring.fill(TRangeSnapshot{});
  history_pos_ = 1;
  StoreRangeHistory();
}

TRangeSnapshot TCustomKurvex::RangeHistory(int Layer, int Position) const {
  if (Layer < 1 || Layer > kLayers || Position < 1 || Position > kHistory) {
    throw EKPXKurvexError("Range history entry (layer " + std::to_string(Layer) + ", position " +
                          std::to_string(Position) + ") does not exist (layers 1..16, positions 1..16)");
  }
  return history_[Layer][Position];
}

// ---- Isometric ----

void TCustomKurvex::RecentreIsometric(int layer) {
  const TPlotGeometry g = Geometry();
  if (g.PlotWidth() <= 0) return;
  TScaleProps& x = *x_props_[layer];
  TScaleProps& y = *y_props_[layer];
  const double c = (y.RangeHigh() + y.RangeLow()) / 2;
  const double h =
      (x.RangeHigh() - x.RangeLow()) * g.PlotHeight() / g.PlotWidth() * aspect_y_ / aspect_x_ / 2;
  y.SetRangeHigh(c + h);
  y.SetRangeLow(c - h);
}

void TCustomKurvex::RecentreAllIsometric() {
  PaintHoldScope hold(*this, paint_hold_);
  for (int n = 1; n <= kLayers; ++n) RecentreIsometric(n);
  hold.Restore();
}

void TCustomKurvex::SetIsometric(bool v) {
  isometric_ = v;
  if (!v) return;
  RecentreAllIsometric();
  StoreRangeHistory();
  RepaintIfAuto();
}

// ---- Scale controls ----

void TCustomKurvex::CopyLayerToScales(int layer) {
  TScale& xs = *x_scales_[layer];
  TScale& ys = *y_scales_[layer];
  const TPlotGeometry g = Geometry();
  ConfigureScale(xs, *x_props_[layer], g);
  ConfigureScale(ys, *y_props_[layer], g);
  xs.SetMarginLeft(margin_left_);
  xs.SetMarginRight(margin_right_ + shadow_width_ - 1);
  ys.SetMarginTop(margin_top_);
  ys.SetMarginBottom(margin_bottom_ + shadow_width_ - 1);
}

void TCustomKurvex::SyncScaleControls() {
  if (!x_props_[1]) return;
  for (int n = 1; n <= kLayers; ++n) CopyLayerToScales(n);
}

// Any change of an axis setting: every layer's range is applied again so that controlled
// layers follow their controllers, then each scale control is brought up to date once and
// the chart paints once.
void TCustomKurvex::ScalePropsChanged() {
  PaintHoldScope hold(*this, paint_hold_);
  for (int n = 1; n <= kLayers; ++n) {
    const TScaleProps& x = *x_props_[n];
    const TScaleProps& y = *y_props_[n];
    StoreJointRanges(n, x.RangeLow(), y.RangeLow(), x.RangeHigh(), y.RangeHigh(), false, false);
  }
  SyncScaleControls();
  UpdateTransforms();
  hold.Release();
}

}  // namespace kurvex
