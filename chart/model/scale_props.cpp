#include "chart/model/scale_props.h"

#include <algorithm>
#include <cmath>

#include "platform/control.h"

namespace kurvex {

TScaleProps::TScaleProps() { TScaleProps::Reset(); }

TScaleProps::~TScaleProps() = default;

void TScaleProps::Reset() {
  loading_ = true;
  date_format_.OnChange = nullptr;
  date_format_.SetTimeFormat(TTimeFormat::tfHHMMSS);
  date_format_.SetDateSeparator('-');
  date_format_.SetTimeSeparator(':');
  date_format_.SetYearLength(TYearLength::ylYYYY);
  date_format_.SetMonthName(true);
  date_format_.SetDateForTime(TDateForTime::dtOnePerDay);
  date_format_.SetDateOrder(TDateOrder::doDDMMYY);
  range_low_ = 0;
  range_high_ = 1.0;
  visible_ = false;
  caption_.clear();
  caption_pos_x_ = caption_pos_y_ = 0;
  caption_alignment_ = TAlignment::taCenter;
  caption_anchor_ = TScaleUnitAnchor::uaSclTopLft;
  color_scale_ = 0;
  dec_places_ = -2;
  mouse_action_ = TMouseActMode::maNone;
  min_range_ = 1e-10;
  logarithmic_ = false;
  label_type_ = TFigType::ftNum;
  short_ticks_ = true;
  min_ticks_ = 3;
  scale_inscript_.clear();
  user_tick_text_.clear();
  scale_type_ = TScaleType::sctXT;
  scale_pos_vert_ = scale_pos_horiz_ = 0;
  OnChange = nullptr;
  font_.OnChange = [this](TObject*) { Changed(); };
}

void TScaleProps::Changed() {
  if (silent_ == 0 && OnChange) OnChange(this);
}

void TScaleProps::SetCaption(const std::string& v) {
  caption_ = v;
  Changed();
}
void TScaleProps::SetCaptionPosX(int v) {
  caption_pos_x_ = std::clamp(v, -kMaxControlOffset, kMaxControlOffset);
  Changed();
}
void TScaleProps::SetCaptionPosY(int v) {
  caption_pos_y_ = std::clamp(v, -kMaxControlOffset, kMaxControlOffset);
  Changed();
}
void TScaleProps::SetCaptionAlignment(TAlignment v) {
  caption_alignment_ = v;
  Changed();
}
void TScaleProps::SetCaptionAnchor(TScaleUnitAnchor v) {
  caption_anchor_ = v;
  Changed();
}
void TScaleProps::SetColorScale(TColor v) {
  color_scale_ = v;
  Changed();
}
void TScaleProps::SetDateFormat(const TDTLabel& v) {
  date_format_.Assign(v);
  Changed();
}
void TScaleProps::SetDecPlaces(int v) {
  dec_places_ = std::clamp(v, -3, 12);
  Changed();
}
void TScaleProps::SetLogarithmic(bool v) {
  if (v && !loading_ &&
      !(range_low_ >= 1e-100 && range_high_ >= 1e-100 && label_type_ != TFigType::ftDateTime)) {
    v = false;
  }
  logarithmic_ = v;
  Changed();
}
void TScaleProps::SetLabelType(TFigType v) {
  label_type_ = v;
  if (v == TFigType::ftDateTime) logarithmic_ = false;
  if (v == TFigType::ftTime) dec_places_ = 4;
  Changed();
}
void TScaleProps::SetFont(const TFont& v) {
  ++silent_;
  try {
    font_.Assign(v);
  } catch (...) {
    --silent_;
    throw;
  }
  --silent_;
  Changed();
}
void TScaleProps::SetMinTicks(int v) {
  min_ticks_ = v;
  Changed();
}

void TScaleProps::SetRangeLow(double v) {
  if (std::fabs(range_high_ - v) < min_range_) {
    range_low_ = v;
    range_high_ = v + min_range_;
  } else if (!logarithmic_ || v >= 1e-100) {
    range_low_ = v;
  }
  Changed();
}

void TScaleProps::SetRangeHigh(double v) {
  if (std::fabs(range_low_ - v) < min_range_) {
    range_high_ = v;
    range_low_ = v - min_range_;
  } else if (!logarithmic_ || v >= 1e-100) {
    range_high_ = v;
  }
  Changed();
}

void TScaleProps::SetShortTicks(bool v) {
  short_ticks_ = v;
  Changed();
}
void TScaleProps::SetScaleInscript(const std::string& v) {
  scale_inscript_ = v;
  Changed();
}
void TScaleProps::SetScalePos(int v) {
  (IsVerticalType() ? scale_pos_vert_ : scale_pos_horiz_) = std::clamp(v, -kMaxControlOffset, kMaxControlOffset);
  Changed();
}

void TScaleProps::SetMinRange(double v) {
  if (!(v > 1e-100)) return;
  min_range_ = v;
  if (std::fabs(range_high_ - range_low_) < v) {
    const double centre = (range_low_ + range_high_) / 2;
    range_low_ = centre - v / 2;
    range_high_ = centre + v / 2;
    Changed();
  }
}

void TScaleProps::SetUserTickText(const std::string& v) {
  user_tick_text_ = v;
  Changed();
}
void TScaleProps::SetVisible(bool v) {
  visible_ = v;
  Changed();
}

void TScaleProps::Assign(const TPersistent& Source) {
  const auto* from = dynamic_cast<const TScaleProps*>(&Source);
  if (from == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  ++silent_;
  try {
    caption_ = from->caption_;
    caption_pos_x_ = from->caption_pos_x_;
    caption_pos_y_ = from->caption_pos_y_;
    caption_alignment_ = from->caption_alignment_;
    caption_anchor_ = from->caption_anchor_;
    color_scale_ = from->color_scale_;
    date_format_.Assign(from->date_format_);
    dec_places_ = from->dec_places_;
    logarithmic_ = from->logarithmic_;
    label_type_ = from->label_type_;
    font_.Assign(from->font_);
    min_ticks_ = from->min_ticks_;
    loading_ = from->loading_;
    range_low_ = from->range_low_;
    range_high_ = from->range_high_;
    short_ticks_ = from->short_ticks_;
    scale_inscript_ = from->scale_inscript_;
    scale_type_ = from->scale_type_;
    scale_pos_vert_ = from->scale_pos_vert_;
    scale_pos_horiz_ = from->scale_pos_horiz_;
    min_range_ = from->min_range_;
    user_tick_text_ = from->user_tick_text_;
    visible_ = from->visible_;
  } catch (...) {
    --silent_;
    throw;
  }
  --silent_;
}

void TScalePropsHoriz::Reset() {
  location_ = TScaleLocationHoriz::slBottom;
  TScaleProps::Reset();
}

void TScalePropsHoriz::SetScaleLocation(TScaleLocationHoriz v) {
  location_ = v;
  SetScaleTypeSilently(v == TScaleLocationHoriz::slTop ? TScaleType::sctXB : TScaleType::sctXT);
  Changed();
}

void TScalePropsVert::Reset() {
  location_ = TScaleLocationVert::slLeft;
  TScaleProps::Reset();
}

void TScalePropsVert::SetScaleLocation(TScaleLocationVert v) {
  location_ = v;
  SetScaleTypeSilently(v == TScaleLocationVert::slLeft ? TScaleType::sctYR : TScaleType::sctYL);
  Changed();
}

}  // namespace kurvex
