#include "numlab/numlab.h"

#include <algorithm>
#include <cmath>

#include "numlab/value_text.h"

namespace kurvex {

TNumLab::TNumLab(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(Left(), Top(), kDefaultWidth, kDefaultHeight);
}

void TNumLab::SetLeftSpace(int value) {
  if (value < 0 || value == left_space_) return;
  left_space_ = std::min(value, Width());
  Refresh();
}

void TNumLab::SetEmpty(bool value) { Change(empty_, value); }

// Kept within the offsets a control can have, so that the field's edges and the text
// positions computed from them stay inside the int range.
void TNumLab::SetLabelWidth(int value) {
  Change(label_width_, std::clamp(value, -kMaxControlOffset, kMaxControlOffset));
}

void TNumLab::SetPrecision(int value) {
  if (value < 0 || value == precision_) return;
  precision_ = std::min(value, kMaxPrecision);
  Refresh();
}

void TNumLab::SetComma(bool value) { Change(comma_, value); }

void TNumLab::SetForcePlusSign(bool value) { Change(force_plus_sign_, value); }

void TNumLab::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  // Becoming transparent needs the parent's background under the label first; the
  // deferred repaint of the parent's region paints both in order.
  if (transparent_) {
    Invalidate();
  } else {
    Refresh();
  }
}

void TNumLab::SetLeftText(const std::string& value) { Change(left_text_, value); }

void TNumLab::SetRightText(const std::string& value) { Change(right_text_, value); }

void TNumLab::SetFrameStyle(TFrameStyle value) { Change(frame_style_, value); }

void TNumLab::SetStateText(const std::string& value) { Change(state_text_, value); }

void TNumLab::SetAlignment(TAlignment value) { Change(alignment_, value); }

void TNumLab::SetLeftTextAlignment(TAlignment value) { Change(left_text_alignment_, value); }

void TNumLab::SetRightTextAlignment(TAlignment value) { Change(right_text_alignment_, value); }

void TNumLab::SetOverflowIndicator(const std::string& value) { Change(overflow_indicator_, value); }

void TNumLab::SetValue(double value) {
  // A comparison with NaN on either side counts as "no difference".
  if (std::isnan(value) || std::isnan(value_) || value == value_) return;
  value_ = value;
  Refresh();
}

void TNumLab::SetEnabled(bool value) {
  TGraphicControl::SetEnabled(value);
  Refresh();
}

void TNumLab::SetColorLabBakG(TColor value) { Change(color_lab_bakg_, value); }

void TNumLab::SetColorLabText(TColor value) { Change(color_lab_text_, value); }

void TNumLab::SetColorOutBakG(TColor value) { Change(color_out_bakg_, value); }

void TNumLab::SetColorOutText(TColor value) { Change(color_out_text_, value); }

void TNumLab::SetColorScheme(TColorScheme value) {
  if (value == color_scheme_) return;
  color_scheme_ = value;
  if (value == TColorScheme::csSystem) {
    color_shadow_ = clBtnShadow;
    color_highlight_ = clBtnHighlight;
  } else {
    color_shadow_ = clGray;
    color_highlight_ = clWhite;
  }
  Refresh();
}

void TNumLab::SetDisplayType(TDisplay value) { Change(display_type_, value); }

void TNumLab::SetDTFormat(const std::string& value) { Change(dt_format_, value); }

std::string TNumLab::DisplayText() {
  if (empty_) return {};
  TValueTextSettings s;
  s.value = value_;
  s.displayType = display_type_;
  s.precision = precision_;
  s.comma = comma_;
  s.forcePlusSign = force_plus_sign_;
  s.stateText = state_text_;
  s.overflowIndicator = overflow_indicator_;
  s.dtFormat = dt_format_;
  std::string text = BuildValueText(s);
  if (OnBeforeDisplay) OnBeforeDisplay(this, text);
  return text;
}

void TNumLab::Assign(const TPersistent& Source) {
  const auto* other = dynamic_cast<const TNumLab*>(&Source);
  if (other == nullptr) {
    TGraphicControl::Assign(Source);
    return;
  }
  left_space_ = other->left_space_;
  empty_ = other->empty_;
  label_width_ = other->label_width_;
  precision_ = other->precision_;
  left_text_ = other->left_text_;
  right_text_ = other->right_text_;
  frame_style_ = other->frame_style_;
  alignment_ = other->alignment_;
  right_text_alignment_ = other->right_text_alignment_;
  left_text_alignment_ = other->left_text_alignment_;
  overflow_indicator_ = other->overflow_indicator_;
  value_ = other->value_;
  state_text_ = other->state_text_;
  transparent_ = other->transparent_;
  color_lab_bakg_ = other->color_lab_bakg_;
  color_lab_text_ = other->color_lab_text_;
  color_out_bakg_ = other->color_out_bakg_;
  color_out_text_ = other->color_out_text_;
  color_dark_ = other->color_dark_;
  color_shadow_ = other->color_shadow_;
  color_highlight_ = other->color_highlight_;
  color_scheme_ = other->color_scheme_;
  display_type_ = other->display_type_;
  Refresh();
}

void TNumLab::AssignTo(TPersistent& Dest) const {
  // Only another label can take a label's values. Handing an ancestor class back to its
  // own Assign would come straight back here, so everything else is a conversion error.
  if (auto* label = dynamic_cast<TNumLab*>(&Dest)) {
    label->Assign(*this);
    return;
  }
  TGraphicControl::AssignTo(Dest);
}

}  // namespace kurvex
