#pragma once
// TDTLabel: the date/time label format of a scale (clock format, separators, year length,
// month names, date order, and how often a date accompanies time labels).

#include "common/persistent.h"
#include "common/types.h"

namespace kurvex {

class TDTLabel : public TPersistent {
 public:
  const char* ClassName() const override { return "TDTLabel"; }

  TTimeFormat TimeFormat() const { return time_format_; }
  char DateSeparator() const { return date_separator_; }
  char TimeSeparator() const { return time_separator_; }
  TYearLength YearLength() const { return year_length_; }
  bool MonthName() const { return month_name_; }
  TDateOrder DateOrder() const { return date_order_; }
  TDateForTime DateForTime() const { return date_for_time_; }

  // TimeFormat and DateOrder notify on every call; the others only when the value changes.
  void SetTimeFormat(TTimeFormat v);
  void SetDateSeparator(char v);
  void SetTimeSeparator(char v);
  void SetYearLength(TYearLength v);
  void SetMonthName(bool v);
  void SetDateOrder(TDateOrder v);
  void SetDateForTime(TDateForTime v);

  // From another TDTLabel: copies the seven format values, keeps OnChange, notifies nothing.
  void Assign(const TPersistent& Source) override;

  friend bool operator==(const TDTLabel& a, const TDTLabel& b) {
    return a.time_format_ == b.time_format_ && a.date_separator_ == b.date_separator_ &&
           a.time_separator_ == b.time_separator_ && a.year_length_ == b.year_length_ &&
           a.month_name_ == b.month_name_ && a.date_order_ == b.date_order_ && a.date_for_time_ == b.date_for_time_;
  }

  TNotifyEvent OnChange;

 private:
  void Changed() {
    if (OnChange) OnChange(this);
  }

  TTimeFormat time_format_ = TTimeFormat::tfHHMMSS;
  char date_separator_ = '\0';
  char time_separator_ = '\0';
  TYearLength year_length_ = TYearLength::ylNone;
  bool month_name_ = false;
  TDateOrder date_order_ = TDateOrder::doMMDDYY;
  TDateForTime date_for_time_ = TDateForTime::dtNone;
};

}  // namespace kurvex
