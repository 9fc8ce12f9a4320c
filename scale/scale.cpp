#include "scale/scale.h"

#include <algorithm>
#include <cmath>

namespace kurvex {

namespace {

int RoundClamped(double p) {
  if (!(p > -2147483647.0)) return -2147483647;
  if (p > 2147483647.0) return 2147483647;
  return static_cast<int>(std::nearbyint(p));
}

}  // namespace

TScale::TScale(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(Left(), Top(), 400, 400);
  ResetDefaults();
}

TScale::~TScale() = default;

void TScale::ResetDefaults() {
  caption_.clear();
  caption_pos_x_ = 4;
  caption_pos_y_ = 4;
  caption_alignment_ = TAlignment::taCenter;
  caption_anchor_ = TScaleUnitAnchor::uaSclTopLft;
  color_back_gnd_ = clBtnFace;
  color_scale_ = clBlack;
  color_scheme_ = TColorScheme::csBWG;
  dec_places_ = -2;
  frame_style_ = TFrameStyle::fsLowered;
  label_type_ = TFigType::ftNum;
  logarithmic_ = false;
  margin_top_ = margin_bottom_ = margin_left_ = margin_right_ = 20;
  min_ticks_ = 3;
  mouse_action_ = TMouseActMode::maNone;
  range_low_ = 0;
  range_high_ = 100;
  short_ticks_ = true;
  show_base_line_ = true;
  user_tick_text_.clear();
  scale_type_ = TScaleType::sctXB;
  transparent_ = false;
  pixel_factor_ = 1;
  pixel_offset_ = 0;
  ticks_.fill(0);
  num_ticks_ = 0;
  frame_simple_color_ = clBlack;
  frame_shadow_color_ = 0x808080;
  frame_highlight_color_ = 0xFFFFFF;
  embedded_ = false;
  target_canvas_ = nullptr;
  target_offset_ = TPoint{};
  UpdateOwnSurface();
  paint_suspended_ = true;
  reset_flag_ = true;
  Drag = DragState{};

  date_format_.OnChange = [this](TObject*) { RequestRepaint(); };
  date_format_.SetTimeFormat(TTimeFormat::tfHHMMSS);
  date_format_.SetDateSeparator('-');
  date_format_.SetTimeSeparator(':');
  date_format_.SetYearLength(TYearLength::ylYYYY);
  date_format_.SetMonthName(true);
  date_format_.SetDateForTime(TDateForTime::dtOnePerDay);
  date_format_.SetDateOrder(TDateOrder::doDDMMYY);
  UpdateMapping();
}

// ---- Setters ----

void TScale::SetCaption(const std::string& v) {
  caption_ = v;
  RequestRepaint();
}
void TScale::SetCaptionPosX(int v) {
  caption_pos_x_ = std::clamp(v, -kMaxControlOffset, kMaxControlOffset);
  RequestRepaint();
}
void TScale::SetCaptionPosY(int v) {
  caption_pos_y_ = std::clamp(v, -kMaxControlOffset, kMaxControlOffset);
  RequestRepaint();
}
void TScale::SetCaptionAlignment(TAlignment v) {
  caption_alignment_ = v;
  RequestRepaint();
}
void TScale::SetCaptionAnchor(TScaleUnitAnchor v) {
  caption_anchor_ = v;
  RequestRepaint();
}
void TScale::SetColorBackGnd(TColor v) {
  if (v == color_back_gnd_) return;
  color_back_gnd_ = v;
  RequestRepaint();
}
void TScale::SetColorScale(TColor v) {
  if (v == color_scale_) return;
  color_scale_ = v;
  RequestRepaint();
}
void TScale::SetColorScheme(TColorScheme v) {
  if (v == color_scheme_) return;
  color_scheme_ = v;
  if (v == TColorScheme::csBWG) {
    frame_shadow_color_ = 0x808080;
    frame_highlight_color_ = 0xFFFFFF;
  } else {
    frame_shadow_color_ = clBtnShadow;
    frame_highlight_color_ = clBtnHighlight;
  }
  RequestRepaint();
}
void TScale::SetDateFormat(const TDTLabel& v) {
  date_format_.Assign(v);
  RequestRepaint();
}
void TScale::SetDecPlaces(int v) {
  dec_places_ = std::clamp(v, -3, 12);
  UpdateMapping();
  RequestRepaint();
}
void TScale::SetFrameStyle(TFrameStyle v) {
  if (v == frame_style_) return;
  frame_style_ = v;
  RequestRepaint();
}
void TScale::SetLabelType(TFigType v) {
  label_type_ = v;
  if (v == TFigType::ftDateTime) logarithmic_ = false;
  if (v == TFigType::ftTime) dec_places_ = 4;
  UpdateMapping();
  RequestRepaint();
}
void TScale::SetLogarithmic(bool v) {
  // A logarithmic axis needs positive ends and numeric labels; while the reset flag is set
  // (before a stored form completed loading) any value is taken.
  if (v && !reset_flag_ &&
      !(range_low_ >= 1e-100 && range_high_ >= 1e-100 && label_type_ != TFigType::ftDateTime)) {
    v = false;
  }
  logarithmic_ = v;
  UpdateMapping();
  RequestRepaint();
}
void TScale::SetMarginTop(int v) {
  margin_top_ = std::clamp(v, 0, kMaxControlOffset);
  UpdateMapping();
  RequestRepaint();
}
void TScale::SetMarginBottom(int v) {
  margin_bottom_ = std::clamp(v, 0, kMaxControlOffset);
  UpdateMapping();
  RequestRepaint();
}
void TScale::SetMarginLeft(int v) {
  margin_left_ = std::clamp(v, 0, kMaxControlOffset);
  UpdateMapping();
  RequestRepaint();
}
void TScale::SetMarginRight(int v) {
  margin_right_ = std::clamp(v, 0, kMaxControlOffset);
  UpdateMapping();
  RequestRepaint();
}
void TScale::SetMinTicks(int v) {
  min_ticks_ = v == 0 ? 0 : std::clamp(v, 2, 10);
  RequestRepaint();
}
void TScale::SetRangeLow(double v) {
  range_low_ = v;
  if (range_high_ == v) range_high_ = v + 1;
  UpdateMapping();
  RequestRepaint();
}
void TScale::SetRangeHigh(double v) {
  range_high_ = v;
  if (range_low_ == v) range_low_ = v + 1;
  UpdateMapping();
  RequestRepaint();
}
void TScale::SetShortTicks(bool v) {
  if (v == short_ticks_) return;
  short_ticks_ = v;
  RequestRepaint();
}
void TScale::SetShowBaseLine(bool v) {
  show_base_line_ = v;
  RequestRepaint();
}
void TScale::SetScaleInscript(const std::string& v) {
  scale_inscript_ = v;
  RequestRepaint();
}
void TScale::SetUserTickText(const std::string& v) {
  user_tick_text_ = v;
  RequestRepaint();
}
void TScale::SetScaleType(TScaleType v) {
  if (v == scale_type_) return;
  scale_type_ = v;
  UpdateMapping();
  RequestRepaint();
}
void TScale::SetTransparent(bool v) {
  transparent_ = v;
  RequestRepaint();
}

// ---- Painting hooks ----

void TScale::RequestRepaint() {
  if (!transparent_ || embedded_) {
    Paint();
  } else {
    Invalidate();
  }
}

void TScale::SetPaintSuspended(bool v) {
  if (v == paint_suspended_) return;
  paint_suspended_ = v;
  if (!v) RequestRepaint();
}

void TScale::ForcePaint() {
  const bool suspended = paint_suspended_;
  paint_suspended_ = false;
  try {
    Paint();
  } catch (...) {
    paint_suspended_ = suspended;
    throw;
  }
  paint_suspended_ = suspended;
}

void TScale::SetEmbedded(bool v) {
  if (v == embedded_) return;
  embedded_ = v;
  UpdateOwnSurface();
  RequestRepaint();
}

void TScale::SetTargetCanvas(TCanvas* canvas, int x, int y) {
  target_canvas_ = canvas;
  // Kept within 2^24, so that the offset added to the base line and the labels' positions
  // cannot overflow.
  target_offset_ = Point(std::clamp(x, -kMaxControlOffset, kMaxControlOffset),
                         std::clamp(y, -kMaxControlOffset, kMaxControlOffset));
  UpdateOwnSurface();
}

void TScale::SizeChanged() {
  if (DrawsElsewhere()) {
    Surface().SetSize(0, 0);
    return;
  }
  TCustomControl::SizeChanged();
}

void TScale::UpdateOwnSurface() {
  const bool sized = Surface().Width() == ClientWidth() && Surface().Height() == ClientHeight();
  if (DrawsElsewhere() ? !Surface().Empty() : !sized) SizeChanged();
}

void TScale::SetRange(double high, double low) {
  range_high_ = high;
  range_low_ = low;
  if (high == low) range_high_ = low + 1;
  UpdateMapping();
  RequestRepaint();
}

void TScale::Paint() {
  if (IsLoading() || paint_suspended_) return;
  if (!Visible() && !(IsDesigning() && !embedded_)) return;
  if (target_canvas_ != nullptr) {
    RenderScale(*target_canvas_, target_offset_.X, target_offset_.Y);
  } else {
    RenderScale(Canvas(), 0, 0);
    Present();
  }
}

// ---- Ticks and mapping ----

double TScale::TickPosition(int index) const {
  if (index < 1 || index > num_ticks_) return 0;
  return ticks_[static_cast<std::size_t>(index - 1)];
}

void TScale::RecordTick(double value) {
  if (num_ticks_ >= kMaxTicks) return;
  ticks_[static_cast<std::size_t>(num_ticks_++)] = value;
}

void TScale::UpdateMapping() {
  if (IsLoading() || range_low_ == range_high_) return;
  const bool horizontal = IsHorizontal();
  const int span = horizontal ? Width() - margin_left_ - margin_right_ - 1 : Height() - margin_top_ - margin_bottom_ - 1;
  if (span <= 0) {
    pixel_factor_ = 0;
    pixel_offset_ = (horizontal ? Width() : Height()) / 2.0;
    return;
  }
  double from = horizontal ? range_low_ : range_high_;  // the value at the scale's start
  double to = horizontal ? range_high_ : range_low_;
  if (logarithmic_) {
    if (!(range_low_ > 0 && range_high_ > 0)) return;
    from = std::log(from);
    to = std::log(to);
  }
  const int start = horizontal ? margin_left_ : margin_top_;
  pixel_factor_ = span / (to - from);
  pixel_offset_ = start - from * pixel_factor_;
}

int TScale::ValueToPixel(double value) const {
  if (!logarithmic_) return RoundClamped(pixel_factor_ * value + pixel_offset_);
  if (value > 1e-100) return RoundClamped(pixel_factor_ * std::log(value) + pixel_offset_);
  return range_high_ >= range_low_ ? 0 : Width();
}

// ---- Component life ----

void TScale::Assign(const TPersistent& Source) {
  const auto* from = dynamic_cast<const TScale*>(&Source);
  if (from == nullptr) {
    TCustomControl::Assign(Source);
    return;
  }
  frame_style_ = from->frame_style_;
  color_back_gnd_ = from->color_back_gnd_;
  color_scale_ = from->color_scale_;
  color_scheme_ = from->color_scheme_;
  frame_simple_color_ = from->frame_simple_color_;
  frame_shadow_color_ = from->frame_shadow_color_;
  frame_highlight_color_ = from->frame_highlight_color_;
  OnScaleTickDrawn = from->OnScaleTickDrawn;
  OnBeforeTickLabel = from->OnBeforeTickLabel;
  logarithmic_ = from->logarithmic_;
  pixel_factor_ = from->pixel_factor_;
  pixel_offset_ = from->pixel_offset_;
  range_low_ = from->range_low_;
  range_high_ = from->range_high_;
  short_ticks_ = from->short_ticks_;
  num_ticks_ = from->num_ticks_;
  min_ticks_ = from->min_ticks_;
  dec_places_ = from->dec_places_;
  show_base_line_ = from->show_base_line_;
  transparent_ = from->transparent_;
  label_type_ = from->label_type_;
  date_format_.Assign(from->date_format_);
  margin_top_ = from->margin_top_;
  margin_bottom_ = from->margin_bottom_;
  margin_left_ = from->margin_left_;
  margin_right_ = from->margin_right_;
  caption_pos_x_ = from->caption_pos_x_;
  caption_pos_y_ = from->caption_pos_y_;
  user_tick_text_ = from->user_tick_text_;
  scale_inscript_ = from->scale_inscript_;
  ticks_ = from->ticks_;
  caption_ = from->caption_;
  caption_anchor_ = from->caption_anchor_;
  caption_alignment_ = from->caption_alignment_;
  target_offset_ = from->target_offset_;
  scale_type_ = from->scale_type_;
  embedded_ = from->embedded_;
  UpdateOwnSurface();
  OnAfterScaleRendered = from->OnAfterScaleRendered;
  OnBeforeScaleRendered = from->OnBeforeScaleRendered;
  paint_suspended_ = from->paint_suspended_;
  RequestRepaint();
}

void TScale::SetBounds(int left, int top, int width, int height) {
  TCustomControl::SetBounds(left, top, width, height);
  UpdateMapping();
  RequestRepaint();
}

void TScale::CreateWnd() {
  TCustomControl::CreateWnd();
  SetPaintSuspended(false);
}

void TScale::Loaded() {
  TCustomControl::Loaded();
  UpdateMapping();
  reset_flag_ = false;
  RequestRepaint();
}

}  // namespace kurvex
