#include "scale/dt_label.h"

namespace kurvex {

void TDTLabel::SetTimeFormat(TTimeFormat v) {
  time_format_ = v;
  Changed();
}

void TDTLabel::SetDateSeparator(char v) {
  if (v == date_separator_) return;
  date_separator_ = v;
  Changed();
}

void TDTLabel::SetTimeSeparator(char v) {
  if (v == time_separator_) return;
  time_separator_ = v;
  Changed();
}

void TDTLabel::SetYearLength(TYearLength v) {
  if (v == year_length_) return;
  year_length_ = v;
  Changed();
}

void TDTLabel::SetMonthName(bool v) {
  if (v == month_name_) return;
  month_name_ = v;
  Changed();
}

void TDTLabel::SetDateOrder(TDateOrder v) {
  date_order_ = v;
  Changed();
}

void TDTLabel::SetDateForTime(TDateForTime v) {
  if (v == date_for_time_) return;
  date_for_time_ = v;
  Changed();
}

void TDTLabel::Assign(const TPersistent& Source) {
  const auto* from = dynamic_cast<const TDTLabel*>(&Source);
  if (from == nullptr) {
    TPersistent::Assign(Source);
    return;
  }
  time_format_ = from->time_format_;
  date_separator_ = from->date_separator_;
  time_separator_ = from->time_separator_;
  year_length_ = from->year_length_;
  month_name_ = from->month_name_;
  date_order_ = from->date_order_;
  date_for_time_ = from->date_for_time_;
}

}  // namespace kurvex
