#include "platform/std_controls.h"

#include <algorithm>

#include "platform/rect_ops.h"

namespace kurvex {

// ---- TPanel ----------------------------------------------------------------------------

TPanel::TPanel(TComponent* AOwner) : TCaptionControl(AOwner) { SetBounds(0, 0, 185, 41); }

void TPanel::SetBevelOuter(TBevelCut bevel) {
  if (bevel == bevel_outer_) return;
  bevel_outer_ = bevel;
  Invalidate();
  NotifyHost();
}

void TPanel::Paint() {
  TCanvas& canvas = WindowCanvas();
  const int w = ClientWidth();
  const int h = ClientHeight();
  if (bevel_outer_ == TBevelCut::bvRaised || bevel_outer_ == TBevelCut::bvLowered) {
    const bool raised = bevel_outer_ == TBevelCut::bvRaised;
    const TColor light = clBtnHighlight;
    const TColor dark = clBtnShadow;
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetMode(TPenMode::pmCopy);
    // Top and left edges, then bottom and right; LineTo leaves the end pixel out.
    canvas.Pen().SetColor(raised ? light : dark);
    canvas.MoveTo(0, h - 1);
    canvas.LineTo(0, 0);
    canvas.LineTo(w - 1, 0);
    canvas.Pen().SetColor(raised ? dark : light);
    canvas.MoveTo(w - 1, 0);
    canvas.LineTo(w - 1, h - 1);
    canvas.LineTo(-1, h - 1);
  }
  if (!Caption().empty()) {
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    const int tw = canvas.TextWidth(Caption());
    const int th = canvas.TextHeight(Caption());
    canvas.TextOut((w - tw) / 2, (h - th) / 2, Caption());
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  }
}

// ---- TButton, TRadioButton, TGroupBox --------------------------------------------------

TButton::TButton(TComponent* AOwner) : TCaptionControl(AOwner) { SetBounds(0, 0, 75, 25); }

TRadioButton::TRadioButton(TComponent* AOwner) : TCaptionControl(AOwner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (checked && Parent() != nullptr) {
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
      auto* sibling = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
      if (sibling != nullptr && sibling != this) sibling->SetChecked(false);
    }
  }
  Invalidate();
  NotifyHost();
}

void TRadioButton::Click() {
  SetChecked(true);
  TCaptionControl::Click();
}

TGroupBox::TGroupBox(TComponent* AOwner) : TCaptionControl(AOwner) { SetBounds(0, 0, 185, 105); }

// ---- TScrollBar ------------------------------------------------------------------------

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) { SetBounds(0, 0, 121, 17); }

// Computed in 64 bits: Min and Max may be the ends of the int range.
int TScrollBar::MaxPosition() const {
  const long long last = page_size_ > 0 ? static_cast<long long>(max_) - page_size_ + 1 : max_;
  return static_cast<int>(std::max<long long>(last, min_));
}

void TScrollBar::Normalize() {
  if (max_ < min_) max_ = min_;
  page_size_ = static_cast<int>(std::clamp<long long>(page_size_, 0, static_cast<long long>(max_) - min_ + 1));
  position_ = std::clamp(position_, min_, MaxPosition());
}

void TScrollBar::SetKind(TScrollBarKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  NotifyHost();
}

void TScrollBar::Finish(int old_position) {
  if (!IsLoading()) Normalize();
  NotifyHost();
  if (position_ != old_position) Change();
}

void TScrollBar::SetParams(int position, int min, int max) {
  const int old_position = position_;
  min_ = min;
  max_ = std::max(max, min);
  position_ = position;
  Finish(old_position);
}

// The end set last wins: a Min above Max raises Max, a Max below Min lowers Min.
void TScrollBar::SetMin(int min) {
  const int old_position = position_;
  min_ = min;
  if (!IsLoading() && max_ < min_) max_ = min_;
  Finish(old_position);
}

void TScrollBar::SetMax(int max) {
  const int old_position = position_;
  max_ = max;
  if (!IsLoading() && min_ > max_) min_ = max_;
  Finish(old_position);
}

void TScrollBar::SetPosition(int position) {
  const int old_position = position_;
  position_ = position;
  Finish(old_position);
}

void TScrollBar::SetLargeChange(int change) {
  large_change_ = std::max(change, 1);
  NotifyHost();
}

void TScrollBar::SetSmallChange(int change) {
  small_change_ = std::max(change, 1);
  NotifyHost();
}

void TScrollBar::SetPageSize(int size) {
  const int old_position = position_;
  page_size_ = std::max(size, 0);
  Finish(old_position);
}

void TScrollBar::Loaded() {
  TWinControl::Loaded();
  Normalize();
  NotifyHost();
}

void TScrollBar::Change() {
  if (IsLoading()) return;
  if (OnChange) OnChange(this);
}

// ---- TLabel ----------------------------------------------------------------------------

TLabel::TLabel(TComponent* AOwner) : TCaptionControl(AOwner) {
  SetBounds(0, 0, 65, 17);
  AdjustBounds();
}

void TLabel::SetAutoSize(bool auto_size) {
  if (auto_size == auto_size_) return;
  auto_size_ = auto_size;
  AdjustBounds();
}

void TLabel::Loaded() {
  TCaptionControl::Loaded();
  AdjustBounds();
}

void TLabel::CaptionChanged() {
  TCaptionControl::CaptionChanged();
  AdjustBounds();
}

void TLabel::FontChanged() {
  TCaptionControl::FontChanged();
  AdjustBounds();
}

void TLabel::AdjustBounds() {
  if (!auto_size_ || IsLoading()) return;
  // Text is measured on a canvas of its own: the label's font, nothing drawn.
  TCanvas measure;
  measure.Font().Assign(Font());
  const std::string& text = Caption().empty() ? std::string(" ") : Caption();
  SetBounds(Left(), Top(), measure.TextWidth(text), measure.TextHeight(text));
}

}  // namespace kurvex
